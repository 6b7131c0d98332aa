#pragma once

// An event sink for the tests: records every event it receives and answers
// a Tick of 50 percent or more with Cancel = True.

#include "platform/com/interfaces/Dispatch.h"

#include <QString>
#include <atomic>
#include <mutex>
#include <vector>

namespace velox::test {

class EventRecorder final : public velox::com::IDispatch {
public:
    struct Event {
        velox::com::DISPID id;
        QString text;
        int number;
    };

    std::atomic<velox::com::ULONG> refs{1};

    velox::com::HRESULT QueryInterface(const velox::com::IID& riid, void** object) override {
        using namespace velox::com;
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == accepted) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    velox::com::ULONG AddRef() override { return ++refs; }
    velox::com::ULONG Release() override { return --refs; } // lives on the test's stack
    velox::com::HRESULT GetTypeInfoCount(velox::com::UINT* count) override {
        *count = 0;
        return velox::com::S_OK;
    }
    velox::com::HRESULT GetTypeInfo(velox::com::UINT, velox::com::LCID,
                                    velox::com::ITypeInfo**) override {
        return velox::com::E_NOTIMPL;
    }
    velox::com::HRESULT GetIDsOfNames(const velox::com::IID&, velox::com::LPOLESTR*,
                                      velox::com::UINT, velox::com::LCID,
                                      velox::com::DISPID*) override {
        return velox::com::DISP_E_UNKNOWNNAME;
    }
    velox::com::HRESULT Invoke(velox::com::DISPID id, const velox::com::IID&, velox::com::LCID,
                               velox::com::WORD, velox::com::DISPPARAMS* params,
                               velox::com::VARIANT*, velox::com::EXCEPINFO*,
                               velox::com::UINT*) override {
        using namespace velox::com;
        Event event{id, QString(), 0};
        if (id == 1 && params->cArgs == 2) { // Tick(Percent, Cancel*): reversed
            event.number = params->rgvarg[1].iVal;
            if (params->rgvarg[0].vt == (VT_BOOL | VT_BYREF) && event.number >= 50) {
                *params->rgvarg[0].pboolVal = VARIANT_TRUE;
            }
        } else if (id == 2 && params->cArgs == 1 && params->rgvarg[0].vt == VT_BSTR) {
            event.text = qStringFromBstr(params->rgvarg[0].bstrVal);
        }
        const std::lock_guard lock(mutex);
        events.push_back(event);
        return S_OK;
    }

    velox::com::IID accepted{};
    std::mutex mutex;
    std::vector<Event> events;
};

} // namespace velox::test
