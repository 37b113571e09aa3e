#include "platform/Resources.h"

#include "platform/Graphics.h"

#include <QFile>
#include <QImage>

namespace {
int reads = 0;
}

std::optional<QString> GetResource(const QString& type, int id) {
    ++reads;
    QFile file(QString(":/resources/%1/%2").arg(type).arg(id));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return withCarriageReturns(QString::fromUtf8(file.readAll()));
}

PicturePtr GetPicture(int id) {
    ++reads;
    const QImage image(QString(":/resources/PICT/%1").arg(id));
    if (image.isNull()) return nullptr;
    PicturePtr picture = NewPicture(image.width(), image.height(), 32);
    picture->graphics()->painter().drawImage(0, 0, image);
    return picture;
}

int resourceReads() { return reads; }
