#pragma once

// The REGEDIT4 text form of HKEY_CLASSES_ROOT, as the store keeps it in
// registry.reg:
//
//   REGEDIT4
//
//   [HKEY_CLASSES_ROOT\CLSID\{...}]
//   @="Tandem Engine Control"
//   "Flags"=dword:00000002
//   "Blob"=hex:01,02,03   (long lists continue on the next line after a
//                          trailing backslash)
//
//   ; end of registry
//
// Text is ANSI (Windows-1252) bytes with CR LF line ends. Strings escape
// backslash and quote; a string with a line break is written as hex(1).
// The closing comment line is how a complete file is told from a truncated
// one: a file without it is refused.

#include "platform/registry/RegistryKey.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace velox::registry {

inline constexpr char kClassesRootName[] = "HKEY_CLASSES_ROOT";
inline constexpr char kRegFileEndLine[] = "; end of registry";

// The tree of the file, or nothing with `error` saying where and why.
std::optional<RegistryKey> parseRegFile(const QByteArray& text, QString* error);
QByteArray writeRegFile(const RegistryKey& root);

} // namespace velox::registry
