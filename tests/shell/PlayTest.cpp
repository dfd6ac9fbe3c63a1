// A game in the running program: the real dialogs, answered by the test.
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "Codepage.h"
#include "ConfirmDlg.h"
#include "Documents.h"
#include "GridText.h"
#include "QtViewHost.h"
#include "ShellFixture.h"
#include "SmallDialogs.h"

namespace verbal::test {
namespace {

using shell::CLetterDlg;
using shell::CSolutionDlg;

// 8 black squares, 28 white cells: help needs 14 right letters, the
// solution 21.
const std::vector<std::string> kGrid = {
    "AB#CD#", "BELLES", "#SAC#U", "OUI#AN", "RE#ODE", "#SIRE#",
};

class Play : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        MakeReadyGrid(Doc());
        View()->m_settings.m_strSoundFile[2] = "/s/ding.wav";
        View()->m_settings.m_strSoundFile[3] = "/s/tiou.wav";
        View()->m_settings.m_strSoundFile[4] = "/s/bip.wav";
        View()->m_settings.m_strSoundFile[5] = "/s/victoire.wav";
        frame->UpdateCommandUI();
        Settle(20);
        View()->grab();
    }
    static void MakeReadyGrid(CVerbalineDoc* doc) {
        OpenReadyGrid(*doc, kGrid, [](CGrid& grid) {
            grid.m_astrClues[0][0] = W("Deux lettres");
            grid.m_astrClues[0][1] = W("Deux autres");
            grid.m_astrClues[21][0] = W("Verticalement, la deuxième");
            grid.m_nQuality = 1;
        });
    }
    // Places |count| right letters, then |wrong| wrong ones, row by row.
    void PlaceLetters(int count, int wrong = 0) {
        for (int r = 1; r <= 6; ++r)
            for (int c = 1; c <= 6; ++c) {
                const char right = Doc()->SolutionCell(r, c);
                if (right == ' ') continue;
                if (count > 0) {
                    Doc()->PlaceLetter(r, c, right);
                    --count;
                } else if (wrong > 0) {
                    Doc()->PlaceLetter(r, c, right == 'Z' ? 'Y' : 'Z');
                    --wrong;
                }
            }
    }
    QPoint Centre(int row, int col) const { return View()->CellRect(row, col).center(); }
    // The picker answers with |key| (a letter, or CLetterDlg::IDC_...).
    void PickerAnswers(int key) {
        answer = [this, key](QDialog& d) {
            if (auto* picker = qobject_cast<CLetterDlg*>(&d)) {
                pickerCentre = picker->geometry().center();
                static_cast<QPushButton*>(picker->GetDlgItem(key))->click();
                return picker->result();
            }
            return DefaultAnswer(d);
        };
    }
    // The solution box answers with button |id|; other dialogs as usual.
    void SolutionAnswers(int id) {
        answer = [id](QDialog& d) {
            if (auto* box = qobject_cast<CSolutionDlg*>(&d)) {
                static_cast<QPushButton*>(box->GetDlgItem(id))->click();
                return box->result();
            }
            return DefaultAnswer(d);
        };
    }
    QPoint pickerCentre;
};

TEST_F(Play, ALetterChosenInThePickerIsPlacedWithItsSound) {
    PickerAnswers(CLetterDlg::LetterId('Q'));
    QTest::mouseClick(View(), Qt::LeftButton, Qt::NoModifier, Centre(2, 3));
    EXPECT_EQ(Doc()->PlayerCell(2, 3), 'Q');
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_EQ(events, (std::vector<std::string>{"dialog Placer une lettre ...", "sound bip.wav"}));
    // Centred on the pointer, unless the screen's edge is in the way.
    const QPoint pointer = View()->mapToGlobal(Centre(2, 3));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    if (screen.contains(QRect(pointer - QPoint(150, 60), QSize(300, 120)))) {
        EXPECT_LE((pickerCentre - pointer).manhattanLength(), 2);
    }

    PickerAnswers(CLetterDlg::IDC_ERASE);
    QTest::mouseClick(View(), Qt::LeftButton, Qt::NoModifier, Centre(2, 3));
    EXPECT_EQ(Doc()->PlayerCell(2, 3), 0);
    PickerAnswers(CLetterDlg::LetterId('W'));
    QTest::mouseClick(View(), Qt::LeftButton, Qt::NoModifier, Centre(2, 3));
    PickerAnswers(CLetterDlg::IDC_CANCEL);
    QTest::mouseClick(View(), Qt::LeftButton, Qt::NoModifier, Centre(2, 3));
    EXPECT_EQ(Doc()->PlayerCell(2, 3), 'W');
    EXPECT_EQ(sounds, (std::vector<std::string>{"bip.wav", "tiou.wav", "bip.wav", "ding.wav"}));
}

// Acts on the next modal dialog as soon as the modal loop shows it.
void WhenModalShown(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start();
}

TEST_F(Play, ThePickerRunsModallyAndEscapeLeavesTheCellAlone) {
    // Once with the real modal loop, answered from a timer.
    shell::SetModalHook({});
    Doc()->PlaceLetter(2, 3, 'L');
    WhenModalShown([](QWidget* modal) {
        if (auto* picker = qobject_cast<CLetterDlg*>(modal))
            picker->Key('M')->click();
        else
            modal->close();
    });
    QTest::mouseClick(View(), Qt::LeftButton, Qt::NoModifier, Centre(2, 3));
    EXPECT_EQ(Doc()->PlayerCell(2, 3), 'M');

    WhenModalShown([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    QTest::mouseClick(View(), Qt::LeftButton, Qt::NoModifier, Centre(2, 3));
    EXPECT_EQ(Doc()->PlayerCell(2, 3), 'M');
    EXPECT_EQ(sounds, (std::vector<std::string>{"bip.wav", "ding.wav"}));
}

TEST_F(Play, TheLastRightLetterBringsBothSoundsThenTheVictoryBox) {
    PlaceLetters(27);  // all but the last cell, (6, 5)
    PickerAnswers(CLetterDlg::LetterId('X'));
    QTest::mouseClick(View(), Qt::LeftButton, Qt::NoModifier, Centre(6, 5));
    EXPECT_EQ(events, (std::vector<std::string>{"dialog Placer une lettre ...", "sound bip.wav"}));

    events.clear();
    PickerAnswers(CLetterDlg::LetterId('E'));
    QTest::mouseClick(View(), Qt::LeftButton, Qt::NoModifier, Centre(6, 5));
    EXPECT_EQ(events, (std::vector<std::string>{"dialog Placer une lettre ...", "sound bip.wav",
                                                "sound victoire.wav", "dialog Victoire"}));
    EXPECT_EQ(PlayerRows(*Doc()), SolutionRows(*Doc()));
}

TEST_F(Play, TheDefinitionsBoxShowsTheCluesOfTheCellInItsCorner) {
    View()->m_settings.m_nDefBoxPosition = 1;  // bottom left
    QTest::mouseClick(View(), Qt::RightButton, Qt::NoModifier, Centre(1, 2));
    shell::CDefinitionsDlg* box = Child()->ViewHost()->DefinitionsBox();
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->windowTitle(), "Définitions :");
    using D = shell::CDefinitionsDlg;
    EXPECT_EQ(box->ItemText(D::IDC_ROW), "1");
    EXPECT_EQ(box->ItemText(D::IDC_COLUMN), "2");
    EXPECT_EQ(box->ItemText(D::IDC_HORIZ_WORD), "1");
    EXPECT_EQ(box->ItemText(D::IDC_VERT_WORD), "1");
    EXPECT_EQ(box->ItemText(D::IDC_HORIZ_CLUE), "Deux lettres");
    EXPECT_EQ(box->ItemText(D::IDC_VERT_CLUE), "Verticalement, la deuxième");
    const QRect screen = View()->screen()->geometry();
    EXPECT_EQ(box->pos(), QPoint(screen.x() + 5, screen.y() + screen.height() - 162));

    // The black square between two words gives the second.
    QTest::mouseClick(View(), Qt::RightButton, Qt::NoModifier, Centre(1, 3));
    box = Child()->ViewHost()->DefinitionsBox();
    EXPECT_EQ(box->ItemText(D::IDC_HORIZ_WORD), "2");
    EXPECT_EQ(box->ItemText(D::IDC_HORIZ_CLUE), "Deux autres");

    QMouseEvent away(QEvent::MouseMove, QPointF(20, 20), View()->mapToGlobal(QPointF(20, 20)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(View(), &away);
    EXPECT_EQ(Child()->ViewHost()->DefinitionsBox(), nullptr);
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(Play, HelpIsRationedByTheRightLettersPlaced) {
    // 13 right letters and 2 wrong ones: not yet half of the 28 white cells.
    PlaceLetters(13, 2);
    SolutionAnswers(CSolutionDlg::IDC_COUNT);
    frame->RouteCommand(ID_GRID_SOLUTION);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].title, "Solution");
    EXPECT_EQ(dialogs[1].title, "Encore un petit effort !");
    EXPECT_EQ(dialogs[1].text,
              "Vous n'avez pas rempli assez de cases justes pour avoir accès à la solution de "
              "cette grille.");

    // One more right letter: the count of wrong cells.
    PlaceLetters(14, 2);
    dialogs.clear();
    shell::CGridInfoDlg* shownInfo = nullptr;
    QString wrongLabel, wrongCount;
    answer = [&](QDialog& d) {
        if (auto* box = qobject_cast<CSolutionDlg*>(&d)) {
            static_cast<QPushButton*>(box->GetDlgItem(CSolutionDlg::IDC_COUNT))->click();
            return box->result();
        }
        if ((shownInfo = qobject_cast<shell::CGridInfoDlg*>(&d))) {
            wrongLabel = shownInfo->ItemText(shell::CGridInfoDlg::IDC_EXTRA_LABEL);
            wrongCount = shownInfo->ItemText(shell::CGridInfoDlg::IDC_EXTRA_VALUE);
        }
        return DefaultAnswer(d);
    };
    frame->RouteCommand(ID_GRID_SOLUTION);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].title, "Informations sur la Grille.");
    EXPECT_EQ(wrongLabel, "Nombre de cases fausses :");
    EXPECT_EQ(wrongCount, "2");

    // Marking: shown, then hidden again.
    SolutionAnswers(CSolutionDlg::IDC_MARK);
    frame->RouteCommand(ID_GRID_SOLUTION);
    EXPECT_TRUE(Doc()->ShowWrongCells());
    frame->RouteCommand(ID_GRID_SOLUTION);
    EXPECT_FALSE(Doc()->ShowWrongCells());

    // The whole solution needs three quarters: 21.
    dialogs.clear();
    PlaceLetters(20, 2);
    SolutionAnswers(CSolutionDlg::IDC_REVEAL);
    frame->RouteCommand(ID_GRID_SOLUTION);
    EXPECT_FALSE(Doc()->ShowSolution());
    EXPECT_EQ(dialogs.back().title, "Encore un petit effort !");
    PlaceLetters(21, 2);
    // From the toolbar this time.
    frame->ToolBar()->actions()[7]->trigger();
    Settle();
    EXPECT_TRUE(Doc()->ShowSolution());

    // The pointer back on the cells hides it.
    QMouseEvent over(QEvent::MouseMove, QPointF(Centre(3, 3)),
                     View()->mapToGlobal(QPointF(Centre(3, 3))), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(View(), &over);
    EXPECT_FALSE(Doc()->ShowSolution());
}

TEST_F(Play, EffacerAsksFirstAndErasesOnlyOnOui) {
    PlaceLetters(10);
    const std::vector<std::string> before = PlayerRows(*Doc());
    frame->RouteCommand(ID_GRID_ERASE);  // "NON"
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].className, "verbal::shell::CEraseConfirmDlg");
    EXPECT_EQ(dialogs[0].title, "Effaçage de la grille");
    EXPECT_EQ(PlayerRows(*Doc()), before);
    EXPECT_TRUE(sounds.empty());

    // Enter answers "OUI", the default button.
    answer = [](QDialog& d) {
        d.show();
        QTest::keyClick(&d, Qt::Key_Return);
        return d.result();
    };
    QMenu* grid = MenuTitled(QStringLiteral("&Grille"));
    emit grid->aboutToShow();
    grid->actions()[1]->trigger();
    Settle();
    EXPECT_EQ(Doc()->CountFilledCells(), 0u);
    EXPECT_EQ(Doc()->CountBlackSquares(), 8u);
    EXPECT_EQ(Doc()->PlayerCell(1, 3), ' ');
    EXPECT_EQ(sounds, (std::vector<std::string>{"tiou.wav"}));
    EXPECT_TRUE(Doc()->GridReady());
}

}  // namespace
}  // namespace verbal::test
