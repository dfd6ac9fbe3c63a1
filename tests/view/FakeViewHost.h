// The grid window's dialogs answered by a script, and every call logged.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ViewHost.h"

namespace verbal::test {

// One answer of the letter picker.
struct PickerAnswer {
    bool ok;
    int action;
    char letter;
    int placed;
};
inline const PickerAnswer kCancelKey{false, CLetterData::Cancel, 0, 0};
inline const PickerAnswer kEscape{false, CLetterData::Cancel, 0, 1};
inline const PickerAnswer kEraseKey{true, CLetterData::Erase, 0, 1};
inline PickerAnswer LetterKey(char c) { return {true, CLetterData::Letter, c, 1}; }

class FakeViewHost : public IViewHost {
public:
    std::vector<std::string> calls;  // "Picker", "Sound bip.wav", "Victory", ...
    std::deque<PickerAnswer> picker;
    std::vector<QPoint> pickerPoints;
    std::vector<CDefinitionsData> boxes;
    std::vector<int> boxPositions;
    std::vector<CGridInfoData> infos;
    std::vector<MessageBoxRequest> messages;
    std::function<void(const std::string&)> onCall;

    bool RunLetterPicker(CLetterData& data, const QPoint& globalPos) override {
        Log("Picker");
        pickerPoints.push_back(globalPos);
        EXPECT_EQ(data.m_bPlaced, 1);  // preset by the view
        EXPECT_EQ(data.m_nAction, 0);
        EXPECT_EQ(data.m_chLetter, 0);
        const PickerAnswer a = picker.empty() ? kEscape : picker.front();
        if (!picker.empty()) picker.pop_front();
        data.m_bPlaced = a.placed;
        data.m_nAction = a.action;
        data.m_chLetter = a.letter;
        return a.ok;
    }
    void CreateDefinitionsBox(const CDefinitionsData& data, int position) override {
        Log("CreateBox");
        boxes.push_back(data);
        boxPositions.push_back(position);
    }
    void DestroyDefinitionsBox() override { Log("DestroyBox"); }
    void RunVictory() override { Log("Victory"); }
    void RunGridInfo(const CGridInfoData& data) override {
        Log("GridInfo");
        infos.push_back(data);
    }
    int MessageBox(const MessageBoxRequest& request) override {
        Log("MessageBox");
        messages.push_back(request);
        return IDOK;
    }
    void PlaySoundFile(const std::string& path) override {
        Log("Sound " + path.substr(path.find_last_of('/') + 1));
    }

private:
    void Log(const std::string& call) {
        calls.push_back(call);
        if (onCall) onCall(call);
    }
};

}  // namespace verbal::test
