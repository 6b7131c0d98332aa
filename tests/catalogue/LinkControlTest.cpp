#include "WindowFixture.h"
#include "catalogue/mainwindow/LinkControlHost.h"
#include "platform/com/Activation.h"
#include "platform/com/ClassFactoryImpl.h"
#include "platform/com/ComBstr.h"
#include "platform/com/DispatchImpl.h"
#include "platform/com/DispatchThunk.h"
#include "platform/com/Guid.h"

#include <QCoreApplication>
#include <QStringList>
#include <atomic>

using namespace veloxcd;
using namespace velox::com;

namespace {

// A stand-in for the link control under its class id: records the calls it
// gets.
QStringList calls;
std::atomic<int> liveControls{0};

constexpr IID IID_StandIn = {0x6A1B2C3D, 0x0001, 0x0002, {1, 2, 3, 4, 5, 6, 7, 8}};

class StandInControl final : public DispatchImpl<StandInControl> {
public:
    StandInControl() { ++liveControls; }
    StandInControl(const StandInControl&) = delete;
    StandInControl& operator=(const StandInControl&) = delete;

    HRESULT QueryInterface(REFIID riid, void** object) override {
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_StandIn) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++references_; }
    ULONG Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    LONG Init() {
        calls << "Init";
        return 0;
    }
    LONG CopyFile(SHORT from, BSTR source, SHORT to, BSTR target, SHORT flags) {
        calls << QStringLiteral("CopyFile %1 %2 %3 %4 %5")
                     .arg(from)
                     .arg(qStringFromBstr(source))
                     .arg(to)
                     .arg(qStringFromBstr(target))
                     .arg(flags);
        return 0;
    }

    static const InterfaceInfo& dispatchInterface();

private:
    ~StandInControl() { --liveControls; }
    std::atomic<ULONG> references_{1};
};

constexpr ParamInfo copyFileParams[] = {
    {"MachineFrom", VT_I2}, {"FileFrom", VT_BSTR}, {"MachineTo", VT_I2},
    {"FileTo", VT_BSTR},    {"Flags", VT_I2},
};
constexpr MemberInfo members[] = {
    {1, "Init", MemberKind::Method, VT_I4, {}, dispatchThunk<&StandInControl::Init>},
    {2, "CopyFile", MemberKind::Method, VT_I4, copyFileParams,
     dispatchThunk<&StandInControl::CopyFile>},
};
const InterfaceInfo standInInterface{IID_StandIn, "IStandIn", members};

const InterfaceInfo& StandInControl::dispatchInterface() {
    return standInInterface;
}

ServerLock serverLock;
ClassFactoryImpl factory(serverLock, createObject<StandInControl>);

class LinkControl : public velox::test::WindowFixture {
protected:
    void registerStandIn() {
        const auto clsid = guidFromString(QString::fromLatin1(LinkControlHost::classId));
        ASSERT_TRUE(clsid.has_value());
        ASSERT_EQ(CoRegisterClassObject(*clsid, &factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                                        &cookie),
                  S_OK);
    }
    void TearDown() override {
        WindowFixture::TearDown();
        if (cookie != 0) {
            CoRevokeClassObject(cookie);
        }
        calls.clear();
    }

    DWORD cookie = 0;
};

TEST_F(LinkControl, IsCreatedByClassIdWithTheWindowAndReleasedWithIt) {
    registerStandIn();
    load();
    ASSERT_TRUE(window->Tandem->created());
    EXPECT_EQ(liveControls.load(), 1);
    window.reset();
    EXPECT_EQ(liveControls.load(), 0);
}

TEST_F(LinkControl, IsCreatedOnceTheWindowIsDrawnWithoutBeingUsed) {
    registerStandIn();
    load();
    EXPECT_EQ(liveControls.load(), 0);
    // One turn draws the window, the next one makes the control.
    for (int turn = 0; turn < 3; ++turn) {
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(liveControls.load(), 1);
}

TEST_F(LinkControl, CallsGoByNameWithTheArgumentsInTheirOrder) {
    registerStandIn();
    load();
    EXPECT_TRUE(window->Tandem->call("init"));
    EXPECT_TRUE(window->Tandem->call("CopyFile", {1, QString("C:\\VELOX\\temp.wve"), 2,
                                                  QString("C:\\System\\Alarms\\Bell"), 1}));
    EXPECT_EQ(calls,
              (QStringList{"Init", "CopyFile 1 C:\\VELOX\\temp.wve 2 C:\\System\\Alarms\\Bell 1"}));
    EXPECT_FALSE(window->Tandem->call("Format"));       // no such method
    EXPECT_FALSE(window->Tandem->call("CopyFile", {})); // too few arguments
}

TEST_F(LinkControl, WithoutARegisteredClassTheWindowLoadsAndCallsFailQuietly) {
    load();
    EXPECT_FALSE(window->Tandem->created());
    EXPECT_EQ(window->Tandem->dispatch(), nullptr);
    EXPECT_FALSE(window->Tandem->call("Init"));
    EXPECT_TRUE(window->isVisible());
}

} // namespace
