// Sound volume and mute, the delay, the time zone and the standard streams, over fake backends
// and over the real ones where the machine has them.
#include "PluginTestSupport.h"
#include "plugin/Backends.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <deque>
#include <map>
#include <unistd.h>

namespace {

struct FakeSound : SoundBackend {
    std::map<int, double> volumes;  // the channels the device has
    std::map<int, bool> mutes;
    std::vector<std::string> calls;

    bool setVolume(int channel, double volume) override { return set("volume", volumes, channel, volume); }
    std::optional<double> volume(int channel) override { return get(volumes, channel); }
    bool setMute(int channel, bool mute) override { return set("mute", mutes, channel, mute); }
    std::optional<bool> mute(int channel) override { return get(mutes, channel); }

    template <typename T>
    bool set(const char* what, std::map<int, T>& values, int channel, T value) {
        std::string call = what;
        call += ' ';
        call += std::to_string(channel);
        calls.push_back(call);
        if (!values.count(channel)) return false;
        values[channel] = value;
        return true;
    }
    template <typename T>
    static std::optional<T> get(const std::map<int, T>& values, int channel) {
        const auto found = values.find(channel);
        return found == values.end() ? std::nullopt : std::optional<T>(found->second);
    }
};

class Sound : public PluginTest {
protected:
    void set(const char* declaration, double volume) { global<void (*)(double)>(declaration)(volume); }
    double get(const char* declaration) { return global<double (*)()>(declaration)(); }

    FakeSound sound;
    ScopedBackend<SoundBackend> use{sound};
};

}  // namespace

TEST_F(Sound, SettingVolumes) {
    const struct Case {
        const char* name;
        std::map<int, double> channels;
        const char* declaration;
        double volume;
        std::vector<std::string> calls;
        std::map<int, double> after;
    } cases[] = {
        {"all channels, each regardless of the others", {{0, 0}, {2, 0}}, "SetSoundVolumeQRX(percent as double)", 0.5,
         {"volume 0", "volume 1", "volume 2"}, {{0, 0.5}, {2, 0.5}}},
        {"left", {{0, 0}, {1, 0}}, "SetSoundVolumeLeftQRX(percent as double)", 0.25, {"volume 1"}, {{0, 0}, {1, 0.25}}},
        {"left without a left channel sets the whole output", {{0, 0}}, "SetSoundVolumeLeftQRX(percent as double)", 0.25,
         {"volume 1", "volume 0"}, {{0, 0.25}}},
        {"right without a right channel", {{0, 0}}, "SetSoundVolumeRightQRX(percent as double)", 1.0,
         {"volume 2", "volume 0"}, {{0, 1.0}}},
        {"above 1 is refused", {{0, 0.3}}, "SetSoundVolumeQRX(percent as double)", 50, {}, {{0, 0.3}}},
        {"below 0 is refused", {{0, 0.3}}, "SetSoundVolumeLeftQRX(percent as double)", -0.1, {}, {{0, 0.3}}},
        {"NaN is refused", {{0, 0.3}}, "SetSoundVolumeRightQRX(percent as double)", std::nan(""), {}, {{0, 0.3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sound.volumes = c.channels;
        sound.calls.clear();
        set(c.declaration, c.volume);
        EXPECT_EQ(sound.calls, c.calls);
        EXPECT_EQ(sound.volumes, c.after);
    }
}

TEST_F(Sound, ReadingVolumesAndMute) {
    const struct Case {
        const char* name;
        std::map<int, double> volumes;
        double all, left, right;
    } volumeCases[] = {
        {"every channel", {{0, 0.1}, {1, 0.2}, {2, 0.3}}, 0.1, 0.2, 0.3},
        {"no whole-output channel", {{1, 0.2}, {2, 0.3}}, 0.2, 0.2, 0.3},
        {"only the whole output", {{0, 0.4}}, 0.4, 0.4, 0.4},
        {"only the right", {{2, 0.3}}, 0.3, 0.0, 0.3},
        {"no device", {}, 0.0, 0.0, 0.0},
    };
    for (const Case& c : volumeCases) {
        SCOPED_TRACE(c.name);
        sound.volumes = c.volumes;
        EXPECT_EQ(get("GetSoundVolumeQRX as double"), c.all);
        EXPECT_EQ(get("GetSoundVolumeLeftQRX as double"), c.left);
        EXPECT_EQ(get("GetSoundVolumeRightQRX as double"), c.right);
    }

    const auto muted = global<bool (*)()>("GetSoundMuteQRX as boolean");
    const struct {
        const char* name;
        std::map<int, bool> mutes;
        bool muted;
    } muteCases[] = {
        {"the first channel that answers decides", {{0, false}, {1, true}}, false},
        {"no whole-output switch", {{1, true}, {2, false}}, true},
        {"no switch at all", {}, false},
    };
    for (const auto& c : muteCases) {
        SCOPED_TRACE(c.name);
        sound.mutes = c.mutes;
        EXPECT_EQ(muted(), c.muted);
    }

    sound.mutes = {{1, false}};
    sound.calls.clear();
    global<void (*)(bool)>("SetSoundMuteQRX(mute as boolean)")(true);
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"mute 0", "mute 1", "mute 2"}));
    EXPECT_TRUE(sound.mutes[1]);
}

// The default card's "Master"; the volume and mute it had are put back as they were.
TEST_F(Sound, AlsaMixer) {
    SoundBackend& alsa = linuxBackend<SoundBackend>();
    const std::optional<double> volume = alsa.volume(0);
    if (!volume) GTEST_SKIP() << "no sound card with a Master control";
    EXPECT_TRUE(alsa.setVolume(0, *volume));
    EXPECT_NEAR(*alsa.volume(0), *volume, 0.02);
    if (const std::optional<bool> mute = alsa.mute(0)) {
        EXPECT_TRUE(alsa.setMute(0, *mute));
        EXPECT_EQ(alsa.mute(0), mute);
    }
}

namespace {

// Time moves only when the delay sleeps, plus a little on every reading; or follows a script.
struct FakeClock : ClockBackend {
    int64_t now = 1'000'000'000;
    int64_t readingCost = 100'000;
    std::deque<int64_t> script;  // readings to give first
    int readings = 0;
    std::vector<int64_t> sleeps;
    int yields = 0;

    int64_t nowNanoseconds() override {
        ++readings;
        if (!script.empty()) {
            now = script.front();
            script.pop_front();
            return now;
        }
        return now += readingCost;
    }
    void sleepNanoseconds(int64_t duration) override {
        sleeps.push_back(duration);
        now += duration;
    }
    void yieldProcessor() override { ++yields; }
};

constexpr int64_t kMillisecond = 1'000'000;
constexpr int64_t kTick = 1'000'000'000 / 60;

class Delay : public PluginTest {
protected:
    void delay(double seconds, PluginInteger mode = 0) {
        global<void (*)(double, PluginInteger)>("DelayQRX(time as double, mode as integer)")(seconds, mode);
    }
    FakeClock clock;
};

}  // namespace

TEST_F(Delay, ReturnsAtOnceForNothingToWait) {
    ScopedBackend<ClockBackend> use(clock);
    const auto delayOnly = global<void (*)(double)>("DelayQRX(time as double)");
    for (double seconds : {0.0, -1.0, 0.0005, std::nan(""), -double(INFINITY)}) {
        SCOPED_TRACE(seconds);
        delayOnly(seconds);
        EXPECT_TRUE(clock.sleeps.empty());
        EXPECT_EQ(clock.yields, 0);
    }
}

TEST_F(Delay, SleepsInTicksThenTenMillisecondsThenSpins) {
    ScopedBackend<ClockBackend> use(clock);
    const int64_t start = clock.now;
    delay(0.1);
    const int64_t deadline = start + 100 * kMillisecond;
    EXPECT_GE(clock.now, deadline);
    EXPECT_LT(clock.now, deadline + kMillisecond);
    ASSERT_FALSE(clock.sleeps.empty());
    int ticks = 0;
    for (int64_t sleep : clock.sleeps) {
        EXPECT_TRUE(sleep == kTick || sleep == 10 * kMillisecond) << sleep;
        ticks += sleep == kTick;
    }
    EXPECT_EQ(ticks, 5);  // while more than 20 ms remain
    EXPECT_GT(clock.yields, 0);

    // Mode 63 leaves out every step: only the clock is read until the deadline.
    clock = FakeClock();
    delay(0.1, 63);
    EXPECT_TRUE(clock.sleeps.empty());
    EXPECT_EQ(clock.yields, 0);
    EXPECT_GE(clock.readings, 1000);

    clock = FakeClock();
    delay(0.1, 1 | 16);
    EXPECT_EQ(clock.yields, 0);
    for (int64_t sleep : clock.sleeps) EXPECT_EQ(sleep, kTick);
}

TEST_F(Delay, VeryLongTimesAreCappedWithoutOverflow) {
    ScopedBackend<ClockBackend> use(clock);
    const int64_t longest = int64_t(INT32_MAX) * kMillisecond;
    for (double seconds : {1e12, 1e300, double(INFINITY), 2147483.647}) {
        SCOPED_TRACE(seconds);
        // The clock jumps to just before the longest wait, then past it.
        clock = FakeClock();
        clock.script = {0, longest - kMillisecond, longest - kMillisecond, longest + 1};
        delay(seconds, 63);
        EXPECT_EQ(clock.readings, 4);
    }
}

TEST_F(Delay, PendingEventsRunWhileWaiting) {
    int argc = 1;
    char name[] = "plugin_backend_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    const struct {
        PluginInteger mode;
        bool runs;
    } cases[] = {{0, true}, {32, true}, {2, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        bool ran = false;
        QTimer::singleShot(0, &application, [&ran] { ran = true; });
        QElapsedTimer timer;
        timer.start();
        delay(0.05, c.mode);
        EXPECT_GE(timer.elapsed(), 50);
        EXPECT_LT(timer.elapsed(), 1000);
        EXPECT_EQ(ran, c.runs);
        QCoreApplication::processEvents();
        EXPECT_TRUE(ran);  // the event was left for later, not thrown away
    }
}

namespace {

struct FakeTimeZone : TimeZoneBackend {
    int32_t offset = 0;
    std::optional<Coordinates> place;
    int32_t gmtOffsetSeconds() override { return offset; }
    std::optional<Coordinates> location() override { return place; }
};

class TimeZone : public PluginTest {
protected:
    struct Fields {
        int total, hours, minutes, seconds;
        double latitude, longitude;
    };
    Fields read() {
        const ObjectRef zone = host.newInstance("TimeZoneQRX");
        const auto get = [&](const char* name) { return host.property(zone.get(), name); };
        return {get("GmtDeltaTotalseconds").toInt(), get("GmtDeltaHours").toInt(), get("GmtDeltaMinutes").toInt(),
                get("GmtDeltaSeconds").toInt(),      get("Latitude").toDouble(),  get("Longitude").toDouble()};
    }
};

}  // namespace

TEST_F(TimeZone, OffsetsCarryTheirSign) {
    FakeTimeZone fake;
    ScopedBackend<TimeZoneBackend> use(fake);
    const struct {
        int32_t offset;
        int hours, minutes, seconds;
    } cases[] = {
        {-18000, -5, 0, 0}, {19800, 5, 30, 0}, {-12600, -3, -30, 0}, {45296, 12, 34, 56}, {-1, 0, 0, -1}, {0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offset);
        fake.offset = c.offset;
        const Fields zone = read();
        EXPECT_EQ(zone.total, c.offset);
        EXPECT_EQ(zone.hours, c.hours);
        EXPECT_EQ(zone.minutes, c.minutes);
        EXPECT_EQ(zone.seconds, c.seconds);
    }

    fake.place = Coordinates{45.0, -90.0};
    EXPECT_DOUBLE_EQ(read().latitude, 0.5);  // in units of 90 degrees
    EXPECT_DOUBLE_EQ(read().longitude, -1.0);
    fake.place.reset();
    EXPECT_EQ(read().latitude, 0.0);

    const ObjectRef zone = host.newInstance("TimeZoneQRX");
    EXPECT_FALSE(host.setProperty(zone.get(), "GmtDeltaHours", 3));  // read-only
    EXPECT_FALSE(host.setProperty(zone.get(), "Latitude", 0.1));
}

TEST_F(TimeZone, FromTheCLibraryAndTzdata) {
    const char* previous = std::getenv("TZ");
    const std::optional<std::string> saved = previous ? std::optional<std::string>(previous) : std::nullopt;
    const struct {
        const char* tz;
        std::optional<int> offset;  // nothing: the zone keeps summer time
        double latitude, longitude;  // degrees
    } cases[] = {
        {"Asia/Kolkata", 19800, 22 + 32 / 60.0, 88 + 22 / 60.0},
        {":Pacific/Marquesas", -34200, -9.0, -(139 + 30 / 60.0)},
        {"Asia/Calcutta", 19800, 22 + 32 / 60.0, 88 + 22 / 60.0},  // a link to Asia/Kolkata
        {"America/Resolute", std::nullopt, 74 + 41 / 60.0 + 44 / 3600.0, -(94 + 49 / 60.0 + 45 / 3600.0)},
        {"UTC", 0, 0.0, 0.0},
        {"EST5", -18000, 0.0, 0.0},  // a rule, not a place
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tz);
        setenv("TZ", c.tz, 1);
        const Fields zone = read();
        if (c.offset) {
            EXPECT_EQ(zone.total, *c.offset);
        }
        EXPECT_NEAR(zone.latitude, c.latitude / 90.0, 1e-9);
        EXPECT_NEAR(zone.longitude, c.longitude / 90.0, 1e-9);
    }
    if (saved) setenv("TZ", saved->c_str(), 1);
    else unsetenv("TZ");
    tzset();
}

namespace {

// Puts a pipe in place of a standard stream for the life of the object.
class RedirectedStream {
public:
    explicit RedirectedStream(int stream) : stream(stream), saved(dup(stream)) {
        int ends[2];
        if (pipe(ends) != 0) return;
        dup2(stream == STDIN_FILENO ? ends[0] : ends[1], stream);
        other = stream == STDIN_FILENO ? ends[1] : ends[0];
        close(stream == STDIN_FILENO ? ends[0] : ends[1]);
    }
    ~RedirectedStream() {
        closeOther();
        dup2(saved, stream);
        close(saved);
        clearerr(stream == STDIN_FILENO ? stdin : stdout);
    }
    int otherEnd() const { return other; }
    void closeOther() {
        if (other >= 0) close(other);
        other = -1;
    }

private:
    int stream;
    int saved;
    int other = -1;
};

}  // namespace

TEST_F(PluginTest, StandardInputThroughAPipe) {
    const ObjectRef input = host.newInstance("StdinQRX");
    const auto read = [&](PluginInteger count) {
        return StringRef(classMethod<REALstring (*)(REALobject, PluginInteger)>("StdinQRX", "Read(count as integer) as string")(
            input.get(), count));
    };
    RedirectedStream redirected(STDIN_FILENO);
    clearerr(stdin);
    ASSERT_EQ(write(redirected.otherEnd(), "hello", 5), 5);
    redirected.closeOther();

    EXPECT_TRUE(read(0).isNil());
    EXPECT_TRUE(read(-1).isNil());
    const StringRef first = read(3);
    EXPECT_EQ(first.bytes(), QByteArray("hel"));
    EXPECT_EQ(first.encoding(), kEncodingRawBytes);
    EXPECT_EQ(first.referenceCount(), 1);
    EXPECT_EQ(read(INT32_MAX).bytes(), QByteArray("lo"));  // up to the end of the input
    EXPECT_TRUE(read(5).isNil());
}

TEST_F(PluginTest, StandardOutputThroughAPipe) {
    const ObjectRef output = host.newInstance("StdoutQRX");
    const auto write = classMethod<void (*)(REALobject, REALstring)>("StdoutQRX", "Write(data as string)");
    std::fflush(stdout);
    QByteArray written;
    {
        RedirectedStream redirected(STDOUT_FILENO);
        write(output.get(), StringRef::fromBytes(bytesOf("ab\0c"), kEncodingRawBytes).get());
        write(output.get(), nullptr);
        write(output.get(), StringRef::fromText("").get());
        std::fflush(stdout);
        char buffer[16];
        const ssize_t count = ::read(redirected.otherEnd(), buffer, sizeof buffer);
        written = QByteArray(buffer, count > 0 ? count : 0);
    }
    EXPECT_EQ(written, bytesOf("ab\0c"));
}
