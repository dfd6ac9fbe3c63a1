#include "ConsoleHost.h"

#include <atomic>
#include <csignal>
#include <ctime>
#include <ostream>

#include "Codepage.h"

namespace verbal::cli {
namespace {
std::atomic<bool> g_stopPressed{false};

extern "C" void OnInterrupt(int) { g_stopPressed = true; }
}  // namespace

ConsoleHost::ConsoleHost(std::ostream& errors) : m_errors(errors) {}

void ConsoleHost::InstallInterruptHandler() { std::signal(SIGINT, OnInterrupt); }

void ConsoleHost::RequestStop() { g_stopPressed = true; }

int ConsoleHost::MessageBox(const MessageBoxRequest& request) {
    ++m_nMessages;
    if (!request.caption.empty()) m_errors << Cp1252ToUtf8(request.caption) << " : ";
    m_errors << Cp1252ToUtf8(request.text) << std::endl;
    // Nobody can answer on a console: giving up is the safe answer.
    switch (request.buttons) {
    case MsgButtons::Ok: return IDOK;
    case MsgButtons::YesNo: return IDNO;
    default: return IDCANCEL;
    }
}

bool ConsoleHost::CheckStop() { return g_stopPressed.exchange(false); }

std::int64_t ConsoleHost::CurrentTimeSeconds() {
    return m_seed ? *m_seed : static_cast<std::int64_t>(std::time(nullptr));
}

}  // namespace verbal::cli
