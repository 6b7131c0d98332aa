// The engine's path handling on what a caller may pass: ParseFile's three
// parts, wildcard matching, and machine paths of any length resolved on the
// handheld. A path must fit its record or be refused with the long-path
// code, its parsed lengths must add up, and no handheld path may resolve to
// a place outside the handheld's folder.
#include "FuzzBytes.h"
#include "FuzzPrefix.h"
#include "simulator/EngineArguments.h"
#include "simulator/HandheldSetup.h"
#include "simulator/HandheldState.h"
#include "simulator/Location.h"
#include "simulator/PathParsing.h"
#include "tanlink/EngineCodes.h"
#include "tanlink/EngineIds.h"
#include "tanlink/EngineRecords.h"
#include "tanlink/MachinePath.h"

#include <QDir>
#include <QFileInfo>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using namespace velox;

void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

void checkParse(fuzz::FuzzBytes& in, std::uint8_t shape) {
    std::string parts[3];
    const char* given[3] = {};
    for (int i = 0; i < 3; ++i) {
        parts[i] = in.takeShortString();
        if ((shape & (1U << i)) == 0) {
            given[i] = parts[i].c_str(); // the bit set: a null part
        }
    }
    tanlink::ParseRecord parsed{};
    const auto code = simulator::parsePath(given[0], given[1], given[2], &parsed);
    if (code != tanlink::kOk) {
        return;
    }
    const std::size_t length = strnlen(parsed.path, tanlink::kPathFieldSize);
    if (length == tanlink::kPathFieldSize || parsed.driveLength < 0 || parsed.directoryLength < 0 ||
        parsed.fileLength < 0 || parsed.extensionLength < 0 ||
        std::size_t(parsed.driveLength) + std::size_t(parsed.directoryLength) +
                std::size_t(parsed.fileLength) + std::size_t(parsed.extensionLength) !=
            length) {
        fail("a parsed path does not add up");
    }
}

void checkWildcard(fuzz::FuzzBytes& in, std::uint8_t shape) {
    const std::string name = in.takeShortString();
    const std::string wildcard = in.takeShortString();
    const bool ignoreCase = (shape & 0x08) != 0;
    com::BOOL matches = 0;
    if (simulator::matchWildcardCall(name.c_str(), wildcard.c_str(), ignoreCase, &matches) != 0) {
        fail("matching two texts failed");
    }
    // A name matches itself when it holds no wildcard character, and "*"
    // matches every name.
    com::BOOL self = 0;
    static_cast<void>(simulator::matchWildcardCall(name.c_str(), name.c_str(), ignoreCase, &self));
    if ((name.find_first_of("*?") == std::string::npos && !self) ||
        !simulator::matchWildcard(QString::fromLatin1(name), QStringLiteral("*"), ignoreCase)) {
        fail("wildcard matching misses a plain match");
    }
}

void checkMachinePath(fuzz::FuzzBytes& in, std::uint8_t shape) {
    static const QString handheld = [] {
        const QString root = QDir(fuzz::fuzzPrefix()).filePath(QStringLiteral("handheld"));
        QString error;
        if (!simulator::setUpHandheld(simulator::HandheldState::defaults(), root, &error)) {
            fail("cannot set up the handheld");
        }
        return QFileInfo(root).canonicalFilePath();
    }();
    const com::SHORT machine =
        (shape & 0x10) != 0 ? tanlink::kMachinePc : tanlink::kMachineHandheld;
    const std::string path = in.takeRest();
    tanlink::MachinePathRecord record{};
    if (tanlink::packMachinePath(machine, std::string_view(path), record) != tanlink::kOk) {
        if (path.size() < tanlink::kPathFieldSize && path.find('\0') == std::string::npos) {
            fail("a path that fits its record was refused");
        }
        // A careless writer fills the whole field and leaves no NUL.
        record.machine = machine;
        std::memcpy(record.path, path.data(), std::min(path.size(), sizeof record.path));
    }
    simulator::PathArgument argument;
    static_cast<void>(simulator::argumentOf(&record, &argument));
    if (argument.path.size() > qsizetype(tanlink::kPathFieldSize)) {
        fail("a path longer than its record");
    }
    simulator::Location location;
    if (simulator::resolveLocation(handheld, argument, &location) == tanlink::kOk &&
        location.onHandheld()) {
        const QString host = QDir::cleanPath(location.host);
        if (host != handheld && !host.startsWith(handheld + QLatin1Char('/'))) {
            std::fprintf(stderr, "%s -> %s\n", argument.path.constData(), qPrintable(host));
            fail("a handheld path resolved outside the handheld");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzBytes in(data, size);
    const auto shape = in.take<std::uint8_t>();
    checkParse(in, shape);
    checkWildcard(in, shape);
    checkMachinePath(in, shape);
    return 0;
}
