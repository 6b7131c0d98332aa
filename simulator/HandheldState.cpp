#include "simulator/HandheldState.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <cmath>
#include <limits>
#include <type_traits>

namespace velox::simulator {

namespace {

constexpr int kLockTimeoutMs = 10000;

// Numbers travel as JSON doubles, which hold every 32-bit value and sizes
// up to 2^53 exactly.
QJsonValue number(double value) {
    return QJsonValue(value);
}

QJsonObject machineToJson(const MachineDetails& m) {
    QJsonObject o;
    o["name"] = m.name;
    o["idLow"] = number(m.idLow);
    o["idHigh"] = number(m.idHigh);
    o["language"] = m.language;
    o["daylightSaving"] = m.daylightSaving;
    o["romMajor"] = m.romMajor;
    o["romMinor"] = m.romMinor;
    o["romBuild"] = m.romBuild;
    o["displayWidth"] = m.displayWidth;
    o["displayHeight"] = m.displayHeight;
    o["mainBatteryStatus"] = m.mainBatteryStatus;
    o["backupBatteryStatus"] = m.backupBatteryStatus;
    o["currentConsumption"] = m.currentConsumption;
    o["externalPowerPresent"] = m.externalPowerPresent;
    o["totalRam"] = m.totalRam;
    o["totalRom"] = m.totalRom;
    o["maxFreeRam"] = m.maxFreeRam;
    o["freeRam"] = m.freeRam;
    o["internalDiskRam"] = m.internalDiskRam;
    o["registryRam"] = m.registryRam;
    o["romReprogrammable"] = m.romReprogrammable;
    o["owner"] = m.owner;
    o["type"] = m.type;
    o["clockOffset"] = number(static_cast<double>(m.clockOffset));
    return o;
}

// Reads the fields present; missing fields keep their defaults.
class Reader {
public:
    explicit Reader(const QJsonObject& object) : o_(object) {}
    bool ok() const { return ok_; }
    const QString& problem() const { return problem_; }

    template <typename T> void integer(const char* key, T& target) {
        const QJsonValue v = o_.value(QLatin1String(key));
        if (v.isUndefined()) {
            return;
        }
        const double d = v.toDouble();
        // Doubles hold whole numbers exactly up to 2^53.
        const double high =
            sizeof(T) < 8 ? static_cast<double>(std::numeric_limits<T>::max()) : 9007199254740992.0;
        const double low = std::is_signed_v<T> ? -high : 0.0;
        if (!v.isDouble() || !std::isfinite(d) || std::trunc(d) != d || d < low || d > high) {
            fail(QStringLiteral("\"%1\" is not a whole number in range").arg(QLatin1String(key)));
            return;
        }
        target = static_cast<T>(d);
    }
    void text(const char* key, QString& target) {
        const QJsonValue v = o_.value(QLatin1String(key));
        if (v.isUndefined()) {
            return;
        }
        if (!v.isString()) {
            fail(QStringLiteral("\"%1\" is not text").arg(QLatin1String(key)));
            return;
        }
        target = v.toString();
    }
    void fail(const QString& why) {
        if (ok_) {
            problem_ = why;
        }
        ok_ = false;
    }

private:
    const QJsonObject& o_;
    bool ok_ = true;
    QString problem_;
};

void machineFromJson(const QJsonObject& o, MachineDetails& m, Reader& r) {
    Reader f(o);
    f.text("name", m.name);
    f.integer("idLow", m.idLow);
    f.integer("idHigh", m.idHigh);
    f.integer("language", m.language);
    f.integer("daylightSaving", m.daylightSaving);
    f.integer("romMajor", m.romMajor);
    f.integer("romMinor", m.romMinor);
    f.integer("romBuild", m.romBuild);
    f.integer("displayWidth", m.displayWidth);
    f.integer("displayHeight", m.displayHeight);
    f.integer("mainBatteryStatus", m.mainBatteryStatus);
    f.integer("backupBatteryStatus", m.backupBatteryStatus);
    f.integer("currentConsumption", m.currentConsumption);
    f.integer("externalPowerPresent", m.externalPowerPresent);
    f.integer("totalRam", m.totalRam);
    f.integer("totalRom", m.totalRom);
    f.integer("maxFreeRam", m.maxFreeRam);
    f.integer("freeRam", m.freeRam);
    f.integer("internalDiskRam", m.internalDiskRam);
    f.integer("registryRam", m.registryRam);
    f.integer("romReprogrammable", m.romReprogrammable);
    f.text("owner", m.owner);
    f.integer("type", m.type);
    f.integer("clockOffset", m.clockOffset);
    if (!f.ok()) {
        r.fail(QStringLiteral("machine: ") + f.problem());
    }
}

} // namespace

HandheldState HandheldState::defaults() {
    HandheldState state;
    state.drives.insert(QChar('C'), DriveDetails{QStringLiteral("Internal"), 8ull << 20, {}});
    state.drives.insert(QChar('D'), DriveDetails{QStringLiteral("Memory card"), 64ull << 20, {}});
    state.config = QByteArrayLiteral("[Link]\r\nBaud=115200\r\nPort=1\r\n");
    return state;
}

QByteArray HandheldState::toJson() const {
    QJsonObject root;
    root["connected"] = connected;
    root["machine"] = machineToJson(machine);
    QJsonObject drivesObject;
    for (auto it = drives.cbegin(); it != drives.cend(); ++it) {
        QJsonObject d;
        d["name"] = it->name;
        d["totalSize"] = number(static_cast<double>(it->totalSize));
        if (it->freeSpace) {
            d["freeSpace"] = number(static_cast<double>(*it->freeSpace));
        }
        drivesObject[QString(it.key())] = d;
    }
    root["drives"] = drivesObject;
    QJsonArray open;
    for (const OpenFile& f : openFiles) {
        open.append(QJsonObject{{"application", f.application}, {"path", f.path}});
    }
    root["openFiles"] = open;
    root["runningPrograms"] = QJsonArray::fromStringList(runningPrograms);
    QJsonObject attrs;
    for (auto it = attributes.cbegin(); it != attributes.cend(); ++it) {
        attrs[it.key()] = number(it.value());
    }
    root["attributes"] = attrs;
    root["baud"] = baud;
    root["port"] = port;
    root["config"] = QString::fromLatin1(config.toBase64());
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<HandheldState> HandheldState::fromJson(const QByteArray& json, QString* error) {
    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    auto refuse = [error](const QString& why) -> std::optional<HandheldState> {
        if (error != nullptr) {
            *error = why;
        }
        return std::nullopt;
    };
    if (doc.isNull() || !doc.isObject()) {
        return refuse(QStringLiteral("not a JSON object: ") + parseError.errorString());
    }
    const QJsonObject root = doc.object();
    HandheldState state;
    Reader r(root);
    if (root.contains("connected")) {
        if (!root.value("connected").isBool()) {
            r.fail(QStringLiteral("\"connected\" is not true or false"));
        }
        state.connected = root.value("connected").toBool();
    }
    if (root.contains("machine")) {
        machineFromJson(root.value("machine").toObject(), state.machine, r);
    }
    const QJsonObject drivesObject = root.value("drives").toObject();
    for (auto it = drivesObject.begin(); it != drivesObject.end(); ++it) {
        const QString letter = it.key().toUpper();
        if (letter.size() != 1 || !letter[0].isLetter()) {
            r.fail(QStringLiteral("drive \"%1\" is no drive letter").arg(it.key()));
            continue;
        }
        DriveDetails details;
        const QJsonObject d = it.value().toObject();
        Reader dr(d);
        dr.text("name", details.name);
        dr.integer("totalSize", details.totalSize);
        if (d.contains("freeSpace")) {
            quint64 free = 0;
            dr.integer("freeSpace", free);
            details.freeSpace = free;
        }
        if (!dr.ok()) {
            r.fail(QStringLiteral("drive %1: ").arg(letter) + dr.problem());
        }
        state.drives.insert(letter[0], details);
    }
    for (const QJsonValueConstRef v : root.value("openFiles").toArray()) {
        const QJsonObject o = v.toObject();
        if (!o.value("path").isString()) {
            r.fail(QStringLiteral("an open file has no path"));
            continue;
        }
        state.openFiles.push_back({o.value("application").toString(), o.value("path").toString()});
    }
    for (const QJsonValueConstRef v : root.value("runningPrograms").toArray()) {
        state.runningPrograms.append(v.toString());
    }
    const QJsonObject attrs = root.value("attributes").toObject();
    for (auto it = attrs.begin(); it != attrs.end(); ++it) {
        state.attributes.insert(it.key().toLower(), static_cast<quint32>(it.value().toDouble()));
    }
    r.integer("baud", state.baud);
    r.integer("port", state.port);
    if (root.contains("config")) {
        state.config = QByteArray::fromBase64(root.value("config").toString().toLatin1());
    }
    if (!r.ok()) {
        return refuse(r.problem());
    }
    return state;
}

bool HandheldState::isHeldOpen(const QString& handheldPath, QString* application) const {
    for (const OpenFile& f : openFiles) {
        if (f.path.compare(handheldPath, Qt::CaseInsensitive) == 0) {
            if (application != nullptr) {
                *application = f.application;
            }
            return true;
        }
    }
    return false;
}

HandheldStateFile::HandheldStateFile(QString root) : root_(std::move(root)) {}

QString HandheldStateFile::path() const {
    return QDir(root_).filePath(QStringLiteral("state.json"));
}

std::optional<HandheldState> HandheldStateFile::load(QString* error) const {
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly)) {
        if (error != nullptr) {
            *error = QStringLiteral("cannot read %1: %2").arg(path(), file.errorString());
        }
        return std::nullopt;
    }
    QString why;
    std::optional<HandheldState> state = HandheldState::fromJson(file.readAll(), &why);
    if (!state && error != nullptr) {
        *error = QStringLiteral("%1 is damaged: %2").arg(path(), why);
    }
    return state;
}

namespace {

bool writeState(const QString& path, const HandheldState& state, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(state.toJson()) < 0 || !file.commit()) {
        if (error != nullptr) {
            *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        }
        return false;
    }
    return true;
}

} // namespace

bool HandheldStateFile::save(const HandheldState& state, QString* error) const {
    QDir().mkpath(root_);
    QLockFile lock(path() + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockTimeoutMs)) {
        if (error != nullptr) {
            *error = QStringLiteral("the handheld state is locked");
        }
        return false;
    }
    return writeState(path(), state, error);
}

bool HandheldStateFile::update(const std::function<bool(HandheldState&)>& change,
                               QString* error) const {
    QLockFile lock(path() + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockTimeoutMs)) {
        if (error != nullptr) {
            *error = QStringLiteral("the handheld state is locked");
        }
        return false;
    }
    std::optional<HandheldState> state = load(error);
    if (!state || !change(*state)) {
        return false;
    }
    return writeState(path(), *state, error);
}

} // namespace velox::simulator
