#include "plugin/HostServices.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <new>

namespace {

enum Service {
    EnterMovies,
    RegisterClass,
    RegisterClassExtension,
    RegisterMethod,
    GetVersion,
    NewInstance,
    BuildString,
    SetStringEncoding,
    GetStringEncoding,
    ConvertString,
    LockObject,
    UnlockObject,
    LockString,
    UnlockString,
    NewMemoryBlock,
    MemoryBlockGetPtr,
    MemoryBlockGetSize,
    PtrToBlock,
    MemoryBlockSetExternalData,
    YieldToHost,
    FSSpecFromFolderItem,
    FSRefFromFolderItem,
    FolderItemFromSpec,
    FolderItemFromParentRef,
    GetCatalogInfo,
    PathFromFSSpec,
    ServiceCount
};

const char* const serviceNames[ServiceCount] = {
    "REALenterMovies",     "PluginRegisterClass", "PluginRegisterClassExtension", "PluginRegisterMethod",
    "REALGetRBVersion",    "PluginNewInstance",   "REALBuildString",              "REALSetStringEncoding",
    "REALGetStringEncoding", "REALConvertString", "REALLockObject",               "REALUnlockObject",
    "REALLockString",      "REALUnlockString",    "newMemoryBlock",               "memoryBlockGetPtr",
    "memoryBlockGetSize",  "PtrToMemoryBlock",    "memoryBlockSetExternalData",   "REALYieldToRB",
    "REALFSSpecFromFolderItem", "REALFSRefFromFolderItem", "FolderItemFromFSSpec",
    "REALFolderItemFromParentFSRef", "FSGetCatalogInfo", "REALPathFromFSSpec",
};

PluginLookup hostLookup = nullptr;
PluginFunction cache[ServiceCount] = {};

template <typename Function>
Function bind(Service service) {
    if (!cache[service] && hostLookup) cache[service] = hostLookup(serviceNames[service]);
    return reinterpret_cast<Function>(cache[service]);
}

// Calls the service, or answers `missing` when the host has none.
template <typename Function, typename Result, typename... Args>
Result call(Service service, Result missing, Args... args) {
    const Function function = bind<Function>(service);
    return function ? function(args...) : missing;
}

template <typename Function, typename... Args>
void callIfPresent(Service service, Args... args) {
    if (const Function function = bind<Function>(service)) function(args...);
}

// Method tables of classes as first defined, and their copies in the old record shape (made once,
// kept for the life of the library), so that a class registers correctly with any host.
struct MethodTable {
    PluginClassRecord* record;
    PluginMethodRecord* original;
    PluginOldMethodRecord* converted;
};
MethodTable methodTables[16];
int methodTableCount = 0;

MethodTable* methodTableOf(PluginClassRecord* record) {
    for (int i = 0; i < methodTableCount; ++i)
        if (methodTables[i].record == record) return &methodTables[i];
    if (methodTableCount == static_cast<int>(std::size(methodTables))) return nullptr;
    methodTables[methodTableCount] = {record, record->methods, nullptr};
    return &methodTables[methodTableCount++];
}

void prepareMethodTable(PluginClassRecord* record) {
    MethodTable* table = methodTableOf(record);
    if (!table || !table->original || record->methodCount <= 0) return;
    using GetVersionFunction = PluginService::REALGetRBVersion;
    const GetVersionFunction getVersion = bind<GetVersionFunction>(GetVersion);
    const double version = getVersion ? getVersion() : 0.0;
    // A version that is not a number counts as current.
    const bool oldHost = !getVersion || version < kPluginNewRecordsVersion;
    record->methods = table->original;
    if (!oldHost) return;
    if (!table->converted) {
        table->converted = new (std::nothrow) PluginOldMethodRecord[static_cast<std::size_t>(record->methodCount)];
        if (!table->converted) return;  // registered unconverted
        for (intptr_t i = 0; i < record->methodCount; ++i)
            table->converted[i] = {table->original[i].function, table->original[i].setter,
                                   table->original[i].declaration};
    }
    record->methods = reinterpret_cast<PluginMethodRecord*>(table->converted);
}

void registerClassWith(Service service, PluginClassRecord* record) {
    using Function = void (*)(PluginClassRecord*);
    const Function function = bind<Function>(service);
    if (!function || !record) return;
    prepareMethodTable(record);
    function(record);
}

}  // namespace

namespace Host {

void begin(PluginLookup lookup) {
    hostLookup = lookup;
    std::fill(std::begin(cache), std::end(cache), nullptr);
}

bool registerPluginVersion(int32_t version) {
    using Function = PluginService::RegisterPluginVersion;
    const auto function = reinterpret_cast<Function>(hostLookup ? hostLookup("RegisterPluginVersion") : nullptr);
    if (!function) return false;
    function(version);
    return true;
}

void REALenterMovies() { callIfPresent<PluginService::REALenterMovies>(EnterMovies); }
void PluginRegisterClass(PluginClassRecord* record) { registerClassWith(RegisterClass, record); }
void PluginRegisterClassExtension(PluginClassRecord* record) { registerClassWith(RegisterClassExtension, record); }
void PluginRegisterMethod(PluginMethodRecord* record) {
    callIfPresent<PluginService::PluginRegisterMethod>(RegisterMethod, record);
}
double REALGetRBVersion() { return call<PluginService::REALGetRBVersion>(GetVersion, 0.0); }
REALobject PluginNewInstance(const char* className) {
    return call<PluginService::PluginNewInstance>(NewInstance, REALobject(nullptr), className);
}
REALstring REALBuildString(const void* bytes, intptr_t length) {
    return call<PluginService::REALBuildString>(BuildString, REALstring(nullptr), bytes, length);
}
void REALSetStringEncoding(REALstring string, uint32_t encoding) {
    callIfPresent<PluginService::REALSetStringEncoding>(SetStringEncoding, string, encoding);
}
uint32_t REALGetStringEncoding(REALstring string) {
    return call<PluginService::REALGetStringEncoding>(GetStringEncoding, uint32_t(0), string);
}
REALstring REALConvertString(REALstring string, uint32_t encoding) {
    return call<PluginService::REALConvertString>(ConvertString, REALstring(nullptr), string, encoding);
}
void REALLockObject(REALobject object) { callIfPresent<PluginService::REALLockObject>(LockObject, object); }
void REALUnlockObject(REALobject object) { callIfPresent<PluginService::REALUnlockObject>(UnlockObject, object); }
void REALLockString(REALstring string) { callIfPresent<PluginService::REALLockString>(LockString, string); }
void REALUnlockString(REALstring string) { callIfPresent<PluginService::REALUnlockString>(UnlockString, string); }
REALobject newMemoryBlock(intptr_t size) {
    return call<PluginService::newMemoryBlock>(NewMemoryBlock, REALobject(nullptr), size);
}
void* memoryBlockGetPtr(REALobject block) {
    return call<PluginService::memoryBlockGetPtr>(MemoryBlockGetPtr, static_cast<void*>(nullptr), block);
}
intptr_t memoryBlockGetSize(REALobject block) {
    return call<PluginService::memoryBlockGetSize>(MemoryBlockGetSize, intptr_t(0), block);
}
REALobject PtrToMemoryBlock(void* data, intptr_t size) {
    return call<PluginService::PtrToMemoryBlock>(PtrToBlock, REALobject(nullptr), data, size);
}
bool memoryBlockSetExternalData(REALobject block, void* data, intptr_t size) {
    return call<PluginService::memoryBlockSetExternalData>(MemoryBlockSetExternalData, false, block, data, size);
}
void REALYieldToRB() { callIfPresent<PluginService::REALYieldToRB>(YieldToHost); }
bool REALFSSpecFromFolderItem(PluginFSSpec* spec, REALobject folderItem) {
    return call<PluginService::REALFSSpecFromFolderItem>(FSSpecFromFolderItem, false, spec, folderItem);
}
bool REALFSRefFromFolderItem(REALobject folderItem, PluginFSRef* ref, PluginHFSName* name) {
    return call<PluginService::REALFSRefFromFolderItem>(FSRefFromFolderItem, false, folderItem, ref, name);
}
REALobject FolderItemFromFSSpec(const PluginFSSpec* spec) {
    return call<PluginService::FolderItemFromFSSpec>(FolderItemFromSpec, REALobject(nullptr), spec);
}
REALobject REALFolderItemFromParentFSRef(const PluginFSRef* parent, const PluginHFSName* name) {
    return call<PluginService::REALFolderItemFromParentFSRef>(FolderItemFromParentRef, REALobject(nullptr), parent,
                                                                name);
}
int32_t FSGetCatalogInfo(const PluginFSRef* ref, uint32_t whichInfo, uint32_t* nodeID, PluginHFSName* name,
                         PluginFSSpec* spec, PluginFSRef* parent) {
    return call<PluginService::FSGetCatalogInfo>(GetCatalogInfo, kFileNotFound, ref, whichInfo, nodeID, name, spec,
                                                 parent);
}
intptr_t REALPathFromFSSpec(const PluginFSSpec* spec, char* buffer, intptr_t size) {
    return call<PluginService::REALPathFromFSSpec>(PathFromFSSpec, intptr_t(0), spec, buffer, size);
}

}  // namespace Host

REALstring HostStringFromBytes(const void* bytes, intptr_t length, uint32_t encoding) {
    if (!bytes || length <= 0) return nullptr;
    REALstring string = Host::REALBuildString(bytes, length);
    if (string) Host::REALSetStringEncoding(string, encoding);
    return string;
}

REALobject NewBlockWithBytes(const void* bytes, intptr_t count, intptr_t size) {
    if (size < 0) return nullptr;
    count = std::clamp<intptr_t>(count, 0, size);
    REALobject block = Host::newMemoryBlock(size);
    if (!block) return nullptr;
    auto* data = static_cast<char*>(Host::memoryBlockGetPtr(block));
    if (!data) {
        if (size == 0) return block;
        Host::REALUnlockObject(block);
        return nullptr;
    }
    if (count > 0 && bytes) std::memmove(data, bytes, static_cast<std::size_t>(count));
    else count = 0;
    std::memset(data + count, 0, static_cast<std::size_t>(size - count));
    return block;
}

REALobject MemoryBlockFromBytes(const void* bytes, intptr_t length) {
    if (!bytes || length <= 0) return nullptr;
    return NewBlockWithBytes(bytes, length, length);
}

std::string_view TextOf(REALstring string) {
    if (!string || !string->text || string->length <= 0) return {};
    return {string->text, static_cast<std::size_t>(string->length)};
}
