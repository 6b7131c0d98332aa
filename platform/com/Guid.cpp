#include "platform/com/Guid.h"

#include "platform/com/HexDigits.h"

#include <array>
#include <cstdio>

namespace velox::com {

namespace {

// Reads `digits` hex digits at `pos`; false when any is not a hex digit.
bool readHex(std::string_view text, std::size_t pos, int digits, std::uint64_t& out) {
    out = 0;
    for (int i = 0; i < digits; ++i) {
        const int v = hexValue(text[pos + static_cast<std::size_t>(i)]);
        if (v < 0) {
            return false;
        }
        out = (out << 4) | static_cast<std::uint64_t>(v);
    }
    return true;
}

} // namespace

std::string guidToStdString(const GUID& guid) {
    std::array<char, 40> buffer{};
    std::snprintf(buffer.data(), buffer.size(),
                  "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", guid.Data1, guid.Data2,
                  guid.Data3, guid.Data4[0], guid.Data4[1], guid.Data4[2], guid.Data4[3],
                  guid.Data4[4], guid.Data4[5], guid.Data4[6], guid.Data4[7]);
    return std::string(buffer.data());
}

QString guidToString(const GUID& guid) {
    return QString::fromLatin1(guidToStdString(guid));
}

std::optional<GUID> guidFromString(std::string_view text) {
    // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}
    if (text.size() != 38 || text.front() != '{' || text.back() != '}' || text[9] != '-' ||
        text[14] != '-' || text[19] != '-' || text[24] != '-') {
        return std::nullopt;
    }
    GUID guid{};
    std::uint64_t v = 0;
    if (!readHex(text, 1, 8, v)) {
        return std::nullopt;
    }
    guid.Data1 = static_cast<DWORD>(v);
    if (!readHex(text, 10, 4, v)) {
        return std::nullopt;
    }
    guid.Data2 = static_cast<WORD>(v);
    if (!readHex(text, 15, 4, v)) {
        return std::nullopt;
    }
    guid.Data3 = static_cast<WORD>(v);
    static constexpr std::array<std::size_t, 8> offsets = {20, 22, 25, 27, 29, 31, 33, 35};
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        if (!readHex(text, offsets[i], 2, v)) {
            return std::nullopt;
        }
        guid.Data4[i] = static_cast<BYTE>(v);
    }
    return guid;
}

std::optional<GUID> guidFromString(const QString& text) {
    const QByteArray latin = text.toLatin1();
    return guidFromString(
        std::string_view(latin.constData(), static_cast<std::size_t>(latin.size())));
}

int StringFromGUID2(REFGUID guid, LPOLESTR buffer, int capacity) {
    const std::string text = guidToStdString(guid);
    const int needed = static_cast<int>(text.size()) + 1;
    if (buffer == nullptr || capacity < needed) {
        return 0;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        buffer[i] = static_cast<OLECHAR>(text[i]);
    }
    buffer[text.size()] = u'\0';
    return needed;
}

HRESULT CLSIDFromString(LPCOLESTR text, CLSID* clsid) {
    if (text == nullptr || clsid == nullptr) {
        return E_INVALIDARG;
    }
    std::string narrow;
    for (LPCOLESTR p = text; *p != u'\0' && narrow.size() < 40; ++p) {
        narrow.push_back(*p < 0x80 ? static_cast<char>(*p) : '?');
    }
    const auto guid = guidFromString(narrow);
    if (!guid) {
        return CO_E_CLASSSTRING;
    }
    *clsid = *guid;
    return S_OK;
}

HRESULT IIDFromString(LPCOLESTR text, IID* iid) {
    const HRESULT hr = CLSIDFromString(text, iid);
    return hr == CO_E_CLASSSTRING ? E_INVALIDARG : hr;
}

std::size_t GuidHash::operator()(const GUID& guid) const noexcept {
    std::size_t h = guid.Data1;
    h = h * 31 + guid.Data2;
    h = h * 31 + guid.Data3;
    for (const BYTE b : guid.Data4) {
        h = h * 31 + b;
    }
    return h;
}

} // namespace velox::com
