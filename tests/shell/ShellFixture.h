// A running verbal, offscreen, whose modal dialogs are answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ChildFrame.h"
#include "MainFrame.h"
#include "Modal.h"
#include "VerbalineApp.h"
#include "VerbalineDoc.h"
#include "VerbalineView.h"

namespace verbal::test {

// One modal dialog as the user met it.
struct ShownDialog {
    QString className;
    QString title;
    QString text;     // a message box's text
    bool enabled;     // could the user answer it?
};

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        shell::SetModalHook([this](QDialog& dialog) {
            ShownDialog shown{QString::fromLatin1(dialog.metaObject()->className()),
                              dialog.windowTitle(), QString(), dialog.isEnabled()};
            if (auto* box = qobject_cast<QMessageBox*>(&dialog)) shown.text = box->text();
            dialogs.push_back(shown);
            if (answer) return answer(dialog);
            return DefaultAnswer(dialog);
        });
        app = std::make_unique<shell::CVerbalineApp>();
        ASSERT_TRUE(app->InitInstance({}));
        frame = app->MainFrame();
    }

    void TearDown() override {
        answer = nullptr;  // save prompts: "Non"
        if (frame) frame->close();
        QApplication::processEvents();
        app.reset();
        shell::SetModalHook({});
    }

    // Message boxes answer no (or cancel, or OK); dialogs are cancelled.
    static int DefaultAnswer(QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            for (auto button : {QMessageBox::No, QMessageBox::Cancel, QMessageBox::Ok})
                if (box->button(button)) return button;
        }
        return QDialog::Rejected;
    }

    shell::CChildFrame* Child() const { return frame->ActiveChild(); }
    CVerbalineDoc* Doc() const { return Child()->GetDocument(); }
    CVerbalineView* View() const { return Child()->GetView(); }

    // Every item and button of the command is enabled.
    bool Enabled(int id) const {
        bool enabled = !frame->Actions(id).isEmpty();
        for (QAction* action : frame->Actions(id)) enabled = enabled && action->isEnabled();
        return enabled;
    }

    // Lets queued commands and timers run for a moment.
    static void Settle(int ms = 0) {
        QElapsedTimer clock;
        clock.start();
        do {
            QApplication::processEvents(QEventLoop::AllEvents);
        } while (clock.elapsed() < ms);
    }

    std::unique_ptr<shell::CVerbalineApp> app;
    shell::CMainFrame* frame = nullptr;
    std::function<int(QDialog&)> answer;
    std::vector<ShownDialog> dialogs;
};

}  // namespace verbal::test
