// The library's entry point and the order in which it registers its classes and methods.
#include "plugin/HostServices.h"
#include "plugin/Methods.h"
#include "plugin/Records.h"

namespace {

PluginMethodRecord objectMethods[] = {
    Method(pluginFunction(&GetObjectLockCountQRX), "ReferenceCountQRX as Integer"),
    Method(pluginFunction(&GetObjectMemoryAddressQRX), "MemoryAddressQRX as Integer"),
};

PluginClassRecord ObjectExtension = ExtensionRecord("object", objectMethods, countOf(objectMethods));

PluginMethodRecord globalMethods[] = {
    Method(pluginFunction(&DecompileMacStyleDataQRX),
           "DecompileMacStyleDataQRX(text as string, styles as string) as StyleDataListQRX"),
    Method(pluginFunction(&DecompileWinStyleDataQRX),
           "DecompileWinStyleDataQRX(text as string, styles as string) as StyleDataListQRX"),
    Method(pluginFunction(&GetHash32QRX), "GetHash32QRX(s as string) as integer"),
    Method(pluginFunction(&NewInstanceQRX), "NewInstanceQRX(ClassName as string) as object"),
    Method(pluginFunction(&GetEncodingOfStringQRX), "GetEncodingOfStringQRX(s as string) as integer"),
    Method(pluginFunction(&SetEncodingOfStringQRX), "SetEncodingOfStringQRX(s as string, encoding as integer)"),
    Method(pluginFunction(&StringFromOSTypeQRX), "StringFromOSTypeQRX(int as integer) as string"),
    Method(pluginFunction(&OSTypeFromStringQRX), "OSTypeFromStringQRX(str as string) as integer"),
    Method(pluginFunction(&StringToMemoryBlockQRX), "StringToMemoryBlockQRX(s as string) as memoryblock"),
    Method(pluginFunction(&StringToMemoryBlockByReferenceQRX),
           "StringToMemoryBlockByReferenceQRX(s as string) as memoryblock"),
    Method(pluginFunction(&MemoryBlockToStringQRX), "MemoryBlockToStringQRX(s as memoryblock) as string"),
    Method(pluginFunction(&MemoryBlockToStringWithLengthQRX),
           "MemoryBlockToStringWithLengthQRX(s as memoryblock,len as integer) as string"),
    Method(pluginFunction(&CloneStringQRX), "CloneStringQRX(s as string) as string"),
    Method(pluginFunction(&CloneMemoryBlockQRX), "CloneMemoryBlockQRX(s as memoryblock) as memoryblock"),
    Method(pluginFunction(&CloneMemoryBlockWithLengthQRX),
           "CloneMemoryBlockWithLengthQRX(s as memoryblock,len as integer) as memoryblock"),
    Method(pluginFunction(&ReturnErrPtrQRX), "ReturnErrPtrQRX as Integer"),
    Method(pluginFunction(&ReturnOutPtrQRX), "ReturnOutPtrQRX as Integer"),
    Method(pluginFunction(&ReturnInPtrQRX), "ReturnInPtrQRX as Integer"),
    Method(pluginFunction(&BitwiseXORStringBytesQRX), "BitwiseXORStringBytesQRX(s as string, v as integer) as string"),
    Method(pluginFunction(&DelayQRX), "DelayQRX(time as double)"),
    Method(pluginFunction(&DelayWithModeQRX), "DelayQRX(time as double, mode as integer)"),
    Method(pluginFunction(&SetSoundVolumeQRX), "SetSoundVolumeQRX(percent as double)"),
    Method(pluginFunction(&GetSoundVolumeQRX), "GetSoundVolumeQRX as double"),
    Method(pluginFunction(&SetSoundVolumeLeftQRX), "SetSoundVolumeLeftQRX(percent as double)"),
    Method(pluginFunction(&GetSoundVolumeLeftQRX), "GetSoundVolumeLeftQRX as double"),
    Method(pluginFunction(&SetSoundVolumeRightQRX), "SetSoundVolumeRightQRX(percent as double)"),
    Method(pluginFunction(&GetSoundVolumeRightQRX), "GetSoundVolumeRightQRX as double"),
    Method(pluginFunction(&SetSoundMuteQRX), "SetSoundMuteQRX(mute as boolean)"),
    Method(pluginFunction(&GetSoundMuteQRX), "GetSoundMuteQRX as boolean"),
    Method(pluginFunction(&ShowCursorQRX), "ShowCursorQRX"),
    Method(pluginFunction(&HideCursorQRX), "HideCursorQRX"),
    Method(pluginFunction(&ObscureCursorQRX), "ObscureCursorQRX"),
    Method(pluginFunction(&FlashMenuBarQRX), "FlashMenuBarQRX"),
    Method(pluginFunction(&SystemFontQRX), "SystemFontQRX as string"),
    Method(pluginFunction(&GetDoubleClickIntervalQRX), "GetDoubleClickIntervalQRX as integer"),
    Method(pluginFunction(&NewFolderItemFSSpecQRX), "NewFolderItemFSSpecQRX(fsspec as memoryblock) as FolderItem"),
    Method(pluginFunction(&NewFolderItemFSRefQRX), "NewFolderItemFSRefQRX(fsref as memoryblock) as FolderItem"),
    Method(pluginFunction(&NewFolderItemFSRefNameQRX),
           "NewFolderItemFSRefNameQRX(fsref as memoryblock,name as string) as FolderItem"),
    Method(pluginFunction(&GetObjectMemoryAddressQRX), "GetObjectMemoryAddressQRX(o as object) as integer"),
    Method(pluginFunction(&GetStringMemoryAddressQRX), "GetStringMemoryAddressQRX(s as string) as integer"),
    Method(pluginFunction(&GetObjectLockCountQRX), "GetObjectLockCountQRX(o as object) as integer"),
    Method(pluginFunction(&GetStringLockCountQRX), "GetStringLockCountQRX(s as string) as integer"),
    Method(pluginFunction(&NewStringMemoryBlockQRX),
           "NewStringMemoryBlockQRX(data as string) as StringMemoryBlockQRX"),
};
static_assert(countOf(globalMethods) == 43);

// Classes and extensions first, then the global methods in table order.
void RegisterPluginContents() {
    Host::REALenterMovies();
    for (PluginClassRecord* record : {&StdoutQRXClass, &StdinQRXClass, &StyleDataQRXClass, &StyleDataListQRXClass,
                                      &TimeZoneQRXClass, &KeyCodesQRXClass})
        Host::PluginRegisterClass(record);
    Host::PluginRegisterClassExtension(&FolderItemExtension);
    Host::PluginRegisterClassExtension(&ObjectExtension);
    Host::PluginRegisterClass(&StringMemoryBlockQRXClass);
    for (PluginMethodRecord& record : globalMethods) Host::PluginRegisterMethod(&record);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) void REALPluginMain(PluginLookup lookup) {
    Host::begin(lookup);
    // A host without "RegisterPluginVersion" is not ours: nothing is registered with it.
    if (!Host::registerPluginVersion(kPluginVersion)) return;
    RegisterPluginContents();
}
