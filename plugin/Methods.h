#pragma once
// Everything the library registers: the implementing functions of its global methods and of the
// methods it adds to the host classes "folderitem" and "object", and the records of its classes.
// Nil (a null string or object) is a legal argument everywhere; a returned string or object
// carries one reference for the caller.
#include "platform/PluginInterface.h"

// Style data decoding.
REALobject DecompileMacStyleDataQRX(REALstring text, REALstring styles);
REALobject DecompileWinStyleDataQRX(REALstring text, REALstring styles);
extern PluginClassRecord StyleDataQRXClass;
extern PluginClassRecord StyleDataListQRXClass;

// Strings, encodings, memory blocks and objects.
PluginInteger GetHash32QRX(REALstring s);
REALobject NewInstanceQRX(REALstring className);
PluginInteger GetEncodingOfStringQRX(REALstring s);
void SetEncodingOfStringQRX(REALstring s, PluginInteger encoding);
REALstring StringFromOSTypeQRX(PluginInteger code);
PluginInteger OSTypeFromStringQRX(REALstring str);
REALobject StringToMemoryBlockQRX(REALstring s);
REALobject StringToMemoryBlockByReferenceQRX(REALstring s);
REALstring MemoryBlockToStringQRX(REALobject block);
REALstring MemoryBlockToStringWithLengthQRX(REALobject block, PluginInteger length);
REALstring CloneStringQRX(REALstring s);
REALobject CloneMemoryBlockQRX(REALobject block);
REALobject CloneMemoryBlockWithLengthQRX(REALobject block, PluginInteger length);
PluginAddress ReturnErrPtrQRX();
PluginAddress ReturnOutPtrQRX();
PluginAddress ReturnInPtrQRX();
REALstring BitwiseXORStringBytesQRX(REALstring s, PluginInteger value);
PluginAddress GetObjectMemoryAddressQRX(REALobject object);  // also the extension's MemoryAddressQRX
PluginAddress GetStringMemoryAddressQRX(REALstring s);
PluginInteger GetObjectLockCountQRX(REALobject object);  // also the extension's ReferenceCountQRX
PluginInteger GetStringLockCountQRX(REALstring s);
REALobject NewStringMemoryBlockQRX(REALstring data);
extern PluginClassRecord StringMemoryBlockQRXClass;

// Sound volume, delay, time zone and standard streams.
void DelayQRX(double seconds);
void DelayWithModeQRX(double seconds, PluginInteger mode);
void SetSoundVolumeQRX(double volume);
double GetSoundVolumeQRX();
void SetSoundVolumeLeftQRX(double volume);
double GetSoundVolumeLeftQRX();
void SetSoundVolumeRightQRX(double volume);
double GetSoundVolumeRightQRX();
void SetSoundMuteQRX(bool mute);
bool GetSoundMuteQRX();
extern PluginClassRecord StdoutQRXClass;
extern PluginClassRecord StdinQRXClass;
extern PluginClassRecord TimeZoneQRXClass;

// System font and user-interface utilities.
void ShowCursorQRX();
void HideCursorQRX();
void ObscureCursorQRX();
void FlashMenuBarQRX();
REALstring SystemFontQRX();
PluginInteger GetDoubleClickIntervalQRX();

// Folder items and volumes.
REALobject NewFolderItemFSSpecQRX(REALobject fsspec);
REALobject NewFolderItemFSRefQRX(REALobject fsref);
REALobject NewFolderItemFSRefNameQRX(REALobject fsref, REALstring name);
extern PluginClassRecord FolderItemExtension;

// Keyboard codes.
extern PluginClassRecord KeyCodesQRXClass;
