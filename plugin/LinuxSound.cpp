// The sound output on Linux: the ALSA simple mixer element "Master" of the default card.
#include "plugin/Backends.h"

#include <alsa/asoundlib.h>
#include <cmath>
#include <cstdarg>

namespace {

// ALSA reports a missing card on stderr; the library reports it only through its results.
void quietly(const char*, int, const char*, int, const char*, ...) {}

// The mixer of the default card, open while the object lives.
class Mixer {
public:
    Mixer() {
        static const bool silenced = (snd_lib_error_set_handler(&quietly), true);
        (void)silenced;
        if (snd_mixer_open(&mixer, 0) < 0) {
            mixer = nullptr;
            return;
        }
        snd_mixer_selem_id_t* id = nullptr;
        if (snd_mixer_attach(mixer, "default") < 0 || snd_mixer_selem_register(mixer, nullptr, nullptr) < 0 ||
            snd_mixer_load(mixer) < 0 || snd_mixer_selem_id_malloc(&id) < 0)
            return;
        snd_mixer_selem_id_set_index(id, 0);
        snd_mixer_selem_id_set_name(id, "Master");
        master = snd_mixer_find_selem(mixer, id);
        snd_mixer_selem_id_free(id);
    }
    ~Mixer() {
        if (mixer) snd_mixer_close(mixer);
    }
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    snd_mixer_elem_t* element() const { return master; }

    // The ALSA channel of ours; channel 0 stands for all and reads as the first.
    std::optional<snd_mixer_selem_channel_id_t> channel(int channel) const {
        if (!master) return std::nullopt;
        if (channel == 0) return SND_MIXER_SCHN_MONO;
        if (snd_mixer_selem_is_playback_mono(master)) return std::nullopt;
        const auto id = channel == 1 ? SND_MIXER_SCHN_FRONT_LEFT : SND_MIXER_SCHN_FRONT_RIGHT;
        return snd_mixer_selem_has_playback_channel(master, id) ? std::optional(id) : std::nullopt;
    }

private:
    snd_mixer_t* mixer = nullptr;
    snd_mixer_elem_t* master = nullptr;
};

class AlsaSound : public SoundBackend {
public:
    bool setVolume(int channel, double volume) override {
        const Mixer mixer;
        const auto id = mixer.channel(channel);
        long low = 0;
        long high = 0;
        if (!id || !snd_mixer_selem_has_playback_volume(mixer.element()) ||
            snd_mixer_selem_get_playback_volume_range(mixer.element(), &low, &high) < 0)
            return false;
        const long value = low + std::lround(volume * static_cast<double>(high - low));
        return (channel == 0 ? snd_mixer_selem_set_playback_volume_all(mixer.element(), value)
                             : snd_mixer_selem_set_playback_volume(mixer.element(), *id, value)) >= 0;
    }

    std::optional<double> volume(int channel) override {
        const Mixer mixer;
        const auto id = mixer.channel(channel);
        long low = 0;
        long high = 0;
        long value = 0;
        if (!id || !snd_mixer_selem_has_playback_volume(mixer.element()) ||
            snd_mixer_selem_get_playback_volume_range(mixer.element(), &low, &high) < 0 || high <= low ||
            snd_mixer_selem_get_playback_volume(mixer.element(), *id, &value) < 0)
            return std::nullopt;
        return static_cast<double>(value - low) / static_cast<double>(high - low);
    }

    // Muted is ALSA's switch off.
    bool setMute(int channel, bool mute) override {
        const Mixer mixer;
        const auto id = mixer.channel(channel);
        if (!id || !snd_mixer_selem_has_playback_switch(mixer.element())) return false;
        return (channel == 0 ? snd_mixer_selem_set_playback_switch_all(mixer.element(), mute ? 0 : 1)
                             : snd_mixer_selem_set_playback_switch(mixer.element(), *id, mute ? 0 : 1)) >= 0;
    }

    std::optional<bool> mute(int channel) override {
        const Mixer mixer;
        const auto id = mixer.channel(channel);
        int on = 0;
        if (!id || !snd_mixer_selem_has_playback_switch(mixer.element()) ||
            snd_mixer_selem_get_playback_switch(mixer.element(), *id, &on) < 0)
            return std::nullopt;
        return on == 0;
    }
};

}  // namespace

template <>
SoundBackend& linuxBackend<SoundBackend>() {
    static AlsaSound sound;
    return sound;
}
