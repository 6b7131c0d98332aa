#pragma once

// What the two link controls share: IUnknown, IDispatch over the control's
// member table, the connection point of its event interface, the engine and
// callback object made by Init, the methods whose engine calls are the same
// for both engines, the design-time drawing, the property exchange and the
// About box. The bodies are in LinkControl.cpp, made there for both
// controls.
//
// Derived (CTanlinkCtrl, CTanlinkCtrlS) provides
//   static const com::InterfaceInfo& dispatchInterface();
//   static constexpr const CLSID& classId;
//   static constexpr com::UINT typeNameId;
//   static constexpr const IID& dispatchIid, eventsIid;
//   static constexpr const CLSID& engineClass;
//   static constexpr int bitmapId;
// Engine is ITandemEngine or ITandemEngineS; Callback is CFSinfo or CFSinfoS.
//
// Before a successful Init (engine made and its Init answering 0) no call
// but Init and Disconnect reaches an engine: methods that return a code
// return CO_E_NOTINITIALIZED, the others fail the call with that HRESULT.

#include "platform/com/Activation.h"
#include "platform/com/Ansi.h"
#include "platform/com/ComError.h"
#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"
#include "platform/com/ConnectionPointContainerImpl.h"
#include "platform/com/DispatchImpl.h"
#include "platform/com/interfaces/ClassInfo.h"
#include "tanlink/AboutBox.h"
#include "tanlink/EngineCodes.h"
#include "tanlink/MachinePath.h"
#include "tanlink/ModuleLock.h"
#include "tanlink/OleControlImpl.h"
#include "tanlink/PropExchange.h"
#include "tanlink/TanlinkResources.h"

#include <QRect>

class QPainter;

namespace velox::tanlink {

// The version the property exchange records: 1.0.
inline constexpr com::DWORD kPropertyVersion = 0x10000;

// The failure of a path that does not fit its record, as an HRESULT.
inline constexpr com::HRESULT kPathTooLongResult =
    com::hresult(0x80070000u | static_cast<com::DWORD>(kErrorPathTooLong));

template <typename Derived, typename Engine, typename Callback>
class LinkControl
    : public com::ComObject<Derived, com::DispatchImpl<Derived>, com::ConnectionPointContainerImpl,
                            com::IProvideClassInfo2, OleControlImpl<Derived>> {
    using Base =
        com::ComObject<Derived, com::DispatchImpl<Derived>, com::ConnectionPointContainerImpl,
                       com::IProvideClassInfo2, OleControlImpl<Derived>>;

public:
    using EngineInterface = Engine;
    using BSTR = com::BSTR;
    using HRESULT = com::HRESULT;
    using LONG = com::LONG;
    using SHORT = com::SHORT;
    using ULONG = com::ULONG;
    using REFIID = com::REFIID;

    // A new control with one reference.
    static Derived* create() { return new Derived; }

    // IUnknown: IDispatch (also as the control's dispatch interface), the
    // connection points, the class information, then the OLE control
    // interfaces.
    static com::InterfaceTable<Derived> interfaceTable() {
        using com::interfaceEntry;
        static constexpr com::InterfaceEntry<Derived> rows[] = {
            interfaceEntry<Derived, com::IDispatch>(com::IID_IDispatch),
            interfaceEntry<Derived, com::IDispatch>(Derived::dispatchIid),
            interfaceEntry<Derived, com::IConnectionPointContainer>(
                com::IID_IConnectionPointContainer),
            interfaceEntry<Derived, com::IProvideClassInfo2>(com::IID_IProvideClassInfo),
            interfaceEntry<Derived, com::IProvideClassInfo2>(com::IID_IProvideClassInfo2)};
        return rows;
    }
    void* findInterface(REFIID riid) {
        void* found = Base::findInterface(riid);
        return found != nullptr ? found : this->controlInterface(riid);
    }

    // IProvideClassInfo2: no type information objects here; the event
    // interface is named by GetGUID.
    HRESULT GetClassInfo(com::ITypeInfo** typeInfo) override;
    HRESULT GetGUID(com::DWORD kind, com::GUID* guid) override;

    // Takes a reference for the firing of one event, unless the control is
    // already ending (its count has reached 0).
    bool pinForEvent() { return this->tryAddRef(); }
    // Fires an event to every advised sink on the calling thread.
    void fireEvent(com::DISPID id, com::VARIANT* args, com::UINT count) {
        events_.fire(id, args, count);
    }
    [[nodiscard]] std::size_t sinkCount() const { return events_.sinkCount(); }

    // DISPID 1: makes the callback object and the engine and hands the
    // engine the callback interface. A second Init first lets go of the
    // engine and callback object of the first.
    LONG Init();

    // DISPID 2
    LONG Connect(LONG timeOutMiliseconds);

    // DISPID 4: disconnects when there is an engine; always 0.
    LONG Disconnect();

    // The methods that hand the engine method of the same name one path
    // (DeleteFile, DeleteDirectory, CreateDirectory, Format, ClosePrograms,
    // StartProgram, StopProgram), a path and a text (RenameFile: the new
    // name, LabelDrive: the label, RenameDirectory: the new name), a path and
    // a value (SetAttributes: the attributes, WriteConfig: the machine to
    // write to), or two paths and the flags (CopyFile, MoveFile,
    // CopyDirectory, MoveDirectory). The member table names each.
    template <LONG (Engine::*call)(MachinePathRecord*)> LONG onPath(SHORT machine, BSTR path) {
        return withPath(machine, path,
                        [](Engine* e, MachinePathRecord& rec) { return (e->*call)(&rec); });
    }
    template <LONG (Engine::*call)(MachinePathRecord*, const char*)>
    LONG onPathWithText(SHORT machine, BSTR path, BSTR text) {
        const QByteArray ansiText = ansi(text);
        return withPath(machine, path, [&ansiText](Engine* e, MachinePathRecord& rec) {
            return (e->*call)(&rec, ansiText.constData());
        });
    }
    template <typename Value, LONG (Engine::*call)(MachinePathRecord*, Value)>
    LONG onPathWithValue(SHORT machine, BSTR path, Value value) {
        return withPath(machine, path, [value](Engine* e, MachinePathRecord& rec) {
            return (e->*call)(&rec, value);
        });
    }
    template <LONG (Engine::*call)(MachinePathRecord*, MachinePathRecord*, SHORT)>
    LONG onTwoPaths(SHORT fromMachine, BSTR from, SHORT toMachine, BSTR to, SHORT flags) {
        return withTwoPaths(fromMachine, from, toMachine, to,
                            [flags](Engine* e, MachinePathRecord& a, MachinePathRecord& b) {
                                return (e->*call)(&a, &b, flags);
                            });
    }

    LONG MachineSyncTime();
    // The engine's answer, whatever code the engine call itself returns.
    SHORT MatchWildcard(BSTR fileName, BSTR wildcard, SHORT ignoreCase);
    LONG SetConfiguration(LONG baud, LONG port);
    LONG GetConfiguration(LONG* baud, LONG* port);
    LONG ReadConfig(SHORT fromMachine, SHORT toMachine, BSTR fileName);

    // DISPID -552
    void AboutBox() { showAboutBox(tanlinkAboutBox()); }

    // Design time: the control's bitmap stretched over its bounds, copied
    // as it is.
    void OnDraw(QPainter* painter, const QRect& bounds) const;

    // The property exchange: the version (1.0), then the stock state: the
    // extent in HIMETRIC. Loading data that ends early changes nothing and
    // returns false.
    bool DoPropExchange(PropExchange& px);
    [[nodiscard]] com::DWORD loadedVersion() const { return loadedVersion_; }
    [[nodiscard]] QSize extent() const { return {extentWidth_, extentHeight_}; }
    void setExtent(QSize himetric);

    // For tests: whether Init has made an engine and callback object.
    [[nodiscard]] bool hasEngine() const { return static_cast<bool>(engine_); }
    [[nodiscard]] bool hasCallback() const { return static_cast<bool>(callback_); }

protected:
    LinkControl();
    ~LinkControl() override;

    // The engine after a successful Init, or null.
    Engine* engine() const { return ready_ ? engine_.get() : nullptr; }
    // The engine, or the call fails with CO_E_NOTINITIALIZED.
    Engine* requireEngine() const;

    static QByteArray ansi(BSTR text) { return com::ansiFromUnicode(com::qStringFromBstr(text)); }
    // An empty text as the engine wants an empty part: null.
    static const char* partOrNull(const QByteArray& text) {
        return text.isEmpty() ? nullptr : text.constData();
    }

    template <typename Call> LONG withPath(SHORT machine, BSTR path, Call&& call) {
        Engine* e = engine();
        if (e == nullptr) {
            return com::CO_E_NOTINITIALIZED;
        }
        MachinePathRecord rec;
        const LONG packed = packMachinePath(machine, com::qStringFromBstr(path), rec);
        if (packed != kOk) {
            return packed;
        }
        return call(e, rec);
    }

    // The answer of an engine call that gives it through an out-argument
    // rather than its own result.
    template <typename Call> LONG answerOf(Call&& call) {
        Engine* e = engine();
        if (e == nullptr) {
            return com::CO_E_NOTINITIALIZED;
        }
        LONG result = 0;
        call(e, &result);
        return result;
    }

    template <typename Call>
    LONG withTwoPaths(SHORT machineFrom, BSTR from, SHORT machineTo, BSTR to, Call&& call) {
        Engine* e = engine();
        if (e == nullptr) {
            return com::CO_E_NOTINITIALIZED;
        }
        MachinePathRecord fromRec;
        MachinePathRecord toRec;
        LONG packed = packMachinePath(machineFrom, com::qStringFromBstr(from), fromRec);
        if (packed == kOk) {
            packed = packMachinePath(machineTo, com::qStringFromBstr(to), toRec);
        }
        if (packed != kOk) {
            return packed;
        }
        return call(e, fromRec, toRec);
    }

    // Makes automation object `Object`, lets `call` fill its engine object
    // through the engine's object out-parameter, and returns it with its one
    // reference, or Nothing (the object released) when the engine gave none.
    template <typename Object, typename Call> static com::IDispatch* objectFrom(Call&& call) {
        Object* object = Object::create();
        call(object->engineSlot());
        if (object->engineObject() == nullptr) {
            object->Release();
            return nullptr;
        }
        return object;
    }

    // The record of a path for a request that returns an object: a path
    // that does not fit fails the call.
    static void packOrFail(SHORT machine, BSTR path, MachinePathRecord& rec);

    // A request that returns automation object `Object` for a path: the
    // engine method `call` fills its engine object (objectFrom). No engine,
    // or a path that does not fit, fails the call.
    template <typename Object, auto call> com::IDispatch* objectOnPath(SHORT machine, BSTR path) {
        Engine* e = requireEngine();
        MachinePathRecord rec;
        packOrFail(machine, path, rec);
        return objectFrom<Object>([&](auto** slot) { (e->*call)(&rec, slot); });
    }

    // ParseFile of both controls: empty parts reach the engine as null.
    BSTR parse(BSTR part1, BSTR part2, BSTR part3, ParseRecord& parsed);

    // From here on no callback reaches this control.
    void lastReleased() override;

private:
    // Lets go of the engine first, then of the callback object (which then
    // reaches this control no more).
    void releaseEngine();

    com::ConnectionPoint events_;
    com::ComPtr<Callback> callback_;
    com::ComPtr<Engine> engine_;
    bool ready_ = false;
    com::DWORD loadedVersion_ = kPropertyVersion;
    // 16 x 16 pixels at 96 dots per inch.
    com::LONG extentWidth_ = 423;
    com::LONG extentHeight_ = 423;
};

} // namespace velox::tanlink
