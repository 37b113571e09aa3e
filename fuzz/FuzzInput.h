#pragma once
// The bytes of one fuzz input, read from the front; reading past the end gives zeros and empty
// texts, so every input is a valid case.
#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, std::size_t size) : data(data), size(size) {}

    bool empty() const { return at >= size; }
    uint8_t byte() { return at < size ? data[at++] : 0; }
    // A number from lowest to highest, both included.
    int number(int lowest, int highest) {
        const unsigned value = static_cast<unsigned>(byte()) << 8 | byte();
        return lowest + static_cast<int>(value % static_cast<unsigned>(highest - lowest + 1));
    }
    // The next `count` bytes, fewer at the end.
    QByteArray bytes(std::size_t count) {
        const std::size_t taken = std::min(count, size - std::min(at, size));
        const QByteArray result(reinterpret_cast<const char*>(data + at), static_cast<qsizetype>(taken));
        at += taken;
        return result;
    }
    QByteArray rest() { return bytes(size); }

private:
    const uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
};

// A broken expectation: reported and fatal, as the sanitizers' own reports are.
#define FUZZ_CHECK(condition)                                                                   \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                       \
        }                                                                                       \
    } while (false)
