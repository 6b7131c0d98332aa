#include "platform/win/shell/Browser32.h"

#include <QDesktopServices>
#include <QRegularExpression>

namespace velox::win {
namespace {

class DesktopLinks : public LinkSeam {
public:
    bool open(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

LinkSeam* installed = nullptr;

LinkSeam& links() {
    static DesktopLinks desktop;
    return installed != nullptr ? *installed : desktop;
}

void openQuietly(const std::optional<QUrl>& url) {
    if (!url) {
        return;
    }
    try {
        links().open(*url);
    } catch (...) {
        // A link that cannot be opened is not the catalogue's business.
    }
}

// The scheme an address names, if it names one. "host:8080/path" names none:
// what follows the colon there is a port.
std::optional<QString> schemeOf(const QString& address) {
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*):(.*)$"),
                                           QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression port(QStringLiteral("^[0-9]+([/?#].*)?$"),
                                         QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = scheme.match(address);
    if (!match.hasMatch() || port.match(match.captured(2)).hasMatch()) {
        return std::nullopt;
    }
    return match.captured(1).toLower();
}

} // namespace

std::optional<QUrl> webAddress(const QString& address) {
    if (address.isEmpty()) {
        return std::nullopt;
    }
    for (const QChar c : address) {
        if (c.isSpace() || c.category() == QChar::Other_Control) {
            return std::nullopt;
        }
    }
    const std::optional<QString> scheme = schemeOf(address);
    if (scheme && *scheme != QLatin1String("http") && *scheme != QLatin1String("https") &&
        *scheme != QLatin1String("ftp")) {
        return std::nullopt;
    }
    const QUrl url(scheme ? address : QStringLiteral("http://") + address, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty()) {
        return std::nullopt;
    }
    return url;
}

std::optional<QUrl> mailAddress(const QString& address) {
    static const QRegularExpression plain(
        QStringLiteral(
            "^[A-Za-z0-9._+\\-!#$'*=^`{|}~]+@[\\p{L}\\p{N}\\-]+(\\.[\\p{L}\\p{N}\\-]+)*$"),
        QRegularExpression::UseUnicodePropertiesOption);
    if (!plain.match(address).hasMatch()) {
        return std::nullopt;
    }
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(address);
    if (!url.isValid()) {
        return std::nullopt;
    }
    return url;
}

void FindURL(const QString& address) {
    openQuietly(webAddress(address));
}

void SendMail(const QString& address) {
    openQuietly(mailAddress(address));
}

void setLinkSeam(LinkSeam* seam) {
    installed = seam;
}

RecordingLinks::RecordingLinks() {
    setLinkSeam(this);
}

RecordingLinks::~RecordingLinks() {
    setLinkSeam(nullptr);
}

bool RecordingLinks::open(const QUrl& url) {
    opened_.push_back(url);
    return !failing_;
}

} // namespace velox::win
