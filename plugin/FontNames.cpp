#include "plugin/FontNames.h"

#include "plugin/AsciiCase.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <fontconfig/fontconfig.h>

namespace {

// The installed family that fontconfig chooses for a family name or generic alias.
std::string matchFamily(const char* family) {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    if (!pattern) return {};
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    std::string name;
    FcChar8* matched = nullptr;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &matched) == FcResultMatch && matched)
        name = reinterpret_cast<const char*>(matched);
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return name;
}

struct ClassicFont {
    int16_t number;
    const char* generic;  // null: the system font
};

const ClassicFont classicFonts[] = {
    {0, nullptr}, {1, nullptr}, {2, "serif"}, {3, "sans-serif"}, {4, "monospace"},
    {20, "serif"}, {21, "sans-serif"}, {22, "monospace"},
};

}  // namespace

std::string SystemFontFamily() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        // QFontInfo resolves an alias such as "Sans Serif" to the family actually used.
        const QString family = QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family();
        if (!family.isEmpty()) return family.toStdString();
    }
    return matchFamily("sans-serif");
}

std::string FontNameForNumber(int16_t number) {
    for (const ClassicFont& font : classicFonts)
        if (font.number == number) return font.generic ? matchFamily(font.generic) : SystemFontFamily();
    return {};
}

int16_t FontNumberForName(const std::string& name) {
    if (name.empty()) return 0;
    for (const ClassicFont& font : classicFonts)
        if (EqualIgnoringAsciiCase(FontNameForNumber(font.number), name)) return font.number;
    return 0;
}
