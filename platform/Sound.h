// Event sounds, played synchronously: a call returns once the sound has been
// heard, as the program's timing expects (the generator waits for its tick at
// every row).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace verbal {

// The sound setting that means "no sound" (exact, letter case included:
// "aucun" is a file name).
extern const char* const kNoSound;  // "Aucun"

// Where decoded sound goes: one stream of interleaved 32-bit float frames.
class ISoundOutput {
public:
    virtual ~ISoundOutput() = default;
    // Opens a stream. False when nothing can be heard (no sound server): the
    // caller then stays silent.
    virtual bool Open(int sampleRate, int channels) = 0;
    // Queues |frames| frames, waiting while the stream is full. False when
    // the stream broke.
    virtual bool Write(const float* samples, std::size_t frames) = 0;
    // Waits until everything written has been played, then closes the stream.
    virtual void Finish() = 0;
};

// What a call to PlaySoundSetting did.
enum class SoundPlayed {
    Nothing,      // the setting is kNoSound
    File,         // the file was played
    DefaultBeep,  // the file is missing or cannot be played: the default beep
    NoOutput,     // the output could not be opened: silence
};

// Plays the sound of a setting (a path as the file system names it, UTF-8,
// or kNoSound) on |output| and returns when it has been played.
SoundPlayed PlaySoundSetting(const std::string& setting, ISoundOutput& output);

// The default beep: mono float samples at |sampleRate|, about 0.2 s.
std::vector<float> DefaultBeep(int sampleRate);
constexpr int kBeepSampleRate = 44100;

// PlaySoundSetting on the desktop's sound server. Without a server it
// returns at once, silently, and never starts one.
void PlayEventSound(const std::string& setting);

}  // namespace verbal
