// Sound volume, delay, time zone and the standard streams.
#include "plugin/HostServices.h"
#include "plugin/Methods.h"
#include "plugin/Records.h"

namespace {

struct TimeZoneFields {
    PluginInteger GmtDeltaTotalseconds;
    PluginInteger GmtDeltaSeconds;
    PluginInteger GmtDeltaMinutes;
    PluginInteger GmtDeltaHours;
    double Latitude;
    double Longitude;
};

struct StreamFields {
    char unused;
};

void noWork(REALobject) {}
void constructTimeZone(REALobject) {}
double getLatitude(REALobject, intptr_t) { return 0.0; }
double getLongitude(REALobject, intptr_t) { return 0.0; }
REALstring Read(REALobject, PluginInteger) { return nullptr; }
void Write(REALobject, REALstring) {}

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

void DelayQRX(double) {}
void DelayWithModeQRX(double, PluginInteger) {}
void SetSoundVolumeQRX(double) {}
double GetSoundVolumeQRX() { return 0.0; }
void SetSoundVolumeLeftQRX(double) {}
double GetSoundVolumeLeftQRX() { return 0.0; }
void SetSoundVolumeRightQRX(double) {}
double GetSoundVolumeRightQRX() { return 0.0; }
void SetSoundMuteQRX(bool) {}
bool GetSoundMuteQRX() { return false; }
