#include "platform/win/richtext/RtfCodePages.h"
#include "platform/win/richtext/RtfParser.h"
#include "platform/win/richtext/RtfWordTables.h"

#include <algorithm>

namespace velox::win::rtf {

void Parser::textWord(QByteArrayView word, std::optional<int> parameter) {
    const int value = parameter.value_or(0);
    if (formatWord(word, parameter) || documentWord(word, value)) {
        return;
    }
    if (word == "par" || word == "sect" || word == "page") {
        paragraph();
    } else if (word == "line") {
        character(QChar(QChar::LineSeparator));
    } else if (word == "tab") {
        character(QChar(u'\t'));
    } else if (word == "u") {
        if (parameter) {
            unicodeCharacter(value);
        }
    } else if (word == "uc") {
        state().fallbackLength = std::clamp(value, 0, largestFallback);
    } else if (const QChar symbol = symbolOf(word); !symbol.isNull()) {
        character(symbol);
    }
}

// The words that change the format of the text that follows. False for any
// other word.
bool Parser::formatWord(QByteArrayView word, std::optional<int> parameter) {
    const bool on = parameter.value_or(1) != 0;
    const int value = parameter.value_or(0);
    if (word == "b") {
        setFormat(&GroupState::bold, on);
    } else if (word == "i") {
        setFormat(&GroupState::italic, on);
    } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" ||
               word == "uldash" || word == "ulth" || word == "ulwave") {
        setFormat(&GroupState::underline, on);
    } else if (word == "ulnone") {
        setFormat(&GroupState::underline, false);
    } else if (word == "strike") {
        setFormat(&GroupState::strike, on);
    } else if (word == "v") {
        setFormat(&GroupState::hidden, on);
    } else if (word == "f") {
        setFormat(&GroupState::font, value);
    } else if (word == "fs") {
        if (value > 0) {
            setFormat(&GroupState::halfPoints, std::min(value, largestHalfPoints));
        }
    } else if (word == "cf") {
        setFormat(&GroupState::color, value);
    } else if (word == "plain") {
        flush();
        GroupState& s = state();
        s.bold = s.italic = s.underline = s.strike = s.hidden = false;
        s.font = defaultFont_;
        s.halfPoints = defaultHalfPoints;
        s.color = 0;
    } else if (word == "pard") {
        flush();
        state().alignment = Qt::AlignLeft;
    } else if (word == "ql") {
        setFormat(&GroupState::alignment, Qt::Alignment(Qt::AlignLeft));
    } else if (word == "qr") {
        setFormat(&GroupState::alignment, Qt::Alignment(Qt::AlignRight));
    } else if (word == "qc") {
        setFormat(&GroupState::alignment, Qt::Alignment(Qt::AlignHCenter));
    } else if (word == "qj") {
        setFormat(&GroupState::alignment, Qt::Alignment(Qt::AlignJustify));
    } else {
        return false;
    }
    return true;
}

// The words of the document's header (code page, default font, the font and
// colour tables) and the destinations skipped. False for any other word.
bool Parser::documentWord(QByteArrayView word, int value) {
    if (word == "ansi") {
        codePage_ = defaultCodePage;
    } else if (word == "mac") {
        codePage_ = 10000;
    } else if (word == "pc") {
        codePage_ = 437;
    } else if (word == "pca") {
        codePage_ = 850;
    } else if (word == "ansicpg") {
        if (value > 0 && value < 65536) {
            codePage_ = value;
        }
    } else if (word == "deff") {
        defaultFont_ = value;
        if (stack_.size() <= 2) {
            state().font = value;
        }
    } else if (word == "fonttbl") {
        flush();
        state().destination = Destination::FontTable;
    } else if (word == "colortbl") {
        flush();
        state().destination = Destination::ColorTable;
    } else if (isSkippedDestination(word)) {
        flush();
        state().destination = Destination::Skip;
    } else {
        return false;
    }
    return true;
}

void Parser::fontTableWord(QByteArrayView word, std::optional<int> parameter) {
    if (word == "f") {
        finishFontEntry();
        state().fontEntry = parameter.value_or(0);
        state().fontEntryCharset = -1;
    } else if (word == "fcharset") {
        state().fontEntryCharset = parameter.value_or(0);
    }
}

void Parser::finishFontEntry() {
    GroupState& s = state();
    if (s.fontEntry >= 0 && !fonts_.contains(s.fontEntry)) {
        FontEntry entry;
        entry.name = decode(pendingBytes_, codePage_).trimmed();
        entry.codePage = codePageOfCharset(s.fontEntryCharset);
        fonts_.insert(s.fontEntry, entry);
    }
    s.fontEntry = -1;
    pendingBytes_.clear();
}

void Parser::colorTableWord(QByteArrayView word, std::optional<int> parameter) {
    const int value = std::clamp(parameter.value_or(0), 0, 255);
    if (word == "red") {
        red_ = value;
    } else if (word == "green") {
        green_ = value;
    } else if (word == "blue") {
        blue_ = value;
    } else {
        return;
    }
    colorSet_ = true;
}

} // namespace velox::win::rtf
