// Hashes, four-character codes, encoding marks, copies between strings and memory blocks,
// reference counts and addresses, and the memory block over a kept string.
#include "plugin/AsciiCase.h"
#include "plugin/HostServices.h"
#include "plugin/Methods.h"
#include "plugin/Records.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

namespace {

struct StringMemoryBlockFields {
    REALstring kept;  // holds one reference
};

void destroyStringMemoryBlock(REALobject instance) {
    auto* fields = InstanceData<StringMemoryBlockFields>(instance, StringMemoryBlockQRXClass);
    Host::REALUnlockString(fields->kept);
    fields->kept = nullptr;
}

REALstring getStorageString(REALobject instance, intptr_t) {
    REALstring kept = InstanceData<StringMemoryBlockFields>(instance, StringMemoryBlockQRXClass)->kept;
    Host::REALLockString(kept);
    return kept;
}

PluginPropertyRecord stringMemoryBlockProperties[] = {
    Property("StorageString", "String", pluginFunction(&getStorageString), nullptr, 0),
};

// The callbacks: input delivers nothing, output and error accept all they are given.
PluginAddress acceptNothing(PluginAddress, PluginAddress, PluginAddress) { return 0; }
PluginAddress acceptOutput(PluginAddress, PluginAddress, PluginAddress count) { return count; }
PluginAddress acceptError(PluginAddress, PluginAddress, PluginAddress count) { return count; }

// What the host's reference count says beyond the caller's own reference.
PluginInteger lockCount(intptr_t referenceCount) {
    return static_cast<PluginInteger>(std::clamp<intptr_t>(referenceCount - 1, INT32_MIN, INT32_MAX));
}

intptr_t blockSize(REALobject block) { return std::max<intptr_t>(Host::memoryBlockGetSize(block), 0); }

}  // namespace

PluginClassRecord StringMemoryBlockQRXClass =
    ClassRecord("StringMemoryBlockQRX", "MemoryBlock", sizeof(StringMemoryBlockFields), nullptr,
                pluginFunction(&destroyStringMemoryBlock), stringMemoryBlockProperties,
                countOf(stringMemoryBlockProperties), nullptr, 0);

// Rotate-and-xor over the bytes; only A-Z fold to lower case, so the hash is the same in every
// locale.
PluginInteger GetHash32QRX(REALstring s) {
    const std::string_view text = TextOf(s);
    uint32_t hash = static_cast<uint32_t>(text.size()) + 1;
    for (char byte : text) hash = ((hash << 3) | (hash >> 29)) ^ AsciiLower(static_cast<unsigned char>(byte));
    return static_cast<PluginInteger>(hash);
}

REALstring BitwiseXORStringBytesQRX(REALstring s, PluginInteger value) {
    const std::string_view text = TextOf(s);
    if (text.empty()) return nullptr;
    std::vector<char> bytes(text.begin(), text.end());
    const auto key = static_cast<char>(value & 0xFF);
    // Whole groups of four bytes only; the last one to three bytes stay as they are.
    const std::size_t whole = bytes.size() / 4 * 4;
    for (std::size_t i = 0; i < whole; ++i) bytes[i] ^= key;
    return HostStringFromBytes(bytes.data(), static_cast<intptr_t>(bytes.size()), kEncodingRawBytes);
}

// The first four MacRoman bytes, the first the most significant; a shorter text fills the leading
// bytes and leaves spaces after it.
PluginInteger OSTypeFromStringQRX(REALstring str) {
    REALstring converted = str ? Host::REALConvertString(str, kEncodingMacRoman) : nullptr;
    const std::string_view text = TextOf(converted ? converted : str);
    uint32_t code = 0x20202020;
    for (std::size_t i = 0; i < std::min<std::size_t>(text.size(), 4); ++i) {
        const unsigned shift = 24 - 8 * static_cast<unsigned>(i);
        code = (code & ~(0xFFu << shift)) | (static_cast<uint32_t>(static_cast<unsigned char>(text[i])) << shift);
    }
    if (converted) Host::REALUnlockString(converted);
    return static_cast<PluginInteger>(code);
}

REALstring StringFromOSTypeQRX(PluginInteger code) {
    const auto value = static_cast<uint32_t>(code);
    const char bytes[4] = {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
                           static_cast<char>(value >> 8), static_cast<char>(value)};
    const bool high = std::any_of(std::begin(bytes), std::end(bytes),
                                  [](char byte) { return static_cast<unsigned char>(byte) >= 128; });
    return HostStringFromBytes(bytes, 4, high ? kEncodingMacRoman : kEncodingASCII);
}

PluginInteger GetEncodingOfStringQRX(REALstring s) {
    return s ? static_cast<PluginInteger>(Host::REALGetStringEncoding(s)) : 0;
}

// Changes the mark, not the bytes.
void SetEncodingOfStringQRX(REALstring s, PluginInteger encoding) {
    if (s) Host::REALSetStringEncoding(s, static_cast<uint32_t>(encoding));
}

REALobject NewInstanceQRX(REALstring className) {
    // The host keeps a NUL after every string's text.
    return Host::PluginNewInstance(className && className->text ? className->text : "");
}

REALobject StringToMemoryBlockQRX(REALstring s) {
    if (!s) return nullptr;
    const std::string_view text = TextOf(s);
    const auto length = static_cast<intptr_t>(text.size());
    return NewBlockWithBytes(text.data(), length, length);
}

// The block shows the string's own bytes, nothing copied: they stay valid only while the string
// lives.
REALobject StringToMemoryBlockByReferenceQRX(REALstring s) {
    if (!s || !s->text) return nullptr;
    return Host::PtrToMemoryBlock(s->text, static_cast<intptr_t>(TextOf(s).size()));
}

REALstring MemoryBlockToStringQRX(REALobject block) {
    if (!block) return nullptr;
    return HostStringFromBytes(Host::memoryBlockGetPtr(block), blockSize(block), kEncodingRawBytes);
}

// At most the block's own bytes are read, whatever the length asks for.
REALstring MemoryBlockToStringWithLengthQRX(REALobject block, PluginInteger length) {
    if (!block || length < 0) return nullptr;
    return HostStringFromBytes(Host::memoryBlockGetPtr(block), std::min<intptr_t>(length, blockSize(block)),
                               kEncodingRawBytes);
}

REALstring CloneStringQRX(REALstring s) {
    const std::string_view text = TextOf(s);
    if (text.empty()) return nullptr;
    return HostStringFromBytes(text.data(), static_cast<intptr_t>(text.size()), Host::REALGetStringEncoding(s));
}

REALobject CloneMemoryBlockQRX(REALobject block) {
    if (!block) return nullptr;
    const intptr_t size = blockSize(block);
    return NewBlockWithBytes(Host::memoryBlockGetPtr(block), size, size);
}

// A clone longer than its source is zero-filled beyond the source's bytes.
REALobject CloneMemoryBlockWithLengthQRX(REALobject block, PluginInteger length) {
    if (!block || length < 0) return nullptr;
    return NewBlockWithBytes(Host::memoryBlockGetPtr(block), blockSize(block), length);
}

PluginAddress ReturnInPtrQRX() { return reinterpret_cast<PluginAddress>(&acceptNothing); }
PluginAddress ReturnOutPtrQRX() { return reinterpret_cast<PluginAddress>(&acceptOutput); }
PluginAddress ReturnErrPtrQRX() { return reinterpret_cast<PluginAddress>(&acceptError); }

PluginInteger GetObjectLockCountQRX(REALobject object) { return object ? lockCount(object->referenceCount) : 0; }
PluginInteger GetStringLockCountQRX(REALstring s) { return s ? lockCount(s->referenceCount) : 0; }

PluginAddress GetObjectMemoryAddressQRX(REALobject object) { return reinterpret_cast<PluginAddress>(object); }
PluginAddress GetStringMemoryAddressQRX(REALstring s) { return reinterpret_cast<PluginAddress>(s); }

// A memory block whose bytes are the string's own text; it keeps the string alive.
REALobject NewStringMemoryBlockQRX(REALstring data) {
    if (!data) return nullptr;
    REALobject instance = Host::PluginNewInstance("StringMemoryBlockQRX");
    if (!instance) return nullptr;
    Host::REALLockString(data);
    InstanceData<StringMemoryBlockFields>(instance, StringMemoryBlockQRXClass)->kept = data;
    const std::string_view text = TextOf(data);
    if (!Host::memoryBlockSetExternalData(instance, data->text, static_cast<intptr_t>(text.size()))) {
        Host::REALUnlockObject(instance);  // its destructor gives up the string
        return nullptr;
    }
    return instance;
}
