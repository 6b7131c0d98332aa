// registry.reg as a prefix may hold it after a crash, a bad disk or a hand
// edit. Parsing must refuse or accept without crashing; what it accepts must
// write back to a file that reads as the same tree (so a read and write-back
// never loses a key); and the store must never write over a file it could
// not read, nor drop a key of one it could.
#include "FuzzPrefix.h"
#include "platform/registry/Prefix.h"
#include "platform/registry/RegFile.h"
#include "platform/registry/Registry.h"
#include "platform/registry/RegistryKey.h"
#include "platform/registry/RegistryStore.h"

#include <QByteArray>
#include <QFile>
#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>

namespace {

using velox::registry::RegistryKey;

void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// Every key of `tree` is found in `other` at the same path, with its values.
bool keptIn(const RegistryKey& tree, const RegistryKey& other) {
    for (const auto& [name, value] : tree.values()) {
        const auto* kept = other.value(name);
        if (kept == nullptr || kept->type != value.type || kept->data != value.data) {
            return false;
        }
    }
    for (const auto& [name, child] : tree.children()) {
        const RegistryKey* counterpart = other.find(name);
        if (counterpart == nullptr || !keptIn(*child, *counterpart)) {
            return false;
        }
    }
    return true;
}

// Writes the file with a modification time of its own, so the store sees a
// new file even when the last one had the same size within the same tick.
void placeRegistry(const QString& path, const std::uint8_t* data, std::size_t size) {
    static long long tick = 0;
    velox::fuzz::writeFuzzFile(path, reinterpret_cast<const char*>(data), size);
    ++tick;
    const timespec times[2] = {{tick, 0}, {tick, 0}};
    if (utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) != 0) {
        fail("cannot set the registry's time");
    }
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    // The store warns about every corrupt file it meets: here, most inputs.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString error;
    const auto tree = velox::registry::parseRegFile(text, &error);
    if (tree) {
        const QByteArray written = velox::registry::writeRegFile(*tree);
        const auto reread = velox::registry::parseRegFile(written, &error);
        if (!reread || !(*reread == *tree)) {
            fail("a tree read from a file does not read back the same once written");
        }
    } else if (error.isEmpty()) {
        fail("a refused file without a reason");
    }

    static const QString path = [] {
        velox::fuzz::fuzzPrefix();
        return velox::platform::prefixPath(QStringLiteral("registry.reg"));
    }();
    placeRegistry(path, data, size);
    auto& store = velox::registry::RegistryStore::instance();
    const auto looked = store.read([](const RegistryKey& root) {
        const RegistryKey* key = root.find("CLSID");
        return key != nullptr && key->value("") != nullptr ? velox::registry::ERROR_SUCCESS
                                                           : velox::registry::ERROR_FILE_NOT_FOUND;
    });
    const auto changed = store.update([](RegistryKey& root, bool& change) {
        bool created = false;
        root.create("Fuzz.Added\\CLSID", &created).setValue("", {velox::registry::REG_SZ, "x"});
        change = true;
        return velox::registry::ERROR_SUCCESS;
    });
    const QByteArray after = contents(path);
    if (!tree) {
        if (after != text || changed == velox::registry::ERROR_SUCCESS ||
            looked == velox::registry::ERROR_SUCCESS) {
            fail("a registry that does not read was used or written over");
        }
        return 0;
    }
    RegistryKey before = *tree;
    before.removeChild("Fuzz.Added");
    const auto stored = velox::registry::parseRegFile(after, &error);
    if (changed != velox::registry::ERROR_SUCCESS || !stored || !keptIn(before, *stored) ||
        stored->find("Fuzz.Added\\CLSID") == nullptr) {
        fail("a change to a readable registry lost a key or did not land");
    }
    return 0;
}
