// The rich-text reader on arbitrary bytes: it must read every input to the end
// without crashing, hanging or making more text than the input holds, and the
// document it makes must lay out.
#include "platform/win/richtext/RtfReader.h"

#include <QByteArrayView>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static const auto app = std::make_unique<QGuiApplication>(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument document;
    velox::win::RtfReader::read(input, document);
    if (static_cast<std::size_t>(document.characterCount()) > size + 1) {
        std::abort();
    }
    document.setTextWidth(600);
    if (document.size().height() < 0) {
        std::abort();
    }
    return 0;
}
