// Style data decoding into lists of style records, and the records' properties.
#include "PluginTestSupport.h"

#include <optional>

namespace {

using Decoder = REALobject (*)(REALstring, REALstring);
using StyleAt = REALobject (*)(REALobject, PluginInteger);

struct MacElement {
    int32_t start = 0;
    uint16_t height = 0;
    uint16_t font = 0;
    uint8_t style = 0;
    uint16_t size = 0;
    uint16_t red = 0, green = 0, blue = 0;
};

void appendBigEndian(QByteArray& bytes, uint32_t value, int width) {
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8) bytes.append(static_cast<char>(value >> shift));
}

// A TextEdit style scrap; `count` overrides the element count it announces.
QByteArray macStyles(const std::vector<MacElement>& elements, std::optional<uint16_t> count = std::nullopt) {
    QByteArray bytes;
    appendBigEndian(bytes, count.value_or(static_cast<uint16_t>(elements.size())), 2);
    for (const MacElement& e : elements) {
        appendBigEndian(bytes, static_cast<uint32_t>(e.start), 4);
        appendBigEndian(bytes, e.height, 2);
        appendBigEndian(bytes, 0, 2);  // ascent
        appendBigEndian(bytes, e.font, 2);
        bytes.append(static_cast<char>(e.style));
        bytes.append('\0');
        appendBigEndian(bytes, e.size, 2);
        appendBigEndian(bytes, e.red, 2);
        appendBigEndian(bytes, e.green, 2);
        appendBigEndian(bytes, e.blue, 2);
    }
    return bytes;
}

// Style data, a text (null: Nil) and the texts of the records it decodes into ("<Nil>" for a
// record without text; nothing: the decoder answers Nil).
struct DecodeCase {
    const char* name;
    QByteArray styles;
    const char* text;
    std::optional<std::vector<std::string>> expected;
};

class StyleData : public PluginTest {
public:
    // The decoded records, or nothing when the decoder answered Nil.
    std::optional<std::vector<ObjectRef>> decode(const char* declaration, const QByteArray& styles,
                                                 const StringRef& text) {
        const StringRef styleString = StringRef::fromBytes(styles, kEncodingRawBytes);
        const ObjectRef list(global<Decoder>(declaration)(text.get(), styles.isNull() ? nullptr : styleString.get()));
        if (list.isNil()) return std::nullopt;
        EXPECT_EQ(list.referenceCount(), 1);
        EXPECT_TRUE(host.isA(list.get(), "StyleDataListQRX"));
        const int count = host.property(list.get(), "Count").toInt();
        std::vector<ObjectRef> records;
        for (int i = 1; i <= count; ++i) records.emplace_back(styleAt(list.get(), i));
        EXPECT_TRUE(styleAt(list.get(), count + 1).isNil());
        return records;
    }
    std::optional<std::vector<ObjectRef>> decodeMac(const QByteArray& styles, const StringRef& text) {
        return decode("DecompileMacStyleDataQRX(text as string, styles as string) as StyleDataListQRX", styles, text);
    }
    std::optional<std::vector<ObjectRef>> decodeWindows(const QByteArray& styles, const StringRef& text) {
        return decode("DecompileWinStyleDataQRX(text as string, styles as string) as StyleDataListQRX", styles, text);
    }
    ObjectRef styleAt(REALobject list, PluginInteger index) {
        return ObjectRef(classMethod<StyleAt>("StyleDataListQRX", "Style(index as integer) as StyleDataQRX")(list, index));
    }
    QVariant get(const ObjectRef& record, const char* name) { return host.property(record.get(), name); }
    template <typename Decode, std::size_t N>
    void checkTexts(Decode decode, const DecodeCase (&cases)[N]) {
        for (const DecodeCase& c : cases) {
            SCOPED_TRACE(c.name);
            const StringRef text = c.text ? StringRef::fromBytes(c.text, kEncodingUTF8) : StringRef();
            const auto records = (this->*decode)(c.styles, text);
            ASSERT_EQ(records.has_value(), c.expected.has_value());
            if (records) {
                EXPECT_EQ(texts(*records), *c.expected);
            }
        }
    }
    // The texts of the records; "<Nil>" for none.
    std::vector<std::string> texts(const std::vector<ObjectRef>& records) {
        std::vector<std::string> result;
        for (const ObjectRef& record : records) {
            const StringRef text = host.stringProperty(record.get(), "Text");
            result.push_back(text.isNil() ? "<Nil>" : text.bytes().toStdString());
            EXPECT_EQ(get(record, "TextLength").toInt(), text.bytes().size());
        }
        return result;
    }
};

}  // namespace

TEST_F(StyleData, MacElementFields) {
    MacElement element;
    element.start = 6;
    element.height = 14;
    element.font = 0;
    element.style = 0x45;  // bold, underline, extend
    element.size = 12;
    element.red = 0xFFFF;
    element.green = 0x8000;
    element.blue = 0;
    const QByteArray styles = macStyles({element});
    ASSERT_EQ(styles.size(), 22);
    const auto records = decodeMac(styles, StringRef::fromBytes("Hello world", kEncodingMacRoman));
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 1u);
    const ObjectRef& r = records->front();

    EXPECT_EQ(get(r, "Style").toInt(), 69);
    const struct {
        const char* name;
        bool set;
    } bits[] = {{"Bold", true},    {"Italic", false},   {"Underline", true}, {"Outline", false},
                {"Shadow", false}, {"Condense", false}, {"Extend", true}};
    for (const auto& bit : bits) {
        SCOPED_TRACE(bit.name);
        EXPECT_EQ(get(r, bit.name).toBool(), bit.set);
    }
    EXPECT_EQ(get(r, "TextOffset").toInt(), 6);
    EXPECT_EQ(get(r, "TextHeight").toInt(), 14);
    EXPECT_EQ(get(r, "TextSize").toInt(), 12);
    EXPECT_EQ(get(r, "Red").toInt(), 0xFFFF);
    EXPECT_EQ(get(r, "Green").toInt(), 0x8000);
    EXPECT_EQ(get(r, "Blue").toInt(), 0);
    EXPECT_EQ(get(r, "TextColor").toUInt(), 0xFF8000u);
    // Colour and font are set, yet this decoder marks neither as available.
    EXPECT_FALSE(get(r, "ColorAvailable").toBool());
    EXPECT_FALSE(get(r, "FontAvailable").toBool());
    EXPECT_EQ(get(r, "FontName").toString(), host.systemFontName());

    const StringRef text = host.stringProperty(r.get(), "Text");
    EXPECT_EQ(text.bytes(), QByteArray("world"));
    EXPECT_EQ(text.encoding(), kEncodingMacRoman);
    EXPECT_EQ(get(r, "TextLength").toInt(), 5);
}

TEST_F(StyleData, MacRunsAreCutToTheText) {
    const auto at = [](int32_t start) {
        MacElement element;
        element.start = start;
        return element;
    };
    QByteArray halfElement = macStyles({at(0), at(3)});
    halfElement.chop(10);
    const DecodeCase cases[] = {
        {"runs in order", macStyles({at(0), at(2), at(5)}), "abcdefgh", {{"ab", "cde", "fgh"}}},
        {"21 bytes", macStyles({at(0)}).left(21), "abc", std::nullopt},
        {"no styles", QByteArray(), "abc", std::nullopt},
        {"count 0", macStyles({at(0)}, 0), "abc", std::nullopt},
        {"count beyond the elements", macStyles({at(0), at(2)}, 9), "abcd", {{"ab", "cd"}}},
        {"last element cut short", halfElement, "abcd", {{"abcd"}}},
        {"decreasing offsets", macStyles({at(5), at(2)}), "abcdefgh", {{"<Nil>", "cdefgh"}}},
        {"offset past the text", macStyles({at(0), at(100)}), "abc", {{"abc", "<Nil>"}}},
        {"negative offset", macStyles({at(-5)}), "abc", {{"abc"}}},
        {"Nil text", macStyles({at(0), at(2)}), nullptr, {{"<Nil>", "<Nil>"}}},
        {"empty text", macStyles({at(0)}), "", {{"<Nil>"}}},
    };
    checkTexts(&StyleData::decodeMac, cases);
}

TEST_F(StyleData, WindowsRecords) {
    // bold+italic, size 10; a named font with colour 10, 20, 30, size 12; underline with bits
    // 32..128 that carry nothing, size 9.
    const QByteArray styles = bytesOf("\x03\x0A"
                                      "\x18\x05"
                                      "Arial\x0A\x14\x1E\x0C"
                                      "\xE4\x09");
    const auto records = decodeWindows(styles, StringRef::fromBytes("xyz", kEncodingASCII));
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 3u);
    const ObjectRef& first = (*records)[0];
    const ObjectRef& second = (*records)[1];
    const ObjectRef& third = (*records)[2];

    EXPECT_EQ(texts(*records), (std::vector<std::string>{"x", "y", "z"}));
    EXPECT_EQ(host.stringProperty(first.get(), "Text").encoding(), kEncodingASCII);
    EXPECT_EQ(get(first, "Style").toInt(), 3);
    EXPECT_TRUE(get(first, "Bold").toBool());
    EXPECT_TRUE(get(first, "Italic").toBool());
    EXPECT_EQ(get(first, "TextSize").toInt(), 10);
    EXPECT_FALSE(get(first, "FontAvailable").toBool());
    EXPECT_FALSE(get(first, "ColorAvailable").toBool());

    const StringRef font = host.stringProperty(second.get(), "FontName");
    EXPECT_EQ(font.bytes(), QByteArray("Arial"));
    EXPECT_EQ(font.encoding(), kEncodingMacRoman);
    EXPECT_TRUE(get(second, "FontAvailable").toBool());
    EXPECT_TRUE(get(second, "ColorAvailable").toBool());
    EXPECT_EQ(get(second, "Red").toInt(), 2570);
    EXPECT_EQ(get(second, "Blue").toInt(), 5140);  // the second colour byte is blue
    EXPECT_EQ(get(second, "Green").toInt(), 7710);
    EXPECT_EQ(get(second, "TextColor").toUInt(), 0u);
    EXPECT_EQ(get(second, "TextSize").toInt(), 12);
    EXPECT_EQ(get(second, "Style").toInt(), 0);

    EXPECT_EQ(get(third, "Style").toInt(), 4);
    EXPECT_TRUE(get(third, "Underline").toBool());
    EXPECT_FALSE(get(third, "Outline").toBool());
    EXPECT_FALSE(get(third, "ColorAvailable").toBool());
    EXPECT_EQ(get(third, "Red").toInt(), 0);  // no colour of an earlier record carried over
    for (const char* zero : {"TextOffset", "TextHeight", "FontID"}) EXPECT_EQ(get(third, zero).toInt(), 0) << zero;
}

TEST_F(StyleData, WindowsDataCutShort) {
    const DecodeCase cases[] = {
        {"empty", QByteArray(""), "ab", std::nullopt},
        {"Nil", QByteArray(), "ab", std::nullopt},
        {"flag only", bytesOf("\x01"), "ab", std::nullopt},
        {"name longer than the data", bytesOf("\x00\x05\x08\x09Ari"), "ab", {{"a"}}},
        {"name length missing", bytesOf("\x00\x05\x08"), "ab", {{"a"}}},
        {"two of three colour bytes", bytesOf("\x00\x05\x10\x01\x02"), "ab", {{"a"}}},
        {"size byte missing", bytesOf("\x00\x05\x10\x01\x02\x03"), "ab", {{"a"}}},
        {"more records than text", bytesOf("\x00\x05\x00\x06\x00\x07"), "ab", {{"a", "b", "<Nil>"}}},
        {"Nil text", bytesOf("\x00\x05"), nullptr, {{"<Nil>"}}},
    };
    checkTexts(&StyleData::decodeWindows, cases);
}

TEST_F(StyleData, ListIndexAndLifetime) {
    MacElement first, second;
    second.start = 1;
    const StringRef styles = StringRef::fromBytes(macStyles({first, second}), kEncodingRawBytes);
    ObjectRef list(global<Decoder>("DecompileMacStyleDataQRX(text as string, styles as string) as StyleDataListQRX")(
        StringRef::fromText("ab").get(), styles.get()));
    ASSERT_FALSE(list.isNil());
    EXPECT_EQ(host.property(list.get(), "Count").toInt(), 2);
    for (PluginInteger index : {0, -1, 3, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(index);
        EXPECT_TRUE(styleAt(list.get(), index).isNil());
    }

    const ObjectRef record = styleAt(list.get(), 1);
    EXPECT_EQ(record.referenceCount(), 2);  // the list's and ours
    EXPECT_NE(record.get(), styleAt(list.get(), 2).get());
    list = ObjectRef();  // releases every record it holds
    EXPECT_EQ(record.referenceCount(), 1);
    EXPECT_EQ(host.stringProperty(record.get(), "Text").bytes(), QByteArray("a"));
}

TEST_F(StyleData, ColourSetters) {
    const ObjectRef r = host.newInstance("StyleDataQRX");
    EXPECT_FALSE(get(r, "ColorAvailable").toBool());
    ASSERT_TRUE(host.setProperty(r.get(), "TextColor", 0x123456u));
    EXPECT_EQ(get(r, "Red").toInt(), 0x1212);
    EXPECT_EQ(get(r, "Green").toInt(), 0x3434);
    EXPECT_EQ(get(r, "Blue").toInt(), 0x5656);
    EXPECT_TRUE(get(r, "ColorAvailable").toBool());

    const struct {
        const char* component;
        PluginInteger value;
        int stored;
        uint32_t color;
    } cases[] = {
        {"Red", 0xAB00, 0xAB00, 0xAB3456},
        {"Green", 0x00FF, 0x00FF, 0xAB0056},
        {"Blue", 0x1FFFF, 0xFFFF, 0xAB00FF},  // masked to 16 bits
        {"Red", -1, 0xFFFF, 0xFF00FF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.component);
        ASSERT_TRUE(host.setProperty(r.get(), c.component, c.value));
        EXPECT_EQ(get(r, c.component).toInt(), c.stored);
        EXPECT_EQ(get(r, "TextColor").toUInt(), c.color);
    }
}

TEST_F(StyleData, TextAndFontSetters) {
    const ObjectRef r = host.newInstance("StyleDataQRX");
    ASSERT_TRUE(host.setStringProperty(r.get(), "Text", StringRef::fromBytes("hello", kEncodingASCII)));
    EXPECT_EQ(get(r, "TextLength").toInt(), 5);
    EXPECT_EQ(get(r, "Text").toString(), "hello");
    ASSERT_TRUE(host.setStringProperty(r.get(), "Text", StringRef()));
    EXPECT_EQ(get(r, "TextLength").toInt(), 0);
    EXPECT_FALSE(host.setProperty(r.get(), "TextLength", 3));  // read-only

    // A font number names a family, and that family's number names it again.
    ASSERT_TRUE(host.setProperty(r.get(), "FontID", 4));
    const QString monospace = get(r, "FontName").toString();
    EXPECT_FALSE(monospace.isEmpty());
    EXPECT_TRUE(get(r, "FontAvailable").toBool());
    ASSERT_TRUE(host.setProperty(r.get(), "FontName", monospace));
    ASSERT_TRUE(host.setProperty(r.get(), "FontID", get(r, "FontID")));
    EXPECT_EQ(get(r, "FontName").toString(), monospace);

    ASSERT_TRUE(host.setProperty(r.get(), "FontName", host.systemFontName()));
    EXPECT_EQ(get(r, "FontID").toInt(), 0);
    ASSERT_TRUE(host.setStringProperty(r.get(), "FontName", StringRef()));
    EXPECT_EQ(get(r, "FontID").toInt(), 0);
    EXPECT_TRUE(host.stringProperty(r.get(), "FontName").isNil());

    ASSERT_TRUE(host.setProperty(r.get(), "Shadow", true));
    EXPECT_TRUE(get(r, "Shadow").toBool());
    EXPECT_FALSE(get(r, "NoSuchProperty").isValid());
}
