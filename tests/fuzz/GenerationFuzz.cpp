// Any bytes as a dictionary, through a whole computation as the window
// runs it: load, validation, row loop, clues. The host presses the stop
// button after a fixed number of polls, so every input ends; a dictionary
// that would keep the search from polling hangs here and is a finding.
// The seed corpus holds real-sized dictionaries (make_generation_corpus.py),
// and the grid size runs from 6 to 20 with the input's size, so that the
// search spends its polls in the row loop, its column tests and its back-ups.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "Scramble.h"
#include "SilentHost.h"
#include "VerbalineDoc.h"

namespace {

class StoppingHost : public verbal::SilentHost {
public:
    StoppingHost() : SilentHost(7) {}
    int polls = 0;
    // 40 polls: about 20 000 column tests, or 20 000 quiet passes.
    bool CheckStop() override { return ++polls >= 40; }
};

constexpr std::size_t kOwnDefinitionsUpTo = 16384;

std::string Folder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/verbal-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made) std::abort();
        return std::string(made);
    }();
    return folder;
}

void Write(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    if (size) std::fwrite(data, 1, size, file);
    std::fclose(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string lex = Folder() + "/Fuzz.lex";
    Write(lex, data, size);
    // The same bytes serve as definitions: they are looked up, never trusted.
    // A real-sized dictionary is no definitions file, and looking up a whole
    // grid's clues in it would take most of the run (DictionaryFuzz fuzzes
    // the lookup): such an input gets a small definitions text of its own.
    static const std::string definitions = [] {
        std::string text = "DEFINITIONS\r\nMES:Pronom possessif\r\nTE:Pronom\r\n";
        verbal::Scramble(text.data(), text.size());
        return text;
    }();
    if (size <= kOwnDefinitionsUpTo)
        Write(Folder() + "/Fuzz.dex", data, size);
    else
        Write(Folder() + "/Fuzz.dex", reinterpret_cast<const std::uint8_t*>(definitions.data()),
              definitions.size());

    StoppingHost host;
    auto doc = std::make_unique<verbal::CVerbalineDoc>(&host);
    doc->OnNewDocument();
    verbal::CNewGridData choice;
    choice.m_strDictPath = lex;
    choice.m_strDefsPath = choice.MakeDefsPath();
    choice.MakeDictName();
    choice.m_nGridLast = 5 + 2 * static_cast<int>(size % 8);
    choice.m_nQuality = static_cast<int>(size % 4);
    doc->Compute(choice);
    if (doc->IsComputing()) std::abort();
    return 0;
}
