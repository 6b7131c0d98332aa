#pragma once

// The controls' About box: a modal dialog with the module icon, one line of
// text and an OK button. It goes through a seam so that tests read what
// would have been shown instead of waiting on a dialog.

#include <QImage>
#include <QString>
#include <vector>

namespace velox::tanlink {

struct AboutBoxContent {
    QString title;
    QString text;
    QString button;
    QImage icon;
};

// The About box of both link controls.
AboutBoxContent tanlinkAboutBox();

class AboutBoxSeam {
public:
    virtual ~AboutBoxSeam() = default;
    virtual void show(const AboutBoxContent& content) = 0;
};

// Shows the box modally (through the installed seam, else as a Qt dialog).
void showAboutBox(const AboutBoxContent& content);

// Installs a seam; nullptr restores the real dialog.
void setAboutBoxSeam(AboutBoxSeam* seam);

// For tests: records every box instead of showing it, for its lifetime.
class RecordedAboutBoxes : public AboutBoxSeam {
public:
    RecordedAboutBoxes();
    ~RecordedAboutBoxes() override;
    RecordedAboutBoxes(const RecordedAboutBoxes&) = delete;
    RecordedAboutBoxes& operator=(const RecordedAboutBoxes&) = delete;

    void show(const AboutBoxContent& content) override { shown_.push_back(content); }
    [[nodiscard]] const std::vector<AboutBoxContent>& shown() const { return shown_; }

private:
    std::vector<AboutBoxContent> shown_;
};

} // namespace velox::tanlink
