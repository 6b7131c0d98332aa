// Registering TANLINK.OCX with regsvr: what lands in HKEY_CLASSES_ROOT,
// that a second registration changes nothing, and that unregistering takes
// it all away again.

#include "platform/registry/Prefix.h"
#include "platform/registry/Registry.h"
#include "support/ScopedPrefix.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>
#include <optional>

namespace velox::test {
namespace {

namespace reg = velox::registry;

int regsvr(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(VELOX_REGSVR), arguments);
    if (!process.waitForFinished(60000)) {
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// A string value below HKEY_CLASSES_ROOT (the default value for a null
// name), or nothing when the key or value is missing.
std::optional<QString> value(const char* key, const char* name = nullptr) {
    reg::HKEY handle = nullptr;
    if (reg::RegOpenKeyExA(reg::HKEY_CLASSES_ROOT, key, 0, reg::KEY_READ, &handle) !=
        reg::ERROR_SUCCESS) {
        return std::nullopt;
    }
    char data[1024] = {};
    reg::DWORD size = sizeof data;
    reg::DWORD type = 0;
    const reg::LONG rc = reg::RegQueryValueExA(handle, name, nullptr, &type,
                                               reinterpret_cast<reg::BYTE*>(data), &size);
    reg::RegCloseKey(handle);
    if (rc != reg::ERROR_SUCCESS) {
        return std::nullopt;
    }
    return QString::fromLatin1(data);
}

bool keyExists(const char* key) {
    reg::HKEY handle = nullptr;
    if (reg::RegOpenKeyExA(reg::HKEY_CLASSES_ROOT, key, 0, reg::KEY_READ, &handle) !=
        reg::ERROR_SUCCESS) {
        return false;
    }
    reg::RegCloseKey(handle);
    return true;
}

QByteArray registryFile() {
    QFile file(platform::prefixPath(QStringLiteral("registry.reg")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kModule = QFileInfo(QStringLiteral(VELOX_TANLINK_OCX)).canonicalFilePath();

#define TANDEM_ENG "CLSID\\{3C476933-F450-11CF-885E-0020AFC04E78}"
#define TANDEM_ENG_S "CLSID\\{F336CD44-5E9B-11D2-A490-0060976AE9F6}"
#define PROP_PAGE "CLSID\\{3C476934-F450-11CF-885E-0020AFC04E78}"
#define LIBRARY "TypeLib\\{3C476930-F450-11CF-885E-0020AFC04E78}\\1.0"

TEST(TanlinkRegistration, WritesTheThreeClassesAndTheTypeLibrary) {
    ScopedPrefix prefix;
    ASSERT_EQ(regsvr({"-s", VELOX_TANLINK_OCX}), 0);

    EXPECT_EQ(value(TANDEM_ENG), "Tandem Engine Control");
    EXPECT_EQ(value(TANDEM_ENG "\\InprocServer32"), kModule);
    EXPECT_EQ(value(TANDEM_ENG "\\ProgID"), "Tandem Engine Custom Control");
    EXPECT_TRUE(keyExists(TANDEM_ENG "\\Control"));
    EXPECT_EQ(value(TANDEM_ENG "\\MiscStatus\\1"), QString::number(0x20591));
    EXPECT_EQ(value(TANDEM_ENG "\\TypeLib"), "{3C476930-F450-11CF-885E-0020AFC04E78}");
    EXPECT_EQ(value(TANDEM_ENG "\\Version"), "1.0");
    EXPECT_EQ(value(TANDEM_ENG "\\ToolboxBitmap32"), kModule + ", 1");
    EXPECT_EQ(value("Tandem Engine Custom Control\\CLSID"),
              "{3C476933-F450-11CF-885E-0020AFC04E78}");

    EXPECT_EQ(value(TANDEM_ENG_S), "Tandem EngineS Control");
    EXPECT_EQ(value(TANDEM_ENG_S "\\ProgID"), "Tandem EngineS Custom Control");
    EXPECT_EQ(value(TANDEM_ENG_S "\\MiscStatus\\1"), QString::number(0x20591));
    EXPECT_EQ(value(TANDEM_ENG_S "\\ToolboxBitmap32"), kModule + ", 202");

    EXPECT_EQ(value(PROP_PAGE), "Tandem Engine Property Page");
    EXPECT_EQ(value(PROP_PAGE "\\InprocServer32"), kModule);
    EXPECT_EQ(value("TANLINK.TanlinkPropPage.1\\CLSID"), "{3C476934-F450-11CF-885E-0020AFC04E78}");

    EXPECT_EQ(value(LIBRARY), "Tandem Engine OLE Control module");
    EXPECT_EQ(value(LIBRARY "\\409\\win32"), kModule);
    EXPECT_EQ(value(LIBRARY "\\FLAGS"), "2"); // describes controls
    const std::pair<const char*, const char*> interfaces[] = {
        {"Interface\\{3C476931-F450-11CF-885E-0020AFC04E78}", "_DTandemEng"},
        {"Interface\\{3C476932-F450-11CF-885E-0020AFC04E78}", "_DTandemEngEvents"},
        {"Interface\\{F336CD42-5E9B-11D2-A490-0060976AE9F6}", "_DTandemEngS"},
        {"Interface\\{F336CD43-5E9B-11D2-A490-0060976AE9F6}", "_DTandemEngSEvents"},
        {"Interface\\{3C476935-F450-11CF-885E-0020AFC04E78}", "ITdmFile"},
        {"Interface\\{3C476937-F450-11CF-885E-0020AFC04E78}", "ITdmDrive"},
        {"Interface\\{3C476939-F450-11CF-885E-0020AFC04E78}", "ITdmMachine"},
    };
    for (const auto& [key, name] : interfaces) {
        SCOPED_TRACE(key);
        EXPECT_EQ(value(key), QString::fromLatin1(name));
        EXPECT_EQ(value((std::string(key) + "\\TypeLib").c_str()),
                  "{3C476930-F450-11CF-885E-0020AFC04E78}");
    }
}

TEST(TanlinkRegistration, OnlyTheAsynchronousControlGetsTheApartmentModel) {
    ScopedPrefix prefix;
    ASSERT_EQ(regsvr({"-s", VELOX_TANLINK_OCX}), 0);
    EXPECT_EQ(value(TANDEM_ENG "\\InprocServer32", "ThreadingModel"), "Apartment");
    EXPECT_EQ(value(TANDEM_ENG_S "\\InprocServer32", "ThreadingModel"), std::nullopt);
    EXPECT_EQ(value(PROP_PAGE "\\InprocServer32", "ThreadingModel"), std::nullopt);
    // The type library's id names no class: nothing is made for it.
    EXPECT_FALSE(keyExists("CLSID\\{3C476930-F450-11CF-885E-0020AFC04E78}"));
}

TEST(TanlinkRegistration, RegisteringTwiceChangesNothingMore) {
    ScopedPrefix prefix;
    ASSERT_EQ(regsvr({"-s", VELOX_TANLINK_OCX}), 0);
    const QByteArray once = registryFile();
    ASSERT_FALSE(once.isEmpty());
    ASSERT_EQ(regsvr({"-s", VELOX_TANLINK_OCX}), 0);
    EXPECT_EQ(registryFile(), once);
}

TEST(TanlinkRegistration, UnregisteringRemovesWhatRegistrationWrote) {
    ScopedPrefix prefix;
    // Something of another module's, which must stay.
    reg::HKEY other = nullptr;
    ASSERT_EQ(reg::RegCreateKeyA(reg::HKEY_CLASSES_ROOT,
                                 "CLSID\\{00000000-1111-2222-3333-444444444444}", &other),
              reg::ERROR_SUCCESS);
    reg::RegCloseKey(other);

    ASSERT_EQ(regsvr({"-s", VELOX_TANLINK_OCX}), 0);
    ASSERT_EQ(regsvr({"-s", "-u", VELOX_TANLINK_OCX}), 0);
    const QByteArray after = registryFile().toUpper();
    for (const char* id :
         {"3C476930", "3C476931", "3C476932", "3C476933", "3C476934", "3C476935", "3C476937",
          "3C476939", "F336CD42", "F336CD43", "F336CD44", "TANDEM ENGINE", "TANLINK"}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(after.contains(id));
    }
    EXPECT_TRUE(keyExists("CLSID\\{00000000-1111-2222-3333-444444444444}"));
}

} // namespace
} // namespace velox::test
