#include "WindowFixture.h"

#include "catalogue/start/InterfaceTexts.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Twips.h"
#include "platform/win/files/SystemFolders.h"

#include <QBuffer>
#include <QFile>

namespace velox::test {
namespace {

const char* const cdPictures[] = {
    "Wren",
    "Falcon",
    "Merlin",
    "Osprey",
    "HauptschirmWren",
    "HauptschirmFalcon",
    "AudioWren",
    "AudioFalcon",
    "changeVeloxWren",
    "changeVeloxFalcon",
    "languageWren",
    "languageFalcon",
    "SearchWren",
    "SearchFalcon",
};

QByteArray namedPicture(const QString& name) {
    QImage picture(8, 4, QImage::Format_RGB32);
    picture.fill(QColor(153, 204, 153));
    picture.setText(QStringLiteral("name"), name);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

} // namespace

QString pictureName(const QImage& picture) {
    return picture.text(QStringLiteral("name"));
}

void WindowFixture::SetUp() {
    veloxcd::resetProgramState();
    win::setAppPath(programDir.path());
    prefix.writeDrives("D: cdrom " + cd.path() + "\n");
    for (const char* name : cdPictures) {
        writeFile(cd.path(), QStringLiteral("Pictures/%1.gif").arg(QLatin1String(name)),
                  namedPicture(QLatin1String(name)));
    }
    veloxcd::systemDir = programDir.path();
    veloxcd::cdDrive = QStringLiteral("D:");
    veloxcd::machine = 4;
    veloxcd::language = 1;
    veloxcd::loadTexts();
}

void WindowFixture::TearDown() {
    window.reset();
    win::setTwipsPerPixel(0);
    win::setAppPath(QString());
    veloxcd::resetProgramState();
}

void WindowFixture::create(double twipsPerPixel) {
    win::setTwipsPerPixel(twipsPerPixel);
    window = std::make_unique<veloxcd::VeloxCDMainFormFalcon>();
}

void WindowFixture::load(double twipsPerPixel) {
    create(twipsPerPixel);
    window->Form_Load();
}

void WindowFixture::removeCd() const {
    prefix.writeDrives("D: cdrom " + cd.path() + "/not-in-the-drive\n");
}

void WindowFixture::insertCd() const {
    prefix.writeDrives("D: cdrom " + cd.path() + "\n");
}

QString WindowFixture::settingsFile() const {
    QFile file(programDir.filePath(QStringLiteral("setting.txt")));
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("(none)");
    }
    return QString::fromLatin1(file.readAll());
}

QString WindowFixture::shownPicture(const velox::win::ImageBox* image) const {
    return pictureName(image->Picture());
}

} // namespace velox::test
