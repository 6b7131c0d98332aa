#include "platform/win/Sound.h"

#include "platform/win/WinPath.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace velox::win {
namespace {

// Qt Multimedia behind the seam: one effect at a time, as the system plays one
// sound at a time.
class MultimediaSounds : public SoundSeam {
public:
    bool play(const QString& hostFile, unsigned /*flags*/) override {
        if (effect_ != nullptr) {
            effect_->stop();
            effect_->deleteLater();
        }
        // Owned by the application, so it goes before the multimedia back end.
        effect_ = new QSoundEffect(QCoreApplication::instance());
        effect_->setSource(QUrl::fromLocalFile(hostFile));
        effect_->play();
        return true;
    }

private:
    QPointer<QSoundEffect> effect_;
};

SoundSeam*& installedSeam() {
    static SoundSeam* seam = nullptr;
    return seam;
}

SoundSeam& realSounds() {
    static MultimediaSounds sounds;
    return sounds;
}

} // namespace

bool sndPlaySoundA(const QString& soundName, unsigned flags) {
    const HostPath resolved = resolvePath(soundName);
    if (!resolved.ok() || !QFileInfo(resolved.path).isFile()) {
        return false;
    }
    SoundSeam& seam = installedSeam() != nullptr ? *installedSeam() : realSounds();
    return seam.play(resolved.path, flags);
}

void setSoundSeam(SoundSeam* seam) {
    installedSeam() = seam;
}

RecordingSounds::RecordingSounds() {
    setSoundSeam(this);
}

RecordingSounds::~RecordingSounds() {
    setSoundSeam(nullptr);
}

bool RecordingSounds::play(const QString& hostFile, unsigned flags) {
    played_.push_back({hostFile, flags});
    return true;
}

} // namespace velox::win
