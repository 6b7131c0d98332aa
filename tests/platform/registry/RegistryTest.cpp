#include "platform/registry/Registry.h"

#include "platform/registry/Prefix.h"
#include "platform/registry/RegistryStore.h"
#include "support/ScopedPrefix.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

using namespace velox::registry;

namespace {

LONG setString(HKEY key, const char* name, const char* text) {
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>(std::strlen(text) + 1));
}

std::string queryString(HKEY key, const char* name, LONG* rc = nullptr) {
    char buffer[256] = {};
    DWORD size = sizeof buffer;
    DWORD type = 0;
    const LONG result =
        RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    if (rc != nullptr) {
        *rc = result;
    }
    return result == ERROR_SUCCESS ? std::string(buffer) : std::string();
}

QByteArray storeFile() {
    QFile file(velox::platform::prefixPath("registry.reg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(Registry, ValuesSurviveAReopen) {
    velox::test::ScopedPrefix prefix;
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, "CLSID\\{X}\\InprocServer32", &key), ERROR_SUCCESS);
    ASSERT_EQ(setString(key, nullptr, "/opt/tanlink.ocx"), ERROR_SUCCESS);
    const DWORD status = 0x20591;
    ASSERT_EQ(
        RegSetValueExA(key, "Status", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&status), 4),
        ERROR_SUCCESS);
    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);

    // Another prefix and back: the store must read the file again.
    {
        velox::test::ScopedPrefix other;
        HKEY missing = nullptr;
        EXPECT_EQ(RegOpenKeyA(HKEY_CLASSES_ROOT, "CLSID\\{X}", &missing), ERROR_FILE_NOT_FOUND);
    }
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "clsid\\{x}\\INPROCSERVER32", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    EXPECT_EQ(queryString(key, ""), "/opt/tanlink.ocx");
    DWORD number = 0;
    DWORD size = 4;
    DWORD type = 0;
    EXPECT_EQ(
        RegQueryValueExA(key, "status", nullptr, &type, reinterpret_cast<BYTE*>(&number), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(number, 0x20591u);
    RegCloseKey(key);
    EXPECT_TRUE(storeFile().contains("[HKEY_CLASSES_ROOT\\CLSID\\{X}\\InprocServer32]"));
}

TEST(Registry, CallsAnswerWithWindowsCodes) {
    velox::test::ScopedPrefix prefix;
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, "A\\B", &key), ERROR_SUCCESS);
    ASSERT_EQ(setString(key, "Name", "Falcon"), ERROR_SUCCESS);

    HKEY other = nullptr;
    EXPECT_EQ(RegOpenKeyA(HKEY_CLASSES_ROOT, "A\\Missing", &other), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(other, nullptr);
    LONG rc = 0;
    queryString(key, "Nope", &rc);
    EXPECT_EQ(rc, ERROR_FILE_NOT_FOUND);

    // Sizes: asked, too small, enough.
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(key, "Name", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 7u);
    char small[3];
    size = sizeof small;
    EXPECT_EQ(
        RegQueryValueExA(key, "Name", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size),
        ERROR_MORE_DATA);
    EXPECT_EQ(size, 7u);

    const BYTE two[2] = {1, 2};
    EXPECT_EQ(RegSetValueExA(key, "Bad", 0, REG_DWORD, two, 2), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegDeleteValueA(key, "Nope"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteValueA(key, "name"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyA(HKEY_CLASSES_ROOT, "A"), ERROR_ACCESS_DENIED);

    // The default value of a subkey, the way class registration writes it.
    EXPECT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, "A\\C", REG_SZ, "text", 4), ERROR_SUCCESS);
    char text[16] = {};
    LONG textSize = sizeof text;
    EXPECT_EQ(RegQueryValueA(HKEY_CLASSES_ROOT, "A\\C", text, &textSize), ERROR_SUCCESS);
    EXPECT_STREQ(text, "text");
    textSize = sizeof text;
    EXPECT_EQ(RegQueryValueA(HKEY_CLASSES_ROOT, "A\\B", text, &textSize), ERROR_SUCCESS);
    EXPECT_STREQ(text, "");

    // Subkeys enumerate in name order.
    HKEY a = nullptr;
    ASSERT_EQ(RegOpenKeyA(HKEY_CLASSES_ROOT, "A", &a), ERROR_SUCCESS);
    char name[8];
    DWORD nameSize = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(a, 1, name, &nameSize, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_STREQ(name, "C");
    nameSize = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(a, 2, name, &nameSize, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);

    // Deleting the tree leaves handles below it pointing at nothing.
    EXPECT_EQ(RegDeleteTreeA(HKEY_CLASSES_ROOT, "A"), ERROR_SUCCESS);
    EXPECT_EQ(setString(key, "Name", "x"), ERROR_KEY_DELETED);
    EXPECT_EQ(RegDeleteTreeA(HKEY_CLASSES_ROOT, "A"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(a), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(a), ERROR_INVALID_HANDLE);
    EXPECT_EQ(setString(a, "x", "y"), ERROR_INVALID_HANDLE);
}

TEST(Registry, ACorruptOrTruncatedFileIsReportedAndNeverOverwritten) {
    velox::test::ScopedPrefix prefix;
    HKEY key = nullptr;
    for (int i = 0; i < 20; ++i) {
        const std::string path = "CLSID\\{K" + std::to_string(i) + "}";
        ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, path.c_str(), &key), ERROR_SUCCESS);
        ASSERT_EQ(setString(key, nullptr, "a class with a long enough name"), ERROR_SUCCESS);
        RegCloseKey(key);
    }
    const QByteArray whole = storeFile();
    const QByteArray damaged[] = {whole.left(whole.size() / 2), whole.left(whole.size() - 10),
                                  QByteArray(), "garbage\r\n" + whole};
    for (const QByteArray& text : damaged) {
        velox::test::writeFile(prefix.path(), "registry.reg", text);
        EXPECT_EQ(RegOpenKeyA(HKEY_CLASSES_ROOT, "CLSID", &key), ERROR_BADDB);
        EXPECT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, "CLSID\\{New}", &key), ERROR_BADDB);
        EXPECT_EQ(RegDeleteTreeA(HKEY_CLASSES_ROOT, "CLSID"), ERROR_BADDB);
        EXPECT_EQ(storeFile(), text) << "the damaged file is left as it was";
        EXPECT_TRUE(RegistryStore::instance().lastError().contains("registry.reg"));
        EXPECT_TRUE(RegistryStore::instance().lastError().contains("line"));
    }
    // Repaired, the store works again.
    velox::test::writeFile(prefix.path(), "registry.reg", whole);
    ASSERT_EQ(RegOpenKeyA(HKEY_CLASSES_ROOT, "CLSID\\{K19}", &key), ERROR_SUCCESS);
    RegCloseKey(key);
}

// Run as a child process by the test below: writes its own keys.
TEST(RegistryChild, WritesItsKeys) {
    const QByteArray id = qgetenv("VELOX_REGISTRY_CHILD");
    if (id.isEmpty()) {
        GTEST_SKIP() << "only run as a child of ConcurrentRegistrationsBothLand";
    }
    // The test main gave this process a prefix of its own: use the parent's.
    qputenv("VELOX_PREFIX", qgetenv("VELOX_REGISTRY_CHILD_PREFIX"));
    for (int i = 0; i < 40; ++i) {
        const std::string path = "Child" + id.toStdString() + "\\Key" + std::to_string(i);
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, path.c_str(), &key), ERROR_SUCCESS);
        ASSERT_EQ(setString(key, "Value", path.c_str()), ERROR_SUCCESS);
        RegCloseKey(key);
    }
}

TEST(Registry, ConcurrentRegistrationsBothLand) {
    velox::test::ScopedPrefix prefix;
    std::vector<std::unique_ptr<QProcess>> children;
    for (int child = 0; child < 3; ++child) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VELOX_REGISTRY_CHILD", QString::number(child));
        env.insert("VELOX_REGISTRY_CHILD_PREFIX", prefix.path());
        process->setProcessEnvironment(env);
        process->start(QCoreApplication::applicationFilePath(),
                       {"--gtest_filter=RegistryChild.WritesItsKeys"});
        children.push_back(std::move(process));
    }
    for (auto& process : children) {
        ASSERT_TRUE(process->waitForFinished(120000));
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardOutput().toStdString();
    }
    for (int child = 0; child < 3; ++child) {
        for (int i = 0; i < 40; ++i) {
            const std::string path = "Child" + std::to_string(child) + "\\Key" + std::to_string(i);
            HKEY key = nullptr;
            ASSERT_EQ(RegOpenKeyA(HKEY_CLASSES_ROOT, path.c_str(), &key), ERROR_SUCCESS) << path;
            EXPECT_EQ(queryString(key, "Value"), path);
            RegCloseKey(key);
        }
    }
}
