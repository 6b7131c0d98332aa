#pragma once

#include <QString>
#include <QUrl>
#include <optional>
#include <vector>

namespace velox::win {

// The web and mail links of the catalogue. FindURL opens a web address in the
// desktop's browser; SendMail starts a new mail to an address. Both stay silent
// when they cannot do it.
//
// A catalogue is data from a CD, so only what is plainly a link is handed on:
// web addresses with the http, https or ftp scheme (an address without a scheme
// gets "http://"), and plain mail addresses (local@domain, no "?" and no
// scheme). Anything else (a local file, a script, another program's scheme) is
// dropped.
void FindURL(const QString& address);
void SendMail(const QString& address);

// The link that FindURL and SendMail open for an address, if they open one.
std::optional<QUrl> webAddress(const QString& address);
std::optional<QUrl> mailAddress(const QString& address);

// The one seam through which links leave the program: the desktop's handlers
// in the program, RecordingLinks in tests.
class LinkSeam {
public:
    virtual ~LinkSeam() = default;
    // Returns whether the desktop took the link.
    virtual bool open(const QUrl& url) = 0;
};

// Installs a seam for the links; nullptr restores the desktop's handlers.
void setLinkSeam(LinkSeam* seam);

// A seam for tests: records every link, opens nothing. It installs itself for
// its lifetime.
class RecordingLinks : public LinkSeam {
public:
    RecordingLinks();
    ~RecordingLinks() override;
    RecordingLinks(const RecordingLinks&) = delete;
    RecordingLinks& operator=(const RecordingLinks&) = delete;

    bool open(const QUrl& url) override;
    [[nodiscard]] const std::vector<QUrl>& opened() const { return opened_; }
    // Makes every later open fail, as a desktop without a browser would.
    void failFromNowOn() { failing_ = true; }

private:
    std::vector<QUrl> opened_;
    bool failing_ = false;
};

} // namespace velox::win
