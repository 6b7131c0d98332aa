// libvelox-sound.so: the sound player on Qt Multimedia, loaded by the program
// the first time it plays a sound.
#include "platform/win/sound/SoundModule.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace {

// One effect at a time, as the system plays one sound at a time.
class MultimediaSounds : public velox::win::SoundSeam {
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

} // namespace

extern "C" Q_DECL_EXPORT velox::win::SoundSeam* veloxCreateSoundPlayer() {
    return new MultimediaSounds;
}
