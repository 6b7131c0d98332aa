#include "tanlink/MachinePath.h"

#include "platform/com/Ansi.h"

#include <cstring>

namespace velox::tanlink {

com::LONG packMachinePath(com::SHORT machine, std::string_view ansiPath,
                          MachinePathRecord& record) {
    std::memset(&record, 0, sizeof record);
    const std::size_t nul = ansiPath.find('\0');
    if (nul != std::string_view::npos) {
        ansiPath = ansiPath.substr(0, nul);
    }
    if (ansiPath.size() + 1 > kPathFieldSize) {
        return kErrorPathTooLong;
    }
    record.machine = machine;
    // An empty view may carry no data at all: copy only what there is.
    if (!ansiPath.empty()) {
        std::memcpy(record.path, ansiPath.data(), ansiPath.size());
    }
    return kOk;
}

com::LONG packMachinePath(com::SHORT machine, const QString& path, MachinePathRecord& record) {
    const QByteArray ansi = com::ansiFromUnicode(path);
    return packMachinePath(machine, std::string_view(ansi.constData(), ansi.size()), record);
}

namespace {

QByteArray boundedText(const char* field, std::size_t capacity) {
    const void* nul = std::memchr(field, '\0', capacity);
    const std::size_t length =
        nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : capacity;
    return QByteArray(field, static_cast<qsizetype>(length));
}

} // namespace

QByteArray machinePathText(const MachinePathRecord& record) {
    return boundedText(record.path, kPathFieldSize);
}

QByteArray parsedPathText(const ParseRecord& record) {
    return boundedText(record.path, kPathFieldSize);
}

} // namespace velox::tanlink
