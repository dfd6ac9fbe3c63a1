// A running verbal, offscreen, whose modal dialogs are answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ChildFrame.h"
#include "Documents.h"
#include "MainFrame.h"
#include "FileCommands.h"
#include "Modal.h"
#include "Sounds.h"
#include "TestFiles.h"
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
        // The user's own configuration is never touched: the recent files
        // go to a folder of the test.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(profile.Path()));
        shell::SetSoundHook([this](const std::string& path) {
            sounds.push_back(path.substr(path.find_last_of('/') + 1));
            events.push_back("sound " + sounds.back());
        });
        shell::SetFileDialogHook([this](QWidget*, bool save, const QString& proposed) {
            events.push_back(save ? "save dialog" : "open dialog");
            proposedNames.push_back(proposed);
            if (fileAnswers.empty()) return QString();
            const QString path = fileAnswers.front();
            fileAnswers.erase(fileAnswers.begin());
            return path;
        });
        InstallModalHook();
        app = std::make_unique<shell::CVerbalineApp>();
        ASSERT_TRUE(app->InitInstance({}));
        frame = app->MainFrame();
    }

    void TearDown() override {
        InstallModalHook();  // a test may have taken it away
        answer = nullptr;    // save prompts: "Non"
        if (frame) frame->close();
        QApplication::processEvents();
        app.reset();
        shell::SetModalHook({});
        shell::SetSoundHook({});
        shell::SetFileDialogHook({});
    }

    // Every modal dialog is logged, then answered by |answer| (or the
    // default answer).
    void InstallModalHook() {
        shell::SetModalHook([this](QDialog& dialog) {
            ShownDialog shown{QString::fromLatin1(dialog.metaObject()->className()),
                              dialog.windowTitle(), QString(), dialog.isEnabled()};
            if (auto* box = qobject_cast<QMessageBox*>(&dialog)) shown.text = box->text();
            dialogs.push_back(shown);
            events.push_back("dialog " + shown.title.toStdString());
            if (answer) return answer(dialog);
            return DefaultAnswer(dialog);
        });
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
    // The main window's title as the window system shows it (the modified
    // mark in place).
    QString ShownTitle() const {
        return frame->windowHandle() ? frame->windowHandle()->title() : QString();
    }
    CVerbalineDoc* Doc() const { return Child()->GetDocument(); }
    CVerbalineView* View() const { return Child()->GetView(); }

    // The menu of the menu bar in force called |title| ("&Grille").
    QMenu* MenuTitled(const QString& title) const {
        for (QMenu* menu : frame->CurrentMenus())
            if (menu->title() == title) return menu;
        ADD_FAILURE() << "no menu " << title.toStdString();
        return nullptr;
    }

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
    TempDir profile;
    std::function<int(QDialog&)> answer;
    std::vector<ShownDialog> dialogs;
    std::vector<std::string> sounds;   // file names, in the order played
    std::vector<std::string> events;   // "dialog <title>", "sound <file>", ...
    std::vector<QString> fileAnswers;  // the file dialogs' answers, in order
    std::vector<QString> proposedNames;
};

}  // namespace verbal::test
