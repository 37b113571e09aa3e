#include "app/AppResources.h"

#include "app/WHelp.h"
#include "platform/Resources.h"

namespace {

// A help text, read once: a text the resources do not hold stays empty.
class TextResource {
public:
    explicit TextResource(int id) : id(id) {}
    QString get() {
        if (!loaded) {
            permatext = GetResource("TEXT", id).value_or(QString());
            loaded = true;
        }
        return permatext;
    }

private:
    int id;
    bool loaded = false;
    QString permatext;
};

// A picture, read until it has been found once.
class PictureResource {
public:
    explicit PictureResource(int id) : id(id) {}
    PicturePtr get() {
        if (!permapic) permapic = GetPicture(id);
        return permapic;
    }

private:
    int id;
    PicturePtr permapic;
};

}  // namespace

#define TEXT_RESOURCE(name, id)           \
    QString name() {                      \
        static TextResource resource(id); \
        return resource.get();            \
    }

TEXT_RESOURCE(DISPLAYWINDOWHELP, 168)
TEXT_RESOURCE(INPUTWINDOWHELP, 169)
TEXT_RESOURCE(HEXSETTINGSHELP, 170)
TEXT_RESOURCE(LISTWINDOWSHELP, 171)
TEXT_RESOURCE(TRIGRAMINPUTHELP, 172)
TEXT_RESOURCE(WDBEDITTEXTHELP, 173)
TEXT_RESOURCE(HelpGeneral, 174)
TEXT_RESOURCE(W69CHANGEINPUTHELP, 175)
TEXT_RESOURCE(chainWindowhelp, 176)

#define PICTURE_RESOURCE(name, id)           \
    PicturePtr name() {                      \
        static PictureResource resource(id); \
        return resource.get();               \
    }

PICTURE_RESOURCE(virevtrigramsinput, 168)
PICTURE_RESOURCE(yin, 169)
PICTURE_RESOURCE(yang, 170)

void showHelp(const QString& title, const QString& text) {
    showWindow<WHelp>([&](WHelp& help) {
        help.setTitle(title);
        if (auto* field = help.findChild<EditField*>("EditField1")) field->setText(text);
    });
}
