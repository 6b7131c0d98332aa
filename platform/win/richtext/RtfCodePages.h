#pragma once

#include <QByteArray>
#include <QString>

namespace velox::win::rtf {

// The code page of \ansi, the default.
inline constexpr int defaultCodePage = 1252;

// The code page of a Windows charset number (\fcharsetN); 0 for the ANSI,
// default and symbol charsets, which use the document's code page.
[[nodiscard]] int codePageOfCharset(int charset);

// Bytes of rich text in a Windows code page as text. Windows-1252 stands in for
// a code page the host cannot decode.
[[nodiscard]] QString decode(const QByteArray& bytes, int codePage);

} // namespace velox::win::rtf
