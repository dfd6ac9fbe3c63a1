// The document's interface on a terminal: messages go to standard error in
// UTF-8, Ctrl+C (or SIGTERM) and the time limit press the stop button, and
// nothing is drawn or played.
#pragma once

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include "SilentHost.h"

namespace verbal::cli {

// Text from a file or an argument, ready for a terminal: control characters
// (escape sequences among them) are shown as \xHH or \uHHHH, never sent.
std::string Printable(const std::string& utf8);

// Silent but for its messages, its stop button and its clock: SilentHost's
// |seed| is not read, SetSeed gives the seed.
class ConsoleHost : public SilentHost {
public:
    explicit ConsoleHost(std::ostream& errors);

    // The seed of the shuffle; the clock when none is given.
    void SetSeed(std::optional<std::int64_t> seed) { m_seed = seed; }
    // The search stops by itself once this much time has passed from now.
    void SetTimeLimit(std::optional<std::chrono::milliseconds> limit);
    // True once the time limit has stopped the search.
    bool TimedOut() const { return m_bTimedOut; }
    // Routes SIGINT and SIGTERM to the stop button while a grid is computed.
    static void InstallInterruptHandler();
    // Presses the stop button (what Ctrl+C does).
    static void RequestStop();

    int MessageBox(const MessageBoxRequest& request) override;
    bool CheckStop() override;
    std::int64_t CurrentTimeSeconds() override;

    int MessagesShown() const { return m_nMessages; }

private:
    std::ostream& m_errors;
    std::optional<std::int64_t> m_seed;
    int m_nMessages = 0;
    std::optional<std::chrono::steady_clock::time_point> m_deadline;
    bool m_bTimedOut = false;
};

}  // namespace verbal::cli
