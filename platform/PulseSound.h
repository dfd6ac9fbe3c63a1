// Sound output through the desktop's sound server (PulseAudio, or PipeWire's
// PulseAudio service).
#pragma once

#include <cstddef>
#include <string>

#include "Sound.h"

struct pa_simple;

namespace verbal {

class CPulseSoundOutput : public ISoundOutput {
public:
    CPulseSoundOutput() = default;
    ~CPulseSoundOutput() override;
    CPulseSoundOutput(const CPulseSoundOutput&) = delete;
    CPulseSoundOutput& operator=(const CPulseSoundOutput&) = delete;

    // Connects only to a server that already runs: a missing server is never
    // started, and one that does not answer within a short delay counts as
    // missing.
    bool Open(int sampleRate, int channels) override;
    bool Write(const float* samples, std::size_t frames) override;
    void Finish() override;

    // The address of the sound server in force, or "" when none answers.
    static std::string FindServer();

private:
    pa_simple* m_pStream = nullptr;
    int m_nChannels = 0;
};

}  // namespace verbal
