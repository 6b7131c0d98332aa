#include "platform/com/Bstr.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace velox::com {

namespace {

constexpr std::size_t kHeader = sizeof(std::uint32_t);

// One block: the byte length, the characters, two NUL bytes.
BSTR allocateBytes(const void* data, std::size_t bytes) {
    if (bytes > std::numeric_limits<std::uint32_t>::max() - 2 * kHeader) {
        return nullptr;
    }
    auto* block = static_cast<char*>(std::malloc(kHeader + bytes + sizeof(OLECHAR) + 1));
    if (block == nullptr) {
        return nullptr;
    }
    const auto length = static_cast<std::uint32_t>(bytes);
    std::memcpy(block, &length, kHeader);
    if (data != nullptr) {
        std::memcpy(block + kHeader, data, bytes);
    } else {
        std::memset(block + kHeader, 0, bytes);
    }
    // Terminate both an odd byte length and the last character.
    std::memset(block + kHeader + bytes, 0, sizeof(OLECHAR) + 1);
    return reinterpret_cast<BSTR>(block + kHeader);
}

} // namespace

BSTR SysAllocString(LPCOLESTR text) {
    if (text == nullptr) {
        return nullptr;
    }
    std::size_t length = 0;
    while (text[length] != u'\0') {
        ++length;
    }
    return allocateBytes(text, length * sizeof(OLECHAR));
}

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
    return allocateBytes(text, static_cast<std::size_t>(length) * sizeof(OLECHAR));
}

BSTR SysAllocStringByteLen(const char* data, UINT bytes) {
    return allocateBytes(data, bytes);
}

INT SysReAllocString(BSTR* bstr, LPCOLESTR text) {
    if (bstr == nullptr) {
        return FALSE;
    }
    BSTR copy = SysAllocString(text);
    if (copy == nullptr && text != nullptr) {
        return FALSE;
    }
    SysFreeString(*bstr);
    *bstr = copy;
    return TRUE;
}

void SysFreeString(BSTR bstr) {
    if (bstr != nullptr) {
        std::free(reinterpret_cast<char*>(bstr) - kHeader);
    }
}

UINT SysStringByteLen(BSTR bstr) {
    if (bstr == nullptr) {
        return 0;
    }
    std::uint32_t bytes = 0;
    std::memcpy(&bytes, reinterpret_cast<const char*>(bstr) - kHeader, kHeader);
    return bytes;
}

UINT SysStringLen(BSTR bstr) {
    return SysStringByteLen(bstr) / sizeof(OLECHAR);
}

BSTR bstrFromQString(QStringView text) {
    return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.utf16()),
                             static_cast<UINT>(text.size()));
}

QString qStringFromBstr(BSTR bstr) {
    if (bstr == nullptr) {
        return QString();
    }
    return QString::fromUtf16(bstr, static_cast<qsizetype>(SysStringLen(bstr)));
}

} // namespace velox::com
