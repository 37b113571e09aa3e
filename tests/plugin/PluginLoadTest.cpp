// The library loads through the host as the program loads it, and every member it registers is
// found by its exact declaration.
#include "PluginTestSupport.h"

#include <dlfcn.h>
#include <filesystem>

TEST_F(PluginTest, RegistersEveryGlobalMethodInOrder) {
    for (const std::string& declaration : kGlobalDeclarations) {
        SCOPED_TRACE(declaration);
        EXPECT_NE(host.lookupMethod(QByteArray::fromStdString(declaration)), nullptr);
    }
    QList<QByteArray> expected;
    for (const std::string& declaration : kGlobalDeclarations) expected.append(QByteArray::fromStdString(declaration));
    EXPECT_EQ(host.methodDeclarations(), expected);
}

TEST_F(PluginTest, DeclarationsMatchExactly) {
    const char* const near[] = {
        "SystemFontQRX as String",  // letter case
        "SystemFontQRX",            // no result type
        "SystemFontQRX as string ", // trailing space
        "DelayQRX(time as double,mode as integer)",
    };
    for (const char* declaration : near) {
        SCOPED_TRACE(declaration);
        EXPECT_EQ(host.lookupMethod(declaration), nullptr);
    }
}

TEST_F(PluginTest, RegistersClassesAndExtensions) {
    QList<QByteArray> expected;
    for (const std::string& name : kClassNames) expected.append(QByteArray::fromStdString(name));
    EXPECT_EQ(host.pluginClassNames(), expected);
    EXPECT_FALSE(host.hasClass("StyleListQRX"));
    EXPECT_TRUE(host.hasClass("styledataqrx"));  // class names ignore letter case

    const struct {
        const char* hostClass;
        const std::vector<std::string>& declarations;
    } extensions[] = {{"folderitem", kFolderItemDeclarations}, {"object", kObjectDeclarations}};
    for (const auto& extension : extensions) {
        SCOPED_TRACE(extension.hostClass);
        QList<QByteArray> declarations;
        for (const std::string& d : extension.declarations) declarations.append(QByteArray::fromStdString(d));
        EXPECT_EQ(host.extensionDeclarations(extension.hostClass), declarations);
    }

    const struct {
        const char* className;
        const char* declaration;
    } classMethods[] = {
        {"StdoutQRX", "Write(data as string)"},
        {"StdinQRX", "Read(count as integer) as string"},
        {"StyleDataListQRX", "Style(index as integer) as StyleDataQRX"},
        {"KeyCodesQRX", "Update"},
        {"KeyCodesQRX", "AsciiToKeyCode(ascii as integer) as integer"},
        {"KeyCodesQRX", "KeyCodeToAscii(keycode as integer) as integer"},
        {"KeyCodesQRX", "KeyCodeToAsciiWithSecondKeyCode(keycode as integer) as integer"},
        {"KeyCodesQRX", "TestForKeyDown(keycode as integer) as boolean"},
        {"KeyCodesQRX", "TestForAsciiKeyDown(ascii as integer) as boolean"},
        // Methods added to "object" reach every object, those of "folderitem" its instances.
        {"StyleDataQRX", "ReferenceCountQRX as Integer"},
        {"MemoryBlock", "MemoryAddressQRX as Integer"},
        {"FolderItem", "FSRefQRX as memoryblock"},
    };
    for (const auto& method : classMethods) {
        SCOPED_TRACE(method.declaration);
        EXPECT_NE(host.lookupClassMethod(method.className, method.declaration), nullptr);
    }
    EXPECT_EQ(host.lookupClassMethod("MemoryBlock", "FSRefQRX as memoryblock"), nullptr);
}

TEST_F(PluginTest, ExportsOnlyItsEntryPoint) {
    const auto folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const auto path = folder / PluginHost::libraryFileName().toStdString();
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(library, nullptr) << "the host has loaded the library from the program's folder";
    EXPECT_NE(dlsym(library, "REALPluginMain"), nullptr);
    EXPECT_EQ(dlsym(library, "_Z13SystemFontQRXv"), nullptr);
    EXPECT_EQ(dlsym(library, "_Z12GetHash32QRXP18PluginStringRecord"), nullptr);
    dlclose(library);
}

TEST_F(PluginTest, SystemFontThroughTheRegistryIsNamed) {
    const StringRef name(global<REALstring (*)()>("SystemFontQRX as string")());
    ASSERT_FALSE(name.isNil());
    EXPECT_EQ(name.referenceCount(), 1);
    EXPECT_EQ(name.encoding(), kEncodingUTF8);
    EXPECT_EQ(host.systemFontName(), name.text());
}

TEST(PluginHostLoad, MissingLibraryIsReported) {
    PluginHost& host = PluginHost::instance();
    EXPECT_FALSE(host.load("/nonexistent/libQRX-Plugins.so"));
    EXPECT_FALSE(host.errorString().isEmpty());
}
