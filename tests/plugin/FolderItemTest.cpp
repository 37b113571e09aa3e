// Folder items and volumes: the methods over a fake file system, the FSSpec and FSRef round
// trips through the host, and the Linux file system on a temporary folder.
#include "PluginTestSupport.h"
#include "plugin/Backends.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <climits>
#include <sys/statvfs.h>

namespace {

struct FakeFileSystem : FileSystemBackend {
    std::optional<VolumeSpace> space;
    int flushResult = 0;
    bool writing = false;
    std::vector<std::string> paths;  // every path asked about

    std::optional<VolumeSpace> volumeSpace(const std::string& path) override {
        paths.push_back(path);
        return space;
    }
    int flushVolume(const std::string& path) override {
        paths.push_back(path);
        return flushResult;
    }
    bool openForWriting(const std::string& path) override {
        paths.push_back(path);
        return writing;
    }
};

class FolderItems : public PluginTest {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        filePath = folder.filePath("data.txt");
        QFile file(filePath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("data");
    }

    template <typename Result>
    Result itemMethod(const char* declaration, REALobject item) {
        return classMethod<Result (*)(REALobject)>("FolderItem", declaration)(item);
    }
    ObjectRef block(const char* declaration, REALobject item) { return ObjectRef(itemMethod<REALobject>(declaration, item)); }
    QString pathOf(const ObjectRef& item) { return host.folderItemPath(item.get()); }

    QTemporaryDir folder;
    QString filePath;
};

}  // namespace

TEST_F(FolderItems, VolumeMethodsOverTheFileSystem) {
    FakeFileSystem fake;
    ScopedBackend<FileSystemBackend> use(fake);
    const ObjectRef item = host.newFolderItem(filePath);
    const struct Case {
        const char* name;
        std::optional<VolumeSpace> space;
        PluginInteger totalKB;
        double total;
        PluginInteger freeKB;
        double free;
    } cases[] = {
        {"ordinary", VolumeSpace{10ull << 30, 3ull << 30}, 10 << 20, double(10ull << 30), 3 << 20, double(3ull << 30)},
        {"2 TiB", VolumeSpace{1ull << 41, (1ull << 41) - 1024}, INT32_MAX, double(1ull << 41), INT32_MAX,
         double((1ull << 41) - 1024)},
        {"just below 2 TiB", VolumeSpace{(1ull << 41) - 1024, 0}, INT32_MAX, double((1ull << 41) - 1024), 0, 0.0},
        {"no volume", std::nullopt, -1, -1.0, -1, -1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake.space = c.space;
        EXPECT_EQ(itemMethod<PluginInteger>("VolumeSizeKBQRX as integer", item.get()), c.totalKB);
        EXPECT_EQ(itemMethod<double>("VolumeSizeQRX as double", item.get()), c.total);
        EXPECT_EQ(itemMethod<PluginInteger>("VolumeFreeSizeKBQRX as integer", item.get()), c.freeKB);
        EXPECT_EQ(itemMethod<double>("VolumeFreeSizeQRX as double", item.get()), c.free);
    }
    EXPECT_EQ(fake.paths.back(), QFile::encodeName(QDir::cleanPath(filePath)).toStdString());

    fake.flushResult = -5;
    EXPECT_EQ(itemMethod<PluginInteger>("FlushVolumeQRX as integer", item.get()), -5);
    fake.writing = true;
    EXPECT_TRUE(itemMethod<bool>("IsFileDataForkOpenReadWriteQRX as boolean", item.get()));
    EXPECT_FALSE(itemMethod<bool>("IsFileResourceForkOpenReadWriteQRX as boolean", item.get()));
}

TEST_F(FolderItems, ItemsWithoutAnFSSpecFail) {
    FakeFileSystem fake;
    fake.space = VolumeSpace{1 << 20, 1 << 10};
    fake.writing = true;
    ScopedBackend<FileSystemBackend> use(fake);
    const ObjectRef items[] = {
        host.newFolderItem(folder.filePath(QString(64, 'n'))),  // a name too long for an FSSpec
        host.newFolderItem(folder.filePath("missing/child")),  // a folder that is not there
        ObjectRef(),
    };
    for (const ObjectRef& item : items) {
        SCOPED_TRACE(pathOf(item).toStdString());
        EXPECT_EQ(itemMethod<PluginInteger>("VolumeSizeKBQRX as integer", item.get()), -1);
        EXPECT_EQ(itemMethod<double>("VolumeFreeSizeQRX as double", item.get()), -1.0);
        EXPECT_EQ(itemMethod<PluginInteger>("FlushVolumeQRX as integer", item.get()), -1);
        EXPECT_FALSE(itemMethod<bool>("IsFileDataForkOpenReadWriteQRX as boolean", item.get()));
        EXPECT_TRUE(block("FSSpecQRX as memoryblock", item.get()).isNil());
    }
    EXPECT_TRUE(fake.paths.empty());
    // A name of 63 bytes still fits.
    const ObjectRef longest = host.newFolderItem(folder.filePath(QString(63, 'n')));
    EXPECT_EQ(blockBytes(block("FSSpecQRX as memoryblock", longest.get()).get()).size(), 70);
}

TEST_F(FolderItems, FSSpecAndFSRefRoundTrips) {
    const auto fromSpec = global<REALobject (*)(REALobject)>("NewFolderItemFSSpecQRX(fsspec as memoryblock) as FolderItem");
    const auto fromRef = global<REALobject (*)(REALobject)>("NewFolderItemFSRefQRX(fsref as memoryblock) as FolderItem");
    const QString cleanFile = QDir::cleanPath(filePath);
    const QString cleanFolder = QDir::cleanPath(folder.path());
    const struct {
        QString path;
        bool hasRef;  // FSRefs stand only for items that exist
    } items[] = {
        {cleanFile, true},
        {cleanFolder, true},
        {"/", true},
        {QDir(cleanFolder).filePath("not yet there"), false},
    };
    for (const auto& c : items) {
        SCOPED_TRACE(c.path.toStdString());
        const ObjectRef item = host.newFolderItem(c.path);
        const ObjectRef spec = block("FSSpecQRX as memoryblock", item.get());
        ASSERT_EQ(blockBytes(spec.get()).size(), 70);
        EXPECT_EQ(spec.referenceCount(), 1);
        EXPECT_EQ(pathOf(ObjectRef(fromSpec(spec.get()))), c.path);

        const ObjectRef ref = block("FSRefQRX as memoryblock", item.get());
        ASSERT_EQ(ref.isNil(), !c.hasRef);
        if (!c.hasRef) continue;
        EXPECT_EQ(blockBytes(ref.get()).size(), 80);
        EXPECT_EQ(pathOf(ObjectRef(fromRef(ref.get()))), c.path);
    }

    // Blocks too short for the record, and Nil, make nothing.
    const ObjectRef item = host.newFolderItem(filePath);
    const QByteArray specBytes = blockBytes(block("FSSpecQRX as memoryblock", item.get()).get());
    const QByteArray refBytes = blockBytes(block("FSRefQRX as memoryblock", item.get()).get());
    EXPECT_EQ(fromSpec(blockOf(specBytes.left(69)).get()), nullptr);
    EXPECT_EQ(fromRef(blockOf(refBytes.left(79)).get()), nullptr);
    EXPECT_EQ(fromSpec(nullptr), nullptr);
    EXPECT_EQ(fromRef(nullptr), nullptr);
    EXPECT_EQ(fromRef(blockOf(QByteArray(80, '\0')).get()), nullptr);  // no reference of the host's
}

TEST_F(FolderItems, FSRefNameGivesTheName) {
    const auto refName = classMethod<REALobject (*)(REALobject, REALstring*)>(
        "FolderItem", "FSRefNameQRX(ByRef name as string) as memoryblock");
    const QString unicodeName = QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC.txt");
    QFile(folder.filePath(unicodeName)).open(QIODevice::WriteOnly);
    const struct {
        QString path;
        bool hasRef;
        const char* name;  // null: Nil
    } cases[] = {
        {filePath, true, "data.txt"},
        {folder.filePath(unicodeName), true, "caf\xC3\xA9 \xE2\x82\xAC.txt"},
        {"/", true, nullptr},  // the root's name record is empty
        {folder.filePath("missing"), false, "untouched"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        StringRef name = StringRef::fromText("untouched");
        REALstring variable = name.release();
        const ObjectRef ref(refName(host.newFolderItem(c.path).get(), &variable));
        const StringRef result(variable);
        EXPECT_EQ(ref.isNil(), !c.hasRef);
        if (!c.name) {
            EXPECT_TRUE(result.isNil());
            continue;
        }
        EXPECT_EQ(result.text(), QString::fromUtf8(c.name));
        if (c.hasRef) {
            EXPECT_EQ(result.encoding(), kEncodingUTF16);
            EXPECT_EQ(result.referenceCount(), 1);
        }
    }
}

TEST_F(FolderItems, ItemByFolderAndName) {
    const auto byName = global<REALobject (*)(REALobject, REALstring)>(
        "NewFolderItemFSRefNameQRX(fsref as memoryblock,name as string) as FolderItem");
    const ObjectRef folderRef = block("FSRefQRX as memoryblock", host.newFolderItem(folder.path()).get());
    const QString cleanFolder = QDir::cleanPath(folder.path());
    const struct {
        const char* name;  // null: Nil
        uint32_t encoding;
        QString expected;  // empty: Nil
    } cases[] = {
        {"new file", kEncodingUTF8, cleanFolder + "/new file"},
        {"caf\x8E", kEncodingMacRoman, cleanFolder + QString::fromUtf8("/caf\xC3\xA9")},
        {nullptr, kEncodingUTF8, cleanFolder},  // Nil: the folder itself
        {"../escape", kEncodingUTF8, {}},
        {"..", kEncodingUTF8, {}},
        {"", kEncodingUTF8, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name ? c.name : "Nil");
        const StringRef name = c.name ? StringRef::fromBytes(c.name, c.encoding) : StringRef();
        const ObjectRef item(byName(folderRef.get(), name.get()));
        EXPECT_EQ(pathOf(item), c.expected);
    }
    EXPECT_EQ(byName(nullptr, StringRef::fromText("x").get()), nullptr);
    const StringRef tooLong = StringRef::fromText(QString(256, 'x'));
    EXPECT_EQ(byName(folderRef.get(), tooLong.get()), nullptr);
}

TEST_F(FolderItems, LinuxVolumes) {
    const ObjectRef item = host.newFolderItem(filePath);
    struct statvfs info {};
    ASSERT_EQ(statvfs(QFile::encodeName(filePath).constData(), &info), 0);
    const double total = double(info.f_blocks) * double(info.f_frsize);
    EXPECT_EQ(itemMethod<double>("VolumeSizeQRX as double", item.get()), total);
    EXPECT_GT(itemMethod<PluginInteger>("VolumeSizeKBQRX as integer", item.get()), 0);
    EXPECT_GE(itemMethod<double>("VolumeFreeSizeQRX as double", item.get()), 0.0);
    EXPECT_EQ(itemMethod<PluginInteger>("FlushVolumeQRX as integer", item.get()), 0);
    const ObjectRef missing = host.newFolderItem(folder.filePath("missing"));
    EXPECT_EQ(itemMethod<PluginInteger>("VolumeSizeKBQRX as integer", missing.get()), -1);
    EXPECT_LT(itemMethod<PluginInteger>("FlushVolumeQRX as integer", missing.get()), 0);
}

TEST_F(FolderItems, LinuxFilesOpenForWriting) {
    const ObjectRef item = host.newFolderItem(filePath);
    const auto openForWriting = [&] { return itemMethod<bool>("IsFileDataForkOpenReadWriteQRX as boolean", item.get()); };
    EXPECT_FALSE(openForWriting());
    {
        QFile reader(filePath);
        ASSERT_TRUE(reader.open(QIODevice::ReadOnly));
        EXPECT_FALSE(openForWriting());
    }
    {
        QFile writer(filePath);
        ASSERT_TRUE(writer.open(QIODevice::Append));
        EXPECT_TRUE(openForWriting());
    }
    EXPECT_FALSE(openForWriting());

    // Another process holds it open for writing until its input ends.
    QProcess holder;
    holder.start("sh", {"-c", "exec 3>>\"$0\"; echo ready; read line", filePath});
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    EXPECT_TRUE(openForWriting());
    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(10000));
    EXPECT_FALSE(openForWriting());

    QFile file(filePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("data"));  // the test left the file as it was
    EXPECT_FALSE(itemMethod<bool>("IsFileDataForkOpenReadWriteQRX as boolean",
                                  host.newFolderItem(folder.filePath("missing")).get()));
}
