// What a container sees of the link controls outside the link itself: the
// design-time drawing, the saved state, the container interfaces, the About
// box, the property page, and the type library that describes them.

#include "LateCall.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Memory.h"
#include "platform/com/MemoryStream.h"
#include "tanlink/AboutBox.h"
#include "tanlink/CTanlinkCtrl.h"
#include "tanlink/CTanlinkCtrlS.h"
#include "tanlink/CTanlinkPropPage.h"
#include "tanlink/TanlinkResources.h"
#include "tanlink/TanlinkTypeLib.h"

#include <QLabel>
#include <QPainter>
#include <gtest/gtest.h>

namespace velox::test {
namespace {

using namespace com;
using namespace tanlink;

template <typename Control> QImage drawn(QSize size) {
    auto control = ComPtr<Control>::attach(Control::create());
    auto view = control.template as<IViewObject2>();
    EXPECT_TRUE(view);
    QImage target(size, QImage::Format_RGB32);
    target.fill(Qt::red);
    QPainter painter(&target);
    const RECTL bounds{0, 0, size.width(), size.height()};
    EXPECT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, &painter, &bounds,
                         nullptr, nullptr, 0),
              S_OK);
    painter.end();
    return target;
}

TEST(DesignTimeDrawing, EachControlStretchesItsBitmapOverTheBounds) {
    const std::pair<QImage, int> cases[] = {
        {drawn<CTanlinkCtrl>(QSize(32, 32)), IDB_TANLINK},
        {drawn<CTanlinkCtrlS>(QSize(32, 32)), IDB_TANLINKS},
    };
    for (const auto& [image, bitmapId] : cases) {
        SCOPED_TRACE(bitmapId);
        const QImage bitmap = resourceBitmap(bitmapId);
        ASSERT_EQ(bitmap.size(), QSize(16, 16));
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                ASSERT_EQ(image.pixel(x, y), bitmap.pixel(x / 2, y / 2)) << x << "," << y;
            }
        }
    }
    EXPECT_NE(resourceBitmap(IDB_TANLINK), resourceBitmap(IDB_TANLINKS));
}

TEST(PropertyExchange, SavesVersionOneThenTheStockStateAndLoadsItBack) {
    auto control = ComPtr<CTanlinkCtrl>::attach(CTanlinkCtrl::create());
    auto persist = control.as<IPersistStreamInit>();
    ASSERT_TRUE(persist);
    auto object = control.as<IOleObject>();
    SIZEL extent{2000, 1000};
    ASSERT_EQ(object->SetExtent(DVASPECT_CONTENT, &extent), S_OK);

    auto saved = ComPtr<MemoryStream>::attach(MemoryStream::create());
    ASSERT_EQ(persist->Save(saved.get(), TRUE), S_OK);
    const QByteArray bytes = saved->contents();
    ASSERT_EQ(bytes.size(), 12);
    EXPECT_EQ(bytes.left(4), QByteArray("\x00\x00\x01\x00", 4)); // 0x10000, little-endian

    auto other = ComPtr<CTanlinkCtrl>::attach(CTanlinkCtrl::create());
    auto load = ComPtr<MemoryStream>::attach(MemoryStream::create(bytes));
    ASSERT_EQ(other.as<IPersistStreamInit>()->Load(load.get()), S_OK);
    SIZEL loaded{};
    ASSERT_EQ(other.as<IOleObject>()->GetExtent(DVASPECT_CONTENT, &loaded), S_OK);
    EXPECT_EQ(loaded.cx, 2000);
    EXPECT_EQ(loaded.cy, 1000);
    EXPECT_EQ(other->loadedVersion(), kPropertyVersion);
}

TEST(PropertyExchange, TruncatedStateIsRefusedAndChangesNothing) {
    auto control = ComPtr<CTanlinkCtrlS>::attach(CTanlinkCtrlS::create());
    const QSize before = control->extent();
    auto shortStream = ComPtr<MemoryStream>::attach(
        MemoryStream::create(QByteArray("\x00\x00\x01\x00\x10\x00\x00\x00", 8)));
    EXPECT_EQ(control.as<IPersistStreamInit>()->Load(shortStream.get()), STG_E_READFAULT);
    EXPECT_EQ(control->extent(), before);
}

TEST(ContainerInterfaces, DescribeTheControlsAsRegistered) {
    auto control = ComPtr<CTanlinkCtrl>::attach(CTanlinkCtrl::create());
    DWORD status = 0;
    ASSERT_EQ(control.as<IOleObject>()->GetMiscStatus(DVASPECT_CONTENT, &status), S_OK);
    EXPECT_EQ(status, 0x20591u);

    LPOLESTR userType = nullptr;
    ASSERT_EQ(control.as<IOleObject>()->GetUserType(USERCLASSTYPE_FULL, &userType), S_OK);
    EXPECT_EQ(QString::fromUtf16(userType), "Tandem Engine Control");
    CoTaskMemFree(userType);

    CAUUID pages{};
    ASSERT_EQ(control.as<ISpecifyPropertyPages>()->GetPages(&pages), S_OK);
    ASSERT_EQ(pages.cElems, 1u);
    EXPECT_EQ(pages.pElems[0], CLSID_TanlinkPropPage);
    CoTaskMemFree(pages.pElems);

    GUID events{};
    ASSERT_EQ(control.as<IProvideClassInfo2>()->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events),
              S_OK);
    EXPECT_EQ(events, IID__DTandemEngEvents);

    auto sync = ComPtr<CTanlinkCtrlS>::attach(CTanlinkCtrlS::create());
    CLSID clsid{};
    ASSERT_EQ(sync.as<IPersistStreamInit>()->GetClassID(&clsid), S_OK);
    EXPECT_EQ(clsid, CLSID_TandemEngS);
    ASSERT_EQ(sync.as<IProvideClassInfo2>()->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events),
              S_OK);
    EXPECT_EQ(events, IID__DTandemEngSEvents);
}

TEST(AboutBox, ShowsTheModulesIconTextAndOkButton) {
    RecordedAboutBoxes boxes;
    auto control = ComPtr<CTanlinkCtrlS>::attach(CTanlinkCtrlS::create());
    EXPECT_EQ(dispidOf(control.get(), "AboutBox"), DISPID_ABOUTBOX);
    EXPECT_EQ(call(control.get(), "AboutBox").hr, S_OK);
    ASSERT_EQ(boxes.shown().size(), 1u);
    const AboutBoxContent& box = boxes.shown().front();
    EXPECT_EQ(box.title, "About Tanlink Control");
    EXPECT_EQ(box.text, "Tandem Engine Custom control, Version 1.0");
    EXPECT_EQ(box.button, "OK");
    EXPECT_FALSE(box.icon.isNull());
}

TEST(PropertyPage, IsAPlaceholderWithOneLineOfText) {
    auto page = ComPtr<CTanlinkPropPage>::attach(CTanlinkPropPage::create());
    PROPPAGEINFO info{};
    ASSERT_EQ(page->GetPageInfo(&info), S_OK);
    EXPECT_EQ(QString::fromUtf16(info.pszTitle), "General");
    CoTaskMemFree(info.pszTitle);

    QWidget frame;
    const RECT where{0, 0, 250, 62};
    ASSERT_EQ(page->Activate(&frame, &where, TRUE), S_OK);
    const QList<QWidget*> children = frame.findChildren<QWidget*>();
    const QList<QLabel*> labels = frame.findChildren<QLabel*>();
    EXPECT_EQ(labels.size(), 1);
    EXPECT_EQ(children.size(), 2); // the page and its one line
    EXPECT_EQ(page->IsPageDirty(), S_FALSE);
    EXPECT_EQ(page->Apply(), S_OK);
    ASSERT_EQ(page->Deactivate(), S_OK);
    EXPECT_TRUE(frame.findChildren<QWidget*>().isEmpty());
}

TEST(Resources, StringTableAndVersionRecord) {
    const std::pair<UINT, const char*> strings[] = {
        {1, "Tandem Engine Control"},
        {2, "Tandem Engine Property Page"},
        {100, "General"},
        {101, "Object not ready"},
        {102, "Tandem EngineS Control"},
        {103, "Tandem EngineS Property Page"},
        {104, "General"},
    };
    for (const auto& [id, text] : strings) {
        EXPECT_EQ(resourceString(id), text) << id;
    }
    EXPECT_TRUE(resourceString(3).isEmpty());
    EXPECT_TRUE(resourceBitmap(2).isNull());

    const VersionRecord& version = versionRecord();
    EXPECT_EQ((std::vector<WORD>(version.fileVersion, version.fileVersion + 4)),
              (std::vector<WORD>{1, 0, 0, 11}));
    EXPECT_EQ((std::vector<WORD>(version.productVersion, version.productVersion + 4)),
              (std::vector<WORD>{2, 0, 0, 1}));
    EXPECT_EQ(version.language, 0x0409);
    EXPECT_EQ(version.codePage, 1200);
    const auto find = [&](const char* name) -> QString {
        for (const VersionString& s : version.strings) {
            if (std::strcmp(s.name, name) == 0) {
                return s.value;
            }
        }
        return "(missing)";
    };
    EXPECT_EQ(find("FileDescription"), "Tanlink OLE Control Module");
    EXPECT_EQ(find("InternalName"), "TANLINK");
    EXPECT_EQ(find("OriginalFilename"), "TANLINK.OCX");
    EXPECT_EQ(find("ProductName"), "TanLink OLE Control Module");
}

TEST(TypeLibrary, HoldsTheInterfacesAndClassesInLibraryOrder) {
    const TypeLibInfo& library = tanlinkTypeLibrary();
    EXPECT_STREQ(library.name, "TANDEMENGLib");
    EXPECT_EQ(library.libid, LIBID_TANDEMENGLib);
    EXPECT_EQ(library.majorVersion, 1);
    EXPECT_EQ(library.minorVersion, 0);
    EXPECT_EQ(library.lcid, 0x409u);
    EXPECT_EQ(library.libFlags, LIBFLAG_FCONTROL);
    EXPECT_STREQ(library.helpString, "Tandem Engine OLE Control module");

    const std::vector<std::pair<const char*, bool>> interfaces = {
        {"_DTandemEng", true},         {"_DTandemEngEvents", false}, {"_DTandemEngS", true},
        {"_DTandemEngSEvents", false}, {"ITdmFile", false},          {"ITdmDrive", false},
        {"ITdmMachine", false},
    };
    ASSERT_EQ(library.interfaces.size(), interfaces.size());
    for (std::size_t i = 0; i < interfaces.size(); ++i) {
        SCOPED_TRACE(interfaces[i].first);
        EXPECT_STREQ(library.interfaces[i]->name, interfaces[i].first);
        EXPECT_EQ((library.interfaces[i]->typeFlags & TYPEFLAG_FHIDDEN) != 0, interfaces[i].second);
    }
    EXPECT_STREQ(library.interfaces[0]->helpString,
                 "Dispatch interface for Tandem Engine (Asynch)");
    EXPECT_STREQ(library.interfaces[1]->helpString, "Event interface for Tandem Engine");

    const std::vector<std::pair<const char*, WORD>> classes = {
        {"TandemEng", TYPEFLAG_FCANCREATE | TYPEFLAG_FCONTROL},
        {"TandemEngS", TYPEFLAG_FCANCREATE | TYPEFLAG_FCONTROL},
        {"TdmFile", TYPEFLAG_FCANCREATE},
        {"CTdmDrive", TYPEFLAG_FCANCREATE},
        {"CTdmMachine", TYPEFLAG_FCANCREATE},
    };
    ASSERT_EQ(library.coclasses.size(), classes.size());
    for (std::size_t i = 0; i < classes.size(); ++i) {
        EXPECT_STREQ(library.coclasses[i]->name, classes[i].first);
        EXPECT_EQ(library.coclasses[i]->typeFlags, classes[i].second);
    }
    EXPECT_STREQ(library.coclasses[0]->helpString, "Tandem Engine Control");
    EXPECT_STREQ(library.coclasses[1]->helpString, "Tandem EngineS Control (Synchronous)");
    EXPECT_EQ(*library.coclasses[0]->defaultSource, IID__DTandemEngEvents);
}

TEST(TypeLibrary, MembersKeepTheirDispidsAndParameterNames) {
    const InterfaceInfo& eng = CTanlinkCtrl::dispatchInterface();
    ASSERT_EQ(eng.members.size(), 33u);
    for (std::size_t i = 0; i < 32; ++i) {
        EXPECT_EQ(eng.members[i].id, static_cast<DISPID>(i + 1)) << eng.members[i].name;
    }
    EXPECT_EQ(eng.members[32].id, DISPID_ABOUTBOX);
    const MemberInfo* connect = findMember(eng, 2, MemberKind::Method);
    ASSERT_NE(connect, nullptr);
    EXPECT_STREQ(connect->params[0].name, "TimeOutMiliseconds");
    const MemberInfo* writeConfig = findMember(eng, 32, MemberKind::Method);
    ASSERT_NE(writeConfig, nullptr);
    EXPECT_STREQ(writeConfig->name, "WriteConfig");
    EXPECT_STREQ(writeConfig->params[1].name, "FileNamem");

    // Events by DISPID, as the host's handlers are bound.
    const std::pair<DISPID, const char*> events[] = {
        {1, "OnInit"},
        {2, "OnConnect"},
        {3, "OnCopyFile"},
        {4, "OnDisconnect"},
        {5, "OnCopyProgress"},
        {13, "OnGetDirectory"},
        {18, "OnGetDrives"},
        {19, "OnGetFileInfo"},
        {20, "OnCopyDirectoryProgress"},
        {21, "OnGetMachineInfo"},
        {31, "OnWriteConfig"},
    };
    for (const auto& [id, name] : events) {
        const MemberInfo* member = findMember(CFSinfo::eventInterface(), id, MemberKind::Method);
        ASSERT_NE(member, nullptr) << name;
        EXPECT_STREQ(member->name, name);
    }
    EXPECT_EQ(CFSinfo::eventInterface().members.size(), 31u);
    EXPECT_EQ(CFSinfoS::eventInterface().members.size(), 4u);
}

} // namespace
} // namespace velox::test
