#include "platform/Clipboard.h"

#include "platform/Dialogs.h"
#include "platform/Graphics.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

QString Clipboard::Text() const { return withCarriageReturns(QGuiApplication::clipboard()->text()); }

void Clipboard::setText(const QString& text) { QGuiApplication::clipboard()->setText(displayLines(text)); }

bool Clipboard::TextAvailable() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

QImage Clipboard::Picture() const { return QGuiApplication::clipboard()->image(); }

void Clipboard::setPicture(const QImage& picture) { QGuiApplication::clipboard()->setImage(picture); }

void Clipboard::setPicture(const ::Picture& picture) { setPicture(picture.toImage()); }

bool Clipboard::PictureAvailable() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasImage();
}
