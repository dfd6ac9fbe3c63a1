// Synchronous playing on a real sound server: each test starts a private
// PulseAudio daemon whose only sink writes to a pipe at the pace of a clock,
// as a sound card would, and reads that pipe to hear what was played. Where
// the daemon cannot run, the tests are skipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sndfile.h>

#include "Process.h"
#include "PulseSound.h"
#include "Sound.h"
#include "TestFiles.h"

extern char** environ;

namespace verbal::test {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void WriteTone(const fs::path& path, double seconds) {
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    const int frames = static_cast<int>(seconds * info.samplerate);
    std::vector<float> data(static_cast<std::size_t>(frames));
    for (int i = 0; i < frames; ++i) data[i] = 0.5f * static_cast<float>(std::sin(i * 2 * 3.14159265 * 440 / 44100));
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr);
    sf_writef_float(file, data.data(), frames);
    sf_close(file);
}

}  // namespace

class PulseServer : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string daemon = FindProgramInPath("pulseaudio");
        if (daemon.empty()) GTEST_SKIP() << "pulseaudio is not installed";
        fs::create_directories(m_dir / "home");
        fs::create_directories(m_dir / "run");
        fs::permissions(m_dir / "run", fs::perms::owner_all, fs::perm_options::replace);
        m_socket = (m_dir / "native").string();
        m_sink = (m_dir / "sink").string();

        // Its own home and runtime directory, no session bus, no display: this
        // daemon meets no other sound server. It leaves by itself once idle,
        // should a test die before stopping it.
        std::vector<std::string> args = {
            daemon, "-n", "--daemonize=no", "--system=false", "--use-pid-file=no", "--disable-shm=yes",
            "--exit-idle-time=20", "--realtime=no", "--high-priority=no", "--log-target=stderr",
            "-L", "module-pipe-sink sink_name=verbal_test file=" + m_sink +
                      " use_system_clock_for_timing=yes format=s16le rate=44100 channels=1",
            "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + m_socket};
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            const std::string entry = *e;
            const std::string name = entry.substr(0, entry.find('='));
            if (name != "HOME" && name != "XDG_RUNTIME_DIR" && name != "XDG_CONFIG_HOME" && name != "DISPLAY" &&
                name != "DBUS_SESSION_BUS_ADDRESS" && name != "PULSE_SERVER")
                env.push_back(entry);
        }
        env.push_back("HOME=" + (m_dir / "home").string());
        env.push_back("XDG_RUNTIME_DIR=" + (m_dir / "run").string());
        env.push_back("DBUS_SESSION_BUS_ADDRESS=unix:path=" + (m_dir / "nobus").string());
        std::vector<char*> argv, envp;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        for (auto& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);
        const std::string log = (m_dir / "pulseaudio.log").string();

        m_pid = fork();
        ASSERT_GE(m_pid, 0);
        if (m_pid == 0) {
            const int fd = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (fd >= 0) {
                dup2(fd, 1);
                dup2(fd, 2);
            }
            execve(argv[0], argv.data(), envp.data());
            _exit(127);
        }

        m_server = std::make_unique<EnvOverride>("PULSE_SERVER", "unix:" + m_socket);
        const auto deadline = Clock::now() + std::chrono::seconds(15);
        while (CPulseSoundOutput::FindServer().empty()) {
            int status = 0;
            if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_pid = -1;
                GTEST_SKIP() << "pulseaudio stopped at start:\n" << ReadFile(log);
            }
            if (Clock::now() > deadline) GTEST_SKIP() << "pulseaudio does not answer:\n" << ReadFile(log);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        m_listener = std::thread([this] { Listen(); });
    }

    void TearDown() override {
        m_stop = true;
        if (m_listener.joinable()) m_listener.join();
        m_server.reset();
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            const auto deadline = Clock::now() + std::chrono::seconds(5);
            int status = 0;
            while (waitpid(m_pid, &status, WNOHANG) == 0) {
                if (Clock::now() > deadline) {
                    kill(m_pid, SIGKILL);
                    waitpid(m_pid, &status, 0);
                    break;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
    }

    // The loudest sample that reached the sink since the last call, in
    // 1/32768, after the sink has had time to pass on what it was given.
    int HeardPeak() {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        return m_peak.exchange(0);
    }

    TempDir m_dir;
    int m_pid = -1;

private:
    void Listen() {
        const int fd = open(m_sink.c_str(), O_RDONLY | O_NONBLOCK);
        if (fd < 0) return;
        std::vector<short> buffer(4096);
        while (!m_stop) {
            pollfd item{fd, POLLIN, 0};
            if (poll(&item, 1, 20) <= 0) continue;
            const ssize_t got = read(fd, buffer.data(), buffer.size() * sizeof(short));
            int peak = 0;
            for (ssize_t i = 0; i < got / static_cast<ssize_t>(sizeof(short)); ++i)
                peak = std::max(peak, std::abs(static_cast<int>(buffer[static_cast<std::size_t>(i)])));
            int old = m_peak.load();
            while (peak > old && !m_peak.compare_exchange_weak(old, peak)) {
            }
        }
        close(fd);
    }

    std::string m_socket;
    std::string m_sink;
    std::unique_ptr<EnvOverride> m_server;
    std::thread m_listener;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_peak{0};
};

TEST_F(PulseServer, CallReturnsWhenTheSoundHasBeenPlayed) {
    WriteTone(m_dir / "tone.wav", 0.3);
    HeardPeak();
    const auto start = Clock::now();
    PlayEventSound((m_dir / "tone.wav").string());
    const double seconds = SecondsSince(start);
    std::cout << "[ measure  ] a 0.300 s sound kept the call " << seconds << " s" << std::endl;
    RecordProperty("seconds_for_0_3_s_sound", std::to_string(seconds));
    EXPECT_GE(seconds, 0.25);
    EXPECT_GT(HeardPeak(), 12000);  // the tone's 0.5 of full scale
}

TEST_F(PulseServer, MissingFileSoundsTheBeep) {
    HeardPeak();
    const auto start = Clock::now();
    PlayEventSound((m_dir / "absent.wav").string());
    const double seconds = SecondsSince(start);
    std::cout << "[ measure  ] the default beep kept the call " << seconds << " s" << std::endl;
    EXPECT_GE(seconds, 0.15);
    EXPECT_GT(HeardPeak(), 1000);
}

TEST_F(PulseServer, AucunIsNeverHeard) {
    HeardPeak();
    PlayEventSound("Aucun");
    EXPECT_EQ(HeardPeak(), 0);
}

TEST(PulseNoServer, SilenceWithoutWaiting) {
    TempDir dir;
    WriteTone(dir / "tone.wav", 0.3);
    EnvOverride server("PULSE_SERVER", "unix:" + (dir / "no-server").string());
    const auto start = Clock::now();
    EXPECT_EQ(CPulseSoundOutput::FindServer(), "");
    PlayEventSound((dir / "tone.wav").string());
    PlayEventSound((dir / "absent.wav").string());
    std::cout << "[ measure  ] two calls without a server took " << SecondsSince(start) << " s" << std::endl;
    CPulseSoundOutput output;
    EXPECT_FALSE(output.Open(44100, 1));
}

}  // namespace verbal::test
