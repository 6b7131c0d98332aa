#pragma once

// The state file of the simulated handheld, "state.json" in its folder:
// whether it is connected, its machine information, its drives, the files
// its applications hold open, the programs running on it, file attributes,
// the link configuration and its clock. Changes go through update(), which
// holds a lock file around read-modify-write and replaces the file
// atomically; a damaged file is reported and never overwritten.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace velox::simulator {

struct MachineDetails {
    QString name = QStringLiteral("Velox 500");
    quint32 idLow = 0x00C0FFEE;
    quint32 idHigh = 0x00000001;
    qint32 language = 1;
    qint32 daylightSaving = 0;
    qint8 romMajor = 1;
    qint8 romMinor = 2;
    qint32 romBuild = 205;
    qint32 displayWidth = 640;
    qint32 displayHeight = 240;
    qint32 mainBatteryStatus = 1;
    qint32 backupBatteryStatus = 1;
    qint32 currentConsumption = 120;
    qint32 externalPowerPresent = 0;
    qint32 totalRam = 16 * 1024 * 1024;
    qint32 totalRom = 16 * 1024 * 1024;
    qint32 maxFreeRam = 6 * 1024 * 1024;
    qint32 freeRam = 8 * 1024 * 1024;
    qint32 internalDiskRam = 4 * 1024 * 1024;
    qint32 registryRam = 256 * 1024;
    qint32 romReprogrammable = 1;
    QString owner = QStringLiteral("Velox owner");
    qint16 type = 5;
    // Seconds the handheld's clock is ahead of the PC's.
    qint64 clockOffset = 0;
};

struct DriveDetails {
    QString name;
    quint64 totalSize = 0;
    // Free space as set up; without it, the total less what the drive's
    // folder holds.
    std::optional<quint64> freeSpace;
};

struct OpenFile {
    QString application;
    QString path; // handheld path, "C:\System\Alarms\Alarm.wve"
};

struct HandheldState {
    bool connected = false;
    MachineDetails machine;
    QMap<QChar, DriveDetails> drives; // 'C', 'D'
    std::vector<OpenFile> openFiles;
    QStringList runningPrograms;       // handheld paths
    QMap<QString, quint32> attributes; // lower-case handheld path -> attributes
    qint32 baud = 115200;
    qint32 port = 1;
    QByteArray config; // the handheld's configuration, as ReadConfig delivers it

    // The default handheld: drives C: and D:, not connected.
    static HandheldState defaults();

    QByteArray toJson() const;
    // Nothing when the text is not a state file (the reason in `error`).
    static std::optional<HandheldState> fromJson(const QByteArray& json, QString* error);

    // Whether `handheldPath` (any case) is held open; the holding
    // application's name in `application`.
    bool isHeldOpen(const QString& handheldPath, QString* application = nullptr) const;
};

// The state file of the handheld in `root`.
class HandheldStateFile {
public:
    explicit HandheldStateFile(QString root);

    [[nodiscard]] const QString& root() const { return root_; }
    [[nodiscard]] QString path() const;

    // The current state; nothing when the file is missing or damaged (the
    // reason in `error`).
    std::optional<HandheldState> load(QString* error = nullptr) const;
    // Replaces the state (atomically, under the lock).
    bool save(const HandheldState& state, QString* error = nullptr) const;
    // Reads, changes and writes the state under the lock; false (nothing
    // written) when the file cannot be read or written, or `change` returns
    // false.
    bool update(const std::function<bool(HandheldState&)>& change, QString* error = nullptr) const;

private:
    QString root_;
};

} // namespace velox::simulator
