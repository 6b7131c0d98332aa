#pragma once

// The first slots both engines have, in the same order: taking the
// callback, the link's configuration and the connection. The slots after
// them differ between the engines here and there and stay in each engine's
// interface; `Callback` is the engine's callback interface.

#include "platform/com/interfaces/Unknown.h"

namespace velox::tanlink {

template <typename Callback> struct TandemEngineLink : com::IUnknown {
    using LONG = com::LONG;

    virtual LONG Init(Callback* callback) = 0;                               // 1
    virtual LONG SetConfiguration(LONG* result, LONG baud, LONG port) = 0;   // 2
    virtual LONG GetConfiguration(LONG* result, LONG* baud, LONG* port) = 0; // 3
    virtual LONG Connect(LONG timeOutMilliseconds) = 0;                      // 4
    virtual LONG Disconnect() = 0;                                           // 5

protected:
    ~TandemEngineLink() = default;
};

} // namespace velox::tanlink
