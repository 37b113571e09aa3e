#pragma once
// The library's way to the host: one wrapper per host service, each looked up by name on first
// use and cached. When the host has no such service the wrapper answers a neutral value (Nil, 0,
// 0.0, False) without calling anything, and looks the service up again on the next call.
#include "platform/PluginInterface.h"

#include <string_view>

namespace Host {

// Keeps the host's lookup and forgets every cached service.
void begin(PluginLookup lookup);
// The host's "RegisterPluginVersion", looked up directly; false when the host has none.
bool registerPluginVersion(int32_t version);

void REALenterMovies();
// Hosts older than kPluginNewRecordsVersion get the class's method table converted first.
void PluginRegisterClass(PluginClassRecord* record);
void PluginRegisterClassExtension(PluginClassRecord* record);
void PluginRegisterMethod(PluginMethodRecord* record);
double REALGetRBVersion();
REALobject PluginNewInstance(const char* className);
REALstring REALBuildString(const void* bytes, intptr_t length);
void REALSetStringEncoding(REALstring string, uint32_t encoding);
uint32_t REALGetStringEncoding(REALstring string);
REALstring REALConvertString(REALstring string, uint32_t encoding);
void REALLockObject(REALobject object);
void REALUnlockObject(REALobject object);
void REALLockString(REALstring string);
void REALUnlockString(REALstring string);
REALobject newMemoryBlock(intptr_t size);
void* memoryBlockGetPtr(REALobject block);
intptr_t memoryBlockGetSize(REALobject block);
REALobject PtrToMemoryBlock(void* data, intptr_t size);
bool memoryBlockSetExternalData(REALobject block, void* data, intptr_t size);
void REALYieldToRB();
bool REALFSSpecFromFolderItem(PluginFSSpec* spec, REALobject folderItem);
bool REALFSRefFromFolderItem(REALobject folderItem, PluginFSRef* ref, PluginHFSName* name);
REALobject FolderItemFromFSSpec(const PluginFSSpec* spec);
REALobject REALFolderItemFromParentFSRef(const PluginFSRef* parent, const PluginHFSName* name);
// kFileNotFound when the host has no such service.
int32_t FSGetCatalogInfo(const PluginFSRef* ref, uint32_t whichInfo, uint32_t* nodeID, PluginHFSName* name,
                         PluginFSSpec* spec, PluginFSRef* parent);
intptr_t REALPathFromFSSpec(const PluginFSSpec* spec, char* buffer, intptr_t size);

}  // namespace Host

// A new host string with a copy of the bytes, marked with the encoding; Nil for no bytes or a
// length of 0 or less, so an empty text comes back as Nil.
REALstring HostStringFromBytes(const void* bytes, intptr_t length, uint32_t encoding);
// A new memory block with a copy of the bytes; Nil for no bytes or a length of 0 or less.
REALobject MemoryBlockFromBytes(const void* bytes, intptr_t length);
// A new block of `size` bytes: the first `count` copied from `bytes`, the rest zero. Nil when
// the host cannot make it.
REALobject NewBlockWithBytes(const void* bytes, intptr_t count, intptr_t size);

// The bytes of a string; empty for Nil.
std::string_view TextOf(REALstring string);

// The library's instance data of a class in an object.
template <typename Fields>
Fields* InstanceData(REALobject object, const PluginClassRecord& record) {
    return reinterpret_cast<Fields*>(reinterpret_cast<char*>(object) + record.dataOffset);
}
