// The plug-in's string and memory-block functions on any bytes, lengths and values, called
// through the host: no crash, round trips give back the bytes, nothing is read past a block, and
// nothing the calls made is left alive.
#include "FuzzInput.h"

#include "platform/PluginHost.h"

extern "C" void REALPluginMain(PluginLookup lookup);

namespace {

template <typename Signature>
Signature method(const char* declaration) {
    const auto function = reinterpret_cast<Signature>(PluginHost::instance().lookupMethod(declaration));
    FUZZ_CHECK(function);
    return function;
}

QByteArray blockBytes(REALobject block) {
    const auto* record = reinterpret_cast<const PluginMemoryBlockRecord*>(block);
    return QByteArray(static_cast<const char*>(record->data), static_cast<qsizetype>(record->size));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    REALPluginMain(&PluginHost::lookupService);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const auto hash = method<PluginInteger (*)(REALstring)>("GetHash32QRX(s as string) as integer");
    static const auto xorBytes =
        method<REALstring (*)(REALstring, PluginInteger)>("BitwiseXORStringBytesQRX(s as string, v as integer) as string");
    static const auto osTypeOf = method<PluginInteger (*)(REALstring)>("OSTypeFromStringQRX(str as string) as integer");
    static const auto stringOfOSType = method<REALstring (*)(PluginInteger)>("StringFromOSTypeQRX(int as integer) as string");
    static const auto toBlock = method<REALobject (*)(REALstring)>("StringToMemoryBlockQRX(s as string) as memoryblock");
    static const auto toBlockByReference =
        method<REALobject (*)(REALstring)>("StringToMemoryBlockByReferenceQRX(s as string) as memoryblock");
    static const auto toString = method<REALstring (*)(REALobject)>("MemoryBlockToStringQRX(s as memoryblock) as string");
    static const auto toStringWithLength = method<REALstring (*)(REALobject, PluginInteger)>(
        "MemoryBlockToStringWithLengthQRX(s as memoryblock,len as integer) as string");
    static const auto cloneString = method<REALstring (*)(REALstring)>("CloneStringQRX(s as string) as string");
    static const auto cloneBlock = method<REALobject (*)(REALobject)>("CloneMemoryBlockQRX(s as memoryblock) as memoryblock");
    static const auto cloneBlockWithLength = method<REALobject (*)(REALobject, PluginInteger)>(
        "CloneMemoryBlockWithLengthQRX(s as memoryblock,len as integer) as memoryblock");
    static const auto encodingOf = method<PluginInteger (*)(REALstring)>("GetEncodingOfStringQRX(s as string) as integer");
    static const auto setEncoding =
        method<void (*)(REALstring, PluginInteger)>("SetEncodingOfStringQRX(s as string, encoding as integer)");
    static const auto newInstance = method<REALobject (*)(REALstring)>("NewInstanceQRX(ClassName as string) as object");
    static const auto stringBlock =
        method<REALobject (*)(REALstring)>("NewStringMemoryBlockQRX(data as string) as StringMemoryBlockQRX");

    const intptr_t strings = PluginHost::liveStrings();
    const intptr_t objects = PluginHost::liveObjects();
    {
        FuzzInput input(data, size);
        const uint8_t choice = input.byte();
        const auto value = static_cast<PluginInteger>(static_cast<uint32_t>(input.number(0, 0xFFFF)) << 16 |
                                                      static_cast<uint32_t>(input.number(0, 0xFFFF)));
        const PluginInteger length = input.number(-3, 600);
        const QByteArray bytes = input.rest();
        const uint32_t encoding = choice & 2 ? kEncodingUTF8 : kEncodingRawBytes;
        const StringRef s = choice & 1 ? StringRef() : StringRef::fromBytes(bytes, encoding);

        hash(s.get());
        osTypeOf(s.get());
        StringRef(stringOfOSType(value));
        if (!s.isNil()) FUZZ_CHECK(encodingOf(s.get()) == static_cast<PluginInteger>(encoding));

        const StringRef once(xorBytes(s.get(), value));
        const StringRef twice(xorBytes(once.get(), value));
        if (!s.isNil() && !once.isNil()) FUZZ_CHECK(twice.bytes() == s.bytes());

        const StringRef clone(cloneString(s.get()));
        if (!clone.isNil()) FUZZ_CHECK(clone.bytes() == s.bytes());

        const ObjectRef block(toBlock(s.get()));
        if (!block.isNil()) {
            FUZZ_CHECK(blockBytes(block.get()) == s.bytes());
            FUZZ_CHECK(StringRef(toString(block.get())).bytes() == s.bytes());
            const StringRef part(toStringWithLength(block.get(), length));
            if (length >= 0) FUZZ_CHECK(part.bytes() == s.bytes().left(length));
            const ObjectRef copy(cloneBlock(block.get()));
            FUZZ_CHECK(blockBytes(copy.get()) == s.bytes());
            const ObjectRef sized(cloneBlockWithLength(block.get(), length));
            if (length >= 0) {
                QByteArray expected = s.bytes().left(length);
                expected.append(QByteArray(length - expected.size(), '\0'));
                FUZZ_CHECK(blockBytes(sized.get()) == expected);
            }
        }
        const ObjectRef byReference(toBlockByReference(s.get()));
        if (!byReference.isNil()) FUZZ_CHECK(blockBytes(byReference.get()) == s.bytes());
        {
            const ObjectRef keeping(stringBlock(s.get()));
            if (!keeping.isNil()) FUZZ_CHECK(blockBytes(keeping.get()) == s.bytes());
        }
        ObjectRef(newInstance(s.get()));
        if (!s.isNil()) setEncoding(s.get(), value);
    }
    FUZZ_CHECK(PluginHost::liveStrings() == strings);
    FUZZ_CHECK(PluginHost::liveObjects() == objects);
    return 0;
}
