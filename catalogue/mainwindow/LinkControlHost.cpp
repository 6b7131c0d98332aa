#include "catalogue/mainwindow/LinkControlHost.h"

#include "platform/com/Activation.h"
#include "platform/com/Bstr.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Guid.h"
#include "platform/com/interfaces/Dispatch.h"
#include "platform/com/interfaces/OleObject.h"
#include "platform/com/interfaces/Persist.h"

#include <optional>
#include <utility>
#include <vector>

namespace veloxcd {

using namespace velox::com;

struct LinkControlHost::Control {
    bool tried = false;
    ComPtr<IDispatch> dispatch;
    ComPtr<LinkEventSink> events;
    // Handlers waiting for the control to be created.
    std::optional<LinkEventHandlers> pending;
};

namespace {

// An argument as automation passes it: the callee converts it to the type it
// declares.
void toVariant(const QVariant& value, VARIANT& variant) {
    VariantInit(&variant);
    switch (value.typeId()) {
    case QMetaType::Bool:
        variant.vt = VT_BOOL;
        variant.boolVal = value.toBool() ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::LongLong:
    case QMetaType::UInt:
        variant.vt = VT_I4;
        variant.lVal = static_cast<LONG>(value.toLongLong());
        break;
    case QMetaType::Double:
        variant.vt = VT_R8;
        variant.dblVal = value.toDouble();
        break;
    default:
        variant.vt = VT_BSTR;
        variant.bstrVal = bstrFromQString(value.toString());
        break;
    }
}

} // namespace

LinkControlHost::LinkControlHost()
    : TwipsControl(nullptr, QStringLiteral("Tandem")), control_(std::make_unique<Control>()) {}

void LinkControlHost::create() {
    if (control_->tried) {
        return;
    }
    control_->tried = true;
    const std::optional<GUID> clsid = guidFromString(QString::fromLatin1(classId));
    if (clsid && FAILED(CoCreateInstance(*clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                         control_->dispatch.putVoid()))) {
        // Not registered (or its module does not load): the window goes on
        // without the control.
        control_->dispatch.reset();
    }
    // A new control starts from its default properties, as a container starts it.
    if (const auto persist = control_->dispatch.as<IPersistStreamInit>()) {
        persist->InitNew();
    }
    if (std::optional<LinkEventHandlers> handlers = std::exchange(control_->pending, {})) {
        adviseEvents(*std::move(handlers));
    }
}

LinkControlHost::~LinkControlHost() {
    stopEvents();
    if (const auto object = control_->dispatch.as<IOleObject>()) {
        object->Close(OLECLOSE_NOSAVE);
    }
}

bool LinkControlHost::created() {
    create();
    return static_cast<bool>(control_->dispatch);
}

IDispatch* LinkControlHost::dispatch() {
    create();
    return control_->dispatch.get();
}

bool LinkControlHost::adviseEvents(LinkEventHandlers handlers) {
    stopEvents();
    create();
    if (!control_->dispatch) {
        return false;
    }
    auto sink = LinkEventSink::create(std::move(handlers));
    if (!sink->advise(control_->dispatch.get())) {
        sink->detach();
        return false;
    }
    control_->events = std::move(sink);
    return true;
}

void LinkControlHost::adviseEventsOnceCreated(LinkEventHandlers handlers) {
    if (control_->tried) {
        adviseEvents(std::move(handlers));
    } else {
        control_->pending = std::move(handlers);
    }
}

void LinkControlHost::stopEvents() {
    control_->pending.reset();
    if (control_->events) {
        control_->events->detach();
        control_->events.reset();
    }
}

LinkCallResult LinkControlHost::call(const QString& name, const QVariantList& args) {
    create();
    if (!control_->dispatch) {
        return {};
    }
    std::u16string member = name.toStdU16String();
    LPOLESTR names[] = {member.data()};
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(control_->dispatch->GetIDsOfNames(GUID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) {
        return {};
    }
    // The arguments travel last first.
    std::vector<VARIANT> reversed(static_cast<std::size_t>(args.size()));
    for (qsizetype i = 0; i < args.size(); ++i) {
        toVariant(args.at(i), reversed.at(static_cast<std::size_t>(args.size() - 1 - i)));
    }
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO exception{};
    UINT argumentError = 0;
    const HRESULT hr =
        control_->dispatch->Invoke(id, GUID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                   &result, &exception, &argumentError);
    LinkCallResult outcome{SUCCEEDED(hr), 0};
    if (outcome.reached && (result.vt == VT_I4 || result.vt == VT_I2)) {
        outcome.code = result.vt == VT_I4 ? static_cast<qint32>(result.lVal) : result.iVal;
    }
    VariantClear(&result);
    for (VARIANT& each : reversed) {
        VariantClear(&each);
    }
    clearExcepInfo(&exception);
    return outcome;
}

} // namespace veloxcd
