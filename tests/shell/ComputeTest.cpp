// "Calculer" from the menu, with the real dialogs and boxes, to the end or
// to the stop button.
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include "GeneratorBoxes.h"
#include "Documents.h"
#include "GridText.h"
#include "Limits.h"
#include "NewGridDlg.h"
#include "QtDocumentHost.h"
#include "ShellFixture.h"

namespace verbal::test {
namespace {

const std::string kSmallDict = std::string(VERBAL_TEST_DATA_DIR) + "/Petit.lex";
const std::string kSmallDefs = std::string(VERBAL_TEST_DATA_DIR) + "/Petit.dex";

#define ADD_FAILURE_UNLESS_NEW_GRID(d) \
    if ((d).className != "verbal::shell::CNewGridDlg") ADD_FAILURE() << (d).text.toStdString()

class Compute : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        UseSmallDictionary();
    }
    void UseSmallDictionary() {
        View()->m_settings.m_strDictionaryPath = kSmallDict;
        View()->m_settings.m_strDefinitionsPath = kSmallDefs;
        for (auto& sound : View()->m_settings.m_strSoundFile) sound = "Aucun";
        View()->PushSettingsToDocument();
    }
    // Answers the new-grid dialog with a size radio and a quality radio.
    void ChooseInNewGridDialog(int sizeId, int qualityId) {
        answer = [this, sizeId, qualityId](QDialog& d) {
            auto* dlg = qobject_cast<shell::CNewGridDlg*>(&d);
            if (!dlg) return DefaultAnswer(d);
            static_cast<QRadioButton*>(dlg->GetDlgItem(sizeId))->click();
            static_cast<QRadioButton*>(dlg->GetDlgItem(qualityId))->click();
            dlg->accept();
            return int(QDialog::Accepted);
        };
    }
    // Chooses "Calculer" in the "Grille" menu and waits for the command.
    void Calculer() {
        QMenu* grid = MenuTitled(QStringLiteral("&Grille"));
        emit grid->aboutToShow();
        QAction* compute = grid->actions()[0];
        ASSERT_TRUE(compute->isEnabled());
        compute->trigger();
        Settle();  // the command is queued behind the menu
    }
    // While the computation runs, |poll| is called at every pump of the
    // generator until it returns true.
    void WhileComputing(std::function<bool()> poll) {
        auto* timer = new QTimer(frame);
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, frame, [timer, poll] {
            if (poll()) timer->stop();
        });
        timer->start();
    }
    shell::CStopDlg* StopBox() const {
        return frame->ActiveChild() ? Child()->Host()->StopBox() : nullptr;
    }
};

TEST_F(Compute, SmallGridIsComputedFromTheMenuAndPaintedWithItsNumbers) {
    ChooseInNewGridDialog(shell::CNewGridDlg::IDC_SIZE_6, shell::CNewGridDlg::IDC_QUALITY_0);
    Calculer();

    for (const ShownDialog& d : dialogs) ADD_FAILURE_UNLESS_NEW_GRID(d);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].className, "verbal::shell::CNewGridDlg");
    EXPECT_EQ(dialogs[0].title, "Nombre de cases et dictionnaire");
    CVerbalineDoc* doc = Doc();
    ASSERT_TRUE(doc->GridReady());
    EXPECT_EQ(doc->GridSize(), 6);
    EXPECT_EQ(doc->Quality(), 0);
    EXPECT_EQ(doc->DictName(), "Petit");
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_FALSE(StopBox()->isVisible());
    EXPECT_FALSE(Child()->Host()->WaitBox()->isVisible());
    EXPECT_TRUE(Enabled(ID_GRID_ERASE));
    EXPECT_TRUE(Enabled(ID_FILE_SAVE));

    // The painted grid: black squares where the solution has them, numbers.
    const QImage image = View()->grab().toImage();
    int blacks = 0;
    for (int r = 1; r <= 6; ++r)
        for (int c = 1; c <= 6; ++c) {
            const QColor centre = image.pixelColor(View()->CellRect(r, c).center());
            if (doc->SolutionCell(r, c) == ' ') {
                EXPECT_EQ(centre, QColor(0, 0, 0)) << r << "," << c;
                ++blacks;
            } else {
                EXPECT_EQ(centre, QColor(255, 255, 255)) << r << "," << c;
            }
        }
    EXPECT_EQ(blacks, static_cast<int>(doc->CountBlackSquares()));
}

TEST_F(Compute, StopButtonEndsTheComputationAndLeavesAnEmptySixBySix) {
    ChooseInNewGridDialog(shell::CNewGridDlg::IDC_SIZE_6 + 3, shell::CNewGridDlg::IDC_QUALITY_2);
    bool sawDisabledFrame = false;
    WhileComputing([&] {
        if (!StopBox() || !StopBox()->isVisible()) return false;
        sawDisabledFrame = !frame->isEnabled();
        StopBox()->StopButton()->click();
        return true;
    });
    Calculer();

    EXPECT_TRUE(sawDisabledFrame);
    CVerbalineDoc* doc = Doc();
    EXPECT_FALSE(doc->GridReady());
    EXPECT_FALSE(doc->GridDrawn());
    EXPECT_EQ(doc->GridSize(), 6);
    EXPECT_FALSE(doc->IsComputing());
    EXPECT_EQ(doc->CountBlackSquares(), 0u);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_FALSE(StopBox()->isVisible());
    EXPECT_FALSE(Child()->Host()->WaitBox()->isVisible());
    EXPECT_FALSE(Enabled(ID_GRID_ERASE));

    // The welcome grid is back, and the next "Calculer" asks no confirmation.
    View()->grab();
    EXPECT_EQ(View()->m_rcFrame.width(), 10 * 25 + 25 + 3);
    dialogs.clear();
    answer = nullptr;
    Calculer();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].className, "verbal::shell::CNewGridDlg");
}

TEST_F(Compute, StopBoxIsCentredOverTheGridWindow) {
    // A window away from the screen's corner, as a user leaves it.
    frame->move(frame->screen()->availableGeometry().topLeft() + QPoint(40, 30));
    Settle();
    ChooseInNewGridDialog(shell::CNewGridDlg::IDC_SIZE_6 + 3, shell::CNewGridDlg::IDC_QUALITY_2);
    QPoint boxCentre, gridCentre;
    WhileComputing([&] {
        if (!StopBox() || !StopBox()->isVisible()) return false;
        boxCentre = StopBox()->frameGeometry().center();
        gridCentre = Child()->mapToGlobal(Child()->rect().center());
        StopBox()->StopButton()->click();
        return true;
    });
    Calculer();
    ASSERT_FALSE(gridCentre.isNull());
    EXPECT_LE((boxCentre - gridCentre).manhattanLength(), 4)
        << boxCentre.x() << "," << boxCentre.y() << " vs " << gridCentre.x() << ","
        << gridCentre.y();
}

TEST_F(Compute, TheGridJustComputedStaysTheActiveWindow) {
    // The main window is disabled while the stop box shows; enabling it again
    // must not bring an older grid's window to the front.
    frame->show();
    frame->activateWindow();
    Settle();
    frame->RouteCommand(ID_FILE_NEW);
    Settle();
    shell::CChildFrame* second = Child();
    ASSERT_EQ(second->Title(), "GrilleNr2");
    UseSmallDictionary();
    ChooseInNewGridDialog(shell::CNewGridDlg::IDC_SIZE_6, shell::CNewGridDlg::IDC_QUALITY_0);
    Calculer();
    Settle();
    ASSERT_TRUE(second->GetDocument()->GridReady());
    EXPECT_EQ(Child(), second);
    EXPECT_EQ(ShownTitle(), "Verbaline 2000 - [GrilleNr2*]");
}

TEST_F(Compute, AReadyGridIsReplacedOnlyAfterOui) {
    OpenReadyGrid(*Doc(), {"POIGNE", "CEDRAT", "##OE#A", "AS#COL", "SEN#HE", "#TOGE#"});
    Calculer();  // "NON"
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].className, "verbal::shell::CRecalcConfirmDlg");
    EXPECT_EQ(dialogs[0].title, "Lancer un nouveau calcul de la grille.");
    EXPECT_TRUE(Doc()->GridReady());
    EXPECT_EQ(SolutionRows(*Doc())[0], "POIGNE");
}

TEST_F(Compute, MissingDefinitionsFileIsReportedAndTheChoiceKept) {
    View()->m_settings.m_strDefinitionsPath = "/nulle/part/Standard.dex";
    View()->PushSettingsToDocument();
    answer = [](QDialog& d) {
        if (auto* dlg = qobject_cast<shell::CNewGridDlg*>(&d)) {
            static_cast<QRadioButton*>(dlg->GetDlgItem(shell::CNewGridDlg::IDC_SIZE_6 + 2))
                ->click();
            return int(QDialog::Accepted);
        }
        return DefaultAnswer(d);
    };
    Calculer();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].title, "Verbaline 2000");
    EXPECT_EQ(dialogs[1].text,
              "Le fichier contenant les définitions de ce dictionnaire n'existe pas. "
              "Choisissez un autre dictionnaire.");
    EXPECT_TRUE(dialogs[1].enabled);
    EXPECT_EQ(Doc()->GridSize(), 10);
    EXPECT_FALSE(Doc()->GridDrawn());
}

// Definitions too large for their buffer are refused as soon as the
// dialog is answered: no search, no stop box, only the reason.
TEST_F(Compute, DefinitionsTooLargeAreRefusedBeforeComputing) {
    TempDir dir;
    WriteFile(dir.File("Grand.dex"), std::string(kDefinitionsSize + 1, 'x'));
    View()->m_settings.m_strDefinitionsPath = dir.File("Grand.dex");
    View()->PushSettingsToDocument();
    ChooseInNewGridDialog(shell::CNewGridDlg::IDC_SIZE_6, shell::CNewGridDlg::IDC_QUALITY_0);
    Calculer();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].title, "Verbaline 2000");
    EXPECT_EQ(dialogs[1].text.toStdString(),
              "Le fichier des définitions (" + dir.File("Grand.dex") +
                  ") est trop volumineux : il dépasse 4 000 000 octets. Choisissez un autre "
                  "dictionnaire.");
    EXPECT_FALSE(Doc()->GridDrawn());
    EXPECT_FALSE(Doc()->GridReady());
    EXPECT_EQ(Doc()->SearchStats().columnChecks, 0u);
}

TEST_F(Compute, MessagesWhileTheMainWindowIsDisabledCanBeAnswered) {
    // The stop box disables the main window; a box the document shows then
    // (a missing clue, a broken dictionary) must not be disabled with it.
    Child()->Host()->CreateStopBox();
    EXPECT_FALSE(frame->isEnabled());
    MessageBoxRequest request;
    request.text = "Dictionnaire non conforme.";
    for (MsgOwner owner : {MsgOwner::View, MsgOwner::App}) {
        request.owner = owner;
        EXPECT_EQ(Child()->Host()->MessageBox(request), IDOK);
    }
    Child()->Host()->DestroyStopBox();
    EXPECT_TRUE(frame->isEnabled());
    ASSERT_EQ(dialogs.size(), 2u);
    for (const ShownDialog& d : dialogs) EXPECT_TRUE(d.enabled);
    EXPECT_EQ(dialogs[0].title, "Verbaline 2000");
}

TEST_F(Compute, ClosingTheWindowDuringAComputationStopsItFirst) {
    ChooseInNewGridDialog(shell::CNewGridDlg::IDC_SIZE_6 + 3, shell::CNewGridDlg::IDC_QUALITY_2);
    WhileComputing([&] {
        if (!StopBox() || !StopBox()->isVisible()) return false;
        frame->close();
        return true;
    });
    Calculer();
    Settle(50);
    EXPECT_TRUE(frame->Children().isEmpty());
    EXPECT_FALSE(frame->isVisible());
}

}  // namespace
}  // namespace verbal::test
