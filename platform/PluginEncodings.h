#pragma once
// Text in the encodings a host string can be marked with: MacRoman, UTF-16 (native byte order),
// ASCII and UTF-8. Raw bytes (kEncodingRawBytes) carry no text.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// The text of `bytes`; nothing when the encoding is unknown or carries no text, or the bytes are
// not valid in it (a byte above 127 in ASCII, an odd byte count in UTF-16).
std::optional<QString> decodeText(const QByteArray& bytes, uint32_t encoding);

// `text` in the encoding; a character the encoding cannot hold becomes "?". Nothing when the
// encoding is unknown or carries no text.
std::optional<QByteArray> encodeText(const QString& text, uint32_t encoding);
