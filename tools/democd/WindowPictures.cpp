#include "tools/democd/WindowPictures.h"

#include "tools/democd/AboutArtwork.h"
#include "tools/democd/CaptionBand.h"
#include "tools/democd/HandPointer.h"
#include "tools/democd/ImageFiles.h"
#include "tools/democd/PromptPictures.h"
#include "tools/democd/SmallButtons.h"

#include <QDir>
#include <QSaveFile>
#include <stdexcept>

namespace velox::democd {

QList<WindowPicture> drawWindowPictures() {
    return {
        {QStringLiteral("katWrenger.png"), drawCaptionStrip("katWrenger")},
        {QStringLiteral("katFalconger.png"), drawCaptionStrip("katFalconger")},
        {QStringLiteral("katMerlinger.png"), drawCaptionStrip("katMerlinger")},
        {QStringLiteral("printBtn.png"), drawPrintButton()},
        {QStringLiteral("Imgemail.png"), drawLinkButton(Glyph::Mail)},
        {QStringLiteral("Imghomepage.png"), drawLinkButton(Glyph::Homepage)},
        {QStringLiteral("Imgreadme.png"), drawLinkButton(Glyph::Readme)},
        {QStringLiteral("HandPointer.png"), drawHandPointer()},
        {QStringLiteral("Splash.png"), drawAboutArtwork()},
        {QStringLiteral("Connect_Velox.png"), drawConnectPicture()},
        {QStringLiteral("Close_Recorder.png"), drawCloseRecorderPicture()},
    };
}

void writeWindowPictures(const QString& dir) {
    if (!QDir().mkpath(dir)) {
        throw std::runtime_error(
            QStringLiteral("cannot create the folder %1").arg(dir).toStdString());
    }
    const QDir folder(dir);
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n"
                     "<!-- Pictures stored with the windows, drawn by the tool democd "
                     "(option window-pictures). -->\n"
                     "<qresource prefix=\"/window\">\n";
    for (const WindowPicture& picture : drawWindowPictures()) {
        savePng(picture.image, folder.filePath(picture.fileName));
        qrc += "  <file>" + picture.fileName.toUtf8() + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    QSaveFile file(folder.filePath(QStringLiteral("resources.qrc")));
    if (!file.open(QIODevice::WriteOnly) || file.write(qrc) != qrc.size() || !file.commit()) {
        throw std::runtime_error(QStringLiteral("cannot write %1: %2")
                                     .arg(file.fileName(), file.errorString())
                                     .toStdString());
    }
}

} // namespace velox::democd
