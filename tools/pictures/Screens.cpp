// Pictures of every window of verbal, for a person to look at.
#include <QColorDialog>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "AboutDlg.h"
#include "BrowserPathDlg.h"
#include "ChildFrame.h"
#include "Codepage.h"
#include "ConfirmDlg.h"
#include "GeneratorBoxes.h"
#include "HelpTextDlg.h"
#include "MainFrame.h"
#include "NewGridDlg.h"
#include "Pictures.h"
#include "PreferencesDlg.h"
#include "QtDocumentHost.h"
#include "QtViewHost.h"
#include "SmallDialogs.h"
#include "VerbalineDoc.h"
#include "VerbalineView.h"

namespace verbal::pictures {
namespace {

// A 12 x 12 grid the generator made from the small test dictionary.
const std::vector<std::string> kGrid12 = {
    "SPRAT#THIOL#", "ALENE#REM#NE", "TACT#SUPPL#L", "IGUE#KSAR#MA",
    "SIL#DATTE#AN", "FOENER#ON#YD", "ACME#NOMADE#", "ILEUS#REBOND",
    "SANTIAG#LN#A", "ASTRE#ACE#KT", "NE#EUH#A#AIE", "T#A#RABLE#FR",
};

void Save(QWidget* w, const QString& dir, const char* name) {
    if (!w->grab().save(dir + "/" + name)) Fail(std::string("image ") + name);
}

// The first window, a computation under way, a finished grid, and the
// boxes around a computation.
void Computing(const QString& dir) {
    Session session;
    shell::CMainFrame* frame = session.Frame();
    Settle(50);
    Save(frame, dir, "welcome.png");

    CVerbalineView* view = session.View();
    view->m_settings.m_strDictionaryPath = TestDataDir() + "/Petit.lex";
    view->m_settings.m_strDefinitionsPath = TestDataDir() + "/Petit.dex";
    view->PushSettingsToDocument();
    session.answer = [&](QDialog& d) {
        auto* dlg = qobject_cast<shell::CNewGridDlg*>(&d);
        if (!dlg) return Session::DefaultAnswer(d);
        static_cast<QRadioButton*>(dlg->GetDlgItem(1003))->click();
        static_cast<QRadioButton*>(dlg->GetDlgItem(shell::CNewGridDlg::IDC_QUALITY_2))->click();
        dlg->show();
        Save(dlg, dir, "newgrid.png");
        dlg->hide();
        return int(QDialog::Accepted);
    };
    // The computation is caught, if it lasts long enough, once a few rows
    // are done.
    auto* timer = new QTimer(frame);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, frame, [&, timer] {
        shell::CStopDlg* stop = session.Child()->Host()->StopBox();
        if (!stop || !stop->isVisible() || session.Doc()->RowsDone() < 5) return;
        Save(frame, dir, "computing.png");
        Save(stop, dir, "stop.png");
        stop->StopButton()->click();
        timer->stop();
    });
    timer->start();
    frame->RouteCommand(ID_GRID_COMPUTE);
    timer->stop();
    session.answer = nullptr;

    OpenGrid(session, kGrid12, TestDataDir() + "/Petit.dex", "Petit", 2);
    for (int c = 1; c <= 5; ++c) session.Doc()->PlaceLetter(1, c, kGrid12[0][c - 1]);
    frame->UpdateCommandUI();
    frame->resize(1000, 800);
    Settle(50);
    Save(frame, dir, "finished12.png");

    shell::CRecalcConfirmDlg confirm;
    confirm.show();
    Save(&confirm, dir, "confirm.png");
    shell::CAboutDlg about;
    about.show();
    Save(&about, dir, "about.png");
    shell::CWaitDlg wait;
    wait.show();
    Save(&wait, dir, "wait.png");
}

// A game: letters, marks, the solution, the clue box and the small boxes.
void Playing(const QString& dir) {
    Session session;
    shell::CMainFrame* frame = session.Frame();
    OpenGrid(session, kGrid12, TestDataDir() + "/Petit.dex", "Petit", 2);
    CVerbalineDoc* doc = session.Doc();
    CVerbalineView* view = session.View();
    // The top half filled, three letters wrong.
    for (int r = 1; r <= 6; ++r)
        for (int c = 1; c <= 12; ++c) doc->PlaceLetter(r, c, doc->SolutionCell(r, c));
    doc->PlaceLetter(2, 3, 'O');
    doc->PlaceLetter(4, 8, 'E');
    doc->PlaceLetter(6, 1, 'P');
    frame->resize(1000, 800);
    frame->UpdateCommandUI();
    Settle(50);
    Save(frame, dir, "play_half.png");

    // The marks need half of the white cells right: the next row too.
    for (int c = 1; c <= 12; ++c) doc->PlaceLetter(7, c, doc->SolutionCell(7, c));
    session.answer = [](QDialog& d) {
        auto* box = qobject_cast<shell::CSolutionDlg*>(&d);
        if (!box) return Session::DefaultAnswer(d);
        static_cast<QPushButton*>(box->GetDlgItem(shell::CSolutionDlg::IDC_MARK))->click();
        return box->result();
    };
    frame->RouteCommand(ID_GRID_SOLUTION);
    session.answer = nullptr;
    if (!doc->ShowWrongCells()) Fail("les erreurs ne sont pas marquées");
    Settle(20);
    Save(frame, dir, "play_wrong.png");
    doc->HideMarksAndSolution();
    doc->ToggleSolution();
    Settle(20);
    Save(frame, dir, "play_solution.png");
    doc->ToggleSolution();

    // The clues of row 4, column 7.
    view->m_settings.m_nDefBoxPosition = 4;
    QTest::mouseClick(view, Qt::RightButton, Qt::NoModifier, view->CellRect(4, 7).center());
    shell::CDefinitionsDlg* box = session.Child()->ViewHost()->DefinitionsBox();
    if (!box) return Fail("pas de boîte des définitions");
    Settle(20);
    Save(box, dir, "definitions.png");

    session.answer = [&](QDialog& d) {
        d.show();
        Settle(10);
        if (auto* picker = qobject_cast<shell::CLetterDlg*>(&d)) {
            Save(picker, dir, "letter.png");
            picker->Key('E')->click();
            return picker->result();
        }
        return Session::DefaultAnswer(d);
    };
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, view->CellRect(8, 2).center());
    session.answer = nullptr;

    shell::CSolutionDlg choice;
    choice.show();
    Save(&choice, dir, "solution_choice.png");
    shell::CGridInfoDlg info;
    info.m_nTotalCells = 144;
    info.m_nBlackSquares = 29;
    info.m_nCellsToFill = 55;
    info.m_nFilledCells = 60;
    info.m_strExtraLabel = "Nombre de cases fausses :";
    info.m_nExtraValue = 3;
    info.m_strDictName = "Petit";
    info.OnInitDialog();
    info.show();
    Save(&info, dir, "gridinfo.png");
    shell::CVictoryDlg victory;
    victory.show();
    Save(&victory, dir, "victory.png");
    shell::CEraseConfirmDlg erase;
    erase.show();
    Save(&erase, dir, "erase.png");
}

// The preferences, changed, and the boxes that ask for a browser.
void Settings(const QString& dir) {
    Session session;
    shell::CMainFrame* frame = session.Frame();
    auto save = [&](QWidget* w, const char* name) {
        w->show();
        Settle(50);
        Save(w, dir, name);
    };
    session.answer = [&](QDialog& d) {
        if (auto* colours = qobject_cast<QColorDialog*>(&d)) {
            colours->setCurrentColor(QColor(40, 70, 140));
            colours->accept();
            return int(QDialog::Accepted);
        }
        if (auto* help = qobject_cast<shell::CHelpTextDlg*>(&d)) {
            save(help, "helptext.png");
            help->hide();
            return int(QDialog::Accepted);
        }
        auto* prefs = qobject_cast<shell::CPreferencesDlg*>(&d);
        if (!prefs) return Session::DefaultAnswer(d);
        save(prefs, "preferences.png");
        prefs->Click(shell::CPreferencesDlg::IDC_CELL_20);
        prefs->Click(shell::CPreferencesDlg::IDC_LINE_1);
        prefs->Click(shell::CPreferencesDlg::IDC_COLOUR_SCREEN);
        prefs->Click(shell::CPreferencesDlg::IDC_BROWSER_HELP);
        save(prefs, "preferences-changed.png");
        prefs->hide();
        prefs->accept();
        return prefs->result();
    };
    frame->RouteCommand(ID_VIEW_PREFERENCES);
    Settle(50);
    Save(frame, dir, "grid-after-preferences.png");

    session.answer = [&](QDialog& d) {
        auto* ask = qobject_cast<shell::CBrowserPathDlg*>(&d);
        if (!ask) return Session::DefaultAnswer(d);
        save(ask, "browserpath.png");
        ask->hide();
        return int(QDialog::Rejected);
    };
    session.View()->AskBrowserPath();
    session.answer = nullptr;
}

}  // namespace

void TakeScreens(const QString& dir) {
    QDir().mkpath(dir);
    Computing(dir);
    Playing(dir);
    Settings(dir);
    TakeBrowserPictures(QString(), dir);
}

}  // namespace verbal::pictures
