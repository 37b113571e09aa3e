#include "platform/Fonts.h"

#include "platform/PluginHost.h"

#include <QFontDatabase>
#include <QStringList>

QString systemFontName() {
    // The plug-in library's answer counts even when empty; without the library, Qt's.
    const PluginHost& host = PluginHost::instance();
    if (host.lookupMethod("SystemFontQRX as string")) return host.systemFontName();
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

int FontCount() { return static_cast<int>(QFontDatabase::families().size()); }

QString Font(int index) {
    const QStringList families = QFontDatabase::families();
    return index >= 0 && index < families.size() ? families[index] : QString();
}
