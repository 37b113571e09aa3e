#include "DisplaySupport.h"

#include "core/M_globals.h"
#include "support/TestSupport.h"

#include <QPainter>

QString displayDatabaseSql(const QString& moreSql) {
    // Codes 4 and 9 are left out, so that a chain can meet a hexagram the table does not hold.
    return validDatabaseSql({0, 1, 5, 6, 7, 12, 21, 42, 45, 56, 62, 63}) +
           "UPDATE ProgramPrefs SET DisplayW = '30,10,500,500';\n" + moreSql;
}

DisplayTest::DisplayTest(const QString& moreSql) : program(displayDatabaseSql(moreSql)) {
    display = displayWindow::instance();
    StartedProgram::closeInputWindow();
    M_globals::isspeaking = false;
}

void DisplayTest::emptyChain() {
    display->virev.clear();
    display->virevcount = 0;
    display->theHexChain.clear();
    display->drawbuffer = std::make_shared<ChainPicture>(250, 500);
    display->selbuffer = std::make_shared<Group2D>();
    display->checkscrollbarH();
}

QImage DisplayTest::overlay() const {
    QImage image(display->drawbuffer->Width(), display->drawbuffer->Height(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    display->selbuffer->draw(painter, 0, 0);
    return image;
}

void DisplayTest::build(std::initializer_list<int> codes) {
    for (int code : codes) display->newhex(code, true);
}

namespace {
bool isInk(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }
}  // namespace

bool hasInk(const QImage& image, int x, int y, int width, int height) {
    return firstInkRow(image, x, y, width, height) >= 0;
}

int firstInkRow(const QImage& image, int x, int y, int width, int height) {
    for (int row = std::max(y, 0); row < std::min(y + height, image.height()); ++row)
        for (int column = std::max(x, 0); column < std::min(x + width, image.width()); ++column)
            if (isInk(image, column, row)) return row;
    return -1;
}

int lastInkRow(const QImage& image, int x, int y, int width, int height) {
    for (int row = std::min(y + height, image.height()) - 1; row >= std::max(y, 0); --row)
        for (int column = std::max(x, 0); column < std::min(x + width, image.width()); ++column)
            if (isInk(image, column, row)) return row;
    return -1;
}
