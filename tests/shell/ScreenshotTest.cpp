// Pictures of the program for a person to look at: written only when
// VERBAL_SCREENSHOT_DIR names a directory.
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "AboutDlg.h"
#include "ConfirmDlg.h"
#include "GeneratorBoxes.h"
#include "GridText.h"
#include "NewGridDlg.h"
#include "QtDocumentHost.h"
#include "ShellFixture.h"

namespace verbal::test {
namespace {

TEST_F(ShellTest, Screenshots) {
    const QString dir = qEnvironmentVariable("VERBAL_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "VERBAL_SCREENSHOT_DIR not set";
    QDir().mkpath(dir);
    auto save = [&](QWidget* w, const char* name) {
        EXPECT_TRUE(w->grab().save(dir + "/" + name)) << name;
    };
    Settle(50);
    save(frame, "welcome.png");

    View()->m_settings.m_strDictionaryPath = std::string(VERBAL_TEST_DATA_DIR) + "/Petit.lex";
    View()->m_settings.m_strDefinitionsPath = std::string(VERBAL_TEST_DATA_DIR) + "/Petit.dex";
    View()->PushSettingsToDocument();
    answer = [&](QDialog& d) {
        auto* dlg = qobject_cast<shell::CNewGridDlg*>(&d);
        if (!dlg) return DefaultAnswer(d);
        static_cast<QRadioButton*>(dlg->GetDlgItem(1003))->click();
        static_cast<QRadioButton*>(dlg->GetDlgItem(shell::CNewGridDlg::IDC_QUALITY_2))->click();
        dlg->show();
        save(dlg, "newgrid.png");
        dlg->hide();
        return int(QDialog::Accepted);
    };
    auto* timer = new QTimer(frame);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, frame, [&, timer] {
        shell::CStopDlg* stop = Child()->Host()->StopBox();
        if (!stop || !stop->isVisible() || Doc()->m_nRowsDone < 5) return;
        save(frame, "computing.png");
        save(stop, "stop.png");
        stop->StopButton()->click();
        timer->stop();
    });
    timer->start();
    frame->RouteCommand(ID_GRID_COMPUTE);

    SetSolutionRows(*Doc(), kGrid12);
    Doc()->m_nGridLast = 11;
    Doc()->CopyBlackSquares();
    Doc()->m_bGridReady = 1;
    Doc()->m_bGridDrawn = 1;
    Doc()->m_nRowsDone = 20;
    Doc()->m_ptGridOrigin = CPoint{80, 60};
    for (int c = 0; c < 5; ++c) Doc()->m_aPlayer[0][c] = kGrid12[0][c];
    frame->UpdateCommandUI();
    frame->resize(1000, 800);
    Settle(50);
    save(frame, "finished12.png");

    shell::CRecalcConfirmDlg confirm;
    confirm.show();
    save(&confirm, "confirm.png");
    shell::CAboutDlg about;
    about.show();
    save(&about, "about.png");
    shell::CWaitDlg wait;
    wait.show();
    save(&wait, "wait.png");
}

}  // namespace
}  // namespace verbal::test
