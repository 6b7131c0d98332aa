#include "platform/jet/JetFile.h"

#include "platform/jet/JetError.h"

#include <QFileInfo>

namespace velox::jet {

JetFile::JetFile(const QString& path) : file_(path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        throw JetError(errors::FileNotFound, QStringLiteral("Could not find file '%1'.").arg(path));
    }
    if (!info.isFile() || !file_.open(QIODevice::ReadOnly)) {
        throw JetError(errors::CannotOpenFile,
                       QStringLiteral("Cannot open the file '%1'.").arg(path));
    }
    const qint64 size = file_.size();
    if (size < format::Jet3PageSize) {
        throw JetError(errors::UnrecognizedFormat,
                       QStringLiteral("Unrecognized database format '%1'.").arg(path));
    }
    if (uchar* mapped = file_.map(0, size)) {
        data_ = reinterpret_cast<const char*>(mapped);
    } else {
        copy_ = file_.readAll();
        if (copy_.size() != size) {
            throw JetError(errors::CannotOpenFile,
                           QStringLiteral("Cannot read the file '%1'.").arg(path));
        }
        data_ = copy_.constData();
    }
    try {
        header_ = DatabaseHeader::parse(data_, size);
    } catch (const JetError&) {
        throw JetError(errors::UnrecognizedFormat,
                       QStringLiteral("Unrecognized database format '%1'.").arg(path));
    }
    pageCount_ = static_cast<std::uint32_t>(std::min<qint64>(size / header_.pageSize, 0x00ffffff));
    if (pageCount_ < 3) {
        throw JetError(errors::UnrecognizedFormat,
                       QStringLiteral("Unrecognized database format '%1'.").arg(path));
    }
}

const char* JetFile::requirePage(std::uint32_t number, std::uint8_t type) const {
    const char* p = page(number);
    if (p == nullptr || static_cast<std::uint8_t>(p[0]) != type) {
        throw JetError(
            errors::UnrecognizedFormat,
            QStringLiteral("The database is damaged: page %1 is missing or of the wrong kind.")
                .arg(number));
    }
    return p;
}

} // namespace velox::jet
