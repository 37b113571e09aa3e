#include "platform/Resources.h"

#include <QFile>
#include <QImage>

namespace {
int reads = 0;
}

std::optional<QString> GetResource(const QString& type, int id) {
    ++reads;
    QFile file(QString(":/resources/%1/%2").arg(type).arg(id));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QString text = QString::fromUtf8(file.readAll());
    text.replace("\r\n", "\n");
    text.replace(QChar('\n'), QChar(13));
    return text;
}

PicturePtr GetPicture(int id) {
    ++reads;
    QImage image(QString(":/resources/PICT/%1").arg(id));
    if (image.isNull()) return nullptr;
    return std::make_shared<const QImage>(image.convertToFormat(QImage::Format_ARGB32));
}

int resourceReads() { return reads; }
