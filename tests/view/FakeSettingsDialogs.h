// Settings dialogs that record what the view asked and answer from a script.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Codepage.h"
#include "SettingsDialogs.h"

namespace verbal::test {

class FakeSettingsDialogs : public ISettingsDialogs {
public:
    struct Call {
        std::string kind;     // "Message", "Preferences", "BrowserPath"
        std::string text;     // UTF-8: a message's text
        std::string caption;  // UTF-8
    };

    FakeSettingsDialogs() { SetSettingsDialogs(this); }
    ~FakeSettingsDialogs() override { SetSettingsDialogs(nullptr); }

    int MessageBox(QWidget*, const MessageBoxRequest& request) override {
        calls.push_back({"Message", Cp1252ToUtf8(request.text), Cp1252ToUtf8(request.caption)});
        return IDOK;
    }
    bool RunPreferences(QWidget*, CPreferencesData& data) override {
        calls.push_back({"Preferences", "", ""});
        given = data;
        return preferences ? preferences(data) : false;
    }
    bool RunBrowserPath(QWidget*, CBrowserPathData& data) override {
        calls.push_back({"BrowserPath", Cp1252ToUtf8(data.m_strMessage), data.m_strBrowserPath});
        return browserPath ? browserPath(data) : false;
    }

    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const Call& c : calls)
            if (c.kind == "Message") texts.push_back(c.text);
        return texts;
    }
    std::vector<std::string> Kinds() const {
        std::vector<std::string> kinds;
        for (const Call& c : calls) kinds.push_back(c.kind);
        return kinds;
    }

    // Answers: false cancels; the data may be changed before accepting.
    std::function<bool(CPreferencesData&)> preferences;
    std::function<bool(CBrowserPathData&)> browserPath;
    std::vector<Call> calls;
    CPreferencesData given;  // what the last preferences dialog was handed
};

}  // namespace verbal::test
