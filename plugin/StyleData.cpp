// Style data decoding: TextEdit style scraps and the host's compact Windows style data become
// lists of style records.
#include "plugin/FontNames.h"
#include "plugin/HostServices.h"
#include "plugin/Methods.h"
#include "plugin/Records.h"

#include <algorithm>
#include <cstddef>
#include <new>
#include <vector>

namespace {

struct StyleDataFields {
    bool Bold;
    PluginInteger TextOffset;
    bool Italic;
    PluginInteger TextHeight;
    bool Underline;
    PluginInteger FontID;
    bool Outline;
    REALstring FontName;  // holds one reference
    bool Shadow;
    PluginInteger TextSize;
    bool Condense;
    uint32_t TextColor;  // 0x00RRGGBB
    bool Extend;
    PluginInteger Red;  // 16-bit components
    bool ColorAvailable;
    PluginInteger Green;
    bool FontAvailable;
    PluginInteger Blue;
    REALstring Text;  // holds one reference
    PluginInteger TextLength;
    PluginInteger Style;
};

struct StyleNode {
    StyleNode* next;
    REALobject record;  // the list holds one reference
};

struct StyleListFields {
    PluginInteger Count;
    StyleNode* head;
};

enum StyleBits { kBold = 1, kItalic = 2, kUnderline = 4, kOutline = 8, kShadow = 16, kCondense = 32, kExtend = 64 };

StyleDataFields* fieldsOf(REALobject record) { return InstanceData<StyleDataFields>(record, StyleDataQRXClass); }
StyleListFields* listOf(REALobject list) { return InstanceData<StyleListFields>(list, StyleDataListQRXClass); }

void replaceString(REALstring& field, REALstring value) {
    Host::REALUnlockString(field);
    field = value;
}

REALstring fontNameString(int16_t number) {
    const std::string name = FontNameForNumber(number);
    return HostStringFromBytes(name.data(), static_cast<intptr_t>(name.size()), kEncodingUTF8);
}

// The name's text in the host's own encoding, to compare with font families.
std::string fontNameText(REALstring name) {
    REALstring converted = Host::REALConvertString(name, kEncodingUTF8);
    const std::string text(TextOf(converted ? converted : name));
    if (converted) Host::REALUnlockString(converted);
    return text;
}

PluginInteger component(uint32_t color, int shift) { return static_cast<PluginInteger>(((color >> shift) & 0xFF) * 257); }

uint32_t colorOfComponents(const StyleDataFields& f) {
    return (static_cast<uint32_t>(f.Red >> 8) << 16) | (static_cast<uint32_t>(f.Green) & 0xFF00) |
           static_cast<uint32_t>(f.Blue >> 8);
}

void setFontID(REALobject instance, intptr_t, PluginInteger value) {
    StyleDataFields* f = fieldsOf(instance);
    f->FontID = value;
    replaceString(f->FontName, fontNameString(static_cast<int16_t>(value & 0xFFFF)));
    f->FontAvailable = true;
}

void setFontName(REALobject instance, intptr_t, REALstring value) {
    StyleDataFields* f = fieldsOf(instance);
    Host::REALLockString(value);
    replaceString(f->FontName, value);
    if (!value) {
        f->FontID = 0;
        return;
    }
    f->FontID = FontNumberForName(fontNameText(value));
    f->FontAvailable = true;
}

void setText(REALobject instance, intptr_t, REALstring value) {
    StyleDataFields* f = fieldsOf(instance);
    Host::REALLockString(value);
    replaceString(f->Text, value);
    f->TextLength = static_cast<PluginInteger>(TextOf(value).size());
}

void setTextColor(REALobject instance, intptr_t, uint32_t value) {
    StyleDataFields* f = fieldsOf(instance);
    f->TextColor = value;
    f->Red = component(value, 16);
    f->Green = component(value, 8);
    f->Blue = component(value, 0);
    f->ColorAvailable = true;
}

// Serves Red, Green and Blue: the parameter is the component's offset.
void setColorComponent(REALobject instance, intptr_t offset, PluginInteger value) {
    StyleDataFields* f = fieldsOf(instance);
    PluginInteger* target = offset == offsetof(StyleDataFields, Red)     ? &f->Red
                            : offset == offsetof(StyleDataFields, Green) ? &f->Green
                                                                         : &f->Blue;
    *target = value & 0xFFFF;
    f->TextColor = colorOfComponents(*f);
    f->ColorAvailable = true;
}

void destroyStyleData(REALobject instance) {
    StyleDataFields* f = fieldsOf(instance);
    replaceString(f->FontName, nullptr);
    replaceString(f->Text, nullptr);
}

void destroyStyleList(REALobject instance) {
    StyleListFields* list = listOf(instance);
    for (StyleNode* node = list->head; node;) {
        StyleNode* next = node->next;
        Host::REALUnlockObject(node->record);
        delete node;
        node = next;
    }
    list->head = nullptr;
    list->Count = 0;
}

// The index-th record counted from 1, with a reference for the caller; Nil outside the list.
REALobject listStyle(REALobject instance, PluginInteger index) {
    if (index < 1) return nullptr;
    StyleNode* node = listOf(instance)->head;
    for (PluginInteger i = 1; node && i < index; ++i) node = node->next;
    if (!node) return nullptr;
    Host::REALLockObject(node->record);
    return node->record;
}

const PluginFunction field = pluginFieldAccess();

#define STYLE_FIELD(name) offsetof(StyleDataFields, name)
PluginPropertyRecord styleDataProperties[] = {
    Property("FontAvailable", "Boolean", field, field, STYLE_FIELD(FontAvailable)),
    Property("ColorAvailable", "Boolean", field, field, STYLE_FIELD(ColorAvailable)),
    Property("Bold", "Boolean", field, field, STYLE_FIELD(Bold)),
    Property("Italic", "Boolean", field, field, STYLE_FIELD(Italic)),
    Property("Underline", "Boolean", field, field, STYLE_FIELD(Underline)),
    Property("Outline", "Boolean", field, field, STYLE_FIELD(Outline)),
    Property("Shadow", "Boolean", field, field, STYLE_FIELD(Shadow)),
    Property("Condense", "Boolean", field, field, STYLE_FIELD(Condense)),
    Property("Extend", "Boolean", field, field, STYLE_FIELD(Extend)),
    Property("TextOffset", "Integer", field, field, STYLE_FIELD(TextOffset)),
    Property("TextHeight", "Integer", field, field, STYLE_FIELD(TextHeight)),
    Property("FontID", "Integer", field, pluginFunction(&setFontID), STYLE_FIELD(FontID)),
    Property("FontName", "String", field, pluginFunction(&setFontName), STYLE_FIELD(FontName)),
    Property("TextSize", "Integer", field, field, STYLE_FIELD(TextSize)),
    Property("TextColor", "Color", field, pluginFunction(&setTextColor), STYLE_FIELD(TextColor)),
    Property("Red", "Integer", field, pluginFunction(&setColorComponent), STYLE_FIELD(Red)),
    Property("Green", "Integer", field, pluginFunction(&setColorComponent), STYLE_FIELD(Green)),
    Property("Blue", "Integer", field, pluginFunction(&setColorComponent), STYLE_FIELD(Blue)),
    Property("Text", "String", field, pluginFunction(&setText), STYLE_FIELD(Text)),
    Property("Style", "Integer", field, field, STYLE_FIELD(Style)),
    Property("TextLength", "Integer", field, nullptr, STYLE_FIELD(TextLength)),
};
#undef STYLE_FIELD

PluginPropertyRecord styleListProperties[] = {
    Property("Count", "Integer", field, field, offsetof(StyleListFields, Count)),
};

PluginMethodRecord styleListMethods[] = {
    Method(pluginFunction(&listStyle), "Style(index as integer) as StyleDataQRX"),
};

void setStyleBits(StyleDataFields* f, unsigned bits) {
    f->Bold = bits & kBold;
    f->Italic = bits & kItalic;
    f->Underline = bits & kUnderline;
    f->Outline = bits & kOutline;
    f->Shadow = bits & kShadow;
    f->Condense = bits & kCondense;
    f->Extend = bits & kExtend;
}

unsigned bigEndian16(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned>(static_cast<unsigned char>(bytes[at])) << 8 | static_cast<unsigned char>(bytes[at + 1]);
}

int32_t bigEndian32(std::string_view bytes, std::size_t at) {
    return static_cast<int32_t>(bigEndian16(bytes, at) << 16 | bigEndian16(bytes, at + 2));
}

// Hands the records to a new list, which then holds them alone; Nil (and every record released)
// when there is none or the list cannot be made.
REALobject makeList(const std::vector<REALobject>& records) {
    REALobject list = records.empty() ? nullptr : Host::PluginNewInstance("StyleDataListQRX");
    StyleListFields* fields = list ? listOf(list) : nullptr;
    StyleNode** tail = fields ? &fields->head : nullptr;
    for (REALobject record : records) {
        StyleNode* node = tail ? new (std::nothrow) StyleNode{nullptr, record} : nullptr;
        if (!node) {
            Host::REALUnlockObject(record);
            continue;
        }
        *tail = node;
        tail = &node->next;
        ++fields->Count;
    }
    if (fields && fields->Count == 0) {
        Host::REALUnlockObject(list);
        return nullptr;
    }
    return list;
}

REALobject newStyleData() { return Host::PluginNewInstance("StyleDataQRX"); }

constexpr std::size_t kMacElementSize = 20;
constexpr std::size_t kMacHeaderSize = 2;

}  // namespace

PluginClassRecord StyleDataQRXClass =
    ClassRecord("StyleDataQRX", nullptr, sizeof(StyleDataFields), nullptr, pluginFunction(&destroyStyleData),
                styleDataProperties, countOf(styleDataProperties), nullptr, 0);

PluginClassRecord StyleDataListQRXClass =
    ClassRecord("StyleDataListQRX", nullptr, sizeof(StyleListFields), nullptr, pluginFunction(&destroyStyleList),
                styleListProperties, countOf(styleListProperties), styleListMethods, countOf(styleListMethods));

// A count larger than the elements present decodes the whole elements; each run's text is cut to
// the text, so offsets outside it or decreasing give empty runs.
REALobject DecompileMacStyleDataQRX(REALstring text, REALstring styles) {
    const std::string_view data = TextOf(styles);
    if (data.size() < kMacHeaderSize + kMacElementSize) return nullptr;
    const std::size_t count =
        std::min<std::size_t>(bigEndian16(data, 0), (data.size() - kMacHeaderSize) / kMacElementSize);
    const std::string_view body = TextOf(text);
    const auto textEnd = static_cast<int64_t>(body.size());
    const uint32_t encoding = text ? Host::REALGetStringEncoding(text) : kEncodingMacRoman;
    auto offsetAt = [&](std::size_t i) { return bigEndian32(data, kMacHeaderSize + i * kMacElementSize); };

    std::vector<REALobject> records;
    for (std::size_t i = 0; i < count; ++i) {
        REALobject record = newStyleData();
        if (!record) continue;
        StyleDataFields* f = fieldsOf(record);
        const std::size_t at = kMacHeaderSize + i * kMacElementSize;
        const unsigned style = static_cast<unsigned char>(data[at + 10]);
        f->Style = static_cast<PluginInteger>(style);
        setStyleBits(f, style);
        f->TextOffset = offsetAt(i);
        f->TextHeight = static_cast<PluginInteger>(bigEndian16(data, at + 4));
        f->FontID = static_cast<PluginInteger>(bigEndian16(data, at + 8));
        f->TextSize = static_cast<PluginInteger>(bigEndian16(data, at + 12));
        f->Red = static_cast<PluginInteger>(bigEndian16(data, at + 14));
        f->Green = static_cast<PluginInteger>(bigEndian16(data, at + 16));
        f->Blue = static_cast<PluginInteger>(bigEndian16(data, at + 18));
        f->TextColor = static_cast<uint32_t>((f->Red / 256) << 16 | (f->Green / 256) << 8 | f->Blue / 256);
        if (!body.empty()) {
            const int64_t start = std::clamp<int64_t>(f->TextOffset, 0, textEnd);
            const int64_t end = i + 1 < count ? std::clamp<int64_t>(offsetAt(i + 1), start, textEnd) : textEnd;
            f->Text = HostStringFromBytes(body.data() + start, static_cast<intptr_t>(end - start), encoding);
            f->TextLength = static_cast<PluginInteger>(end - start);
        }
        f->FontName = fontNameString(static_cast<int16_t>(bigEndian16(data, at + 8)));
        records.push_back(record);
    }
    return makeList(records);
}

// One record per text byte: a flag byte, a name (flag 8), three colour bytes (flag 16), a size
// byte. A record cut short ends the decoding; records beyond the text get no text.
REALobject DecompileWinStyleDataQRX(REALstring text, REALstring styles) {
    const std::string_view data = TextOf(styles);
    if (data.empty()) return nullptr;
    const std::string_view body = TextOf(text);
    const uint32_t encoding = text ? Host::REALGetStringEncoding(text) : kEncodingMacRoman;

    std::vector<REALobject> records;
    std::size_t at = 0;
    for (std::size_t textPosition = 0; at < data.size(); ++textPosition) {
        const unsigned flag = static_cast<unsigned char>(data[at++]);
        std::string_view name;
        if (flag & 8) {
            if (at >= data.size()) break;
            const std::size_t length = static_cast<unsigned char>(data[at++]);
            if (data.size() - at < length) break;
            name = data.substr(at, length);
            at += length;
        }
        std::string_view color;
        if (flag & 16) {
            if (data.size() - at < 3) break;
            color = data.substr(at, 3);
            at += 3;
        }
        if (at >= data.size()) break;
        const unsigned size = static_cast<unsigned char>(data[at++]);

        REALobject record = newStyleData();
        if (!record) continue;
        StyleDataFields* f = fieldsOf(record);
        f->Style = static_cast<PluginInteger>(flag & 7);
        setStyleBits(f, flag & 7);
        f->TextSize = static_cast<PluginInteger>(size);
        f->FontName = HostStringFromBytes(name.data(), static_cast<intptr_t>(name.size()), kEncodingMacRoman);
        f->FontAvailable = f->FontName != nullptr;
        f->ColorAvailable = !color.empty();
        if (!color.empty()) {
            // The second byte is blue and the third green.
            f->Red = static_cast<unsigned char>(color[0]) * 257;
            f->Blue = static_cast<unsigned char>(color[1]) * 257;
            f->Green = static_cast<unsigned char>(color[2]) * 257;
        }
        if (textPosition < body.size()) {
            f->Text = HostStringFromBytes(body.data() + textPosition, 1, encoding);
            f->TextLength = f->Text ? 1 : 0;
        }
        records.push_back(record);
    }
    return makeList(records);
}
