// The plug-in's style-data decoders on any text and style data, called through the host as the
// program calls them: no crash, every record's text is a piece of the text with its length, the
// list answers Nil outside 1..Count, and nothing the call made is left alive.
#include "FuzzInput.h"

#include "platform/PluginHost.h"

extern "C" void REALPluginMain(PluginLookup lookup);

namespace {

using Decoder = REALobject (*)(REALstring, REALstring);
using StyleAt = REALobject (*)(REALobject, PluginInteger);

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    REALPluginMain(&PluginHost::lookupService);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    PluginHost& host = PluginHost::instance();
    static const auto decodeMac = reinterpret_cast<Decoder>(
        host.lookupMethod("DecompileMacStyleDataQRX(text as string, styles as string) as StyleDataListQRX"));
    static const auto decodeWindows = reinterpret_cast<Decoder>(
        host.lookupMethod("DecompileWinStyleDataQRX(text as string, styles as string) as StyleDataListQRX"));
    static const auto styleAt = reinterpret_cast<StyleAt>(
        host.lookupClassMethod("StyleDataListQRX", "Style(index as integer) as StyleDataQRX"));
    FUZZ_CHECK(decodeMac && decodeWindows && styleAt);

    const intptr_t strings = PluginHost::liveStrings();
    const intptr_t objects = PluginHost::liveObjects();
    {
        FuzzInput input(data, size);
        const uint8_t choice = input.byte();
        const uint32_t encodings[] = {kEncodingUTF8, kEncodingMacRoman, kEncodingRawBytes, 0xFFFFFFFFu};
        const QByteArray textBytes = input.bytes(input.number(0, 300));
        const QByteArray styleBytes = input.rest();
        const StringRef text = choice & 2 ? StringRef() : StringRef::fromBytes(textBytes, encodings[choice >> 2 & 3]);
        const StringRef styles = choice & 4 ? StringRef() : StringRef::fromBytes(styleBytes, kEncodingRawBytes);

        const ObjectRef list((choice & 1 ? decodeWindows : decodeMac)(text.get(), styles.get()));
        if (!list.isNil()) {
            FUZZ_CHECK(host.isA(list.get(), "StyleDataListQRX"));
            const int count = host.property(list.get(), "Count").toInt();
            FUZZ_CHECK(count >= 1);
            for (int i = 1; i <= count; ++i) {
                const ObjectRef record(styleAt(list.get(), i));
                FUZZ_CHECK(!record.isNil());
                const StringRef recordText = host.stringProperty(record.get(), "Text");
                FUZZ_CHECK(host.property(record.get(), "TextLength").toInt() == recordText.bytes().size());
                FUZZ_CHECK(recordText.isNil() || text.bytes().contains(recordText.bytes()));
                host.stringProperty(record.get(), "FontName");
            }
            FUZZ_CHECK(ObjectRef(styleAt(list.get(), 0)).isNil());
            FUZZ_CHECK(ObjectRef(styleAt(list.get(), count + 1)).isNil());
        }
    }
    FUZZ_CHECK(PluginHost::liveStrings() == strings);
    FUZZ_CHECK(PluginHost::liveObjects() == objects);
    return 0;
}
