#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace velox::win {

// sndPlaySoundA flags.
enum SoundFlags : unsigned {
    SND_SYNC = 0x0,
    SND_ASYNC = 0x1,
    SND_NODEFAULT = 0x2,
};

// The one seam through which the program plays sounds.
class SoundSeam {
public:
    virtual ~SoundSeam() = default;
    // Plays a wave file (host path) and returns; a new sound stops the last one.
    // Returns false when the file cannot be played.
    virtual bool play(const QString& hostFile, unsigned flags) = 0;
};

// sndPlaySoundA: plays a wave file given by a Windows path. With SND_ASYNC the
// call returns at once. Returns whether the sound could be started; a missing
// or unreadable file is not an error (nothing is played).
bool sndPlaySoundA(const QString& soundName, unsigned flags);

// Installs a seam; nullptr restores the real one (Qt Multimedia).
void setSoundSeam(SoundSeam* seam);

// A seam for tests: records what would have been played.
class RecordingSounds : public SoundSeam {
public:
    RecordingSounds();
    ~RecordingSounds() override;
    RecordingSounds(const RecordingSounds&) = delete;
    RecordingSounds& operator=(const RecordingSounds&) = delete;

    struct Played {
        QString hostFile;
        unsigned flags;
    };
    [[nodiscard]] const std::vector<Played>& played() const { return played_; }
    bool play(const QString& hostFile, unsigned flags) override;

private:
    std::vector<Played> played_;
};

} // namespace velox::win
