#include "HandheldTestSupport.h"

#include "simulator/HandheldSetup.h"
#include "tanlink/EngineIds.h"
#include "tanlink/MachinePath.h"

#include <QDir>
#include <stdexcept>

namespace velox::test {

using namespace std::chrono_literals;

HandheldPrefix::HandheldPrefix(bool connected) {
    simulator::HandheldState state = simulator::HandheldState::defaults();
    state.connected = connected;
    QString error;
    if (!simulator::setUpHandheld(state, handheld(), &error)) {
        throw std::runtime_error(error.toStdString());
    }
    QDir().mkpath(pcPath(QString()));
}

QString HandheldPrefix::handheld() const {
    return QDir(prefix_.path()).filePath(QStringLiteral("handheld"));
}

QString HandheldPrefix::hostOf(const QString& handheldPath) const {
    return simulator::handheldHostPath(handheldPath, handheld());
}

QString HandheldPrefix::putOnHandheld(const QString& handheldPath,
                                      const QByteArray& contents) const {
    QString relative = handheldPath;
    relative.remove(1, 1); // "C:\x" -> "C\x"
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return writeFile(handheld(), relative, contents);
}

QString HandheldPrefix::putOnPc(const QString& name, const QByteArray& contents) const {
    return writeFile(pcPath(QString()), name, contents);
}

QString HandheldPrefix::pcPath(const QString& name) const {
    return QDir(QDir(prefix_.path()).filePath(QStringLiteral("pc"))).filePath(name);
}

void HandheldPrefix::changeState(
    const std::function<void(simulator::HandheldState&)>& change) const {
    simulator::HandheldStateFile(handheld()).update([&](simulator::HandheldState& s) {
        change(s);
        return true;
    });
}

tanlink::MachinePathRecord record(com::SHORT machine, const QString& path) {
    tanlink::MachinePathRecord r{};
    if (tanlink::packMachinePath(machine, path, r) != tanlink::kOk) {
        throw std::runtime_error("path too long for a record");
    }
    return r;
}

void ReportLog::add(Report report) {
    {
        std::lock_guard lock(mutex_);
        reports_.push_back(std::move(report));
    }
    changed_.notify_all();
}

Report ReportLog::waitFor(const std::string& method, int occurrence) {
    std::unique_lock lock(mutex_);
    Report found;
    changed_.wait_for(lock, 10s, [&] {
        int seen = 0;
        for (const Report& r : reports_) {
            if (r.method == method && ++seen == occurrence) {
                found = r;
                return true;
            }
        }
        return false;
    });
    return found;
}

std::vector<Report> ReportLog::all() const {
    std::lock_guard lock(mutex_);
    return reports_;
}

std::vector<Report> ReportLog::of(const std::string& method) const {
    std::lock_guard lock(mutex_);
    std::vector<Report> result;
    for (const Report& r : reports_) {
        if (r.method == method) {
            result.push_back(r);
        }
    }
    return result;
}

com::HRESULT RecordingCallback::QueryInterface(com::REFIID riid, void** object) {
    if (riid == com::IID_IUnknown || riid == tanlink::IID_ITandemCallback) {
        *object = static_cast<tanlink::ITandemCallback*>(this);
        AddRef();
        return com::S_OK;
    }
    *object = nullptr;
    return com::E_NOINTERFACE;
}

com::LONG RecordingCallback::OnGetDrives(com::LONG e, const char* drives) {
    // Keep the whole list: entries up to the empty one.
    QByteArray list;
    for (const char* p = drives; *p != '\0'; p += qstrlen(p) + 1) {
        list += QByteArray(p) + '|';
    }
    return note("OnGetDrives", e, list);
}

com::LONG RecordingCallback::note(const char* method, com::LONG value, QByteArray text) {
    log.add({method, value, std::move(text), std::this_thread::get_id()});
    return 0;
}

com::LONG RecordingCallback::progress(const char* method, com::SHORT percent, com::BOOL* cancel) {
    const int at = cancelAt.load();
    *cancel = at >= 0 && percent >= at ? com::TRUE : com::FALSE;
    return note(method, percent);
}

com::HRESULT RecordingCallbackS::QueryInterface(com::REFIID riid, void** object) {
    if (riid == com::IID_IUnknown || riid == tanlink::IID_ITandemCallbackS) {
        *object = static_cast<tanlink::ITandemCallbackS*>(this);
        AddRef();
        return com::S_OK;
    }
    *object = nullptr;
    return com::E_NOINTERFACE;
}

com::LONG RecordingCallbackS::OnCopyProgress(com::SHORT p, com::BOOL* cancel) {
    const int at = cancelAt.load();
    *cancel = at >= 0 && p >= at ? com::TRUE : com::FALSE;
    log.add({"OnCopyProgress", p, {}, std::this_thread::get_id()});
    return 0;
}

com::LONG RecordingCallbackS::OnCopyDirectoryProgress(const char* name) {
    log.add({"OnCopyDirectoryProgress", 0, name, std::this_thread::get_id()});
    return 0;
}

com::LONG RecordingCallbackS::OnFormatProgress(com::SHORT p, com::BOOL* cancel) {
    *cancel = com::FALSE;
    log.add({"OnFormatProgress", p, {}, std::this_thread::get_id()});
    return 0;
}

com::LONG RecordingCallbackS::OnCloseProgramProgress(const char* application, const char* file) {
    log.add({"OnCloseProgramProgress", 0, QByteArray(application) + "|" + file,
             std::this_thread::get_id()});
    return 0;
}

} // namespace velox::test
