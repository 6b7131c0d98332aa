// The automation objects: each reads one field of its engine object's
// information record, at the record's byte offsets, through IDispatch.

#include "HandheldTestSupport.h"
#include "platform/com/ComPtr.h"
#include "platform/com/DispatchImpl.h"
#include "platform/com/interfaces/EnumVariant.h"
#include "simulator/SyncTandemEngine.h"
#include "tanlink/CTdmDirObj.h"
#include "tanlink/CTdmDrive.h"
#include "tanlink/CTdmFile.h"
#include "tanlink/CTdmMachine.h"
#include "tanlink/ModuleLock.h"
#include "tanlink/ObjectNotReady.h"

#include <QDate>
#include <QFile>
#include <QtEndian>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

using namespace velox;
using namespace velox::com;
using namespace velox::tanlink;
using velox::test::record;

namespace {

// One late-bound call and what came back.
struct Outcome {
    HRESULT hr = E_FAIL;
    VARIANT result{};
    EXCEPINFO exception{};
    Outcome() = default;
    Outcome(const Outcome&) = delete;
    Outcome& operator=(const Outcome&) = delete;
    ~Outcome() {
        VariantClear(&result);
        clearExcepInfo(&exception);
    }
};

// Calls `id` with arguments given in declared order.
void call(IDispatch* object, DISPID id, Outcome& out, std::vector<VARIANT> args = {},
          WORD flags = DISPATCH_METHOD) {
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params{reversed.empty() ? nullptr : reversed.data(),
                      flags == DISPATCH_PROPERTYPUT ? &put : nullptr,
                      static_cast<UINT>(reversed.size()), flags == DISPATCH_PROPERTYPUT ? 1u : 0u};
    UINT argumentError = 0;
    out.hr = object->Invoke(id, GUID_NULL, 0, flags, &params, &out.result, &out.exception,
                            &argumentError);
}

VARIANT byRef(VARTYPE type, void* target) {
    VARIANT v;
    VariantInit(&v);
    v.vt = type | VT_BYREF;
    v.byref = target;
    return v;
}

LONG callLong(IDispatch* object, DISPID id) {
    Outcome out;
    call(object, id, out);
    EXPECT_EQ(out.hr, S_OK) << id;
    return out.result.lVal;
}

QString callText(IDispatch* object, DISPID id) {
    Outcome out;
    call(object, id, out);
    EXPECT_EQ(out.hr, S_OK) << id;
    EXPECT_EQ(out.result.vt, VT_BSTR);
    return qStringFromBstr(out.result.bstrVal);
}

void expectObjectNotReady(IDispatch* object, DISPID id, WORD flags = DISPATCH_METHOD) {
    Outcome out;
    call(object, id, out, {}, flags);
    EXPECT_EQ(out.hr, DISP_E_EXCEPTION) << id;
    EXPECT_EQ(out.exception.wCode, 0xFFFF) << id;
    EXPECT_EQ(qStringFromBstr(out.exception.bstrDescription), "Object not ready") << id;
}

// An engine object over hand-made record bytes, or one that is not ready.
template <typename Interface> class FakeEngineObject : public Interface {
public:
    explicit FakeEngineObject(std::vector<BYTE> bytes, LONG code = kOk)
        : bytes_(std::move(bytes)), code_(code) {}
    virtual ~FakeEngineObject() = default;
    HRESULT QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override {
        const ULONG left = --refs;
        if (left == 0) {
            delete this;
        }
        return left;
    }
    LONG GetInfo(const BYTE** record) override {
        *record = code_ == kOk ? bytes_.data() : nullptr;
        return code_;
    }
    ULONG refs = 1;

protected:
    std::vector<BYTE> bytes_;
    LONG code_;
};

using FakeDrive = FakeEngineObject<ITandemDrive>;
using FakeMachine = FakeEngineObject<ITandemMachine>;

class FakeFile final : public FakeEngineObject<ITandemFile> {
public:
    using FakeEngineObject::FakeEngineObject;
    LONG GetName(char* name) override {
        std::strcpy(name, "Bell.wve");
        return code_;
    }
    LONG Reserved3() override { return 0; }
    LONG Reserved4() override { return 0; }
    LONG Clone(ITandemFile** copy) override {
        *copy = code_ == kOk ? new FakeFile(bytes_) : nullptr;
        return code_;
    }
};

void put32(std::vector<BYTE>& bytes, std::size_t offset, quint32 value) {
    qToLittleEndian(value, bytes.data() + offset);
}

class AutomationObjectsTest : public ::testing::Test {
protected:
    void SetUp() override {
        engine =
            ComPtr<ITandemEngineS>::attach(simulator::SyncTandemEngine::create(prefix.handheld()));
        ASSERT_EQ(engine->Init(&progress), kOk);
        ASSERT_EQ(engine->Connect(0), kOk);
    }
    void TearDown() override {
        engine.reset();
        EXPECT_EQ(moduleLock().count(), 0) << "an automation object was left alive";
    }

    test::HandheldPrefix prefix;
    test::RecordingCallbackS progress;
    ComPtr<ITandemEngineS> engine;
};

TEST_F(AutomationObjectsTest, DriveReportsTheLow32BitsOfItsSizes) {
    prefix.changeState([](simulator::HandheldState& s) {
        s.drives['D'].totalSize = (5ull << 30) + 123;
        s.drives['D'].freeSpace = 4ull << 30; // exactly 4 GiB
    });
    auto drive = ComPtr<CTdmDrive>::attach(CTdmDrive::create());
    MachinePathRecord d = record(kMachineHandheld, "D:\\");
    ASSERT_EQ(engine->GetDriveInfo(&d, drive->engineSlot()), kOk);

    EXPECT_EQ(callLong(drive.get(), 3), 0);
    EXPECT_EQ(static_cast<quint32>(callLong(drive.get(), 1)), (1u << 30) + 123u);
    EXPECT_EQ(callText(drive.get(), 2), "Memory card");

    // The record the stand-in made holds the fields at their offsets.
    const BYTE* r = nullptr;
    ASSERT_EQ(drive->engineObject()->GetInfo(&r), kOk);
    EXPECT_EQ(qFromLittleEndian<quint32>(r + 20), (1u << 30) + 123u);
    EXPECT_EQ(qFromLittleEndian<quint32>(r + 24), 1u);
    EXPECT_EQ(qFromLittleEndian<quint32>(r + 28), 0u);
    EXPECT_EQ(qFromLittleEndian<quint32>(r + 32), 1u);
    EXPECT_STREQ(reinterpret_cast<const char*>(r + 296), "Memory card");
}

TEST_F(AutomationObjectsTest, DriveReadsItsOffsetsFromAnyEngine) {
    std::vector<BYTE> bytes(drive_record::kSize, 0xEE);
    put32(bytes, 20, 0x11111111);
    put32(bytes, 24, 0x7);
    put32(bytes, 28, 0x22222222);
    put32(bytes, 32, 0x9);
    std::memcpy(bytes.data() + 296, "Card\0", 5);
    auto drive = ComPtr<CTdmDrive>::attach(CTdmDrive::create());
    *drive->engineSlot() = new FakeDrive(bytes);
    EXPECT_EQ(callLong(drive.get(), 1), 0x11111111);
    EXPECT_EQ(callLong(drive.get(), 3), 0x22222222);
    EXPECT_EQ(callText(drive.get(), 2), "Card");

    // A name that fills the record without a NUL is read up to the record's end.
    std::memset(bytes.data() + 296, 'N', bytes.size() - 296);
    auto unterminated = ComPtr<CTdmDrive>::attach(CTdmDrive::create());
    *unterminated->engineSlot() = new FakeDrive(bytes);
    EXPECT_EQ(callText(unterminated.get(), 2), QString(drive_record::kSize - 296, 'N'));
}

TEST_F(AutomationObjectsTest, ObjectsWithoutInformationRaiseObjectNotReady) {
    auto drive = ComPtr<CTdmDrive>::attach(CTdmDrive::create());
    expectObjectNotReady(drive.get(), 1); // no engine object at all
    *drive->engineSlot() = new FakeDrive({}, kErrorNotReady);
    for (DISPID id : {1, 2, 3}) {
        expectObjectNotReady(drive.get(), id);
    }
    auto machine = ComPtr<CTdmMachine>::attach(CTdmMachine::create());
    *machine->engineSlot() = new FakeMachine({}, kErrorNotConnected);
    for (DISPID id : {1, 3, 4, 5, 6, 7, 11, 12, 13}) {
        expectObjectNotReady(machine.get(), id);
    }
    auto file = ComPtr<CTdmFile>::attach(CTdmFile::create());
    *file->engineSlot() = new FakeFile({}, kErrorFileNotFound);
    for (DISPID id : {1, 2, 3, 4}) {
        expectObjectNotReady(file.get(), id);
    }
    // Clone gives Nothing rather than raising.
    Outcome clone;
    call(file.get(), 5, clone);
    EXPECT_EQ(clone.hr, S_OK);
    EXPECT_EQ(clone.result.vt, VT_DISPATCH);
    EXPECT_EQ(clone.result.pdispVal, nullptr);
}

TEST_F(AutomationObjectsTest, FileReadsItsRecordAndConvertsTheDate) {
    std::vector<BYTE> bytes(file_record::kRecordSize, 0);
    put32(bytes, 2, 0x21);
    // 2023-11-14 22:13:20.7 UTC as a FILETIME.
    const quint64 fileTime = (1700000000ull + 11644473600ull) * 10000000ull + 7000000ull;
    put32(bytes, 6, static_cast<quint32>(fileTime));
    put32(bytes, 10, static_cast<quint32>(fileTime >> 32));
    put32(bytes, 14, 4321);
    auto file = ComPtr<CTdmFile>::attach(CTdmFile::create());
    *file->engineSlot() = new FakeFile(bytes);

    EXPECT_EQ(callText(file.get(), 1), "Bell.wve");
    EXPECT_EQ(callLong(file.get(), 3), 4321);
    EXPECT_EQ(callLong(file.get(), 4), 0x21);

    Outcome date;
    call(file.get(), 2, date);
    ASSERT_EQ(date.hr, S_OK);
    ASSERT_EQ(date.result.vt, VT_DATE);
    // The same instant as the local wall clock, in whole seconds.
    const QDateTime local = QDateTime::fromSecsSinceEpoch(1700000000).toLocalTime();
    const double expected =
        QDate(1899, 12, 30).daysTo(local.date()) + local.time().msecsSinceStartOfDay() / 86400000.0;
    EXPECT_NEAR(date.result.date, expected, 1e-9);

    Outcome clone;
    call(file.get(), 5, clone);
    ASSERT_EQ(clone.result.vt, VT_DISPATCH);
    ASSERT_NE(clone.result.pdispVal, nullptr);
    EXPECT_EQ(callLong(clone.result.pdispVal, 3), 4321);
}

TEST_F(AutomationObjectsTest, FileOfTheStandIn) {
    const QString host = prefix.putOnHandheld("C:\\System\\Alarms\\Ring.wve", "ring!");
    auto file = ComPtr<CTdmFile>::attach(CTdmFile::create());
    MachinePathRecord f = record(kMachineHandheld, "C:\\System\\Alarms\\RING.WVE");
    ASSERT_EQ(engine->GetFileInfo(&f, file->engineSlot()), kOk);
    EXPECT_EQ(callText(file.get(), 1), "Ring.wve");
    EXPECT_EQ(callLong(file.get(), 3), 5);
    EXPECT_EQ(callLong(file.get(), 4), 0x20);
    Outcome date;
    call(file.get(), 2, date);
    ASSERT_EQ(date.hr, S_OK);
    const QDateTime modified = QFileInfo(host).lastModified();
    const double expected = QDate(1899, 12, 30).daysTo(modified.date()) +
                            (modified.time().msecsSinceStartOfDay() / 1000) / 86400.0;
    EXPECT_NEAR(date.result.date, expected, 1e-9);
}

TEST_F(AutomationObjectsTest, MachineReadsEveryFieldAtItsOffset) {
    std::vector<BYTE> bytes(machine_record::kSize, 0);
    std::memcpy(bytes.data(), "Falcon\0", 7);
    put32(bytes, 32, 0x0000BEEF); // id low
    put32(bytes, 36, 0x00000042); // id high
    put32(bytes, 40, 2);
    std::memcpy(bytes.data() + 44, "12:30\0", 6);
    put32(bytes, 76, 1);
    bytes[80] = static_cast<BYTE>(-3);
    bytes[81] = 7;
    put32(bytes, 82, 1234);
    put32(bytes, 86, 640);
    put32(bytes, 90, 240);
    put32(bytes, 94, 3);
    put32(bytes, 98, 4);
    put32(bytes, 102, 150);
    put32(bytes, 106, 2); // not 1: no
    put32(bytes, 110, 100);
    put32(bytes, 114, 200);
    put32(bytes, 118, 300);
    put32(bytes, 122, 400);
    put32(bytes, 126, 500);
    put32(bytes, 130, 600);
    put32(bytes, 134, 1);
    auto machine = ComPtr<CTdmMachine>::attach(CTdmMachine::create());
    *machine->engineSlot() = new FakeMachine(bytes);
    IDispatch* m = machine.get();

    EXPECT_EQ(callText(m, 1), "Falcon");
    EXPECT_EQ(callText(m, 3), "12:30");
    EXPECT_EQ(callLong(m, 4), 2);
    EXPECT_EQ(callLong(m, 5), 3);
    EXPECT_EQ(callLong(m, 6), 4);
    EXPECT_EQ(callLong(m, 7), 1);
    EXPECT_EQ(callLong(m, 11), 150);
    Outcome power;
    call(m, 12, power);
    EXPECT_EQ(power.result.vt, VT_I2);
    EXPECT_EQ(power.result.iVal, 0);
    Outcome rom;
    call(m, 13, rom);
    EXPECT_EQ(rom.result.vt, VT_I2);
    EXPECT_EQ(rom.result.iVal, 1);

    LONG high = 0;
    LONG low = 0;
    Outcome id;
    call(m, 2, id, {byRef(VT_I4, &high), byRef(VT_I4, &low)});
    ASSERT_EQ(id.hr, S_OK);
    EXPECT_EQ(high, 0x42);
    EXPECT_EQ(low, 0xBEEF);

    SHORT major = 0;
    SHORT minor = 0;
    LONG build = 0;
    Outcome version;
    call(m, 8, version, {byRef(VT_I2, &major), byRef(VT_I2, &minor), byRef(VT_I4, &build)});
    EXPECT_EQ(major, -3);
    EXPECT_EQ(minor, 7);
    EXPECT_EQ(build, 1234);

    LONG width = 0;
    LONG height = 0;
    Outcome display;
    call(m, 9, display, {byRef(VT_I4, &width), byRef(VT_I4, &height)});
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 240);

    LONG memory[6] = {};
    Outcome details;
    call(m, 10, details,
         {byRef(VT_I4, &memory[0]), byRef(VT_I4, &memory[1]), byRef(VT_I4, &memory[2]),
          byRef(VT_I4, &memory[3]), byRef(VT_I4, &memory[4]), byRef(VT_I4, &memory[5])});
    // TotalRam, TotalRom, FreeRam (122), MaxFreeRam (118), InternalDiskRam, RegistryRam.
    EXPECT_EQ(std::vector<LONG>(memory, memory + 6),
              (std::vector<LONG>{100, 200, 400, 300, 500, 600}));
}

TEST_F(AutomationObjectsTest, MachineOfTheStandInIsRomReprogrammable) {
    auto machine = ComPtr<CTdmMachine>::attach(CTdmMachine::create());
    ASSERT_EQ(engine->GetExtraMachineInfo(kMachineHandheld, machine->engineSlot()), kOk);
    Outcome rom;
    call(machine.get(), 13, rom);
    EXPECT_EQ(rom.result.iVal, 1);
    EXPECT_EQ(callText(machine.get(), 1), "Velox 500");
}

TEST_F(AutomationObjectsTest, DirectoryCountsZeroAndEnumeratesItsListing) {
    prefix.putOnHandheld("C:\\Docs\\b.txt", "bb");
    prefix.putOnHandheld("C:\\Docs\\A.txt", "a");
    prefix.putOnHandheld("C:\\Docs\\c.txt", "ccc");
    auto directory = ComPtr<CTdmDirObj>::attach(CTdmDirObj::create());
    MachinePathRecord d = record(kMachineHandheld, "C:\\Docs");
    SHORT files = 0;
    ASSERT_EQ(engine->GetDirectory(&d, directory->engineSlot(), &files), kOk);
    EXPECT_EQ(files, 3);

    Outcome count;
    call(directory.get(), 1, count, {}, DISPATCH_PROPERTYGET);
    EXPECT_EQ(count.hr, S_OK);
    EXPECT_EQ(count.result.vt, VT_I2);
    EXPECT_EQ(count.result.iVal, 0);

    Outcome newEnum;
    call(directory.get(), DISPID_NEWENUM, newEnum, {}, DISPATCH_METHOD | DISPATCH_PROPERTYGET);
    ASSERT_EQ(newEnum.hr, S_OK);
    ASSERT_EQ(newEnum.result.vt, VT_UNKNOWN);
    ComPtr<IEnumVARIANT> items;
    ASSERT_EQ(newEnum.result.punkVal->QueryInterface(IID_IEnumVARIANT, items.putVoid()), S_OK);
    directory.reset(); // the enumerator keeps the listing alive

    QStringList names;
    VARIANT item;
    ULONG fetched = 0;
    while (items->Next(1, &item, &fetched) == S_OK) {
        ASSERT_EQ(fetched, 1u);
        ASSERT_EQ(item.vt, VT_DISPATCH);
        names << callText(item.pdispVal, 1);
        VariantClear(&item);
    }
    EXPECT_EQ(fetched, 0u);
    EXPECT_EQ(names, QStringList({"A.txt", "b.txt", "c.txt"}));

    // Reset, skip one, then ask for more than remain.
    EXPECT_EQ(items->Reset(), S_OK);
    EXPECT_EQ(items->Skip(1), S_OK);
    VARIANT three[3];
    EXPECT_EQ(items->Next(3, three, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 2u);
    EXPECT_EQ(callText(three[0].pdispVal, 1), "b.txt");
    EXPECT_EQ(three[2].vt, VT_EMPTY);
    for (VARIANT& v : three) {
        VariantClear(&v);
    }
    IEnumVARIANT* copy = items.get();
    EXPECT_EQ(items->Clone(&copy), E_NOTIMPL);
    EXPECT_EQ(copy, nullptr);
}

TEST_F(AutomationObjectsTest, EmptyListingYieldsNothing) {
    prefix.putOnHandheld("D:\\Empty\\.keep", "");
    QFile::remove(prefix.hostOf("D:\\Empty\\.keep"));
    auto directory = ComPtr<CTdmDirObj>::attach(CTdmDirObj::create());
    MachinePathRecord d = record(kMachineHandheld, "D:\\Empty");
    SHORT files = -1;
    ASSERT_EQ(engine->GetDirectory(&d, directory->engineSlot(), &files), kOk);
    EXPECT_EQ(files, 0);
    Outcome newEnum;
    call(directory.get(), DISPID_NEWENUM, newEnum, {}, DISPATCH_PROPERTYGET);
    ASSERT_EQ(newEnum.result.vt, VT_UNKNOWN);
    ComPtr<IEnumVARIANT> items;
    newEnum.result.punkVal->QueryInterface(IID_IEnumVARIANT, items.putVoid());
    VARIANT item;
    item.vt = VT_I4; // stale content is cleared
    ULONG fetched = 99;
    EXPECT_EQ(items->Next(1, &item, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 0u);
    EXPECT_EQ(item.vt, VT_EMPTY);
}

TEST_F(AutomationObjectsTest, DirectoryRefusesCountWritesAndHasNoItem) {
    auto directory = ComPtr<CTdmDirObj>::attach(CTdmDirObj::create());
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I2;
    value.iVal = 5;
    Outcome put;
    call(directory.get(), 1, put, {value}, DISPATCH_PROPERTYPUT);
    EXPECT_EQ(put.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(put.exception.scode, CTL_E_SETNOTSUPPORTED);

    std::u16string item = u"Item";
    LPOLESTR names[] = {item.data()};
    DISPID id = 0;
    EXPECT_EQ(directory->GetIDsOfNames(GUID_NULL, names, 1, 0, &id), DISP_E_UNKNOWNNAME);
    Outcome byDefault;
    call(directory.get(), DISPID_VALUE, byDefault, {}, DISPATCH_METHOD | DISPATCH_PROPERTYGET);
    EXPECT_EQ(byDefault.hr, DISP_E_MEMBERNOTFOUND);

    // Without a listing, _NewEnum raises "Object not ready".
    expectObjectNotReady(directory.get(), DISPID_NEWENUM, DISPATCH_METHOD | DISPATCH_PROPERTYGET);
}

} // namespace
