#include "Sound.h"

#include <algorithm>
#include <cmath>

#include <sys/stat.h>

#include <sndfile.h>

#include "Codepage.h"
#include "PulseSound.h"

namespace verbal {

const char* const kNoSound = "Aucun";

namespace {

// Beyond these a sound server takes no stream; such a file cannot be played.
constexpr int kMaxChannels = 32;
constexpr int kMaxSampleRate = 384000;

constexpr std::size_t kChunkFrames = 4096;

class SoundFile {
public:
    explicit SoundFile(const std::string& nativePath) {
        // A pipe or a device could block the reader for ever: regular files only.
        struct stat status {};
        if (stat(nativePath.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return;
        m_file = sf_open(nativePath.c_str(), SFM_READ, &m_info);
    }
    ~SoundFile() {
        if (m_file) sf_close(m_file);
    }
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;

    bool Playable() const {
        return m_file && m_info.channels >= 1 && m_info.channels <= kMaxChannels && m_info.samplerate >= 1 &&
               m_info.samplerate <= kMaxSampleRate;
    }
    const SF_INFO& Info() const { return m_info; }
    std::size_t Read(float* samples, std::size_t frames) {
        const sf_count_t got = sf_readf_float(m_file, samples, static_cast<sf_count_t>(frames));
        return got > 0 ? static_cast<std::size_t>(got) : 0;
    }

private:
    SNDFILE* m_file = nullptr;
    SF_INFO m_info{};
};

}  // namespace

std::vector<float> DefaultBeep(int sampleRate) {
    // A soft two-partial tone with a quick attack and an exponential decay.
    const double seconds = 0.2;
    const std::size_t frames = static_cast<std::size_t>(seconds * sampleRate);
    std::vector<float> samples(frames);
    const double pi = std::acos(-1.0);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double attack = std::min(1.0, t / 0.005);
        const double release = std::min(1.0, (seconds - t) / 0.02);
        const double envelope = attack * release * std::exp(-t * 12.0);
        const double wave = 0.8 * std::sin(2 * pi * 880.0 * t) + 0.2 * std::sin(2 * pi * 1760.0 * t);
        samples[i] = static_cast<float>(0.3 * envelope * wave);
    }
    return samples;
}

SoundPlayed PlaySoundSetting(const std::string& setting, ISoundOutput& output) {
    if (setting == kNoSound) return SoundPlayed::Nothing;

    SoundFile file(setting);
    if (file.Playable()) {
        const SF_INFO& info = file.Info();
        if (info.frames == 0) return SoundPlayed::File;  // nothing to hear
        if (!output.Open(info.samplerate, info.channels)) return SoundPlayed::NoOutput;
        std::vector<float> chunk(kChunkFrames * static_cast<std::size_t>(info.channels));
        while (const std::size_t frames = file.Read(chunk.data(), kChunkFrames)) {
            if (!output.Write(chunk.data(), frames)) break;
        }
        output.Finish();
        return SoundPlayed::File;
    }

    if (!output.Open(kBeepSampleRate, 1)) return SoundPlayed::NoOutput;
    const std::vector<float> beep = DefaultBeep(kBeepSampleRate);
    output.Write(beep.data(), beep.size());
    output.Finish();
    return SoundPlayed::DefaultBeep;
}

void PlayEventSound(const std::string& setting) {
    CPulseSoundOutput output;
    PlaySoundSetting(setting, output);
}

}  // namespace verbal
