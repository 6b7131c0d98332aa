// The JSON a catalogue author hands to `velox-catalogue build`. Every input is
// refused with a message or becomes a plan; a plan is written (or refused
// with one of Jet's numbered errors) and the file written reads back as the
// same rows.
#include "FuzzPrefix.h"
#include "platform/jet/JetError.h"
#include "platform/jet/JetWriter.h"
#include "tools/velox-catalogue/CatalogueJson.h"

#include <QByteArray>
#include <QDir>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

bool sameRows(const velox::jet::DatabaseSpec& a, const velox::jet::DatabaseSpec& b) {
    if (a.tables.size() != b.tables.size()) {
        return false;
    }
    for (std::size_t t = 0; t < a.tables.size(); ++t) {
        if (a.tables[t].rows != b.tables[t].rows) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    velox::jet::DatabaseSpec plan;
    try {
        plan = veloxcd::tools::catalogueFromJson(json);
    } catch (const veloxcd::tools::JsonError&) {
        return 0;
    }
    static const QString path =
        QDir(velox::fuzz::fuzzPrefix()).filePath(QStringLiteral("catalogue.mdb"));
    try {
        velox::jet::JetWriter::write(path, plan);
    } catch (const velox::jet::JetError&) {
        return 0; // a value that does not fit its column, say
    }
    try {
        const auto reread =
            veloxcd::tools::catalogueFromJson(veloxcd::tools::catalogueToJson(path, plan.password));
        if (!sameRows(plan, reread)) {
            fail("the catalogue written does not read back as its source");
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        fail("the catalogue written does not open");
    }
    return 0;
}
