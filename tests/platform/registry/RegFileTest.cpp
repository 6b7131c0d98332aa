#include "platform/registry/RegFile.h"

#include "platform/registry/Registry.h"

#include <gtest/gtest.h>

using namespace velox::registry;

namespace {

RegistryValue sz(const QByteArray& text) {
    return RegistryValue{REG_SZ, text};
}

} // namespace

TEST(RegFile, RoundTripsEveryKindOfValue) {
    RegistryKey root;
    RegistryKey& clsid = root.create("CLSID\\{3C476933-F450-11CF-885E-0020AFC04E78}");
    clsid.setValue("", sz("Tandem Engine Control"));
    clsid.create("Control");
    clsid.create("InprocServer32").setValue("ThreadingModel", sz("Apartment"));
    clsid.setValue("Quoted", sz("say \"hi\" C:\\Path\\"));
    clsid.setValue("Lines", sz("one\r\ntwo"));
    clsid.setValue("Ansi", sz("Gr\xfc\xdf"
                              "e \x80"));
    clsid.setValue("Flags", RegistryValue{REG_DWORD, QByteArray("\x91\x05\x02\x00", 4)});
    clsid.setValue("Blob", RegistryValue{REG_BINARY, QByteArray(100, '\x7f')});
    clsid.setValue("Multi", RegistryValue{REG_MULTI_SZ, QByteArray("a\0b\0\0", 5)});
    clsid.setValue("Empty", sz(""));
    root.setValue("", sz("root default"));

    const QByteArray text = writeRegFile(root);
    EXPECT_TRUE(text.startsWith("REGEDIT4\r\n"));
    EXPECT_TRUE(text.contains("\"Flags\"=dword:00020591\r\n"));
    EXPECT_TRUE(text.contains("\"ThreadingModel\"=\"Apartment\"\r\n"));
    EXPECT_TRUE(text.contains("\"Quoted\"=\"say \\\"hi\\\" C:\\\\Path\\\\\"\r\n"));
    QString error;
    const auto back = parseRegFile(text, &error);
    ASSERT_TRUE(back.has_value()) << error.toStdString();
    EXPECT_TRUE(*back == root);
}

TEST(RegFile, NamesMatchWithoutRegardToCaseAndKeepTheirCase) {
    RegistryKey root;
    root.create("Interface\\{ABC}").setValue("ProxyStubClsid32", sz("x"));
    ASSERT_NE(root.find("INTERFACE\\{abc}"), nullptr);
    EXPECT_NE(root.find("interface\\{ABC}")->value("proxystubclsid32"), nullptr);
    EXPECT_EQ(root.children().begin()->first, "Interface");
}

TEST(RegFile, RefusesDamagedText) {
    struct Row {
        const char* what;
        QByteArray text;
        const char* mentions;
    };
    const QByteArray end = "\r\n; end of registry\r\n";
    const Row rows[] = {
        {"empty", "", "empty"},
        {"no header", "[HKEY_CLASSES_ROOT\\A]" + end, "REGEDIT4"},
        {"no closing line", "REGEDIT4\r\n\r\n[HKEY_CLASSES_ROOT\\A]\r\n@=\"x\"\r\n", "truncated"},
        {"cut inside a string", "REGEDIT4\r\n[HKEY_CLASSES_ROOT\\A]\r\n@=\"abc" + end, "line 3"},
        {"cut inside a hex list", "REGEDIT4\r\n[HKEY_CLASSES_ROOT\\A]\r\n\"b\"=hex:01,\\\r\n",
         "past the end"},
        {"other root", "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\A]" + end, "outside"},
        {"value before key", "REGEDIT4\r\n@=\"x\"" + end, "before the first key"},
        {"bad dword", "REGEDIT4\r\n[HKEY_CLASSES_ROOT\\A]\r\n\"d\"=dword:xyz" + end, "dword"},
        {"bad hex", "REGEDIT4\r\n[HKEY_CLASSES_ROOT\\A]\r\n\"d\"=hex:1,2zz" + end, "hex"},
        {"text after the end", "REGEDIT4\r\n" + end + "[HKEY_CLASSES_ROOT\\B]\r\n", "after"},
        {"binary junk", QByteArray("\x00\x01\x02garbage", 10), "REGEDIT4"},
    };
    for (const Row& row : rows) {
        QString error;
        EXPECT_FALSE(parseRegFile(row.text, &error).has_value()) << row.what;
        EXPECT_TRUE(error.contains(QString::fromLatin1(row.mentions)))
            << row.what << ": " << error.toStdString();
    }
}
