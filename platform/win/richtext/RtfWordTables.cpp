#include "platform/win/richtext/RtfWordTables.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace velox::win::rtf {

bool isSkippedDestination(QByteArrayView word) {
    static const char* const skipped[] = {
        "stylesheet",
        "info",
        "pict",
        "object",
        "header",
        "headerl",
        "headerr",
        "headerf",
        "footer",
        "footerl",
        "footerr",
        "footerf",
        "footnote",
        "fldinst",
        "xe",
        "tc",
        "txe",
        "listtable",
        "listoverridetable",
        "revtbl",
        "rsidtbl",
        "filetbl",
        "themedata",
        "colorschememapping",
        "latentstyles",
        "datastore",
        "xmlnstbl",
        "generator",
        "nonshppict",
        "shpinst",
        "template",
        "mmathPr",
        "pgdsctbl",
        "atnid",
        "atnauthor",
        "annotation",
        "bkmkstart",
        "bkmkend",
        "operator",
    };
    return std::any_of(std::begin(skipped), std::end(skipped),
                       [&](const char* name) { return word == name; });
}

QChar symbolOf(QByteArrayView word) {
    static const std::pair<const char*, char16_t> symbols[] = {
        {"emdash", 0x2014},  {"endash", 0x2013},    {"bullet", 0x2022},    {"lquote", 0x2018},
        {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003},
        {"enspace", 0x2002}, {"qmspace", 0x2005},   {"zwj", 0x200D},       {"zwnj", 0x200C},
        {"ltrmark", 0x200E}, {"rtlmark", 0x200F},
    };
    for (const auto& [name, code] : symbols) {
        if (word == name) {
            return QChar(code);
        }
    }
    return {};
}

} // namespace velox::win::rtf
