// The library against a host of the test's own that records what the library asks of it: the
// order of registration, the method tables old hosts get, and services the host lacks.
#include "PluginTestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <dlfcn.h>
#include <filesystem>
#include <map>
#include <set>

namespace {

struct Recorder {
    std::set<std::string> missing;  // services this host lacks
    double version = 5.9;
    std::vector<std::string> events;
    std::map<std::string, int> lookups;
    std::map<std::string, std::vector<std::string>> classMethods;  // as the host reads them
    std::map<std::string, std::vector<uint32_t>> methodFlags;
    std::map<std::string, intptr_t> classFlags;
    std::map<std::string, PluginFunction> methods;

    bool oldHost() const { return missing.count("REALGetRBVersion") || version < kPluginNewRecordsVersion; }
};

Recorder* recorder = nullptr;

// A class record read as a host of the recorder's version reads it.
void readClass(const char* kind, PluginClassRecord* record) {
    const std::string name = record->name;
    recorder->events.push_back(std::string(kind) + " " + name);
    recorder->classFlags[name] = record->classFlags;
    for (intptr_t i = 0; i < record->methodCount; ++i) {
        if (recorder->oldHost()) {
            recorder->classMethods[name].push_back(
                reinterpret_cast<PluginOldMethodRecord*>(record->methods)[i].declaration);
        } else {
            recorder->classMethods[name].push_back(record->methods[i].declaration);
            recorder->methodFlags[name].push_back(record->methods[i].flags);
        }
    }
}

void registerVersion(int32_t version) { recorder->events.push_back("version " + std::to_string(version)); }
void enterMovies() { recorder->events.push_back("movies"); }
void registerClass(PluginClassRecord* record) { readClass("class", record); }
void registerExtension(PluginClassRecord* record) { readClass("extension", record); }
void registerMethod(PluginMethodRecord* record) {
    recorder->events.push_back(std::string("method ") + record->declaration);
    recorder->methods[record->declaration] = record->function;
}
double hostVersion() { return recorder->version; }

PluginFunction recordingLookup(const char* name) {
    recorder->lookups[name]++;
    if (recorder->missing.count(name)) return nullptr;
    const std::map<std::string, PluginFunction> services = {
        {"RegisterPluginVersion", pluginFunction(&registerVersion)},
        {"REALenterMovies", pluginFunction(&enterMovies)},
        {"PluginRegisterClass", pluginFunction(&registerClass)},
        {"PluginRegisterClassExtension", pluginFunction(&registerExtension)},
        {"PluginRegisterMethod", pluginFunction(&registerMethod)},
        {"REALGetRBVersion", pluginFunction(&hostVersion)},
    };
    const auto found = services.find(name);
    return found == services.end() ? nullptr : found->second;
}

// A copy of the library of its own, so that this host's registrations leave the program's host
// untouched.
PluginMainFunction* libraryCopy() {
    static PluginMainFunction* entry = [] {
        QTemporaryDir folder;
        const auto original = std::filesystem::read_symlink("/proc/self/exe").parent_path() /
                              PluginHost::libraryFileName().toStdString();
        const QString copy = folder.filePath("libQRX-Plugins-recorded.so");
        if (!QFile::copy(QString::fromStdString(original.string()), copy)) return static_cast<PluginMainFunction*>(nullptr);
        void* library = dlopen(QFile::encodeName(copy).constData(), RTLD_NOW | RTLD_LOCAL);
        return library ? reinterpret_cast<PluginMainFunction*>(dlsym(library, kPluginMainName)) : nullptr;
    }();
    return entry;
}

class RecordingHost : public ::testing::Test {
protected:
    void SetUp() override {
        recorder = &record;
        ASSERT_NE(libraryCopy(), nullptr);
    }
    void TearDown() override { recorder = nullptr; }
    void load() { libraryCopy()(&recordingLookup); }

    Recorder record;
};

// Built on first use: it takes in declarations that another file's static initialisers make.
const std::map<std::string, std::vector<std::string>>& expectedClassMethods() {
    static const std::map<std::string, std::vector<std::string>> methods = {
        {"StdoutQRX", {"Write(data as string)"}},
        {"StdinQRX", {"Read(count as integer) as string"}},
        {"StyleDataListQRX", {"Style(index as integer) as StyleDataQRX"}},
        {"KeyCodesQRX",
         {"Update", "AsciiToKeyCode(ascii as integer) as integer", "KeyCodeToAscii(keycode as integer) as integer",
          "KeyCodeToAsciiWithSecondKeyCode(keycode as integer) as integer", "TestForKeyDown(keycode as integer) as boolean",
          "TestForAsciiKeyDown(ascii as integer) as boolean"}},
        {"folderitem", kFolderItemDeclarations},
        {"object", kObjectDeclarations},
    };
    return methods;
}

}  // namespace

TEST_F(RecordingHost, RegistersClassesThenGlobalMethodsInOrder) {
    load();
    std::vector<std::string> expected = {"version 9", "movies"};
    for (const char* name : {"StdoutQRX", "StdinQRX", "StyleDataQRX", "StyleDataListQRX", "TimeZoneQRX", "KeyCodesQRX"})
        expected.push_back(std::string("class ") + name);
    expected.insert(expected.end(), {"extension folderitem", "extension object", "class StringMemoryBlockQRX"});
    for (const std::string& declaration : kGlobalDeclarations) expected.push_back("method " + declaration);
    EXPECT_EQ(record.events, expected);

    EXPECT_EQ(record.classMethods, expectedClassMethods());
    EXPECT_EQ(record.methodFlags["folderitem"], std::vector<uint32_t>(10, 4));
    EXPECT_EQ(record.methodFlags["object"], std::vector<uint32_t>(2, 0));
    EXPECT_EQ(record.classFlags["folderitem"], 4);
    EXPECT_EQ(record.classFlags["KeyCodesQRX"], 0);
}

TEST_F(RecordingHost, OldHostsGetMethodTablesInTheOldShape) {
    const struct Case {
        const char* name;
        bool offersVersion;
        double version;
    } cases[] = {
        {"no version service", false, 0.0},
        {"5.8", true, 5.8},
        {"5.9", true, 5.9},
        {"6.0", true, 6.0},
        {"not a number", true, std::nan("")},
        {"5.8 again after newer hosts", true, 5.8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        record = Recorder();
        if (!c.offersVersion) record.missing.insert("REALGetRBVersion");
        record.version = c.version;
        load();
        // The recorder reads the tables in the shape its version expects: the declarations come
        // out right only when the library converted exactly when it should.
        EXPECT_EQ(record.classMethods, expectedClassMethods());
        EXPECT_EQ(record.methods.size(), 43u);
    }
}

TEST_F(RecordingHost, PresentServicesAreLookedUpOnce) {
    load();
    EXPECT_EQ(record.lookups["RegisterPluginVersion"], 1);
    EXPECT_EQ(record.lookups["PluginRegisterClass"], 1);
    EXPECT_EQ(record.lookups["PluginRegisterMethod"], 1);
    EXPECT_EQ(record.lookups["REALGetRBVersion"], 1);
}

TEST_F(RecordingHost, MissingServicesAreLookedUpAgainAndNeverCalled) {
    load();
    using MakesString = REALstring (*)(PluginInteger);
    const auto stringFromOSType = reinterpret_cast<MakesString>(record.methods["StringFromOSTypeQRX(int as integer) as string"]);
    const int before = record.lookups["REALBuildString"];
    EXPECT_EQ(stringFromOSType(0x4B434852), nullptr);
    EXPECT_EQ(stringFromOSType(0x4B434852), nullptr);
    EXPECT_EQ(record.lookups["REALBuildString"], before + 2);

    char text[] = "data";
    PluginStringRecord string{1, text, 4, kEncodingASCII};
    using TakesString = REALobject (*)(REALstring);
    EXPECT_EQ(reinterpret_cast<TakesString>(record.methods["NewStringMemoryBlockQRX(data as string) as StringMemoryBlockQRX"])(&string), nullptr);
    EXPECT_EQ(reinterpret_cast<TakesString>(record.methods["StringToMemoryBlockQRX(s as string) as memoryblock"])(&string), nullptr);
    EXPECT_EQ(reinterpret_cast<REALstring (*)()>(record.methods["SystemFontQRX as string"])(), nullptr);
    EXPECT_EQ(string.referenceCount, 1);
    // Without the conversion service the library works on the text as it is.
    EXPECT_EQ(reinterpret_cast<PluginInteger (*)(REALstring)>(record.methods["OSTypeFromStringQRX(str as string) as integer"])(&string),
              0x64617461);
}

TEST_F(RecordingHost, WithoutRegisterPluginVersionNothingIsRegistered) {
    record.missing.insert("RegisterPluginVersion");
    load();
    EXPECT_TRUE(record.events.empty());
    EXPECT_TRUE(record.methods.empty());
}
