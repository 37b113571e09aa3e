#pragma once
// Basic values the program shares with its framework layer: colours, the line break of texts and
// the one real-to-integer conversion.
#include <QColor>
#include <QString>
#include <cstdint>

// RGB colour, components 0..255.
using Color = QColor;
inline Color RGB(int red, int green, int blue) { return QColor(red, green, blue); }

// The line break of the program's texts (messages, fields, the clipboard): a carriage return,
// character 13.
inline const QString CR(QChar(13));
// A text from outside the program (the clipboard, a resource, a Qt control) with its line ends,
// "\r\n" or "\n", made CR.
inline QString withCarriageReturns(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\n'), CR);
    return text;
}

// Int(x): the program's one conversion of a real number to an integer. It truncates toward zero.
int Int(double value);
// The same to a 64-bit integer, as the database engine reads a real as an integer.
qint64 Int64(double value);

// The integer a text starts with ("12abc" gives 12, "x" gives 0), as the program reads numbers
// out of stored texts.
qint64 leadingInteger(const QString& text);
