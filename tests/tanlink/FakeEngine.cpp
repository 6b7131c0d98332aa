#include "FakeEngine.h"

#include "platform/com/Activation.h"
#include "platform/com/Ansi.h"
#include "tanlink/EngineIds.h"
#include "tanlink/MachinePath.h"

#include <cstring>

namespace velox::test {

using namespace com;

std::atomic<int>& liveEngineObjects() {
    static std::atomic<int> count{0};
    return count;
}

namespace {

template <typename Interface> class FakeObject : public Interface {
public:
    FakeObject() { ++liveEngineObjects(); }
    FakeObject(const FakeObject&) = delete;
    FakeObject& operator=(const FakeObject&) = delete;
    HRESULT QueryInterface(REFIID riid, void** object) override {
        if (riid == IID_IUnknown || riid == Interface::iid) {
            *object = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++refs_; }
    ULONG Release() override {
        const ULONG left = --refs_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

protected:
    virtual ~FakeObject() { --liveEngineObjects(); }
    // Room for the largest information record.
    BYTE record_[400]{};

private:
    std::atomic<ULONG> refs_{1};
};

class FakeDrive final : public FakeObject<ITandemDrive> {
public:
    LONG GetInfo(const BYTE** record) override {
        *record = record_;
        return 0;
    }
};

class FakeFile final : public FakeObject<ITandemFile> {
public:
    LONG GetInfo(const BYTE** record) override {
        *record = record_;
        return 0;
    }
    LONG GetName(char* name) override {
        std::strcpy(name, "FAKE.TXT");
        return 0;
    }
    LONG Reserved3() override { return 0; }
    LONG Reserved4() override { return 0; }
    LONG Clone(ITandemFile** copy) override {
        *copy = nullptr;
        return 0;
    }
};

class FakeMachine final : public FakeObject<ITandemMachine> {
public:
    LONG GetInfo(const BYTE** record) override {
        *record = record_;
        return 0;
    }
};

class FakeDirectory final : public FakeObject<ITandemDirectory> {
public:
    LONG Next(ULONG /*count*/, ITandemFile** /*entries*/, ULONG* fetched) override {
        *fetched = 0;
        return 0;
    }
    LONG Skip(ULONG /*count*/) override { return 0; }
    LONG Reset() override { return 0; }
};

template <typename Object, typename Interface> void yield(bool yes, Interface** slot) {
    *slot = yes ? new Object : nullptr;
}

std::atomic<FakeEngine*> lastEngine{nullptr};
std::atomic<FakeEngineS*> lastEngineS{nullptr};
std::atomic<int> liveEngines{0};
std::atomic<LONG> nextInitCode{0};

QString flagsText(SHORT flags) {
    return QString::number(flags);
}

template <typename Engine> class EngineFactory final : public IClassFactory {
public:
    HRESULT QueryInterface(REFIID riid, void** object) override {
        if (riid == IID_IUnknown || riid == IID_IClassFactory) {
            *object = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT CreateInstance(IUnknown* /*outer*/, REFIID riid, void** object) override {
        auto* engine = new Engine;
        const HRESULT hr = engine->QueryInterface(riid, object);
        engine->Release();
        return hr;
    }
    HRESULT LockServer(BOOL /*lock*/) override { return S_OK; }
};

EngineFactory<FakeEngine> asyncFactory;
EngineFactory<FakeEngineS> syncFactory;

} // namespace

QStringList FakeEngineBase::calls() const {
    const std::lock_guard lock(mutex_);
    return calls_;
}

void FakeEngineBase::record(const QString& call) {
    const std::lock_guard lock(mutex_);
    calls_.append(call);
}

QString FakeEngineBase::text(const MachinePathRecord* rec) {
    return QString::number(rec->machine) + ':' + unicodeFromAnsi(tanlink::machinePathText(*rec));
}

QString FakeEngineBase::text(const char* ansi) {
    return ansi == nullptr ? QStringLiteral("(null)") : unicodeFromAnsi(ansi);
}

// --- what both engines share ---

template <typename Interface, typename Callback>
HRESULT FakeEngineOf<Interface, Callback>::QueryInterface(REFIID riid, void** object) {
    if (riid == IID_IUnknown || riid == Interface::iid) {
        *object = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

template <typename Interface, typename Callback> ULONG FakeEngineOf<Interface, Callback>::AddRef() {
    return ++refs_;
}

template <typename Interface, typename Callback>
ULONG FakeEngineOf<Interface, Callback>::Release() {
    const ULONG left = --refs_;
    if (left == 0) {
        delete this;
    }
    return left;
}

template <typename Interface, typename Callback>
void FakeEngineOf<Interface, Callback>::keepCallback(Callback* callback) {
    record(QStringLiteral("Init"));
    callback_ = callback;
    if (callback_ != nullptr) {
        callback_->AddRef();
    }
}

template <typename Interface, typename Callback>
void FakeEngineOf<Interface, Callback>::releaseCallback() {
    if (callback_ != nullptr) {
        callback_->Release();
        callback_ = nullptr;
    }
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::SetConfiguration(LONG* result, LONG baud, LONG port) {
    record(QStringLiteral("SetConfiguration %1 %2").arg(baud).arg(port));
    *result = script.configurationResult;
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::GetConfiguration(LONG* result, LONG* baud, LONG* port) {
    record(QStringLiteral("GetConfiguration"));
    *result = script.configurationResult;
    *baud = 19200;
    *port = 2;
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::Connect(LONG timeOut) {
    record(QStringLiteral("Connect %1").arg(timeOut));
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::Disconnect() {
    record(QStringLiteral("Disconnect"));
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::GetDriveInfo(MachinePathRecord* drive,
                                                     ITandemDrive** info) {
    record(QStringLiteral("GetDriveInfo %1").arg(text(drive)));
    yield<FakeDrive>(script.yieldObjects, info);
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::LabelDrive(MachinePathRecord* drive, const char* label) {
    record(QStringLiteral("LabelDrive %1 %2").arg(text(drive), text(label)));
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::Format(MachinePathRecord* drive) {
    record(QStringLiteral("Format %1").arg(text(drive)));
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::GetFileInfo(MachinePathRecord* file, ITandemFile** info) {
    record(QStringLiteral("GetFileInfo %1").arg(text(file)));
    yield<FakeFile>(script.yieldObjects, info);
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::CopyFile(MachinePathRecord* from, MachinePathRecord* to,
                                                 SHORT flags) {
    record(QStringLiteral("CopyFile %1 %2 %3").arg(text(from), text(to), flagsText(flags)));
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::DeleteFile(MachinePathRecord* file) {
    record(QStringLiteral("DeleteFile %1").arg(text(file)));
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::RenameFile(MachinePathRecord* file, const char* newName) {
    record(QStringLiteral("RenameFile %1 %2").arg(text(file), text(newName)));
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::MoveFile(MachinePathRecord* from, MachinePathRecord* to,
                                                 SHORT flags) {
    record(QStringLiteral("MoveFile %1 %2 %3").arg(text(from), text(to), flagsText(flags)));
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::SetAttributes(MachinePathRecord* file, LONG attributes) {
    record(QStringLiteral("SetAttributes %1 %2").arg(text(file)).arg(attributes));
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::CreateDirectory(MachinePathRecord* directory) {
    record(QStringLiteral("CreateDirectory %1").arg(text(directory)));
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::DeleteDirectory(MachinePathRecord* directory) {
    record(QStringLiteral("DeleteDirectory %1").arg(text(directory)));
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::CopyDirectory(MachinePathRecord* from,
                                                      MachinePathRecord* to, SHORT flags) {
    record(QStringLiteral("CopyDirectory %1 %2 %3").arg(text(from), text(to), flagsText(flags)));
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::MoveDirectory(MachinePathRecord* from,
                                                      MachinePathRecord* to, SHORT flags) {
    record(QStringLiteral("MoveDirectory %1 %2 %3").arg(text(from), text(to), flagsText(flags)));
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::RenameDirectory(MachinePathRecord* directory,
                                                        const char* newName) {
    record(QStringLiteral("RenameDirectory %1 %2").arg(text(directory), text(newName)));
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::GetExtraMachineInfo(SHORT machine, ITandemMachine** info) {
    record(QStringLiteral("GetExtraMachineInfo %1").arg(machine));
    yield<FakeMachine>(script.yieldObjects, info);
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::MachineSyncTime() {
    record(QStringLiteral("MachineSyncTime"));
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::Reserved25() {
    record(QStringLiteral("Reserved25"));
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::ParseFile(const char* part1, const char* part2,
                                                  const char* part3, ParseRecord* parsed) {
    record(QStringLiteral("ParseFile %1 %2 %3").arg(text(part1), text(part2), text(part3)));
    *parsed = script.parsed;
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::MatchWildcard(const char* name, const char* wildcard,
                                                      BOOL ignoreCase, BOOL* result) {
    record(
        QStringLiteral("MatchWildcard %1 %2 %3").arg(text(name), text(wildcard)).arg(ignoreCase));
    *result = script.wildcardAnswer;
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::CancelOperation(LONG* result) {
    record(QStringLiteral("CancelOperation"));
    *result = script.configurationResult;
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::ClosePrograms(MachinePathRecord* drive) {
    record(QStringLiteral("ClosePrograms %1").arg(text(drive)));
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::StartProgram(MachinePathRecord* file) {
    record(QStringLiteral("StartProgram %1").arg(text(file)));
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::StopProgram(MachinePathRecord* file) {
    record(QStringLiteral("StopProgram %1").arg(text(file)));
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::ReadConfig(SHORT fromMachine, MachinePathRecord* toFile) {
    record(QStringLiteral("ReadConfig %1 %2").arg(fromMachine).arg(text(toFile)));
    return script.code;
}

template <typename Interface, typename Callback>
LONG FakeEngineOf<Interface, Callback>::WriteConfig(MachinePathRecord* fromFile, SHORT toMachine) {
    record(QStringLiteral("WriteConfig %1 %2").arg(text(fromFile)).arg(toMachine));
    return script.code;
}

template class FakeEngineOf<tanlink::ITandemEngine, ITandemCallback>;
template class FakeEngineOf<tanlink::ITandemEngineS, ITandemCallbackS>;

// --- the asynchronous engine ---

FakeEngine::FakeEngine() {
    ++liveEngines;
    lastEngine = this;
}

FakeEngine::~FakeEngine() {
    releaseCallback();
    FakeEngine* self = this;
    lastEngine.compare_exchange_strong(self, nullptr);
    --liveEngines;
}

FakeEngine* FakeEngine::last() {
    return lastEngine.load();
}

int FakeEngine::live() {
    return liveEngines.load();
}

void FakeEngine::failNextInit(LONG code) {
    nextInitCode = code;
}

LONG FakeEngine::Init(ITandemCallback* callback) {
    keepCallback(callback);
    return nextInitCode.exchange(0);
}
LONG FakeEngine::GetDrives(MachinePathRecord* machine) {
    record(QStringLiteral("GetDrives %1").arg(text(machine)));
    return script.code;
}
LONG FakeEngine::GetDirectory(MachinePathRecord* directory, ITandemDirectory** listing) {
    record(QStringLiteral("GetDirectory %1").arg(text(directory)));
    yield<FakeDirectory>(script.yieldObjects, listing);
    return script.code;
}
LONG FakeEngine::GetMachineInfo(SHORT machine) {
    record(QStringLiteral("GetMachineInfo %1").arg(machine));
    return script.code;
}

// --- the synchronous engine ---

FakeEngineS::FakeEngineS() {
    lastEngineS = this;
}

FakeEngineS::~FakeEngineS() {
    releaseCallback();
    FakeEngineS* self = this;
    lastEngineS.compare_exchange_strong(self, nullptr);
}

FakeEngineS* FakeEngineS::last() {
    return lastEngineS.load();
}

LONG FakeEngineS::Init(ITandemCallbackS* callback) {
    keepCallback(callback);
    return script.code;
}
LONG FakeEngineS::GetDrives(MachinePathRecord* machine, char* drives, LONG size) {
    record(QStringLiteral("GetDrives %1 %2").arg(text(machine)).arg(size));
    std::memcpy(drives, script.drives.constData(),
                std::min<std::size_t>(static_cast<std::size_t>(size),
                                      static_cast<std::size_t>(script.drives.size())));
    return script.code;
}
LONG FakeEngineS::GetDirectory(MachinePathRecord* directory, ITandemDirectory** listing,
                               SHORT* count) {
    record(QStringLiteral("GetDirectory %1").arg(text(directory)));
    yield<FakeDirectory>(script.yieldObjects, listing);
    *count = script.directoryCount;
    return script.code;
}
LONG FakeEngineS::GetMachineInfo(SHORT machine, char* owner, LONG size, SHORT* type) {
    record(QStringLiteral("GetMachineInfo %1 %2").arg(machine).arg(size));
    std::memcpy(owner, script.owner.constData(),
                std::min<std::size_t>(static_cast<std::size_t>(size),
                                      static_cast<std::size_t>(script.owner.size())));
    *type = script.machineType;
    return script.code;
}

// --- the class objects ---

FakeEngineClasses::FakeEngineClasses() {
    CoRegisterClassObject(tanlink::CLSID_TandemEngine, &asyncFactory, CLSCTX_INPROC_SERVER,
                          REGCLS_MULTIPLEUSE, &asyncCookie_);
    CoRegisterClassObject(tanlink::CLSID_TandemEngineS, &syncFactory, CLSCTX_INPROC_SERVER,
                          REGCLS_MULTIPLEUSE, &syncCookie_);
}

FakeEngineClasses::~FakeEngineClasses() {
    CoRevokeClassObject(asyncCookie_);
    CoRevokeClassObject(syncCookie_);
}

} // namespace velox::test
