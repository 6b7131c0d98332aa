#pragma once

// The id families of the link module and its engine. Each family's ids
// differ in one field only; these make an id of a family from that field.

#include "platform/com/Guid.h"

namespace velox::tanlink {

// {3C4769xx-F450-11CF-885E-0020AFC04E78}: the type library, the
// asynchronous control and engine, and the automation objects.
constexpr com::GUID tandemGuid(com::DWORD first) {
    return {first, 0xF450, 0x11CF, {0x88, 0x5E, 0x00, 0x20, 0xAF, 0xC0, 0x4E, 0x78}};
}

// {F336CD4x-5E9B-11D2-A490-0060976AE9F6}: the synchronous control.
constexpr com::GUID tandemSyncControlGuid(com::DWORD first) {
    return {first, 0x5E9B, 0x11D2, {0xA4, 0x90, 0x00, 0x60, 0x97, 0x6A, 0xE9, 0xF6}};
}

// {C7FDCD8x-4E38-11D2-A7C6-0060087AC800}: the synchronous engine's interfaces.
constexpr com::GUID tandemSyncEngineGuid(com::DWORD first) {
    return {first, 0x4E38, 0x11D2, {0xA7, 0xC6, 0x00, 0x60, 0x08, 0x7A, 0xC8, 0x00}};
}

// {6E0C4A10-2B7D-4C1E-9A31-5D0E7B4211xx}: the engine objects' interfaces,
// numbered in the last byte.
constexpr com::GUID engineObjectGuid(com::BYTE last) {
    return {0x6E0C4A10, 0x2B7D, 0x4C1E, {0x9A, 0x31, 0x5D, 0x0E, 0x7B, 0x42, 0x11, last}};
}

} // namespace velox::tanlink
