#include "PluginTestSupport.h"

#include <cstring>

const std::vector<std::string> kGlobalDeclarations = {
    "DecompileMacStyleDataQRX(text as string, styles as string) as StyleDataListQRX",
    "DecompileWinStyleDataQRX(text as string, styles as string) as StyleDataListQRX",
    "GetHash32QRX(s as string) as integer",
    "NewInstanceQRX(ClassName as string) as object",
    "GetEncodingOfStringQRX(s as string) as integer",
    "SetEncodingOfStringQRX(s as string, encoding as integer)",
    "StringFromOSTypeQRX(int as integer) as string",
    "OSTypeFromStringQRX(str as string) as integer",
    "StringToMemoryBlockQRX(s as string) as memoryblock",
    "StringToMemoryBlockByReferenceQRX(s as string) as memoryblock",
    "MemoryBlockToStringQRX(s as memoryblock) as string",
    "MemoryBlockToStringWithLengthQRX(s as memoryblock,len as integer) as string",
    "CloneStringQRX(s as string) as string",
    "CloneMemoryBlockQRX(s as memoryblock) as memoryblock",
    "CloneMemoryBlockWithLengthQRX(s as memoryblock,len as integer) as memoryblock",
    "ReturnErrPtrQRX as Integer",
    "ReturnOutPtrQRX as Integer",
    "ReturnInPtrQRX as Integer",
    "BitwiseXORStringBytesQRX(s as string, v as integer) as string",
    "DelayQRX(time as double)",
    "DelayQRX(time as double, mode as integer)",
    "SetSoundVolumeQRX(percent as double)",
    "GetSoundVolumeQRX as double",
    "SetSoundVolumeLeftQRX(percent as double)",
    "GetSoundVolumeLeftQRX as double",
    "SetSoundVolumeRightQRX(percent as double)",
    "GetSoundVolumeRightQRX as double",
    "SetSoundMuteQRX(mute as boolean)",
    "GetSoundMuteQRX as boolean",
    "ShowCursorQRX",
    "HideCursorQRX",
    "ObscureCursorQRX",
    "FlashMenuBarQRX",
    "SystemFontQRX as string",
    "GetDoubleClickIntervalQRX as integer",
    "NewFolderItemFSSpecQRX(fsspec as memoryblock) as FolderItem",
    "NewFolderItemFSRefQRX(fsref as memoryblock) as FolderItem",
    "NewFolderItemFSRefNameQRX(fsref as memoryblock,name as string) as FolderItem",
    "GetObjectMemoryAddressQRX(o as object) as integer",
    "GetStringMemoryAddressQRX(s as string) as integer",
    "GetObjectLockCountQRX(o as object) as integer",
    "GetStringLockCountQRX(s as string) as integer",
    "NewStringMemoryBlockQRX(data as string) as StringMemoryBlockQRX",
};

const std::vector<std::string> kClassNames = {
    "StdoutQRX", "StdinQRX", "StyleDataQRX", "StyleDataListQRX", "TimeZoneQRX", "KeyCodesQRX", "StringMemoryBlockQRX",
};

const std::vector<std::string> kFolderItemDeclarations = {
    "VolumeSizeKBQRX as integer",
    "VolumeSizeQRX as double",
    "VolumeFreeSizeKBQRX as integer",
    "VolumeFreeSizeQRX as double",
    "FSSpecQRX as memoryblock",
    "FSRefQRX as memoryblock",
    "FSRefNameQRX(ByRef name as string) as memoryblock",
    "FlushVolumeQRX as integer",
    "IsFileDataForkOpenReadWriteQRX as boolean",
    "IsFileResourceForkOpenReadWriteQRX as boolean",
};

const std::vector<std::string> kObjectDeclarations = {"ReferenceCountQRX as Integer", "MemoryAddressQRX as Integer"};

void PluginTest::SetUp() {
    ASSERT_TRUE(loadPluginLibrary(host)) << host.errorString().toStdString();
    strings = PluginHost::liveStrings();
    objects = PluginHost::liveObjects();
}

void PluginTest::TearDown() {
    EXPECT_EQ(PluginHost::liveStrings(), strings) << "host strings left alive";
    EXPECT_EQ(PluginHost::liveObjects(), objects) << "host objects left alive";
}

ObjectRef blockOf(const QByteArray& bytes) {
    const auto newBlock = reinterpret_cast<PluginService::newMemoryBlock>(PluginHost::lookupService("newMemoryBlock"));
    ObjectRef block(newBlock(bytes.size()));
    std::memcpy(reinterpret_cast<PluginMemoryBlockRecord*>(block.get())->data, bytes.constData(),
                static_cast<std::size_t>(bytes.size()));
    return block;
}

QByteArray blockBytes(REALobject block) {
    if (!block) return {};
    const auto* record = reinterpret_cast<const PluginMemoryBlockRecord*>(block);
    return QByteArray(static_cast<const char*>(record->data), record->size);
}
