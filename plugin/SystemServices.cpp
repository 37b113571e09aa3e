// Sound volume and mute, the delay, the time zone and the standard streams.
#include "plugin/Backends.h"
#include "plugin/HostServices.h"
#include "plugin/Methods.h"
#include "plugin/Records.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string>

namespace {

enum Channel { kAll = 0, kLeft = 1, kRight = 2 };

// Volumes outside 0..1, NaN among them, never reach the device.
bool acceptableVolume(double volume) { return volume >= 0.0 && volume <= 1.0; }

// The answer of the first channel that gives one.
template <typename Value, typename Read>
std::optional<Value> firstAnswer(std::initializer_list<int> channels, Read read) {
    for (int channel : channels)
        if (const std::optional<Value> value = read(channel)) return value;
    return std::nullopt;
}

double volumeOf(std::initializer_list<int> channels) {
    return firstAnswer<double>(channels, [](int channel) { return backend<SoundBackend>().volume(channel); })
        .value_or(0.0);
}

// Sets one channel, or the whole output when the device has no such channel.
void setChannelVolume(int channel, double volume) {
    if (acceptableVolume(volume) && !backend<SoundBackend>().setVolume(channel, volume))
        backend<SoundBackend>().setVolume(kAll, volume);
}

constexpr int64_t kNanosecondsPerMillisecond = 1'000'000;
constexpr int64_t kTick = 1'000'000'000 / 60;
constexpr int64_t kShortSleep = 10 * kNanosecondsPerMillisecond;
constexpr int64_t kTickThreshold = 20 * kNanosecondsPerMillisecond;

enum DelayMode {
    kNoProcessorYield = 1,
    kNoHostYield = 2,
    // 4 (cooperative threads) and 8 (movies) leave out steps that have nothing to do here.
    kNoShortSleep = 16,
    kNoTickWait = 32,
};

struct TimeZoneFields {
    PluginInteger GmtDeltaTotalseconds;
    PluginInteger GmtDeltaSeconds;
    PluginInteger GmtDeltaMinutes;
    PluginInteger GmtDeltaHours;
    double Latitude;
    double Longitude;
};

TimeZoneFields* timeZoneOf(REALobject instance) { return InstanceData<TimeZoneFields>(instance, TimeZoneQRXClass); }

// The place in units of 90 degrees (1.0 is 90 degrees north or east), the scale of the location
// records this class has always answered in.
constexpr double kDegreesPerUnit = 90.0;

void constructTimeZone(REALobject instance) {
    TimeZoneFields* zone = timeZoneOf(instance);
    TimeZoneBackend& timeZone = backend<TimeZoneBackend>();
    const PluginInteger seconds = timeZone.gmtOffsetSeconds();
    // Every division cuts toward zero, so all four carry the offset's sign.
    zone->GmtDeltaTotalseconds = seconds;
    zone->GmtDeltaHours = seconds / 3600;
    zone->GmtDeltaMinutes = (seconds - zone->GmtDeltaHours * 3600) / 60;
    zone->GmtDeltaSeconds = seconds - (seconds / 60) * 60;
    if (const std::optional<Coordinates> place = timeZone.location()) {
        zone->Latitude = place->latitude / kDegreesPerUnit;
        zone->Longitude = place->longitude / kDegreesPerUnit;
    }
}

double getLatitude(REALobject instance, intptr_t) { return timeZoneOf(instance)->Latitude; }
double getLongitude(REALobject instance, intptr_t) { return timeZoneOf(instance)->Longitude; }

struct StreamFields {
    char unused;
};

void noWork(REALobject) {}

// Waits until `count` bytes or the end of the input; Nil when nothing was read.
REALstring Read(REALobject, PluginInteger count) {
    if (count <= 0) return nullptr;
    std::string bytes;
    char chunk[65536];
    while (bytes.size() < static_cast<std::size_t>(count)) {
        const std::size_t wanted = std::min(sizeof chunk, static_cast<std::size_t>(count) - bytes.size());
        const std::size_t read = std::fread(chunk, 1, wanted, stdin);
        bytes.append(chunk, read);
        if (read < wanted) break;
    }
    return HostStringFromBytes(bytes.data(), static_cast<intptr_t>(bytes.size()), kEncodingRawBytes);
}

// The bytes leave when the C library's buffer does; nothing is flushed here.
void Write(REALobject, REALstring data) {
    const std::string_view bytes = TextOf(data);
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

const PluginFunction field = pluginFieldAccess();

PluginPropertyRecord timeZoneProperties[] = {
    Property("GmtDeltaTotalseconds", "Integer", field, nullptr, offsetof(TimeZoneFields, GmtDeltaTotalseconds)),
    Property("GmtDeltaSeconds", "Integer", field, nullptr, offsetof(TimeZoneFields, GmtDeltaSeconds)),
    Property("GmtDeltaMinutes", "Integer", field, nullptr, offsetof(TimeZoneFields, GmtDeltaMinutes)),
    Property("GmtDeltaHours", "Integer", field, nullptr, offsetof(TimeZoneFields, GmtDeltaHours)),
    Property("Latitude", "Double", pluginFunction(&getLatitude), nullptr, offsetof(TimeZoneFields, Latitude)),
    Property("Longitude", "Double", pluginFunction(&getLongitude), nullptr, offsetof(TimeZoneFields, Longitude)),
};

PluginMethodRecord stdoutMethods[] = {Method(pluginFunction(&Write), "Write(data as string)")};
PluginMethodRecord stdinMethods[] = {Method(pluginFunction(&Read), "Read(count as integer) as string")};

}  // namespace

PluginClassRecord StdoutQRXClass = ClassRecord("StdoutQRX", nullptr, sizeof(StreamFields), pluginFunction(&noWork),
                                               pluginFunction(&noWork), nullptr, 0, stdoutMethods, countOf(stdoutMethods));
PluginClassRecord StdinQRXClass = ClassRecord("StdinQRX", nullptr, sizeof(StreamFields), pluginFunction(&noWork),
                                              pluginFunction(&noWork), nullptr, 0, stdinMethods, countOf(stdinMethods));
PluginClassRecord TimeZoneQRXClass =
    ClassRecord("TimeZoneQRX", nullptr, sizeof(TimeZoneFields), pluginFunction(&constructTimeZone), nullptr,
                timeZoneProperties, countOf(timeZoneProperties), nullptr, 0);

void DelayQRX(double seconds) { DelayWithModeQRX(seconds, 0); }

// Waits on the monotonic clock, letting the host run its pending events on every turn (they are
// run, not taken off the queue). The time counts in whole milliseconds, at most 2^31 - 1 of them.
void DelayWithModeQRX(double seconds, PluginInteger mode) {
    if (!(seconds > 0.0)) return;
    const double milliseconds = std::min(std::trunc(seconds * 1000.0), static_cast<double>(INT32_MAX));
    ClockBackend& clock = backend<ClockBackend>();
    const int64_t deadline = clock.nowNanoseconds() + static_cast<int64_t>(milliseconds) * kNanosecondsPerMillisecond;
    const auto remaining = [&] {
        const int64_t now = clock.nowNanoseconds();
        return now < deadline ? deadline - now : 0;
    };
    for (int64_t left = remaining(); left > 0; left = remaining()) {
        if (!(mode & kNoProcessorYield)) clock.yieldProcessor();
        if (!(mode & kNoHostYield)) Host::REALYieldToRB();
        if (left > kTickThreshold) {
            if (!(mode & kNoTickWait)) clock.sleepNanoseconds(kTick);
        } else if (left > kShortSleep) {
            if (!(mode & kNoShortSleep)) clock.sleepNanoseconds(kShortSleep);
        }
    }
}

void SetSoundVolumeQRX(double volume) {
    if (!acceptableVolume(volume)) return;
    for (int channel : {kAll, kLeft, kRight}) backend<SoundBackend>().setVolume(channel, volume);
}

double GetSoundVolumeQRX() { return volumeOf({kAll, kLeft, kRight}); }
void SetSoundVolumeLeftQRX(double volume) { setChannelVolume(kLeft, volume); }
double GetSoundVolumeLeftQRX() { return volumeOf({kLeft, kAll}); }
void SetSoundVolumeRightQRX(double volume) { setChannelVolume(kRight, volume); }
double GetSoundVolumeRightQRX() { return volumeOf({kRight, kAll}); }

void SetSoundMuteQRX(bool mute) {
    for (int channel : {kAll, kLeft, kRight}) backend<SoundBackend>().setMute(channel, mute);
}

// The first channel that answers decides.
bool GetSoundMuteQRX() {
    return firstAnswer<bool>({kAll, kLeft, kRight}, [](int channel) { return backend<SoundBackend>().mute(channel); })
        .value_or(false);
}
