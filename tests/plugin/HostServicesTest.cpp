// The host's services as the library calls them: conversions between encodings, memory blocks,
// and what they answer for things that are not what they expect.
#include "PluginTestSupport.h"

#include <cstring>

namespace {

template <typename Service>
Service service(const char* name) {
    const PluginFunction function = PluginHost::lookupService(name);
    EXPECT_NE(function, nullptr) << name;
    return reinterpret_cast<Service>(function);
}

QByteArray utf16(const char16_t* text) {
    return QByteArray(reinterpret_cast<const char*>(text), static_cast<qsizetype>(std::char_traits<char16_t>::length(text) * 2));
}

}  // namespace

TEST_F(PluginTest, ConvertsBetweenEncodings) {
    const auto convert = service<PluginService::REALConvertString>("REALConvertString");
    const struct Case {
        const char* name;
        QByteArray bytes;
        uint32_t from;
        uint32_t to;
        std::optional<QByteArray> expected;  // nothing: Nil
    } cases[] = {
        {"UTF-8 to MacRoman", "caf\xC3\xA9 \xE2\x80\xA0", kEncodingUTF8, kEncodingMacRoman, QByteArray("caf\x8E \xA0")},
        {"MacRoman to UTF-8", "\x8E\xDB\xF0", kEncodingMacRoman, kEncodingUTF8, QByteArray("\xC3\xA9\xE2\x82\xAC\xEF\xA3\xBF")},
        {"UTF-8 to UTF-16", "a\xC3\xA9", kEncodingUTF8, kEncodingUTF16, utf16(u"a\u00E9")},
        {"UTF-16 to MacRoman", utf16(u"\u00C4\u2122"), kEncodingUTF16, kEncodingMacRoman, QByteArray("\x80\xAA")},
        {"UTF-8 to ASCII", "caf\xC3\xA9", kEncodingUTF8, kEncodingASCII, QByteArray("caf?")},
        {"not in MacRoman", "\xE4\xB8\xAD", kEncodingUTF8, kEncodingMacRoman, QByteArray("?")},
        {"raw bytes keep their bytes", "\xFF\x01", kEncodingRawBytes, kEncodingUTF8, QByteArray("\xFF\x01")},
        {"to raw bytes", "\xC3\xA9", kEncodingUTF8, kEncodingRawBytes, QByteArray("\xC3\xA9")},
        {"ASCII with a high byte", "a\x80", kEncodingASCII, kEncodingUTF8, std::nullopt},
        {"UTF-16 of odd length", "abc", kEncodingUTF16, kEncodingUTF8, std::nullopt},
        {"unknown encoding", "abc", kEncodingUTF8, 0x1234, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const StringRef source = StringRef::fromBytes(c.bytes, c.from);
        const StringRef converted(convert(source.get(), c.to));
        if (!c.expected) {
            EXPECT_TRUE(converted.isNil());
            continue;
        }
        ASSERT_FALSE(converted.isNil());
        EXPECT_EQ(converted.bytes(), *c.expected);
        EXPECT_EQ(converted.encoding(), c.to);
        EXPECT_EQ(converted.referenceCount(), 1);
    }
    EXPECT_EQ(convert(nullptr, kEncodingUTF8), nullptr);
}

TEST_F(PluginTest, MemoryBlockServicesCheckWhatTheyAreGiven) {
    const auto newBlock = service<PluginService::newMemoryBlock>("newMemoryBlock");
    const auto getPtr = service<PluginService::memoryBlockGetPtr>("memoryBlockGetPtr");
    const auto getSize = service<PluginService::memoryBlockGetSize>("memoryBlockGetSize");
    const auto overData = service<PluginService::PtrToMemoryBlock>("PtrToMemoryBlock");
    const auto setExternal = service<PluginService::memoryBlockSetExternalData>("memoryBlockSetExternalData");

    EXPECT_EQ(newBlock(-1), nullptr);
    const ObjectRef block(newBlock(8));
    ASSERT_FALSE(block.isNil());
    EXPECT_EQ(getSize(block.get()), 8);
    EXPECT_EQ(blockBytes(block.get()), QByteArray(8, '\0'));

    const ObjectRef notABlock = host.newInstance("StyleDataQRX");
    EXPECT_EQ(getPtr(notABlock.get()), nullptr);
    EXPECT_EQ(getSize(notABlock.get()), 0);
    EXPECT_FALSE(setExternal(notABlock.get(), block.get(), 1));
    EXPECT_EQ(getPtr(nullptr), nullptr);
    EXPECT_EQ(overData(nullptr, 4), nullptr);
    EXPECT_EQ(overData(getPtr(block.get()), -1), nullptr);

    char bytes[] = "abc";
    const ObjectRef shown(overData(bytes, 3));
    EXPECT_EQ(getPtr(shown.get()), static_cast<void*>(bytes));
    EXPECT_EQ(getSize(shown.get()), 3);
    EXPECT_EQ(PluginHost::lookupService("NoSuchService"), nullptr);
}
