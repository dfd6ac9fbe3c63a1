// A document host that records every call, in order, and answers from a
// script. Tests read the log to say what a person would have seen.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "DocumentHost.h"

namespace verbal::test {

class FakeHost : public IDocumentHost {
public:
    struct Call {
        std::string name;     // "MessageBox", "InvalidateAll", "PlaySound", ...
        std::string detail;   // caption for a message box, file for a sound,
                              // rows done for a progress, ...
    };

    // --- the script ---
    std::int64_t seconds = 1;
    std::deque<int> messageAnswers;         // default: IDOK, or IDCANCEL for Retry/Cancel
    bool recalcAnswer = true;
    bool eraseAnswer = true;
    int solutionChoice = -1;                // -1: cancelled (choice left as preset)
    // Runs the new-grid dialog; the default accepts it as it was preset.
    std::function<bool(CNewGridData&)> newGrid = [](CNewGridData&) { return true; };
    // Called after every call is logged.
    std::function<void(const Call&)> onCall;
    // Answers CheckStop; the default never stops.
    std::function<bool(int call)> stopAt = [](int) { return false; };

    // --- what happened ---
    std::vector<Call> calls;
    std::vector<MessageBoxRequest> messages;
    std::vector<CGridInfoData> gridInfos;
    std::vector<CNewGridData> newGridShown;
    int checkStopCalls = 0;
    int waitCursorDepth = 0;
    bool stopBoxShown = false;
    bool waitBoxShown = false;

    std::vector<std::string> Names() const;            // every call's name, in order
    int Count(const std::string& name) const;
    std::vector<std::string> Sounds() const;           // sound files played, in order
    std::vector<std::string> Captions() const;         // message box captions (UTF-8)
    void Clear();

    int MessageBox(const MessageBoxRequest& request) override;
    void InvalidateAll(bool erase) override;
    void RedrawAllNow() override;
    void GridChanged(bool now) override;
    void ProgressChanged(int rowsDone) override;
    bool RunRecalcConfirm() override;
    bool RunNewGridDialog(CNewGridData& data) override;
    bool RunEraseConfirm() override;
    void RunSolutionChoice(int& choice) override;
    void RunGridInfo(const CGridInfoData& data) override;
    void CreateStopBox() override;
    void DestroyStopBox() override;
    bool CheckStop() override;
    void CreateWaitBox() override;
    void DestroyWaitBox() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void PlaySoundFile(const std::string& path) override;
    std::int64_t CurrentTimeSeconds() override;

private:
    void Log(const std::string& name, const std::string& detail = {});
};

}  // namespace verbal::test
