#pragma once

#include "platform/com/Variant.h"

namespace velox::com {

inline constexpr IID IID_IEnumVARIANT = oleGuid(0x00020404);

struct IEnumVARIANT : IEnumOf<VARIANT, IEnumVARIANT> {
    static constexpr const IID& iid = IID_IEnumVARIANT;

protected:
    ~IEnumVARIANT() = default;
};

} // namespace velox::com
