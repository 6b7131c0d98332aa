#include "platform/win/richtext/RtfReader.h"

#include "platform/com/HexDigits.h"
#include "platform/win/richtext/RtfParser.h"

#include <QTextDocument>
#include <algorithm>
#include <climits>

namespace velox::win {

namespace rtf {
namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

Parser::Parser(QByteArrayView rtf, QTextDocument& document)
    : input_(rtf), document_(document), cursor_(&document) {}

void Parser::run() {
    document_.clear();
    cursor_ = QTextCursor(&document_);
    // One edit block: the document is laid out once, when reading ends.
    cursor_.beginEditBlock();
    while (pos_ < input_.size()) {
        const char c = input_[pos_++];
        switch (c) {
        case '{':
            openGroup();
            break;
        case '}':
            closeGroup();
            break;
        case '\\':
            controlSequence();
            break;
        case '\r':
        case '\n':
            break;
        case '\t':
            character(QChar(u'\t'));
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20) {
                textByte(static_cast<unsigned char>(c));
            }
            break;
        }
    }
    if (state().destination == Destination::FontTable) {
        finishFontEntry();
    }
    flush();
    // The last paragraph mark ends the document's last paragraph.
    insertParagraphs(pendingParagraphs_ - 1);
    cursor_.endEditBlock();
}

void Parser::openGroup() {
    flush();
    fallbackToSkip_ = 0;
    if (stack_.size() >= deepestGroup) {
        ++groupsTooDeep_;
        return;
    }
    stack_.push_back(stack_.back());
}

void Parser::closeGroup() {
    flush();
    fallbackToSkip_ = 0;
    if (groupsTooDeep_ > 0) {
        --groupsTooDeep_;
        return;
    }
    if (state().destination == Destination::FontTable) {
        finishFontEntry();
    }
    if (stack_.size() > 1) {
        stack_.pop_back();
    }
}

void Parser::controlSequence() {
    if (pos_ >= input_.size()) {
        return;
    }
    const char c = input_[pos_];
    if (isLetter(c)) {
        controlWord();
        return;
    }
    ++pos_;
    switch (c) {
    case '\'':
        hexByte();
        break;
    case '\\':
    case '{':
    case '}':
        textByte(static_cast<unsigned char>(c));
        break;
    case '*':
        if (consumeFallback()) {
            break;
        }
        flush();
        state().destination = Destination::Skip;
        break;
    case '~':
        character(QChar(0x00A0));
        break;
    case '_':
        character(QChar(0x2011));
        break;
    case '\r':
    case '\n':
        paragraph();
        break;
    case '\t':
        character(QChar(u'\t'));
        break;
    default: // "\-" optional hyphen, "\|", "\:" and unknown symbols
        consumeFallback();
        break;
    }
}

void Parser::hexByte() {
    if (pos_ + 1 < input_.size()) {
        const int high = com::hexValue(input_[pos_]);
        const int low = com::hexValue(input_[pos_ + 1]);
        if (high >= 0 && low >= 0) {
            pos_ += 2;
            textByte(static_cast<unsigned char>(high * 16 + low));
            return;
        }
    }
    // A truncated or malformed escape is dropped; what follows stays text.
}

void Parser::controlWord() {
    const qsizetype start = pos_;
    while (pos_ < input_.size() && isLetter(input_[pos_])) {
        ++pos_;
    }
    const QByteArrayView word = input_.sliced(start, pos_ - start);
    std::optional<int> parameter;
    const bool negative =
        pos_ + 1 < input_.size() && input_[pos_] == '-' && isDigit(input_[pos_ + 1]);
    if (negative) {
        ++pos_;
    }
    if (pos_ < input_.size() && isDigit(input_[pos_])) {
        qint64 value = 0;
        while (pos_ < input_.size() && isDigit(input_[pos_])) {
            value = std::min<qint64>(value * 10 + (input_[pos_] - '0'), 1LL << 32);
            ++pos_;
        }
        value = negative ? -value : value;
        parameter = static_cast<int>(std::clamp<qint64>(value, INT_MIN, INT_MAX));
    }
    if (pos_ < input_.size() && input_[pos_] == ' ') {
        ++pos_;
    }
    if (word.size() > longestWord) {
        consumeFallback();
        return;
    }
    if (word == "bin") {
        // Binary data: its bytes are no text, whatever the destination.
        pos_ += std::min<qsizetype>(std::max(parameter.value_or(0), 0), input_.size() - pos_);
        return;
    }
    if (consumeFallback()) {
        return;
    }
    switch (state().destination) {
    case Destination::Skip:
        return;
    case Destination::FontTable:
        fontTableWord(word, parameter);
        return;
    case Destination::ColorTable:
        colorTableWord(word, parameter);
        return;
    case Destination::Text:
        textWord(word, parameter);
        return;
    }
}

} // namespace rtf

void RtfReader::read(QByteArrayView rtf, QTextDocument& document) {
    rtf::Parser(rtf, document).run();
}

bool RtfReader::isRichText(QByteArrayView bytes) {
    return bytes.startsWith("{\\rtf");
}

} // namespace velox::win
