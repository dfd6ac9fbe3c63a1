#include "FakeHost.h"

#include <algorithm>

#include "Codepage.h"

namespace verbal::test {

void FakeHost::Log(const std::string& name, const std::string& detail) {
    calls.push_back({name, detail});
    if (onCall) onCall(calls.back());
}

std::vector<std::string> FakeHost::Names() const {
    std::vector<std::string> names;
    for (const Call& call : calls) names.push_back(call.name);
    return names;
}

int FakeHost::Count(const std::string& name) const {
    return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                          [&](const Call& call) { return call.name == name; }));
}

std::vector<std::string> FakeHost::Sounds() const {
    std::vector<std::string> sounds;
    for (const Call& call : calls)
        if (call.name == "PlaySound") sounds.push_back(call.detail);
    return sounds;
}

std::vector<std::string> FakeHost::Captions() const {
    std::vector<std::string> captions;
    for (const MessageBoxRequest& request : messages)
        captions.push_back(Cp1252ToUtf8(request.caption));
    return captions;
}

void FakeHost::Clear() {
    calls.clear();
    messages.clear();
    gridInfos.clear();
    newGridShown.clear();
    checkStopCalls = 0;
}

int FakeHost::MessageBox(const MessageBoxRequest& request) {
    Log("MessageBox", Cp1252ToUtf8(request.caption));
    messages.push_back(request);
    if (!messageAnswers.empty()) {
        const int answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    return request.buttons == MsgButtons::RetryCancel ? IDCANCEL : IDOK;
}

void FakeHost::InvalidateAll(bool erase) { Log("InvalidateAll", erase ? "erase" : ""); }

void FakeHost::RedrawAllNow() { Log("RedrawAllNow"); }

void FakeHost::GridChanged(bool now) { Log("GridChanged", now ? "now" : ""); }

void FakeHost::ProgressChanged(int rowsDone) { Log("ProgressChanged", std::to_string(rowsDone)); }

bool FakeHost::RunRecalcConfirm() {
    Log("RecalcConfirm");
    return recalcAnswer;
}

bool FakeHost::RunNewGridDialog(CNewGridData& data) {
    Log("NewGrid");
    newGridShown.push_back(data);
    return newGrid(data);
}

bool FakeHost::RunEraseConfirm() {
    Log("EraseConfirm");
    return eraseAnswer;
}

void FakeHost::RunSolutionChoice(int& choice) {
    Log("SolutionChoice");
    if (solutionChoice >= 0) choice = solutionChoice;
}

void FakeHost::RunGridInfo(const CGridInfoData& data) {
    Log("GridInfo");
    gridInfos.push_back(data);
}

void FakeHost::CreateStopBox() {
    Log("CreateStopBox");
    stopBoxShown = true;
}

void FakeHost::DestroyStopBox() {
    Log("DestroyStopBox");
    stopBoxShown = false;
}

bool FakeHost::CheckStop() {
    ++checkStopCalls;
    Log("CheckStop");
    return stopAt(checkStopCalls);
}

void FakeHost::CreateWaitBox() {
    Log("CreateWaitBox");
    waitBoxShown = true;
}

void FakeHost::DestroyWaitBox() {
    Log("DestroyWaitBox");
    waitBoxShown = false;
}

void FakeHost::BeginWaitCursor() {
    Log("BeginWaitCursor");
    ++waitCursorDepth;
}

void FakeHost::EndWaitCursor() {
    Log("EndWaitCursor");
    --waitCursorDepth;
}

void FakeHost::PlaySoundFile(const std::string& path) { Log("PlaySound", path); }

std::int64_t FakeHost::CurrentTimeSeconds() { return seconds; }

}  // namespace verbal::test
