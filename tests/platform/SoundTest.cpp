#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include <sys/stat.h>

#include <sndfile.h>

#include "Sound.h"
#include "TestFiles.h"

namespace verbal::test {

namespace fs = std::filesystem;

namespace {

// Records what would have been heard.
class RecordingOutput : public ISoundOutput {
public:
    bool Open(int sampleRate, int channels) override {
        ++opens;
        rate = sampleRate;
        this->channels = channels;
        return canOpen;
    }
    bool Write(const float* data, std::size_t frames) override {
        samples.insert(samples.end(), data, data + frames * static_cast<std::size_t>(channels));
        return true;
    }
    void Finish() override { ++finishes; }

    bool canOpen = true;
    int opens = 0;
    int finishes = 0;
    int rate = 0;
    int channels = 0;
    std::vector<float> samples;
};

// A 16-bit WAV of |frames| frames holding a ramp, so that content can be
// compared after decoding.
void WriteWav(const fs::path& path, int rate, int channels, int frames) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    std::vector<short> data(static_cast<std::size_t>(frames * channels));
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<short>((i % 200) * 100);
    sf_writef_short(file, data.data(), frames);
    sf_close(file);
}

}  // namespace

TEST(Sound, AucunExactlyIsSilence) {
    RecordingOutput output;
    EXPECT_EQ(PlaySoundSetting("Aucun", output), SoundPlayed::Nothing);
    EXPECT_EQ(output.opens, 0);
    // Any other spelling is a file name, here a missing one: the beep.
    for (const char* setting : {"aucun", "AUCUN", "Aucun ", ""}) {
        RecordingOutput other;
        EXPECT_EQ(PlaySoundSetting(setting, other), SoundPlayed::DefaultBeep) << '"' << setting << '"';
    }
}

TEST(Sound, FileIsDecodedAndPlayedWhole) {
    TempDir dir;
    WriteWav(dir / "son.wav", 22050, 2, 10000);  // more than one chunk
    RecordingOutput output;
    EXPECT_EQ(PlaySoundSetting((dir / "son.wav").string(), output), SoundPlayed::File);
    EXPECT_EQ(output.opens, 1);
    EXPECT_EQ(output.finishes, 1);
    EXPECT_EQ(output.rate, 22050);
    EXPECT_EQ(output.channels, 2);
    ASSERT_EQ(output.samples.size(), 20000u);
    EXPECT_NEAR(output.samples[1], 100 / 32768.0, 1e-6);
    EXPECT_NEAR(output.samples[19999], (19999 % 200) * 100 / 32768.0, 1e-6);
}

// The file system's own name, even one that Windows-1252 cannot hold.
TEST(Sound, SettingIsTheFilesOwnName) {
    TempDir dir;
    WriteWav(dir / "\xC3\xA9t\xC3\xA9-\xCE\xA9.wav", 8000, 1, 800);  // été-Ω.wav
    RecordingOutput output;
    EXPECT_EQ(PlaySoundSetting(dir.Path() + "/\xC3\xA9t\xC3\xA9-\xCE\xA9.wav", output),
              SoundPlayed::File);
    EXPECT_EQ(output.samples.size(), 800u);
}

TEST(Sound, WhatCannotBePlayedGivesTheBeep) {
    TempDir dir;
    WriteFile(dir / "texte.wav", "RIFF but not really a sound");
    ASSERT_EQ(mkfifo((dir / "tube.wav").c_str(), 0600), 0);  // must not block
    for (const fs::path& path : {dir / "absent.wav", dir / "texte.wav", fs::path(dir.Path()), dir / "tube.wav"}) {
        RecordingOutput output;
        EXPECT_EQ(PlaySoundSetting(path.string(), output), SoundPlayed::DefaultBeep) << path;
        EXPECT_EQ(output.rate, kBeepSampleRate);
        EXPECT_EQ(output.channels, 1);
        EXPECT_EQ(output.samples, DefaultBeep(kBeepSampleRate));
        EXPECT_EQ(output.finishes, 1);
    }
}

TEST(Sound, NoOutputMeansSilenceAndNoRetry) {
    TempDir dir;
    WriteWav(dir / "son.wav", 44100, 1, 100);
    for (const fs::path& path : {dir / "son.wav", dir / "absent.wav"}) {
        RecordingOutput output;
        output.canOpen = false;
        EXPECT_EQ(PlaySoundSetting(path.string(), output), SoundPlayed::NoOutput);
        EXPECT_EQ(output.opens, 1);
        EXPECT_TRUE(output.samples.empty());
    }
}

TEST(Sound, EmptyFilePlaysNothingAndNoBeep) {
    TempDir dir;
    WriteWav(dir / "vide.wav", 44100, 1, 0);
    RecordingOutput output;
    EXPECT_EQ(PlaySoundSetting((dir / "vide.wav").string(), output), SoundPlayed::File);
    EXPECT_EQ(output.opens, 0);
}

// The six sounds shipped with the program: readable, short, and not loud.
TEST(Sound, ShippedSoundsAreShortAndQuiet) {
    const struct {
        const char* name;
        double maxSeconds;
    } sounds[] = {{"zip.wav", 0.1},  {"tuttut.wav", 0.5}, {"ding.wav", 0.5},
                  {"tiou.wav", 0.5}, {"bip.wav", 0.5},    {"victoire.wav", 2.0}};
    for (const auto& sound : sounds) {
        RecordingOutput output;
        const fs::path path = fs::path(VERBAL_DATA_DIR) / sound.name;
        ASSERT_EQ(PlaySoundSetting(path.string(), output), SoundPlayed::File) << sound.name;
        const double seconds = static_cast<double>(output.samples.size()) / output.channels / output.rate;
        EXPECT_GT(seconds, 0.02) << sound.name;
        EXPECT_LT(seconds, sound.maxSeconds) << sound.name;
        float peak = 0;
        for (float s : output.samples) peak = std::max(peak, std::fabs(s));
        EXPECT_GT(peak, 0.05f) << sound.name;
        EXPECT_LT(peak, 0.5f) << sound.name;
    }
}

}  // namespace verbal::test
