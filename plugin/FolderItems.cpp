// Folder items and volumes.
#include "plugin/HostServices.h"
#include "plugin/Methods.h"
#include "plugin/Records.h"

namespace {

PluginInteger VolumeSizeKBQRX(REALobject) { return -1; }
double VolumeSizeQRX(REALobject) { return -1.0; }
PluginInteger VolumeFreeSizeKBQRX(REALobject) { return -1; }
double VolumeFreeSizeQRX(REALobject) { return -1.0; }
REALobject FSSpecQRX(REALobject) { return nullptr; }
REALobject FSRefQRX(REALobject) { return nullptr; }
REALobject FSRefNameQRX(REALobject, REALstring*) { return nullptr; }
PluginInteger FlushVolumeQRX(REALobject) { return -1; }
bool IsFileDataForkOpenReadWriteQRX(REALobject) { return false; }
bool IsFileResourceForkOpenReadWriteQRX(REALobject) { return false; }

constexpr uint32_t kFolderItemFlags = 4;

PluginMethodRecord folderItemMethods[] = {
    Method(pluginFunction(&VolumeSizeKBQRX), "VolumeSizeKBQRX as integer", kFolderItemFlags),
    Method(pluginFunction(&VolumeSizeQRX), "VolumeSizeQRX as double", kFolderItemFlags),
    Method(pluginFunction(&VolumeFreeSizeKBQRX), "VolumeFreeSizeKBQRX as integer", kFolderItemFlags),
    Method(pluginFunction(&VolumeFreeSizeQRX), "VolumeFreeSizeQRX as double", kFolderItemFlags),
    Method(pluginFunction(&FSSpecQRX), "FSSpecQRX as memoryblock", kFolderItemFlags),
    Method(pluginFunction(&FSRefQRX), "FSRefQRX as memoryblock", kFolderItemFlags),
    Method(pluginFunction(&FSRefNameQRX), "FSRefNameQRX(ByRef name as string) as memoryblock", kFolderItemFlags),
    Method(pluginFunction(&FlushVolumeQRX), "FlushVolumeQRX as integer", kFolderItemFlags),
    Method(pluginFunction(&IsFileDataForkOpenReadWriteQRX), "IsFileDataForkOpenReadWriteQRX as boolean",
           kFolderItemFlags),
    Method(pluginFunction(&IsFileResourceForkOpenReadWriteQRX), "IsFileResourceForkOpenReadWriteQRX as boolean",
           kFolderItemFlags),
};

}  // namespace

PluginClassRecord FolderItemExtension =
    ExtensionRecord("folderitem", folderItemMethods, countOf(folderItemMethods), kFolderItemFlags);

REALobject NewFolderItemFSSpecQRX(REALobject) { return nullptr; }
REALobject NewFolderItemFSRefQRX(REALobject) { return nullptr; }
REALobject NewFolderItemFSRefNameQRX(REALobject, REALstring) { return nullptr; }
