#pragma once
// The binary interface between the plug-in host and the plug-in library QRX-Plugins: the records
// the library registers, the host's strings, objects and memory blocks as the library sees them,
// and the signatures of the host services. Host and library are built from this one header.
//
// Every address and count is pointer-sized. An "integer" of the host's language is a signed
// 32-bit value, except where a member returns or takes an address: that is a PluginAddress.
#include <cstdint>

using PluginInteger = int32_t;
using PluginAddress = intptr_t;

// A function address in a record or a service table; cast to its real signature before a call.
using PluginFunction = void (*)();

template <typename Function>
PluginFunction pluginFunction(Function function) {
    return reinterpret_cast<PluginFunction>(function);
}

// Text encodings: the values a string is marked with.
enum PluginEncoding : uint32_t {
    kEncodingMacRoman = 0,
    kEncodingUTF16 = 0x100,  // native byte order, no byte-order mark
    kEncodingASCII = 0x600,
    kEncodingUTF8 = 0x08000100,  // the host's own
    kEncodingRawBytes = 0xFFFF,  // no encoding: bytes
};

// A host string. The host keeps one NUL after the text, so `text` also reads as a C string.
struct PluginStringRecord {
    intptr_t referenceCount;  // the string is freed when the last reference goes
    char* text;
    intptr_t length;  // bytes of text
    uint32_t encoding;
};
using REALstring = PluginStringRecord*;

// The head of every host object. The library's instance data of a class lies at the object's
// address plus that class record's `dataOffset`, which the host fills in when the class registers.
struct PluginObjectRecord {
    intptr_t referenceCount;
    const void* hostClass;  // the host's own; the library never reads it
};
using REALobject = PluginObjectRecord*;

// The head of every object of the class "MemoryBlock" and its subclasses.
struct PluginMemoryBlockRecord {
    PluginObjectRecord object;
    void* data;
    intptr_t size;
    bool ownsData;  // false for a block that only shows bytes someone else keeps
};

// A global method, a class method or a method of a class extension.
struct PluginMethodRecord {
    PluginFunction function;
    PluginFunction setter;  // always null here
    const char* declaration;  // e.g. "SystemFontQRX as string"; the host's key, byte for byte
    uint32_t flags;
};

// The shape of a method record for hosts older than kPluginNewRecordsVersion.
struct PluginOldMethodRecord {
    PluginFunction function;
    PluginFunction setter;
    const char* declaration;
};

// A property of a class. A getter or setter equal to pluginFieldAccess() makes the host read or
// write the value itself at byte offset `parameter` of the class's instance data; a null setter
// makes the property read-only. Getters are called as (instance, parameter) and return the value;
// setters as (instance, parameter, value).
// Types: "Integer" PluginInteger, "Boolean" bool, "Double" double, "Color" uint32_t 0x00RRGGBB,
// "String" REALstring (a string field holds one reference).
struct PluginPropertyRecord {
    const char* group;
    const char* name;
    const char* type;
    intptr_t flags;
    PluginFunction getter;
    PluginFunction setter;
    intptr_t parameter;
    intptr_t reserved[3];
};

inline PluginFunction pluginFieldAccess() {
    return reinterpret_cast<PluginFunction>(static_cast<intptr_t>(-1));
}

// A class, or a class extension (then `name` is the host class that receives the methods and only
// the method table is set). Constructors and destructors are called as (instance).
struct PluginClassRecord {
    intptr_t version;  // kPluginVersion
    const char* name;
    const char* superName;  // null: no superclass
    intptr_t dataSize;  // bytes of instance data the host reserves for the library
    intptr_t dataOffset;  // filled in by the host
    PluginFunction constructor;
    PluginFunction destructor;
    PluginPropertyRecord* properties;
    intptr_t propertyCount;
    PluginMethodRecord* methods;
    intptr_t methodCount;
    intptr_t reserved1[9];
    intptr_t classFlags;  // 4 in the "folderitem" extension
    intptr_t reserved2[4];
};

constexpr intptr_t kPluginVersion = 9;
// Hosts below this version take class method tables as PluginOldMethodRecord arrays.
constexpr double kPluginNewRecordsVersion = 5.9;

// The host's lookup of a service by name: the service's address, or null when it has none.
using PluginLookup = PluginFunction (*)(const char* serviceName);

// The library's one export, called once by the host after loading it.
extern "C" using PluginMainFunction = void(PluginLookup lookup);
constexpr const char* kPluginMainName = "REALPluginMain";

// File-system records. This host's FSSpec and FSRef are tokens for paths it has registered: an
// FSSpec names an item by its volume, its folder and its name (up to 63 bytes of UTF-8, so an
// item with a longer name has none); an FSRef stands for an existing item of any name.
#pragma pack(push, 2)
struct PluginFSSpec {
    int16_t volume;  // the host's number for the item's volume
    int32_t parentID;  // the host's number for the item's folder
    uint8_t name[64];  // a length byte, then the name; empty for the root folder
};
#pragma pack(pop)
static_assert(sizeof(PluginFSSpec) == 70);

struct PluginFSRef {
    uint32_t magic;  // kPluginFSRefMagic in a reference the host made
    uint32_t token;
    uint8_t reserved[72];
};
static_assert(sizeof(PluginFSRef) == 80);
constexpr uint32_t kPluginFSRefMagic = 0x51525846;  // "QRXF"

// A file name as UTF-16 units in native byte order.
constexpr int kPluginNameUnits = 255;
struct PluginHFSName {
    uint16_t length;
    uint16_t unicode[kPluginNameUnits];
};

// FSGetCatalogInfo: what to fill in, and the node ID of a volume's root folder.
constexpr uint32_t kCatalogInfoNodeID = 0x10;
constexpr uint32_t kRootFolderNodeID = 2;
constexpr int32_t kFileNotFound = -43;

// Host services, by the name the library looks up and their signatures.
namespace PluginService {
using RegisterPluginVersion = void (*)(int32_t version);
using REALenterMovies = void (*)();
using PluginRegisterClass = void (*)(PluginClassRecord* record);
using PluginRegisterClassExtension = void (*)(PluginClassRecord* record);
using PluginRegisterMethod = void (*)(PluginMethodRecord* record);
using REALGetRBVersion = double (*)();
using PluginNewInstance = REALobject (*)(const char* className);
using REALBuildString = REALstring (*)(const void* bytes, intptr_t length);
using REALSetStringEncoding = void (*)(REALstring string, uint32_t encoding);
using REALGetStringEncoding = uint32_t (*)(REALstring string);
using REALConvertString = REALstring (*)(REALstring string, uint32_t encoding);
using REALLockObject = void (*)(REALobject object);
using REALUnlockObject = void (*)(REALobject object);
using REALLockString = void (*)(REALstring string);
using REALUnlockString = void (*)(REALstring string);
using newMemoryBlock = REALobject (*)(intptr_t size);  // zero-filled
using memoryBlockGetPtr = void* (*)(REALobject block);
using memoryBlockGetSize = intptr_t (*)(REALobject block);
// A new block that shows `size` bytes at `data` without copying or owning them.
using PtrToMemoryBlock = REALobject (*)(void* data, intptr_t size);
// Makes an existing block (a fresh instance of a MemoryBlock subclass) show `size` bytes at
// `data` without owning them; false when `block` is no memory block.
using memoryBlockSetExternalData = bool (*)(REALobject block, void* data, intptr_t size);
using REALYieldToRB = void (*)();
using REALFSSpecFromFolderItem = bool (*)(PluginFSSpec* spec, REALobject folderItem);
// `name` may be null when the caller does not want the item's name.
using REALFSRefFromFolderItem = bool (*)(REALobject folderItem, PluginFSRef* ref, PluginHFSName* name);
using FolderItemFromFSSpec = REALobject (*)(const PluginFSSpec* spec);
// The item called `name` inside the folder `parent`.
using REALFolderItemFromParentFSRef = REALobject (*)(const PluginFSRef* parent, const PluginHFSName* name);
// Catalogue information of the item `ref`: its node ID (when `whichInfo` has kCatalogInfoNodeID),
// its name, its FSSpec and its folder's FSRef, each only where the pointer is not null. 0 when
// done, else an error code (kFileNotFound for a reference the host does not know).
using FSGetCatalogInfo = int32_t (*)(const PluginFSRef* ref, uint32_t whichInfo, uint32_t* nodeID,
                                     PluginHFSName* name, PluginFSSpec* spec, PluginFSRef* parent);
// The path of the item an FSSpec names, NUL-terminated in `buffer`; its length, or 0 when the
// FSSpec names nothing the host knows or the buffer is too small.
using REALPathFromFSSpec = intptr_t (*)(const PluginFSSpec* spec, char* buffer, intptr_t size);
}  // namespace PluginService
