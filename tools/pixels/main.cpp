// velox-pixels: turns the pictures stored with the windows into pixels compiled
// into the program, so that showing one costs no decoding.
//
//   velox-pixels RESOURCES.qrc OUT.cpp
//
// Reads each <file> of the resource list (PNG files beside it) and writes one
// C++ file defining `veloxcd::storedPixels`: per picture its name (the file name
// without ".png"), size, whether it has transparent parts, and its pixels as
// 32-bit ARGB words with premultiplied alpha, the form Qt paints fastest.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSaveFile>
#include <cstdio>
#include <vector>

namespace {

struct Picture {
    QString name;
    QImage image;
    bool transparent = false;
};

QByteArray pixelArray(const QString& symbol, const QImage& image) {
    QByteArray text = "alignas(16) const std::uint32_t " + symbol.toLatin1() + "[] = {";
    int column = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            text += (column++ % 8 == 0) ? "\n    " : " ";
            text += "0x" + QByteArray::number(line[x], 16).rightJustified(8, '0') + "u,";
        }
    }
    text += "\n};\n\n";
    return text;
}

} // namespace

int main(int argc, char** argv) {
    // No windows: the offscreen platform is enough to read pictures.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: velox-pixels RESOURCES.qrc OUT.cpp\n", stderr);
        return 2;
    }
    const QString listPath = QString::fromLocal8Bit(argv[1]);
    QFile list(listPath);
    if (!list.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "velox-pixels: cannot read %s\n", argv[1]);
        return 1;
    }
    static const QRegularExpression fileEntry(QStringLiteral("<file>([^<]+)\\.png</file>"));
    std::vector<Picture> pictures;
    auto entries = fileEntry.globalMatch(QString::fromUtf8(list.readAll()));
    while (entries.hasNext()) {
        const QString name = entries.next().captured(1);
        const QString path = QFileInfo(listPath).dir().filePath(name + QStringLiteral(".png"));
        const QImage image(path);
        if (image.isNull()) {
            std::fprintf(stderr, "velox-pixels: cannot read the picture %s\n", qPrintable(path));
            return 1;
        }
        Picture picture{name, image.convertToFormat(QImage::Format_ARGB32_Premultiplied)};
        picture.transparent =
            image.hasAlphaChannel() &&
            picture.image.convertToFormat(QImage::Format_RGB32)
                    .convertToFormat(QImage::Format_ARGB32_Premultiplied) != picture.image;
        pictures.push_back(picture);
    }

    QByteArray text = "// Made by velox-pixels from the pictures stored with the windows.\n"
                      "#include \"catalogue/mainwindow/StoredPixels.h\"\n\n"
                      "#include <cstdint>\n\n"
                      "namespace veloxcd {\nnamespace {\n\n";
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        text += pixelArray(QStringLiteral("pixels%1").arg(i), pictures[i].image);
    }
    text += "} // namespace\n\nconst std::vector<StoredPixels> storedPixels = {\n";
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const Picture& each = pictures[i];
        text += QStringLiteral("    {\"%1\", %2, %3, %4, pixels%5},\n")
                    .arg(each.name)
                    .arg(each.image.width())
                    .arg(each.image.height())
                    .arg(each.transparent ? QStringLiteral("true") : QStringLiteral("false"))
                    .arg(i)
                    .toLatin1();
    }
    text += "};\n\n} // namespace veloxcd\n";

    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit()) {
        std::fprintf(stderr, "velox-pixels: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
