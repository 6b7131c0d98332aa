#include "platform/win/richtext/RtfCodePages.h"
#include "platform/win/richtext/RtfParser.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>

namespace velox::win::rtf {
namespace {

// Text without unpaired surrogates, which a \uN pair cut in half would leave.
QString withPairedSurrogates(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            text[i] = QChar::ReplacementCharacter;
        }
    }
    return text;
}

} // namespace

// Inside a \uN fallback, the next character or control word is part of the
// fallback and is dropped.
bool Parser::consumeFallback() {
    if (fallbackToSkip_ > 0) {
        --fallbackToSkip_;
        return true;
    }
    return false;
}

void Parser::textByte(unsigned char byte) {
    if (consumeFallback()) {
        return;
    }
    switch (state().destination) {
    case Destination::Text:
        pendingBytes_.append(static_cast<char>(byte));
        break;
    case Destination::FontTable:
        if (byte == ';') {
            finishFontEntry();
        } else {
            pendingBytes_.append(static_cast<char>(byte));
        }
        break;
    case Destination::ColorTable:
        if (byte == ';') {
            colors_.push_back(colorSet_ ? std::optional<QColor>(QColor(red_, green_, blue_))
                                        : std::nullopt);
            red_ = green_ = blue_ = 0;
            colorSet_ = false;
        }
        break;
    case Destination::Skip:
        break;
    }
}

void Parser::character(QChar c) {
    if (consumeFallback() || state().destination != Destination::Text) {
        return;
    }
    decodePendingBytes();
    pendingText_.append(c);
}

void Parser::unicodeCharacter(int value) {
    if (value < 0) {
        value += 65536;
    }
    if (value > 0 && value < 65536) {
        character(QChar(static_cast<char16_t>(value)));
    }
    fallbackToSkip_ = state().fallbackLength;
}

void Parser::paragraph() {
    if (state().destination != Destination::Text) {
        return;
    }
    flush();
    ++pendingParagraphs_;
}

int Parser::currentCodePage() const {
    const auto font = fonts_.constFind(stack_.back().font);
    if (font != fonts_.cend() && font->codePage != 0) {
        return font->codePage;
    }
    return codePage_;
}

void Parser::decodePendingBytes() {
    if (!pendingBytes_.isEmpty()) {
        pendingText_ += decode(pendingBytes_, currentCodePage());
        pendingBytes_.clear();
    }
}

QTextCharFormat Parser::charFormat() const {
    const GroupState& s = stack_.back();
    QTextCharFormat format;
    format.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(s.italic);
    format.setFontUnderline(s.underline);
    format.setFontStrikeOut(s.strike);
    format.setFontPointSize(s.halfPoints / 2.0);
    if (const auto font = fonts_.constFind(s.font);
        font != fonts_.cend() && !font->name.isEmpty()) {
        format.setFontFamilies({font->name});
    }
    if (s.color > 0 && static_cast<std::size_t>(s.color) < colors_.size() &&
        colors_[static_cast<std::size_t>(s.color)]) {
        format.setForeground(*colors_[static_cast<std::size_t>(s.color)]);
    }
    return format;
}

void Parser::insertParagraphs(int count) {
    for (int i = 0; i < count; ++i) {
        QTextBlockFormat block;
        block.setAlignment(stack_.back().alignment);
        cursor_.insertBlock(block);
    }
    pendingParagraphs_ = 0;
}

// Writes the text collected so far into the document in the current format.
void Parser::flush() {
    if (state().destination != Destination::Text) {
        return;
    }
    decodePendingBytes();
    if (pendingText_.isEmpty()) {
        return;
    }
    if (!state().hidden) {
        insertParagraphs(pendingParagraphs_);
        QTextBlockFormat block = cursor_.blockFormat();
        block.setAlignment(state().alignment);
        cursor_.setBlockFormat(block);
        cursor_.insertText(withPairedSurrogates(pendingText_), charFormat());
    }
    pendingText_.clear();
}

} // namespace velox::win::rtf
