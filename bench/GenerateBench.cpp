// Times whole computations (dictionary read to clues built) over many seeds
// and prints, for each size and quality, the median and 95th percentile of
// the time, the column checks and the rows filled.
//
//   generate_bench [--dict FILE.lex] [--seeds N] [--sizes 6,8,...]
//                  [--qualities 0,1,2,3] [--limit-ms MS]
//
// A computation still running after --limit-ms is stopped (as the stop
// button would) and counted apart.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "SilentHost.h"
#include "VerbalineDoc.h"

namespace {

using Clock = std::chrono::steady_clock;

class BenchHost : public verbal::SilentHost {
public:
    BenchHost() : SilentHost(1) {}
    Clock::time_point deadline = Clock::time_point::max();
    int MessageBox(const verbal::MessageBoxRequest&) override {
        ++messages;
        return verbal::IDOK;
    }
    bool CheckStop() override { return Clock::now() > deadline; }
    int messages = 0;
};

std::vector<int> ParseList(const std::string& text) {
    std::vector<int> values;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) values.push_back(std::atoi(item.c_str()));
    return values;
}

template <typename T>
T Percentile(std::vector<T> values, double p) {
    if (values.empty()) return T{};
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

}  // namespace

int main(int argc, char** argv) {
    std::string dict = "Standard.lex";
    int seeds = 20;
    std::vector<int> sizes = {6, 8, 10, 12, 14, 16, 18, 20};
    std::vector<int> qualities = {0, 1, 2, 3};
    long limitMs = 60000;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--dict") dict = value;
        else if (name == "--seeds") seeds = std::atoi(value.c_str());
        else if (name == "--sizes") sizes = ParseList(value);
        else if (name == "--qualities") qualities = ParseList(value);
        else if (name == "--limit-ms") limitMs = std::atol(value.c_str());
        else {
            std::fprintf(stderr, "Option inconnue : %s\n", name.c_str());
            return 2;
        }
    }
    std::string defs = dict;
    if (defs.size() >= 3) defs[defs.size() - 3] = 'd';

    BenchHost host;
    auto doc = std::make_unique<verbal::CVerbalineDoc>(&host);
    verbal::CDocumentSettings silent;
    for (auto& sound : silent.m_strSound) sound = "Aucun";
    verbal::CNewGridData choice;
    choice.m_strDictPath = dict;
    choice.m_strDefsPath = defs;
    std::printf("%4s %2s | %9s %9s %9s | %11s %11s | %6s %6s | %s\n", "size", "q", "med ms",
                "p95 ms", "max ms", "med checks", "p95 checks", "med rows", "p95", "stopped");
    for (const int size : sizes)
        for (const int quality : qualities) {
            std::vector<double> times;
            std::vector<unsigned long long> checks;
            std::vector<unsigned long long> rows;
            int stopped = 0;
            for (int seed = 1; seed <= seeds; ++seed) {
                doc->OnNewDocument();
                doc->TakeSettings(silent);
                choice.m_nGridLast = size - 1;
                choice.m_nQuality = quality;
                host.seed = seed;
                const auto start = Clock::now();
                host.deadline = start + std::chrono::milliseconds(limitMs);
                doc->Compute(choice);
                const double ms =
                    std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                if (!doc->GridReady()) {
                    ++stopped;
                    continue;
                }
                times.push_back(ms);
                checks.push_back(doc->SearchStats().columnChecks);
                rows.push_back(doc->SearchStats().rowsFilled);
            }
            std::printf("%4d %2d | %9.1f %9.1f %9.1f | %11llu %11llu | %6llu %6llu | %d\n", size,
                        quality, Percentile(times, 0.5), Percentile(times, 0.95),
                        Percentile(times, 1.0), Percentile(checks, 0.5),
                        Percentile(checks, 0.95), Percentile(rows, 0.5), Percentile(rows, 0.95),
                        stopped);
            std::fflush(stdout);
        }
    return host.messages == 0 ? 0 : 1;
}
