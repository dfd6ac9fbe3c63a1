#include "ConsoleHost.h"

#include <atomic>
#include <csignal>
#include <ctime>
#include <ostream>
#include <string>

#include "Codepage.h"

namespace verbal::cli {
namespace {
std::atomic<bool> g_stopPressed{false};

extern "C" void OnInterrupt(int) { g_stopPressed = true; }
}  // namespace

// Text from a file or an argument, ready for a terminal: control characters
// (escape sequences among them) are shown as \xHH or \uHHHH, never sent.
std::string Printable(const std::string& utf8) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x20 || c == 0x7F) {
            shown += "\\x";
            shown += kHex[c >> 4];
            shown += kHex[c & 15];
        } else if (c == 0xC2 && i + 1 < utf8.size() &&
                   static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
            // U+0080..U+009F: the terminal's other control characters.
            const unsigned char low = static_cast<unsigned char>(utf8[++i]);
            shown += "\\u00";
            shown += kHex[low >> 4];
            shown += kHex[low & 15];
        } else {
            shown += static_cast<char>(c);
        }
    }
    return shown;
}

ConsoleHost::ConsoleHost(std::ostream& errors) : m_errors(errors) {}

void ConsoleHost::InstallInterruptHandler() {
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
}

void ConsoleHost::SetTimeLimit(std::optional<std::chrono::milliseconds> limit) {
    m_bTimedOut = false;
    if (limit)
        m_deadline = std::chrono::steady_clock::now() + *limit;
    else
        m_deadline.reset();
}

void ConsoleHost::RequestStop() { g_stopPressed = true; }

int ConsoleHost::MessageBox(const MessageBoxRequest& request) {
    ++m_nMessages;
    if (!request.caption.empty()) m_errors << Printable(Cp1252ToUtf8(request.caption)) << " : ";
    m_errors << Printable(Cp1252ToUtf8(request.text)) << std::endl;
    // Nobody can answer on a console: giving up is the safe answer.
    switch (request.buttons) {
    case MsgButtons::Ok: return IDOK;
    case MsgButtons::YesNo: return IDNO;
    default: return IDCANCEL;
    }
}

bool ConsoleHost::CheckStop() {
    if (g_stopPressed.exchange(false)) return true;
    if (m_deadline && std::chrono::steady_clock::now() >= *m_deadline) {
        m_bTimedOut = true;
        return true;
    }
    return false;
}

std::int64_t ConsoleHost::CurrentTimeSeconds() {
    return m_seed ? *m_seed : static_cast<std::int64_t>(std::time(nullptr));
}

}  // namespace verbal::cli
