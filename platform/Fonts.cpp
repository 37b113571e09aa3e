#include "platform/Fonts.h"

#include "platform/PluginHost.h"

#include <QFontDatabase>
#include <QRegularExpression>
#include <QStringList>

QString systemFontName() {
    // The plug-in library's answer counts even when empty; without the library, Qt's.
    const PluginHost& host = PluginHost::instance();
    if (host.lookupMethod("SystemFontQRX as string")) return host.systemFontName();
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

namespace {

const QStringList& installedFamilies() {
    static const QStringList families = [] {
        QStringList plain;
        for (const QString& family : QFontDatabase::families()) {
            const QString name = plainFamily(family);
            if (!plain.contains(name, Qt::CaseInsensitive)) plain << name;
        }
        return plain;
    }();
    return families;
}

}  // namespace

QString plainFamily(const QString& family) {
    static const QRegularExpression foundry(R"(\s*\[[^\[\]]*\]\s*$)");
    const QString plain = QString(family).remove(foundry);
    return plain.isEmpty() ? family : plain;
}

bool fontInstalled(const QString& family) { return installedFamilies().contains(family, Qt::CaseInsensitive); }

int FontCount() { return static_cast<int>(installedFamilies().size()); }

QString Font(int index) {
    const QStringList& families = installedFamilies();
    return index >= 0 && index < families.size() ? families[index] : QString();
}
