#pragma once

// The callback interface of the synchronous engine: progress only, called
// in the thread that made the request while the request runs. Every method
// returns 0.

#include "platform/com/interfaces/Unknown.h"
#include "tanlink/EngineIds.h"

namespace velox::tanlink {

using com::BOOL;
using com::LONG;
using com::SHORT;

struct ITandemCallbackS : com::IUnknown {
    static constexpr const IID& iid = IID_ITandemCallbackS;
    virtual LONG OnCopyProgress(SHORT percent, BOOL* cancel) = 0;                       // 1
    virtual LONG OnCopyDirectoryProgress(const char* fileName) = 0;                     // 2
    virtual LONG OnFormatProgress(SHORT percent, BOOL* cancel) = 0;                     // 3
    virtual LONG OnCloseProgramProgress(const char* application, const char* file) = 0; // 4

protected:
    ~ITandemCallbackS() = default;
};

} // namespace velox::tanlink
