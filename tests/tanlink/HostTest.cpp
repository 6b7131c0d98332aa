// What the catalogue program does with the control module: register
// TANLINK.OCX and the engine stand-in with regsvr, create TandemEng by class
// id through the registry, advise an event sink, call by name, and receive
// the handheld's answers as events from the engine's worker thread.

#include "EventSink.h"
#include "HandheldTestSupport.h"
#include "LateCall.h"
#include "platform/com/Activation.h"
#include "platform/com/ComPtr.h"
#include "simulator/HandheldSetup.h"
#include "support/QuietRegsvr.h"
#include "tanlink/CFSinfo.h"
#include "tanlink/CTanlinkCtrl.h"

#include <QFile>
#include <gtest/gtest.h>

namespace velox::test {
namespace {

using namespace com;
using tanlink::CFSinfo;

int regsvr(const char* module) {
    return registerQuietly(VELOX_REGSVR, module);
}

class HostTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(regsvr(VELOX_TANLINK_OCX), 0);
        ASSERT_EQ(regsvr(VELOX_TANDEM_ENGINE), 0);
    }
    void TearDown() override {
        // The engine lets go of the control's callback object once its
        // worker has finished the requests still queued.
        for (int attempt = 0; attempt < 200 && tanlinkLoaded(); ++attempt) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            CoFreeUnusedLibraries();
        }
        EXPECT_FALSE(tanlinkLoaded());
    }

    static bool tanlinkLoaded() {
        CoFreeUnusedLibraries();
        return isModuleLoaded(QStringLiteral(VELOX_TANLINK_OCX));
    }

    // Advises the sink on the control's events.
    void advise(IDispatch* control) {
        ComPtr<IConnectionPointContainer> container;
        ASSERT_EQ(control->QueryInterface(IID_IConnectionPointContainer, container.putVoid()),
                  S_OK);
        ComPtr<IConnectionPoint> point;
        ASSERT_EQ(container->FindConnectionPoint(tanlink::IID__DTandemEngEvents, point.put()),
                  S_OK);
        ASSERT_EQ(point->Advise(&sink_, &cookie_), S_OK);
    }
    QStringList nth(DISPID id, int n = 1) { return sink_.nth(id, n); }

    HandheldPrefix handheld_;
    EventSink sink_{tanlink::IID__DTandemEngEvents};
    DWORD cookie_ = 0;
};

TEST_F(HostTest, CopiesAnAlarmToTheHandheldThroughTheControlAsTheCatalogueDoes) {
    const QByteArray sound(40000, 'w');
    const QString source = handheld_.putOnPc("temp.wve", sound);
    const QString target = "C:\\System\\Alarms\\Velox\\Bell.wve";
    {
        ComPtr<IDispatch> control;
        ASSERT_EQ(CoCreateInstance(tanlink::CLSID_TandemEng, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IDispatch, control.putVoid()),
                  S_OK);
        advise(control.get());

        EXPECT_EQ(call(control.get(), "Init").asLong(), 0);
        EXPECT_EQ(call(control.get(), "Connect", {Arg::i4(5000)}).asLong(), 0);
        EXPECT_EQ(nth(CFSinfo::OnConnectId), QStringList{"0"});
        EXPECT_EQ(call(control.get(), "CreateDirectory",
                       {Arg::i2(2), Arg::text("C:\\System\\Alarms\\Velox\\")})
                      .asLong(),
                  0);
        EXPECT_EQ(nth(CFSinfo::OnCreateDirectoryId), QStringList{"0"});
        {
            const CallResult info =
                call(control.get(), "GetFileInfo", {Arg::i2(2), Arg::text(target)});
            EXPECT_EQ(info.hr, S_OK);
        }
        EXPECT_EQ(nth(CFSinfo::OnGetFileInfoId), QStringList{"2"});

        EXPECT_EQ(call(control.get(), "CopyFile",
                       {Arg::i2(1), Arg::text(source), Arg::i2(2), Arg::text(target), Arg::i2(1)})
                      .asLong(),
                  0);
        EXPECT_EQ(nth(CFSinfo::OnCopyFileId), QStringList{"0"});
        QFile arrived(handheld_.hostOf(target));
        ASSERT_TRUE(arrived.open(QIODevice::ReadOnly));
        EXPECT_EQ(arrived.readAll(), sound);

        // A file the Recorder holds open on the handheld.
        ASSERT_TRUE(simulator::holdFileOpen("Recorder", target, handheld_.handheld()));
        EXPECT_EQ(call(control.get(), "CopyFile",
                       {Arg::i2(1), Arg::text(source), Arg::i2(2), Arg::text(target), Arg::i2(1)})
                      .asLong(),
                  0);
        EXPECT_EQ(nth(CFSinfo::OnCopyFileId, 2), QStringList{"33"});

        EXPECT_EQ(call(control.get(), "Disconnect").asLong(), 0);
        nth(CFSinfo::OnDisconnectId);

        // The handheld pulled out: the next connection fails.
        ASSERT_TRUE(simulator::setHandheldConnected(false, handheld_.handheld()));
        EXPECT_EQ(call(control.get(), "Connect", {Arg::i4(200)}).asLong(), 0);
        EXPECT_EQ(nth(CFSinfo::OnConnectId, 2), QStringList{"1121"});
    }

    // Progress climbs to 100, and every event came from a thread of the
    // engine, never from the caller's.
    int last = -1;
    for (const RecordedEvent& e : sink_.events()) {
        EXPECT_NE(e.thread, std::this_thread::get_id());
        if (e.id == CFSinfo::OnCopyProgressId) {
            const int percent = e.args.value(0).toInt();
            EXPECT_GE(percent, last);
            last = percent;
        }
    }
    EXPECT_EQ(last, 100);
    // A callback still running on the worker keeps the control (and so its
    // sinks) until it returns; then the sink is let go.
    for (int attempt = 0; attempt < 200 && sink_.references() != 0; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(sink_.references(), 0u);
}

TEST_F(HostTest, TheModuleMayUnloadOnceEveryObjectIsReleased) {
    ComPtr<IDispatch> control;
    ASSERT_EQ(CoCreateInstance(tanlink::CLSID_TandemEng, nullptr, CLSCTX_INPROC_SERVER,
                               IID_IDispatch, control.putVoid()),
              S_OK);
    EXPECT_EQ(call(control.get(), "Init").asLong(), 0);
    EXPECT_TRUE(tanlinkLoaded());
    control.reset();
    // TearDown checks that the module went.
}

TEST_F(HostTest, TheControlIsFoundByItsProgId) {
    CLSID clsid{};
    ASSERT_EQ(CLSIDFromProgID(u"Tandem Engine Custom Control", &clsid), S_OK);
    EXPECT_EQ(clsid, tanlink::CLSID_TandemEng);
    ASSERT_EQ(CLSIDFromProgID(u"Tandem EngineS Custom Control", &clsid), S_OK);
    ComPtr<IDispatch> control;
    ASSERT_EQ(
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, control.putVoid()),
        S_OK);
    LONG error = -1;
    EXPECT_EQ(call(control.get(), "Init").asLong(), 0);
    EXPECT_EQ(call(control.get(), "Connect", {Arg::i4(1000)}).asLong(), 0);
    const CallResult drives = call(control.get(), "GetDrives", {Arg::i2(2), Arg::i4Ref(&error)});
    EXPECT_EQ(error, 0);
    EXPECT_EQ(drives.asText(), "C:"); // the text up to the first NUL: the first drive
}

} // namespace
} // namespace velox::test
