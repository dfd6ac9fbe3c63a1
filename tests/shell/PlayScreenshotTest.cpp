// Pictures of a game for a person to look at: written only when
// VERBAL_SCREENSHOT_DIR names a directory.
#include <QDir>
#include <QPushButton>
#include <QTest>

#include "BrowserPathDlg.h"
#include "Codepage.h"
#include "ConfirmDlg.h"
#include "GridText.h"
#include "HelpTextDlg.h"
#include "QtViewHost.h"
#include "ShellFixture.h"
#include "SmallDialogs.h"

namespace verbal::test {
namespace {

TEST_F(ShellTest, PlayScreenshots) {
    const QString dir = qEnvironmentVariable("VERBAL_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "VERBAL_SCREENSHOT_DIR not set";
    QDir().mkpath(dir);
    auto save = [&](QWidget* w, const char* name) {
        EXPECT_TRUE(w->grab().save(dir + "/" + name)) << name;
    };

    CVerbalineDoc* doc = Doc();
    SetSolutionRows(*doc, kGrid12);
    doc->BuildTransposed();
    doc->CopyBlackSquares();
    doc->m_strDefsPath = std::string(VERBAL_TEST_DATA_DIR) + "/Petit.dex";
    ASSERT_EQ(doc->BuildClues(), 1);
    doc->m_bGridReady = 1;
    doc->m_bGridDrawn = 1;
    doc->m_nRowsDone = 20;
    doc->m_ptGridOrigin = CPoint{80, 60};
    doc->m_strDictName = "Petit";
    doc->m_nQuality = 2;
    // The top half filled, three letters wrong.
    for (int r = 1; r <= 6; ++r)
        for (int c = 1; c <= 12; ++c) doc->m_aPlayer[r - 1][c - 1] = doc->m_aSolution[r][c - 1];
    doc->m_aPlayer[1][2] = 'O';
    doc->m_aPlayer[3][7] = 'E';
    doc->m_aPlayer[5][0] = 'P';
    frame->resize(1000, 800);
    frame->UpdateCommandUI();
    Settle(50);
    save(frame, "play_half.png");

    doc->m_bShowWrongCells = 1;
    View()->update();
    Settle(20);
    save(frame, "play_wrong.png");
    doc->m_bShowWrongCells = 0;
    doc->m_bShowSolution = 1;
    View()->update();
    Settle(20);
    save(frame, "play_solution.png");
    doc->m_bShowSolution = 0;

    // The clues of row 4, column 6 (a black square's neighbour).
    View()->m_settings.m_nDefBoxPosition = 4;
    QTest::mouseClick(View(), Qt::RightButton, Qt::NoModifier,
                      View()->CellRect(4, 7).center());
    shell::CDefinitionsDlg* box = Child()->ViewHost()->DefinitionsBox();
    ASSERT_TRUE(box);
    Settle(20);
    save(box, "definitions.png");

    answer = [&](QDialog& d) {
        d.show();
        Settle(10);
        if (auto* picker = qobject_cast<shell::CLetterDlg*>(&d)) {
            save(picker, "letter.png");
            picker->Key('E')->click();
            return picker->result();
        }
        return DefaultAnswer(d);
    };
    QTest::mouseClick(View(), Qt::LeftButton, Qt::NoModifier, View()->CellRect(8, 2).center());

    shell::CSolutionDlg choice;
    choice.show();
    save(&choice, "solution_choice.png");
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
    save(&info, "gridinfo.png");
    shell::CVictoryDlg victory;
    victory.show();
    save(&victory, "victory.png");
    shell::CEraseConfirmDlg erase;
    erase.show();
    save(&erase, "erase.png");
    shell::CHelpTextDlg help;
    help.m_strText = W(
        "Indiquez ici le programme qui affichera l'aide de Verbaline.\n\nLaissez le champ vide "
        "pour utiliser le navigateur livré avec le programme.");
    help.OnInitDialog();
    help.show();
    save(&help, "helptext.png");
    shell::CBrowserPathDlg browser;
    browser.m_strMessage = W(
        "Aucun navigateur html n'est enregistré sur ce système. Indiquez le chemin d'accès du "
        "navigateur à utiliser pour lire l'aide de Verbaline.");
    browser.OnInitDialog();
    browser.show();
    save(&browser, "browserpath.png");
}

}  // namespace
}  // namespace verbal::test
