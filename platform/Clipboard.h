#pragma once
// The system clipboard: text (CR line ends become the platform's) and pictures.
#include <QImage>
#include <QString>

class Picture;

class Clipboard {
public:
    QString Text() const;  // CR line ends
    void setText(const QString& text);
    bool TextAvailable() const;
    QImage Picture() const;
    void setPicture(const QImage& picture);
    void setPicture(const ::Picture& picture);  // what the picture shows, shapes included
    bool PictureAvailable() const;
    void Close() {}
};
