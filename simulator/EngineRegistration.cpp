#include "simulator/EngineRegistration.h"

#include "platform/com/ClassRegistration.h"
#include "tanlink/EngineIds.h"

namespace velox::simulator {

namespace {

// Both engines serve callers of any thread: requests are queued or locked.
const com::ClassRegistration kClasses[] = {
    {.clsid = tanlink::CLSID_TandemEngine,
     .typeName = "Tandem Engine (simulated handheld)",
     .threadingModel = "Both"},
    {.clsid = tanlink::CLSID_TandemEngineS,
     .typeName = "Tandem EngineS (simulated handheld)",
     .threadingModel = "Both"},
};

} // namespace

com::HRESULT registerEngineClasses(const QString& modulePath) {
    for (const com::ClassRegistration& entry : kClasses) {
        if (const com::HRESULT hr = com::registerClass(entry, modulePath); com::FAILED(hr)) {
            return hr;
        }
    }
    return com::S_OK;
}

com::HRESULT unregisterEngineClasses() {
    com::HRESULT result = com::S_OK;
    for (const com::ClassRegistration& entry : kClasses) {
        if (const com::HRESULT hr = com::unregisterClass(entry); com::FAILED(hr)) {
            result = hr;
        }
    }
    return result;
}

} // namespace velox::simulator
