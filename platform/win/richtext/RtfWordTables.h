#pragma once

#include <QByteArrayView>
#include <QChar>

namespace velox::win::rtf {

// Whether a control word starts a destination whose contents are no document
// text (the style sheet, the document information, pictures, headers, ...).
[[nodiscard]] bool isSkippedDestination(QByteArrayView word);

// The character a symbol word stands for ("emdash", "lquote", ...), or a null
// character for any other word.
[[nodiscard]] QChar symbolOf(QByteArrayView word);

} // namespace velox::win::rtf
