#include "PulseSound.h"

#include <chrono>

#include <pulse/context.h>
#include <pulse/mainloop.h>
#include <pulse/simple.h>

namespace verbal {

namespace {

// A server on this machine answers in milliseconds.
constexpr auto kConnectTimeout = std::chrono::milliseconds(1500);

// The server's buffer: short, so that draining ends soon after the last
// sample is heard rather than after a large default buffer.
constexpr pa_usec_t kBufferMicroseconds = 100000;

}  // namespace

std::string CPulseSoundOutput::FindServer() {
    // The simple API would start a server when none runs (autospawn) and has
    // no delay limit; this connection tries neither, and tells the simple API
    // which server to use.
    pa_mainloop* loop = pa_mainloop_new();
    if (!loop) return std::string();
    std::string server;
    pa_context* context = pa_context_new(pa_mainloop_get_api(loop), "verbal");
    if (context && pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
        const auto deadline = std::chrono::steady_clock::now() + kConnectTimeout;
        for (;;) {
            const pa_context_state_t state = pa_context_get_state(context);
            if (state == PA_CONTEXT_READY) {
                if (const char* name = pa_context_get_server(context)) server = name;
                break;
            }
            if (!PA_CONTEXT_IS_GOOD(state)) break;
            const auto left = std::chrono::duration_cast<std::chrono::microseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) break;
            if (pa_mainloop_prepare(loop, static_cast<int>(left.count())) < 0 || pa_mainloop_poll(loop) < 0 ||
                pa_mainloop_dispatch(loop) < 0)
                break;
        }
        pa_context_disconnect(context);
    }
    if (context) pa_context_unref(context);
    pa_mainloop_free(loop);
    return server;
}

CPulseSoundOutput::~CPulseSoundOutput() {
    if (m_pStream) pa_simple_free(m_pStream);
}

bool CPulseSoundOutput::Open(int sampleRate, int channels) {
    Finish();
    const std::string server = FindServer();
    if (server.empty()) return false;

    pa_sample_spec format{};
    format.format = PA_SAMPLE_FLOAT32NE;
    format.rate = static_cast<uint32_t>(sampleRate);
    format.channels = static_cast<uint8_t>(channels);
    if (!pa_sample_spec_valid(&format)) return false;

    pa_buffer_attr buffer{};
    buffer.maxlength = static_cast<uint32_t>(-1);
    buffer.tlength = static_cast<uint32_t>(pa_usec_to_bytes(kBufferMicroseconds, &format));
    buffer.prebuf = static_cast<uint32_t>(-1);
    buffer.minreq = static_cast<uint32_t>(-1);
    buffer.fragsize = static_cast<uint32_t>(-1);

    int error = 0;
    m_pStream = pa_simple_new(server.c_str(), "verbal", PA_STREAM_PLAYBACK, nullptr, "event sound", &format, nullptr,
                              &buffer, &error);
    m_nChannels = channels;
    return m_pStream != nullptr;
}

bool CPulseSoundOutput::Write(const float* samples, std::size_t frames) {
    if (!m_pStream) return false;
    int error = 0;
    return pa_simple_write(m_pStream, samples, frames * static_cast<std::size_t>(m_nChannels) * sizeof(float),
                           &error) == 0;
}

void CPulseSoundOutput::Finish() {
    if (!m_pStream) return;
    int error = 0;
    pa_simple_drain(m_pStream, &error);
    pa_simple_free(m_pStream);
    m_pStream = nullptr;
}

}  // namespace verbal
