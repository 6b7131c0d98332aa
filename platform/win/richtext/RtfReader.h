#pragma once

#include <QByteArrayView>

class QTextDocument;

namespace velox::win {

// Our reader of rich text (RTF), for the readme files of the CD. It understands
// groups, paragraphs and line breaks, bold, italic, underline and strike-out,
// the font table and font sizes, the colour table, tabs, paragraph alignment,
// "\'hh" bytes in the document's code page (\ansicpg, 1252 by default, or the
// charset of the current font), "\uN" with its fallback (\ucN) and the usual
// typographic symbols. Everything else is skipped without losing the text
// around it: unknown control words, "\*" destinations, the style sheet, the
// document information, pictures and objects, headers and footers.
//
// Damaged input loses nothing that can still be read: unbalanced braces,
// truncated escapes, out-of-range parameters and text after the last brace are
// all taken as well as they can be; the reader never fails.
class RtfReader {
public:
    // Replaces the document's contents with the text the rich text describes.
    static void read(QByteArrayView rtf, QTextDocument& document);

    // Whether bytes look like rich text: they start with "{\rtf".
    static bool isRichText(QByteArrayView bytes);
};

} // namespace velox::win
