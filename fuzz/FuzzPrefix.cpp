#include "FuzzPrefix.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace velox::fuzz {

const QString& fuzzPrefix() {
    static QTemporaryDir folder;
    static const QString path = [] {
        if (!folder.isValid()) {
            std::fprintf(stderr, "cannot make a temporary prefix\n");
            std::abort();
        }
        qputenv("VELOX_PREFIX", QFile::encodeName(folder.path()));
        return folder.path();
    }();
    return path;
}

void writeFuzzFile(const QString& path, const char* bytes, std::size_t size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes, static_cast<qint64>(size)) != static_cast<qint64>(size)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
}

} // namespace velox::fuzz
