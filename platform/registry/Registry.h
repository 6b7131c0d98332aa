#pragma once

// HKEY_CLASSES_ROOT with the Windows registry calls the system makes, and
// their Windows error codes. The keys live in registry.reg in the prefix
// (RegistryStore.h); every change is written through at once, so another
// process sees it at its next call.

#include <cstdint>

namespace velox::registry {

using BYTE = std::uint8_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using REGSAM = DWORD;

struct RegistryHandle;
using HKEY = RegistryHandle*;

// The predefined root key: always open, never closed.
extern HKEY const HKEY_CLASSES_ROOT;

inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_ACCESS_DENIED = 5;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_OUTOFMEMORY = 14;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_MORE_DATA = 234;
inline constexpr LONG ERROR_NO_MORE_ITEMS = 259;
inline constexpr LONG ERROR_BADDB = 1009;
inline constexpr LONG ERROR_BADKEY = 1010;
inline constexpr LONG ERROR_CANTOPEN = 1011;
inline constexpr LONG ERROR_CANTREAD = 1012;
inline constexpr LONG ERROR_CANTWRITE = 1013;
inline constexpr LONG ERROR_KEY_DELETED = 1018;

inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_EXPAND_SZ = 2;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;
inline constexpr DWORD REG_MULTI_SZ = 7;

inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
inline constexpr REGSAM KEY_SET_VALUE = 0x0002;
inline constexpr REGSAM KEY_READ = 0x20019;
inline constexpr REGSAM KEY_WRITE = 0x20006;
inline constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

inline constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
inline constexpr DWORD REG_CREATED_NEW_KEY = 1;
inline constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

// Opens an existing key (ERROR_FILE_NOT_FOUND when it is missing). A null
// or empty subkey opens `key` itself anew.
LONG RegOpenKeyExA(HKEY key, const char* subKey, DWORD options, REGSAM access, HKEY* result);
LONG RegOpenKeyA(HKEY key, const char* subKey, HKEY* result);
// Opens a key, creating it and its missing parents.
LONG RegCreateKeyExA(HKEY key, const char* subKey, DWORD reserved, char* keyClass, DWORD options,
                     REGSAM access, void* security, HKEY* result, DWORD* disposition);
LONG RegCreateKeyA(HKEY key, const char* subKey, HKEY* result);
LONG RegCloseKey(HKEY key);

// Sets a named value (null or "" is the default value). A REG_SZ is taken
// up to its first NUL; a REG_DWORD must be 4 bytes.
LONG RegSetValueExA(HKEY key, const char* name, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD size);
// Reads a value: with null `data` only the size; ERROR_MORE_DATA with the
// size needed when the buffer is too small. A REG_SZ comes with its NUL.
LONG RegQueryValueExA(HKEY key, const char* name, DWORD* reserved, DWORD* type, BYTE* data,
                      DWORD* size);
// The default value of a subkey (created when needed) as a REG_SZ.
LONG RegSetValueA(HKEY key, const char* subKey, DWORD type, const char* data, DWORD size);
LONG RegQueryValueA(HKEY key, const char* subKey, char* data, LONG* size);
LONG RegDeleteValueA(HKEY key, const char* name);
// Deletes a subkey that has no subkeys of its own (ERROR_ACCESS_DENIED
// otherwise).
LONG RegDeleteKeyA(HKEY key, const char* subKey);
// Deletes a subkey with everything below it; with a null subkey, the
// values and subkeys of `key` itself.
LONG RegDeleteTreeA(HKEY key, const char* subKey);
// The name of the subkey at `index` (in name order); ERROR_NO_MORE_ITEMS
// past the end.
LONG RegEnumKeyExA(HKEY key, DWORD index, char* name, DWORD* nameSize, DWORD* reserved,
                   char* keyClass, DWORD* classSize, void* lastWriteTime);

} // namespace velox::registry
