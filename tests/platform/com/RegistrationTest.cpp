#include "TestServerIds.h"
#include "platform/com/ClassRegistration.h"
#include "platform/com/TypeLibRegistration.h"
#include "platform/com/interfaces/ClassFactory.h"
#include "platform/registry/Prefix.h"
#include "platform/registry/Registry.h"
#include "support/ScopedPrefix.h"

#include <QFile>
#include <QFileInfo>
#include <dlfcn.h>
#include <gtest/gtest.h>

using namespace velox::com;
namespace reg = velox::registry;

namespace {

HRESULT callServer(const char* module, const char* entry) {
    void* handle = ::dlopen(module, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        return E_FAIL;
    }
    auto function = reinterpret_cast<DllRegisterServerFunction>(::dlsym(handle, entry));
    const HRESULT hr = function != nullptr ? function() : E_FAIL;
    ::dlclose(handle);
    return hr;
}

// The default value (or a named one) of a key; "<missing>" when absent.
std::string valueOf(const std::string& path, const char* name = nullptr) {
    reg::HKEY key = nullptr;
    if (reg::RegOpenKeyA(reg::HKEY_CLASSES_ROOT, path.c_str(), &key) != reg::ERROR_SUCCESS) {
        return "<missing>";
    }
    char buffer[512] = {};
    reg::DWORD size = sizeof buffer - 1;
    const reg::LONG rc = reg::RegQueryValueExA(key, name, nullptr, nullptr,
                                               reinterpret_cast<reg::BYTE*>(buffer), &size);
    reg::RegCloseKey(key);
    return rc == reg::ERROR_SUCCESS ? std::string(buffer) : "<no value>";
}

bool exists(const std::string& path) {
    reg::HKEY key = nullptr;
    if (reg::RegOpenKeyA(reg::HKEY_CLASSES_ROOT, path.c_str(), &key) != reg::ERROR_SUCCESS) {
        return false;
    }
    reg::RegCloseKey(key);
    return true;
}

QByteArray storeFile() {
    QFile file(velox::platform::prefixPath("registry.reg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const std::string kClass = "CLSID\\" + guidToStdString(velox::test::kTestObjectA);
const std::string kLib = "TypeLib\\" + guidToStdString(velox::test::kTestLibA);
const std::string kInterface = "Interface\\" + guidToStdString(velox::test::kITestObject);

} // namespace

TEST(Registration, WritesTheClassAndTypeLibraryKeys) {
    velox::test::ScopedPrefix prefix;
    ASSERT_EQ(callServer(VELOX_TEST_SERVER, "DllRegisterServer"), S_OK);
    const std::string module = QFileInfo(VELOX_TEST_SERVER).absoluteFilePath().toStdString();
    struct Row {
        std::string path;
        const char* name;
        std::string value;
    };
    const Row rows[] = {
        {kClass, nullptr, "Velox Test Object"},
        {kClass + "\\InprocServer32", nullptr, module},
        {kClass + "\\InprocServer32", "ThreadingModel", "Apartment"},
        {kClass + "\\ProgID", nullptr, "Velox.TestObject.1"},
        {kClass + "\\MiscStatus", nullptr, "0"},
        {kClass + "\\MiscStatus\\1", nullptr, "132497"},
        {kClass + "\\TypeLib", nullptr, guidToStdString(velox::test::kTestLibA)},
        {kClass + "\\Version", nullptr, "1.0"},
        {kClass + "\\ToolboxBitmap32", nullptr, module + ", 1"},
        {"Velox.TestObject.1", nullptr, "Velox Test Object"},
        {"Velox.TestObject.1\\CLSID", nullptr, guidToStdString(velox::test::kTestObjectA)},
        {kLib + "\\1.0", nullptr, "Velox test server"},
        {kLib + "\\1.0\\409\\win32", nullptr, module},
        {kLib + "\\1.0\\FLAGS", nullptr, "0"},
        {kLib + "\\1.0\\HELPDIR", nullptr,
         QFileInfo(VELOX_TEST_SERVER).absolutePath().toStdString()},
        {kInterface, nullptr, "ITestObject"},
        {kInterface + "\\ProxyStubClsid32", nullptr, "{00020420-0000-0000-C000-000000000046}"},
        {kInterface + "\\TypeLib", nullptr, guidToStdString(velox::test::kTestLibA)},
        {kInterface + "\\TypeLib", "Version", "1.0"},
        {"Interface\\" + guidToStdString(velox::test::kTestEvents), nullptr, "TestEvents"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(valueOf(row.path, row.name), row.value) << row.path;
    }
    EXPECT_TRUE(exists(kClass + "\\Control"));
}

TEST(Registration, RegisteringTwiceIsHarmless) {
    velox::test::ScopedPrefix prefix;
    ASSERT_EQ(callServer(VELOX_TEST_SERVER, "DllRegisterServer"), S_OK);
    const QByteArray once = storeFile();
    ASSERT_EQ(callServer(VELOX_TEST_SERVER, "DllRegisterServer"), S_OK);
    EXPECT_EQ(storeFile(), once);
}

TEST(Registration, UnregisteringRemovesOnlyWhatIsOurs) {
    velox::test::ScopedPrefix prefix;
    ASSERT_EQ(callServer(VELOX_TEST_SERVER, "DllRegisterServer"), S_OK);
    ASSERT_EQ(callServer(VELOX_TEST_SERVER_B, "DllRegisterServer"), S_OK);
    ASSERT_EQ(callServer(VELOX_TEST_SERVER, "DllUnregisterServer"), S_OK);
    EXPECT_FALSE(exists(kClass));
    EXPECT_FALSE(exists("Velox.TestObject.1"));
    EXPECT_FALSE(exists(kLib));
    // Server B's class and library stay; the interfaces they share named
    // library B last, so they stay too.
    EXPECT_TRUE(exists("CLSID\\" + guidToStdString(velox::test::kTestObjectB)));
    EXPECT_TRUE(exists("TypeLib\\" + guidToStdString(velox::test::kTestLibB)));
    EXPECT_TRUE(exists(kInterface));
    ASSERT_EQ(callServer(VELOX_TEST_SERVER_B, "DllUnregisterServer"), S_OK);
    EXPECT_FALSE(exists(kInterface));
    // Unregistering what is not there succeeds.
    EXPECT_EQ(callServer(VELOX_TEST_SERVER, "DllUnregisterServer"), S_OK);
}

TEST(Registration, AProgIdTakenOverByAnotherClassIsKept) {
    velox::test::ScopedPrefix prefix;
    ASSERT_EQ(callServer(VELOX_TEST_SERVER, "DllRegisterServer"), S_OK);
    const std::string other = guidToStdString(velox::test::kTestObjectB);
    ASSERT_EQ(reg::RegSetValueA(reg::HKEY_CLASSES_ROOT, "Velox.TestObject.1\\CLSID", reg::REG_SZ,
                                other.c_str(), 0),
              reg::ERROR_SUCCESS);
    ASSERT_EQ(callServer(VELOX_TEST_SERVER, "DllUnregisterServer"), S_OK);
    EXPECT_EQ(valueOf("Velox.TestObject.1\\CLSID"), other);
}

TEST(Registration, OneVersionOfATypeLibraryGoesAlone) {
    velox::test::ScopedPrefix prefix;
    static const InterfaceInfo iface{velox::test::kITestObject, "ITestObject", {}};
    static const InterfaceInfo* const interfaces[] = {&iface};
    TypeLibInfo v1{velox::test::kTestLibA, "Lib", 1,          0, 0, SYS_WIN32,
                   LIBFLAG_FCONTROL,       "one", interfaces, {}};
    TypeLibInfo v2 = v1;
    v2.majorVersion = 2;
    v2.minorVersion = 10;
    v2.interfaces = {};
    ASSERT_EQ(RegisterTypeLib(v1, "/x/lib.so"), S_OK);
    ASSERT_EQ(RegisterTypeLib(v2, "/x/lib.so"), S_OK);
    EXPECT_EQ(valueOf(kLib + "\\2.a\\0\\win32"), "/x/lib.so");
    EXPECT_EQ(valueOf(kLib + "\\1.0\\FLAGS"), "2");
    ASSERT_EQ(UnRegisterTypeLib(velox::test::kTestLibA, 1, 0, 0, SYS_WIN32), S_OK);
    EXPECT_FALSE(exists(kLib + "\\1.0"));
    EXPECT_FALSE(exists(kInterface));
    EXPECT_TRUE(exists(kLib + "\\2.a"));
    ASSERT_EQ(unregisterTypeLibAllVersions(velox::test::kTestLibA), S_OK);
    EXPECT_FALSE(exists(kLib));
}

TEST(Registration, ADamagedRegistryFailsTheRegistration) {
    velox::test::ScopedPrefix prefix;
    velox::test::writeFile(prefix.path(), "registry.reg", "not a registry");
    EXPECT_EQ(callServer(VELOX_TEST_SERVER, "DllRegisterServer"), SELFREG_E_TYPELIB);
    EXPECT_EQ(storeFile(), "not a registry");
}
