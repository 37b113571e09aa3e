// Folder items and volumes: volume sizes, flushing, FSSpec and FSRef records of items and back,
// and whether a file is held open for writing.
#include "plugin/Backends.h"
#include "plugin/HostServices.h"
#include "plugin/Methods.h"
#include "plugin/Records.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

constexpr uint32_t kFolderItemFlags = 4;

std::optional<PluginFSSpec> specOf(REALobject item) {
    PluginFSSpec spec{};
    if (!item || !Host::REALFSSpecFromFolderItem(&spec, item)) return std::nullopt;
    return spec;
}

std::optional<std::string> pathOf(REALobject item) {
    const auto spec = specOf(item);
    if (!spec) return std::nullopt;
    char buffer[PATH_MAX + 1];
    const intptr_t length = Host::REALPathFromFSSpec(&*spec, buffer, sizeof buffer);
    if (length <= 0) return std::nullopt;
    return std::string(buffer, static_cast<std::size_t>(length));
}

std::optional<VolumeSpace> spaceOf(REALobject item) {
    const auto path = pathOf(item);
    return path ? backend<FileSystemBackend>().volumeSpace(*path) : std::nullopt;
}

// A size in KB that does not fit the integer answers the largest one.
PluginInteger kilobytes(uint64_t bytes) {
    return static_cast<PluginInteger>(std::min<uint64_t>(bytes >> 10, INT32_MAX));
}

// One of the volume's byte counts, in KB or as a Double; -1 when the item has no volume.
PluginInteger kilobytesOf(REALobject item, uint64_t VolumeSpace::*count) {
    const auto space = spaceOf(item);
    return space ? kilobytes((*space).*count) : -1;
}

double bytesOf(REALobject item, uint64_t VolumeSpace::*count) {
    const auto space = spaceOf(item);
    return space ? static_cast<double>((*space).*count) : -1.0;
}

PluginInteger VolumeSizeKBQRX(REALobject item) { return kilobytesOf(item, &VolumeSpace::totalBytes); }
double VolumeSizeQRX(REALobject item) { return bytesOf(item, &VolumeSpace::totalBytes); }
PluginInteger VolumeFreeSizeKBQRX(REALobject item) { return kilobytesOf(item, &VolumeSpace::freeBytes); }
double VolumeFreeSizeQRX(REALobject item) { return bytesOf(item, &VolumeSpace::freeBytes); }

REALobject FSSpecQRX(REALobject item) {
    const auto spec = specOf(item);
    return spec ? MemoryBlockFromBytes(&*spec, sizeof(PluginFSSpec)) : nullptr;
}

REALobject FSRefQRX(REALobject item) {
    PluginFSRef ref{};
    if (!item || !Host::REALFSRefFromFolderItem(item, &ref, nullptr)) return nullptr;
    return MemoryBlockFromBytes(&ref, sizeof ref);
}

REALstring StringFromUniName(const PluginHFSName& name) {
    const intptr_t units = std::min<intptr_t>(name.length, kPluginNameUnits);
    return HostStringFromBytes(name.unicode, units * 2, kEncodingUTF16);
}

// A name of more than 255 UTF-16 units fails.
std::optional<PluginHFSName> UniNameFromString(REALstring string) {
    REALstring converted = Host::REALConvertString(string, kEncodingUTF16);
    if (!converted) return std::nullopt;
    const std::string_view bytes = TextOf(converted);
    std::optional<PluginHFSName> name;
    if (Host::REALGetStringEncoding(converted) == kEncodingUTF16 && bytes.size() / 2 <= kPluginNameUnits) {
        name.emplace();
        name->length = static_cast<uint16_t>(bytes.size() / 2);
        if (name->length > 0) std::memcpy(name->unicode, bytes.data(), name->length * 2u);
    }
    Host::REALUnlockString(converted);
    return name;
}

// `name` receives the item's name; it is left alone when there is no FSRef.
REALobject FSRefNameQRX(REALobject item, REALstring* name) {
    PluginFSRef ref{};
    PluginHFSName uniName{};
    if (!item || !Host::REALFSRefFromFolderItem(item, &ref, &uniName)) return nullptr;
    if (name) {
        REALstring value = StringFromUniName(uniName);
        Host::REALUnlockString(*name);
        *name = value;
    }
    return MemoryBlockFromBytes(&ref, sizeof ref);
}

PluginInteger FlushVolumeQRX(REALobject item) {
    const auto path = pathOf(item);
    return path ? backend<FileSystemBackend>().flushVolume(*path) : -1;
}

bool IsFileDataForkOpenReadWriteQRX(REALobject item) {
    const auto path = pathOf(item);
    return path && backend<FileSystemBackend>().openForWriting(*path);
}

// Files on Linux have no resource fork.
bool IsFileResourceForkOpenReadWriteQRX(REALobject) { return false; }

// The record at the start of a block, when the block holds a whole one.
template <typename Record>
std::optional<Record> recordIn(REALobject block) {
    const void* data = block ? Host::memoryBlockGetPtr(block) : nullptr;
    if (!data || Host::memoryBlockGetSize(block) < static_cast<intptr_t>(sizeof(Record))) return std::nullopt;
    Record record;
    std::memcpy(&record, data, sizeof record);
    return record;
}

// Through the item's folder and name; a volume's root folder, or an item whose folder is not
// known, through its FSSpec.
REALobject FolderItemFromFSRef(const PluginFSRef& ref) {
    uint32_t nodeID = 0;
    PluginFSRef parent{};
    if (Host::FSGetCatalogInfo(&ref, kCatalogInfoNodeID, &nodeID, nullptr, nullptr, &parent) == 0) {
        if (nodeID == kRootFolderNodeID) parent = PluginFSRef{};
        PluginHFSName name{};
        if (Host::FSGetCatalogInfo(&ref, 0, nullptr, &name, nullptr, nullptr) == 0 &&
            Host::FSGetCatalogInfo(&parent, 0, nullptr, nullptr, nullptr, nullptr) == 0)
            return Host::REALFolderItemFromParentFSRef(&parent, &name);
    }
    PluginFSSpec spec{};
    if (Host::FSGetCatalogInfo(&ref, 0, nullptr, nullptr, &spec, nullptr) != 0) return nullptr;
    return Host::FolderItemFromFSSpec(&spec);
}

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

REALobject NewFolderItemFSSpecQRX(REALobject fsspec) {
    const auto spec = recordIn<PluginFSSpec>(fsspec);
    return spec ? Host::FolderItemFromFSSpec(&*spec) : nullptr;
}

REALobject NewFolderItemFSRefQRX(REALobject fsref) {
    const auto ref = recordIn<PluginFSRef>(fsref);
    return ref ? FolderItemFromFSRef(*ref) : nullptr;
}

// The item called `name` inside the folder `fsref`; a Nil name stands for the folder itself.
REALobject NewFolderItemFSRefNameQRX(REALobject fsref, REALstring name) {
    if (!fsref) return nullptr;
    if (!name) return NewFolderItemFSRefQRX(fsref);
    const auto uniName = UniNameFromString(name);
    const auto ref = recordIn<PluginFSRef>(fsref);
    return uniName && ref ? Host::REALFolderItemFromParentFSRef(&*ref, &*uniName) : nullptr;
}
