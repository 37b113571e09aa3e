#pragma once
// The platform services behind the library's members, each behind a small interface. The library
// uses the Linux one of each unless a test has installed a replacement (ScopedBackend).
#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

struct VolumeSpace {
    uint64_t totalBytes;
    uint64_t freeBytes;
};

// Volumes and open files (statvfs, syncfs, /proc).
class FileSystemBackend {
public:
    virtual ~FileSystemBackend() = default;
    virtual std::optional<VolumeSpace> volumeSpace(const std::string& path) = 0;
    // 0 when the volume holding `path` was flushed, else a negative error code.
    virtual int flushVolume(const std::string& path) = 0;
    // Whether a process of this user holds the file open for writing.
    virtual bool openForWriting(const std::string& path) = 0;
};

// What one key types at one shift level. A dead key types nothing itself: `combining` is the
// accent it puts on the next character and `character` the accent standing alone.
struct KeySymbol {
    char32_t character = 0;  // 0: nothing
    char32_t combining = 0;  // nonzero: a dead key
};

// Levels: none, Shift, Option, Shift+Option.
constexpr int kKeyLevels = 4;
constexpr int kMacKeyCodes = 128;

struct KeyboardLayout {
    std::string name;  // UTF-8
    std::array<std::array<KeySymbol, kKeyLevels>, kMacKeyCodes> keys;  // by Mac key code
};

// The keyboard layout in use and the keys held down (xkbcommon, the X server).
class KeyboardBackend {
public:
    virtual ~KeyboardBackend() = default;
    virtual std::optional<KeyboardLayout> currentLayout() = 0;
    virtual std::bitset<kMacKeyCodes> keysDown() = 0;  // by Mac key code; none when nothing can tell
};

// The default sound output (ALSA). Channel 0 is the whole output, 1 the left, 2 the right;
// volumes run from 0 to 1.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    virtual bool setVolume(int channel, double volume) = 0;
    virtual std::optional<double> volume(int channel) = 0;
    virtual bool setMute(int channel, bool mute) = 0;
    virtual std::optional<bool> mute(int channel) = 0;
};

// The monotonic clock and the ways to wait on it.
class ClockBackend {
public:
    virtual ~ClockBackend() = default;
    virtual int64_t nowNanoseconds() = 0;
    virtual void sleepNanoseconds(int64_t duration) = 0;
    virtual void yieldProcessor() = 0;
};

// The machine's time zone (the C library and tzdata).
struct Coordinates {
    double latitude;  // degrees north
    double longitude;  // degrees east
};

class TimeZoneBackend {
public:
    virtual ~TimeZoneBackend() = default;
    virtual int32_t gmtOffsetSeconds() = 0;  // now, east of Greenwich positive
    virtual std::optional<Coordinates> location() = 0;  // of the zone's principal place
};

// The Linux backend of each kind, made on first use.
template <typename Backend>
Backend& linuxBackend();
template <> FileSystemBackend& linuxBackend<FileSystemBackend>();
template <> KeyboardBackend& linuxBackend<KeyboardBackend>();
template <> SoundBackend& linuxBackend<SoundBackend>();
template <> ClockBackend& linuxBackend<ClockBackend>();
template <> TimeZoneBackend& linuxBackend<TimeZoneBackend>();

template <typename Backend>
Backend*& installedBackend() {
    static Backend* replacement = nullptr;
    return replacement;
}

template <typename Backend>
Backend& backend() {
    Backend* replacement = installedBackend<Backend>();
    return replacement ? *replacement : linuxBackend<Backend>();
}

// Uses `replacement` while the object lives.
template <typename Backend>
class ScopedBackend {
public:
    explicit ScopedBackend(Backend& replacement) : previous(installedBackend<Backend>()) {
        installedBackend<Backend>() = &replacement;
    }
    ~ScopedBackend() { installedBackend<Backend>() = previous; }
    ScopedBackend(const ScopedBackend&) = delete;
    ScopedBackend& operator=(const ScopedBackend&) = delete;

private:
    Backend* previous;
};

// The Linux keyboard: the X server's layout and keys when `askXServer` and $DISPLAY lead to one,
// else the configured default layout ($XKB_DEFAULT_LAYOUT and its kin) and no keys down.
std::unique_ptr<KeyboardBackend> makeXkbKeyboard(bool askXServer);
