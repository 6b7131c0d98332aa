#include "simulator/PathParsing.h"

#include "platform/com/Ansi.h"
#include "platform/win/files/DirSearch.h"
#include "simulator/EngineArguments.h"
#include "tanlink/EngineCodes.h"

#include <cstring>
#include <string>

namespace velox::simulator {

using namespace tanlink;

bool matchWildcard(const QString& name, const QString& wildcard, bool ignoreCase) {
    return win::matchWildcard(name, wildcard, ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
}

com::LONG matchWildcardCall(const char* name, const char* wildcard, com::BOOL ignoreCase,
                            com::BOOL* result) {
    if (result == nullptr) {
        return kErrorInvalidParameter;
    }
    *result = com::FALSE;
    if (name == nullptr || wildcard == nullptr) {
        return kErrorInvalidParameter;
    }
    *result = matchWildcard(com::unicodeFromAnsi(textOf(name)),
                            com::unicodeFromAnsi(textOf(wildcard)), ignoreCase != com::FALSE)
                  ? com::TRUE
                  : com::FALSE;
    return kOk;
}

com::LONG parsePath(const char* part1, const char* part2, const char* part3, ParseRecord* parsed) {
    if (parsed == nullptr) {
        return kErrorInvalidParameter;
    }
    std::memset(parsed, 0, sizeof *parsed);
    std::string path;
    bool any = false;
    for (const char* part : {part1, part2, part3}) {
        if (part == nullptr) {
            continue;
        }
        any = true;
        const std::string text(part);
        if (text.empty()) {
            continue;
        }
        const bool bareDrive = path.size() == 2 && path[1] == ':';
        if (!path.empty() && path.back() != '\\' && text.front() != '\\' && !bareDrive) {
            path += '\\';
        }
        path += text;
    }
    if (!any) {
        return kErrorInvalidParameter;
    }
    if (path.size() + 1 > kPathFieldSize) {
        return kErrorPathTooLong;
    }
    std::memcpy(parsed->path, path.data(), path.size());

    std::size_t drive = 0;
    if (path.size() >= 2 && path[1] == ':') {
        drive = 2;
    }
    const std::size_t lastSlash = path.find_last_of('\\');
    const std::size_t nameStart =
        lastSlash == std::string::npos || lastSlash < drive ? drive : lastSlash + 1;
    const std::string name = path.substr(nameStart);
    const std::size_t dot = name.find_last_of('.');
    const std::size_t extension = dot == std::string::npos ? 0 : name.size() - dot;
    parsed->driveLength = static_cast<com::SHORT>(drive);
    parsed->directoryLength = static_cast<com::SHORT>(nameStart - drive);
    parsed->fileLength = static_cast<com::SHORT>(name.size() - extension);
    parsed->extensionLength = static_cast<com::SHORT>(extension);
    parsed->wildcard = name.find_first_of("*?") != std::string::npos ? 1 : 0;
    return kOk;
}

} // namespace velox::simulator
