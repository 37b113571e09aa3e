// The monotonic clock and the time zone on Linux.
#include "plugin/Backends.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sched.h>

namespace {

class MonotonicClock : public ClockBackend {
public:
    int64_t nowNanoseconds() override {
        timespec now {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        return static_cast<int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
    }
    void sleepNanoseconds(int64_t duration) override {
        const timespec wait{static_cast<time_t>(duration / 1'000'000'000), static_cast<long>(duration % 1'000'000'000)};
        nanosleep(&wait, nullptr);
    }
    void yieldProcessor() override { sched_yield(); }
};

std::filesystem::path zoneFolder() {
    const char* folder = std::getenv("TZDIR");
    return folder && *folder ? folder : "/usr/share/zoneinfo";
}

// The name of the zone in use ("Europe/Berlin"), from $TZ or the system's setting; a link's
// target's name.
std::string zoneName() {
    std::string name;
    if (const char* tz = std::getenv("TZ")) {
        name = tz;
        if (!name.empty() && name[0] == ':') name.erase(0, 1);
    } else if (!(std::ifstream("/etc/timezone") >> name)) {
        std::error_code unreadable;
        name = std::filesystem::read_symlink("/etc/localtime", unreadable).string();
    }
    std::error_code failed;
    const std::filesystem::path folder = std::filesystem::weakly_canonical(zoneFolder(), failed);
    const std::filesystem::path file = std::filesystem::weakly_canonical(
        name.empty() || name[0] != '/' ? zoneFolder() / name : std::filesystem::path(name), failed);
    if (failed) return name;
    const std::filesystem::path relative = file.lexically_relative(folder);
    return relative.empty() || relative.native().starts_with("..") ? name : relative.string();
}

// "+DDMM" or "+DDMMSS" (degrees) of `digits` degree digits, from the start of `text`.
std::optional<double> angle(std::string_view& text, std::size_t degreeDigits) {
    if (text.empty() || (text[0] != '+' && text[0] != '-')) return std::nullopt;
    std::size_t end = 1;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    const std::size_t digits = end - 1;
    if (digits != degreeDigits + 2 && digits != degreeDigits + 4) return std::nullopt;
    const auto number = [&](std::size_t at, std::size_t count) {
        return std::stoi(std::string(text.substr(at, count)));
    };
    double value = number(1, degreeDigits) + number(1 + degreeDigits, 2) / 60.0;
    if (digits == degreeDigits + 4) value += number(3 + degreeDigits, 2) / 3600.0;
    if (text[0] == '-') value = -value;
    text.remove_prefix(end);
    return value;
}

class LibcTimeZone : public TimeZoneBackend {
public:
    int32_t gmtOffsetSeconds() override {
        tzset();
        const time_t now = time(nullptr);
        tm local {};
        return localtime_r(&now, &local) ? static_cast<int32_t>(local.tm_gmtoff) : 0;
    }

    // From the zone's line of tzdata's zone1970.tab: codes, coordinates, zone name, comments.
    std::optional<Coordinates> location() override {
        const std::string name = zoneName();
        std::ifstream table(zoneFolder() / "zone1970.tab");
        std::string line;
        while (std::getline(table, line)) {
            if (line.empty() || line[0] == '#') continue;
            const std::size_t first = line.find('\t');
            const std::size_t second = line.find('\t', first + 1);
            if (first == std::string::npos || second == std::string::npos) continue;
            const std::size_t third = line.find('\t', second + 1);
            if (line.compare(second + 1, third == std::string::npos ? std::string::npos : third - second - 1, name) != 0)
                continue;
            std::string_view coordinates = std::string_view(line).substr(first + 1, second - first - 1);
            const auto latitude = angle(coordinates, 2);
            const auto longitude = angle(coordinates, 3);
            if (latitude && longitude && coordinates.empty()) return Coordinates{*latitude, *longitude};
        }
        return std::nullopt;
    }
};

}  // namespace

template <>
ClockBackend& linuxBackend<ClockBackend>() {
    static MonotonicClock clock;
    return clock;
}

template <>
TimeZoneBackend& linuxBackend<TimeZoneBackend>() {
    static LibcTimeZone timeZone;
    return timeZone;
}
