#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

QString systemFontName() { return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family(); }

int FontCount() { return static_cast<int>(QFontDatabase::families().size()); }

QString Font(int index) {
    const QStringList families = QFontDatabase::families();
    return index >= 0 && index < families.size() ? families[index] : QString();
}
