// A host that shows nothing and asks no one: for the programs that run the
// engine with no window (benchmarks, fuzzing, the command line). Every
// dialog is answered OK, every repaint, box, cursor and sound is dropped, and
// the clock reads |seed|. A program that cares about the message boxes, the
// stop button or the clock overrides MessageBox, CheckStop or
// CurrentTimeSeconds.
#pragma once

#include <cstdint>
#include <string>

#include "DocumentHost.h"

namespace verbal {

class SilentHost : public IDocumentHost {
public:
    explicit SilentHost(std::int64_t seconds = 0) : seed(seconds) {}

    // The seconds the clock reads, hence the seed of the word table's shuffle.
    std::int64_t seed;

    int MessageBox(const MessageBoxRequest&) override { return IDOK; }
    // Never pressed: a computation runs to its end.
    bool CheckStop() override { return false; }

    void InvalidateAll(bool) override {}
    void RedrawAllNow() override {}
    void GridChanged(bool) override {}
    void ProgressChanged(int) override {}
    bool RunRecalcConfirm() override { return true; }
    bool RunNewGridDialog(CNewGridData&) override { return true; }
    bool RunEraseConfirm() override { return true; }
    void RunSolutionChoice(int&) override {}
    void RunGridInfo(const CGridInfoData&) override {}
    void CreateStopBox() override {}
    void DestroyStopBox() override {}
    void CreateWaitBox() override {}
    void DestroyWaitBox() override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void PlaySoundFile(const std::string&) override {}
    std::int64_t CurrentTimeSeconds() override { return seed; }
};

}  // namespace verbal
