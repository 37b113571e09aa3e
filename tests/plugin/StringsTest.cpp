// Strings, encodings, memory blocks and objects, called through the host as its language would.
#include "PluginTestSupport.h"

#include <optional>

namespace {

using StringToInteger = PluginInteger (*)(REALstring);
using StringToString = REALstring (*)(REALstring);
using StringToObject = REALobject (*)(REALstring);
using ObjectToString = REALstring (*)(REALobject);
using ObjectToObject = REALobject (*)(REALobject);

struct Text {
    const char* bytes;  // null: Nil
    int length = -1;  // -1: up to the NUL
    uint32_t encoding = kEncodingUTF8;

    StringRef make() const {
        if (!bytes) return {};
        return StringRef::fromBytes(QByteArray(bytes, length < 0 ? qsizetype(strlen(bytes)) : length), encoding);
    }
};

class Strings : public PluginTest {};

}  // namespace

TEST_F(Strings, HashFoldsOnlyAsciiLetters) {
    const auto hash = [&](Text text) {
        return global<StringToInteger>("GetHash32QRX(s as string) as integer")(text.make().get());
    };
    EXPECT_EQ(hash({nullptr}), 1);
    EXPECT_EQ(hash({""}), 1);
    EXPECT_EQ(hash({"abc"}), 4915);
    EXPECT_EQ(hash({"ABC"}), 4915);

    const struct {
        const char* a;
        const char* b;
        bool same;
    } pairs[] = {
        {"Hello World", "hELLO wORLD", true},
        {"a much longer text, so that the bits rotate all the way round", "A MUCH LONGER TEXT, SO THAT THE BITS ROTATE ALL THE WAY ROUND", true},
        {"abc", "abd", false},
        {"[", "{", false},    // differ by 0x20 but are no letters
        {"@", "`", false},
        {"\xC4", "\xE4", false},  // Latin-1 capital and small A with diaeresis: not folded
    };
    for (const auto& pair : pairs) {
        SCOPED_TRACE(std::string(pair.a) + " / " + pair.b);
        EXPECT_EQ(hash({pair.a}) == hash({pair.b}), pair.same);
    }
}

TEST_F(Strings, XorChangesWholeGroupsOfFourBytes) {
    const auto xorBytes = global<REALstring (*)(REALstring, PluginInteger)>(
        "BitwiseXORStringBytesQRX(s as string, v as integer) as string");
    const struct Case {
        Text input;
        PluginInteger value;
        const char* expected;  // null: Nil
    } cases[] = {
        {{nullptr}, 1, nullptr},
        {{""}, 1, nullptr},
        {{"abc"}, 1, "abc"},              // no whole group
        {{"abcde"}, 1, "`cbee"},          // the fifth byte stays
        {{"abcdefgh"}, 0x120, "ABCDEFGH"},  // only the low byte counts
        {{"abcd"}, 256, "abcd"},          // key 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input.bytes ? c.input.bytes : "Nil");
        const StringRef input = c.input.make();
        const StringRef result(xorBytes(input.get(), c.value));
        if (!c.expected) {
            EXPECT_TRUE(result.isNil());
            continue;
        }
        ASSERT_FALSE(result.isNil());
        EXPECT_EQ(result.bytes(), QByteArray(c.expected));
        EXPECT_EQ(result.encoding(), kEncodingRawBytes);
        EXPECT_EQ(result.referenceCount(), 1);
        const StringRef twice(xorBytes(result.get(), c.value));
        EXPECT_EQ(twice.bytes(), input.bytes());
    }
}

TEST_F(Strings, FourCharacterCodes) {
    const auto fromString = global<StringToInteger>("OSTypeFromStringQRX(str as string) as integer");
    const struct {
        Text text;
        uint32_t code;
    } toCode[] = {
        {{"KCHR"}, 0x4B434852},
        {{"KCHRxyz"}, 0x4B434852},
        {{nullptr}, 0x20202020},
        {{""}, 0x20202020},
        {{"ab"}, 0x61622020},
        {{"\xC3\xA9t\xC3\xA9"}, 0x8E748E20},  // UTF-8 "été" becomes MacRoman first
        {{"\x8E\x8F", 2, kEncodingMacRoman}, 0x8E8F2020},
        {{"\xFF\xFE", 2, kEncodingRawBytes}, 0xFFFE2020},
    };
    for (const auto& c : toCode) {
        SCOPED_TRACE(c.text.bytes ? c.text.bytes : "Nil");
        EXPECT_EQ(static_cast<uint32_t>(fromString(c.text.make().get())), c.code);
    }

    const auto toString = global<REALstring (*)(PluginInteger)>("StringFromOSTypeQRX(int as integer) as string");
    const struct {
        uint32_t code;
        QByteArray bytes;
        uint32_t encoding;
    } toText[] = {
        {0x4B434852, "KCHR", kEncodingASCII},
        {0, QByteArray(4, '\0'), kEncodingASCII},
        {0x8E202020, "\x8E   ", kEncodingMacRoman},
        {0xFFFFFFFF, "\xFF\xFF\xFF\xFF", kEncodingMacRoman},
        {0x2020207F, "   \x7F", kEncodingASCII},
    };
    for (const auto& c : toText) {
        SCOPED_TRACE(c.code);
        const StringRef text(toString(static_cast<PluginInteger>(c.code)));
        EXPECT_EQ(text.bytes(), c.bytes);
        EXPECT_EQ(text.encoding(), c.encoding);
        EXPECT_EQ(text.referenceCount(), 1);
    }
}

TEST_F(Strings, EncodingMarkChangesNotTheBytes) {
    const auto getEncoding = global<StringToInteger>("GetEncodingOfStringQRX(s as string) as integer");
    const auto setEncoding = global<void (*)(REALstring, PluginInteger)>(
        "SetEncodingOfStringQRX(s as string, encoding as integer)");
    EXPECT_EQ(getEncoding(nullptr), 0);
    setEncoding(nullptr, kEncodingASCII);  // nothing to mark, and no crash

    const StringRef text = StringRef::fromBytes("caf\xC3\xA9", kEncodingUTF8);
    EXPECT_EQ(static_cast<uint32_t>(getEncoding(text.get())), kEncodingUTF8);
    setEncoding(text.get(), kEncodingMacRoman);
    EXPECT_EQ(getEncoding(text.get()), static_cast<PluginInteger>(kEncodingMacRoman));
    EXPECT_EQ(text.bytes(), QByteArray("caf\xC3\xA9"));
}

TEST_F(Strings, NewInstanceByClassName) {
    const auto newInstance = global<StringToObject>("NewInstanceQRX(ClassName as string) as object");
    const struct {
        Text name;
        const char* expectedClass;  // null: Nil
    } cases[] = {
        {{"StyleDataQRX"}, "StyleDataQRX"},
        {{"styledataqrx"}, "StyleDataQRX"},
        {{"MemoryBlock"}, "MemoryBlock"},
        {{"NoSuchClass"}, nullptr},
        {{"StyleDataQRX\0trailing", 21}, "StyleDataQRX"},  // the name ends at its NUL
        {{""}, nullptr},
        {{nullptr}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.bytes ? c.name.bytes : "Nil");
        const ObjectRef object(newInstance(c.name.make().get()));
        if (!c.expectedClass) {
            EXPECT_TRUE(object.isNil());
            continue;
        }
        EXPECT_TRUE(host.isA(object.get(), c.expectedClass));
        EXPECT_EQ(object.referenceCount(), 1);
    }
}

TEST_F(Strings, StringsToMemoryBlocks) {
    const auto copy = global<StringToObject>("StringToMemoryBlockQRX(s as string) as memoryblock");
    const auto byReference = global<StringToObject>("StringToMemoryBlockByReferenceQRX(s as string) as memoryblock");
    EXPECT_EQ(copy(nullptr), nullptr);
    EXPECT_EQ(byReference(nullptr), nullptr);

    const StringRef text = StringRef::fromBytes(bytesOf("ab\0cd"), kEncodingRawBytes);
    const ObjectRef copied(copy(text.get()));
    EXPECT_EQ(blockBytes(copied.get()), bytesOf("ab\0cd"));
    EXPECT_EQ(copied.referenceCount(), 1);
    static_cast<char*>(reinterpret_cast<PluginMemoryBlockRecord*>(copied.get())->data)[0] = 'X';
    EXPECT_EQ(text.bytes(), bytesOf("ab\0cd"));

    const ObjectRef shown(byReference(text.get()));
    const auto* block = reinterpret_cast<const PluginMemoryBlockRecord*>(shown.get());
    EXPECT_EQ(block->data, text.get()->text);
    EXPECT_EQ(block->size, 5);  // the block knows how far the text goes
    EXPECT_EQ(text.referenceCount(), 1);

    const ObjectRef empty(copy(StringRef::fromBytes("", kEncodingUTF8).get()));
    ASSERT_FALSE(empty.isNil());
    EXPECT_EQ(blockBytes(empty.get()).size(), 0);
}

TEST_F(Strings, MemoryBlocksToStringsNeverReadPastTheBlock) {
    const auto whole = global<ObjectToString>("MemoryBlockToStringQRX(s as memoryblock) as string");
    const auto withLength = global<REALstring (*)(REALobject, PluginInteger)>(
        "MemoryBlockToStringWithLengthQRX(s as memoryblock,len as integer) as string");
    const ObjectRef block = blockOf("abcdef");

    const StringRef all(whole(block.get()));
    EXPECT_EQ(all.bytes(), QByteArray("abcdef"));
    EXPECT_EQ(all.encoding(), kEncodingRawBytes);
    EXPECT_EQ(all.referenceCount(), 1);
    EXPECT_EQ(whole(nullptr), nullptr);
    EXPECT_EQ(whole(blockOf("").get()), nullptr);

    const struct {
        PluginInteger length;
        const char* expected;  // null: Nil
    } cases[] = {{3, "abc"}, {6, "abcdef"}, {100, "abcdef"}, {0, nullptr}, {-1, nullptr}, {INT32_MIN, nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        const StringRef part(withLength(block.get(), c.length));
        if (!c.expected) {
            EXPECT_TRUE(part.isNil());
        } else {
            EXPECT_EQ(part.bytes(), QByteArray(c.expected));
        }
    }
    EXPECT_EQ(withLength(nullptr, 3), nullptr);
}

TEST_F(Strings, Clones) {
    const auto cloneString = global<StringToString>("CloneStringQRX(s as string) as string");
    const StringRef text = StringRef::fromBytes("\x8E t\x8E", kEncodingMacRoman);
    const StringRef clone(cloneString(text.get()));
    EXPECT_NE(clone.get(), text.get());
    EXPECT_EQ(clone.bytes(), text.bytes());
    EXPECT_EQ(clone.encoding(), kEncodingMacRoman);
    EXPECT_EQ(clone.referenceCount(), 1);
    EXPECT_EQ(cloneString(StringRef::fromBytes("", kEncodingUTF8).get()), nullptr);
    EXPECT_EQ(cloneString(nullptr), nullptr);

    const auto cloneBlock = global<ObjectToObject>("CloneMemoryBlockQRX(s as memoryblock) as memoryblock");
    const ObjectRef block = blockOf(bytesOf("a\0b"));
    const ObjectRef blockClone(cloneBlock(block.get()));
    EXPECT_EQ(blockBytes(blockClone.get()), bytesOf("a\0b"));
    EXPECT_NE(blockClone.get(), block.get());
    EXPECT_EQ(blockClone.referenceCount(), 1);
    EXPECT_EQ(cloneBlock(nullptr), nullptr);

    const auto cloneWithLength = global<REALobject (*)(REALobject, PluginInteger)>(
        "CloneMemoryBlockWithLengthQRX(s as memoryblock,len as integer) as memoryblock");
    const struct {
        PluginInteger length;
        std::optional<QByteArray> expected;
    } cases[] = {
        {2, QByteArray("a\0", 2)},
        {3, QByteArray("a\0b", 3)},
        {6, QByteArray("a\0b\0\0\0", 6)},  // zero-filled beyond the source
        {0, QByteArray()},
        {-1, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        const ObjectRef result(cloneWithLength(block.get(), c.length));
        if (!c.expected) {
            EXPECT_TRUE(result.isNil());
            continue;
        }
        ASSERT_FALSE(result.isNil());
        EXPECT_EQ(blockBytes(result.get()), *c.expected);
    }
}

TEST_F(Strings, LockCountsAreRealReferenceCounts) {
    const auto stringCount = global<StringToInteger>("GetStringLockCountQRX(s as string) as integer");
    const auto objectCount = global<PluginInteger (*)(REALobject)>("GetObjectLockCountQRX(o as object) as integer");
    const auto referenceCount = classMethod<PluginInteger (*)(REALobject)>("Object", "ReferenceCountQRX as Integer");
    EXPECT_EQ(stringCount(nullptr), 0);
    EXPECT_EQ(objectCount(nullptr), 0);

    // A long text: a count read from the wrong word would answer its length.
    const StringRef text = StringRef::fromText(QString(300, 'x'));
    EXPECT_EQ(stringCount(text.get()), 0);
    StringRef second = text;
    EXPECT_EQ(stringCount(text.get()), 1);

    const ObjectRef object = host.newInstance("StyleDataQRX");
    EXPECT_EQ(objectCount(object.get()), 0);
    const ObjectRef another = object;
    EXPECT_EQ(objectCount(object.get()), 1);
    EXPECT_EQ(referenceCount(object.get()), 1);
}

TEST_F(Strings, AddressesAreWholePointers) {
    const auto objectAddress = global<PluginAddress (*)(REALobject)>("GetObjectMemoryAddressQRX(o as object) as integer");
    const auto stringAddress = global<PluginAddress (*)(REALstring)>("GetStringMemoryAddressQRX(s as string) as integer");
    const auto memoryAddress = classMethod<PluginAddress (*)(REALobject)>("MemoryBlock", "MemoryAddressQRX as Integer");
    const StringRef text = StringRef::fromText("x");
    const ObjectRef block = blockOf("x");
    EXPECT_EQ(stringAddress(text.get()), reinterpret_cast<PluginAddress>(text.get()));
    EXPECT_EQ(objectAddress(block.get()), reinterpret_cast<PluginAddress>(block.get()));
    EXPECT_EQ(memoryAddress(block.get()), reinterpret_cast<PluginAddress>(block.get()));
    EXPECT_EQ(objectAddress(nullptr), 0);
    EXPECT_EQ(stringAddress(nullptr), 0);
}

TEST_F(Strings, CallbackAddresses) {
    using Callback = PluginAddress (*)(PluginAddress, PluginAddress, PluginAddress);
    const PluginAddress in = global<PluginAddress (*)()>("ReturnInPtrQRX as Integer")();
    const PluginAddress out = global<PluginAddress (*)()>("ReturnOutPtrQRX as Integer")();
    const PluginAddress err = global<PluginAddress (*)()>("ReturnErrPtrQRX as Integer")();
    EXPECT_NE(out, err);
    EXPECT_EQ(in, global<PluginAddress (*)()>("ReturnInPtrQRX as Integer")());
    EXPECT_EQ(reinterpret_cast<Callback>(in)(1, 2, 42), 0);
    EXPECT_EQ(reinterpret_cast<Callback>(out)(1, 2, 42), 42);
    EXPECT_EQ(reinterpret_cast<Callback>(err)(1, 2, 42), 42);
}

TEST_F(Strings, StringMemoryBlockKeepsItsStringAlive) {
    const auto newBlock = global<StringToObject>("NewStringMemoryBlockQRX(data as string) as StringMemoryBlockQRX");
    EXPECT_EQ(newBlock(nullptr), nullptr);

    StringRef text = StringRef::fromBytes("kept text", kEncodingASCII);
    const ObjectRef block(newBlock(text.get()));
    ASSERT_FALSE(block.isNil());
    EXPECT_TRUE(host.isA(block.get(), "MemoryBlock"));
    EXPECT_EQ(block.referenceCount(), 1);
    EXPECT_EQ(text.referenceCount(), 2);
    text = StringRef();  // the block's reference is the last one

    EXPECT_EQ(blockBytes(block.get()), QByteArray("kept text"));
    const StringRef storage = host.stringProperty(block.get(), "StorageString");
    EXPECT_EQ(storage.bytes(), QByteArray("kept text"));
    EXPECT_EQ(storage.encoding(), kEncodingASCII);
    EXPECT_FALSE(host.setProperty(block.get(), "StorageString", "other"));  // read-only

    // Cloning reads the kept bytes, and the blocks's data is the string's text itself.
    const ObjectRef clone(global<ObjectToObject>("CloneMemoryBlockQRX(s as memoryblock) as memoryblock")(block.get()));
    EXPECT_EQ(blockBytes(clone.get()), QByteArray("kept text"));
    EXPECT_EQ(reinterpret_cast<const PluginMemoryBlockRecord*>(block.get())->data, storage.get()->text);
}
