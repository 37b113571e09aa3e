#include "platform/PluginEncodings.h"

#include "platform/PluginInterface.h"
#include "platform/PluginMacRoman.h"

#include <cstring>

namespace {

QString decodeMacRoman(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        text.append(QChar(value < 0x80 ? char16_t(value) : kMacRomanHigh[value - 0x80]));
    }
    return text;
}

QByteArray encodeMacRoman(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const int byte = macRomanByte(c.unicode());
        bytes.append(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return bytes;
}

}  // namespace

std::optional<QString> decodeText(const QByteArray& bytes, uint32_t encoding) {
    switch (encoding) {
    case kEncodingMacRoman:
        return decodeMacRoman(bytes);
    case kEncodingASCII:
        for (char byte : bytes)
            if (static_cast<unsigned char>(byte) > 0x7F) return std::nullopt;
        return QString::fromLatin1(bytes);
    case kEncodingUTF8:
        return QString::fromUtf8(bytes);
    case kEncodingUTF16:
        if (bytes.size() % 2 != 0) return std::nullopt;
    {
        QString text(bytes.size() / 2, Qt::Uninitialized);
        std::memcpy(text.data(), bytes.constData(), bytes.size());
        return text;
    }
    default:
        return std::nullopt;
    }
}

std::optional<QByteArray> encodeText(const QString& text, uint32_t encoding) {
    switch (encoding) {
    case kEncodingMacRoman:
        return encodeMacRoman(text);
    case kEncodingASCII: {
        QByteArray bytes;
        bytes.reserve(text.size());
        for (QChar c : text) bytes.append(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '?');
        return bytes;
    }
    case kEncodingUTF8:
        return text.toUtf8();
    case kEncodingUTF16:
        return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    default:
        return std::nullopt;
    }
}
