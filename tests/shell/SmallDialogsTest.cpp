// The small dialogs on their own: layout from the templates, and results.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include "ConfirmDlg.h"
#include "DialogUnits.h"
#include "HelpTextDlg.h"
#include "MessageBox.h"
#include "Modal.h"
#include "SmallDialogs.h"

namespace verbal::test {
namespace {

using namespace verbal::shell;

const CDialogUnits& Units() {
    static const CDialogUnits du(DialogFont());
    return du;
}

TEST(LetterPicker, KeysFollowAFrenchKeyboard) {
    CLetterDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), "Placer une lettre ...");
    EXPECT_EQ(dlg.size(), Units().Size(165, 41));
    const CDialogUnits& du = Units();
    EXPECT_EQ(dlg.Key('A')->geometry(), du.Rect(3, 2, 16, 13));
    EXPECT_EQ(dlg.Key('P')->geometry(), du.Rect(3 + 9 * 16, 2, 16, 13));
    EXPECT_EQ(dlg.Key('Q')->geometry(), du.Rect(3, 15, 16, 13));
    EXPECT_EQ(dlg.Key('W')->geometry(), du.Rect(35, 28, 16, 13));
    EXPECT_EQ(dlg.Key('N')->geometry(), du.Rect(115, 28, 16, 13));
    EXPECT_EQ(dlg.GetDlgItem(CLetterDlg::IDC_CANCEL)->geometry(), du.Rect(3, 28, 32, 13));
    EXPECT_EQ(dlg.GetDlgItem(CLetterDlg::IDC_ERASE)->geometry(), du.Rect(131, 28, 32, 13));
    EXPECT_EQ(CLetterDlg::LetterId('A'), 1007);
    EXPECT_EQ(CLetterDlg::LetterId('M'), 1036);
    EXPECT_EQ(CLetterDlg::LetterId('N'), 1042);
    for (char c = 'A'; c <= 'Z'; ++c) {
        ASSERT_TRUE(dlg.Key(c)) << c;
        EXPECT_EQ(dlg.Key(c)->text(), QString(QLatin1Char(c)));
    }
}

TEST(LetterPicker, EachKeyGivesItsResult) {
    {
        CLetterDlg dlg;
        dlg.Key('Q')->click();
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(dlg.m_nAction, 2);
        EXPECT_EQ(dlg.m_chLetter, 'Q');
        EXPECT_EQ(dlg.m_bPlaced, 1);
    }
    {
        CLetterDlg dlg;
        dlg.m_chLetter = 'T';
        static_cast<QPushButton*>(dlg.GetDlgItem(CLetterDlg::IDC_ERASE))->click();
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(dlg.m_nAction, 1);
        EXPECT_EQ(dlg.m_chLetter, 0);
    }
    {
        CLetterDlg dlg;
        static_cast<QPushButton*>(dlg.GetDlgItem(CLetterDlg::IDC_CANCEL))->click();
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        EXPECT_EQ(dlg.m_nAction, 0);
        EXPECT_EQ(dlg.m_bPlaced, 0);
    }
    {
        // Escape changes no member; Enter chooses nothing either.
        CLetterDlg dlg;
        dlg.show();
        QTest::keyClick(&dlg, Qt::Key_Return);
        EXPECT_TRUE(dlg.isVisible());
        QTest::keyClick(&dlg, Qt::Key_Escape);
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        EXPECT_EQ(dlg.m_bPlaced, 1);
        EXPECT_EQ(dlg.m_nAction, 0);
        EXPECT_EQ(dlg.m_chLetter, 0);
    }
}

TEST(SolutionChoice, ButtonsChooseAndCancelKeepsThePresetChoice) {
    const int ids[3] = {CSolutionDlg::IDC_COUNT, CSolutionDlg::IDC_MARK, CSolutionDlg::IDC_REVEAL};
    for (int i = 0; i < 3; ++i) {
        CSolutionDlg dlg;
        static_cast<QPushButton*>(dlg.GetDlgItem(ids[i]))->click();
        EXPECT_EQ(dlg.m_nChoice, i + 1);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
    CSolutionDlg dlg;
    EXPECT_EQ(dlg.ItemText(CSolutionDlg::IDC_MARK), "Afficher les erreurs");
    EXPECT_EQ(dlg.ItemText(CSolutionDlg::IDC_REVEAL), "Afficher la solution complète ");
    EXPECT_EQ(dlg.GetDlgItem(CSolutionDlg::IDC_CANCEL)->geometry().bottom() + 1,
              Units().Y(55));
    static_cast<QPushButton*>(dlg.GetDlgItem(CSolutionDlg::IDC_CANCEL))->click();
    EXPECT_EQ(dlg.m_nChoice, 0);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST(SmallDialogs, PlacedOnThePointerOrTheScreenAndKeptOnIt) {
    CLetterDlg dlg;
    CentreOnPoint(&dlg, QPoint(400, 300));
    EXPECT_LE((dlg.geometry().center() - QPoint(400, 300)).manhattanLength(), 2);
    CentreOnPoint(&dlg, QPoint(2, 2));  // near the corner: pulled onto the screen
    EXPECT_GE(dlg.x(), 0);
    EXPECT_GE(dlg.y(), 0);
}

TEST(DefinitionsBox, CornersFollowTheSetting) {
    const QSize screen(1024, 768);
    EXPECT_EQ(DefinitionsBoxCorner(0, screen), QPoint(653, 606));
    EXPECT_EQ(DefinitionsBoxCorner(1, screen), QPoint(5, 606));
    EXPECT_EQ(DefinitionsBoxCorner(2, screen), QPoint(5, 5));
    EXPECT_EQ(DefinitionsBoxCorner(3, screen), QPoint(653, 5));
    EXPECT_FALSE(DefinitionsBoxCorner(4, screen));
    EXPECT_FALSE(DefinitionsBoxCorner(9, screen));

    CDefinitionsDlg box;
    box.m_nRow = 3;
    box.m_nColumn = 21;
    box.m_nHorizWord = 2;
    box.m_strHorizClue = QStringLiteral("Fleuve côtier");
    box.Create(4, QRect(0, 0, 1024, 768));
    EXPECT_TRUE(box.isVisible());
    EXPECT_LE((box.geometry().center() - QRect(0, 0, 1024, 768).center()).manhattanLength(), 4);
    EXPECT_EQ(box.ItemText(CDefinitionsDlg::IDC_ROW), "3");
    EXPECT_EQ(box.ItemText(CDefinitionsDlg::IDC_COLUMN), "21");
    EXPECT_EQ(box.ItemText(CDefinitionsDlg::IDC_HORIZ_CLUE), "Fleuve côtier");
    EXPECT_EQ(box.ItemText(CDefinitionsDlg::IDC_VERT_WORD), "0");
    EXPECT_TRUE(static_cast<QLineEdit*>(box.GetDlgItem(1005))->isReadOnly());
    EXPECT_EQ(box.GetDlgItem(1006)->geometry(), Units().Rect(5, 65, 232, 12));
}

// Clues and file names come from strangers' files: markup in them is text.
// A picture of /dev/zero would exhaust memory, a wide one fill the screen.
TEST(PlainText, CluesAndFileNamesAreNeverMarkup) {
    const QString hostile = QStringLiteral("<img src=\"/dev/zero\" width=30000> & <b>gras</b>");
    CDefinitionsDlg box;
    box.m_strHorizClue = hostile;
    box.Create(0, QRect(0, 0, 1024, 768));
    EXPECT_EQ(box.ItemText(CDefinitionsDlg::IDC_HORIZ_CLUE), hostile);
    const QString tip = box.GetDlgItem(CDefinitionsDlg::IDC_HORIZ_CLUE)->toolTip();
    EXPECT_FALSE(tip.contains(QStringLiteral("<img"))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(QStringLiteral("&lt;img src=\"/dev/zero\"")))
        << tip.toStdString();

    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    shell::SetModalHook([&](QDialog& d) {
        if (auto* message = qobject_cast<QMessageBox*>(&d)) {
            shown = message->text();
            format = message->textFormat();
        }
        return int(QMessageBox::Ok);
    });
    ShowMessageBox(nullptr, hostile, QString(), MsgButtons::Ok, MsgIcon::Stop);
    shell::SetModalHook({});
    EXPECT_EQ(shown, hostile);
    EXPECT_EQ(format, Qt::PlainText);
}

TEST(GridInfoDialog, ShowsEveryMemberInItsControl) {
    CGridInfoDlg dlg;
    dlg.m_nTotalCells = 36;
    dlg.m_nBlackSquares = 8;
    dlg.m_nCellsToFill = 20;
    dlg.m_nFilledCells = 8;
    dlg.m_strExtraLabel = "Nombre de cases fausses :";
    dlg.m_nExtraValue = 3;
    dlg.m_strDictName = "Standard";
    dlg.OnInitDialog();
    EXPECT_EQ(dlg.windowTitle(), "Informations sur la Grille.");
    EXPECT_EQ(dlg.ItemText(1001), "36");
    EXPECT_EQ(dlg.ItemText(1002), "8");
    EXPECT_EQ(dlg.ItemText(1003), "20");
    EXPECT_EQ(dlg.ItemText(1004), "8");
    EXPECT_EQ(dlg.ItemText(1005), "Nombre de cases fausses :");
    EXPECT_EQ(dlg.ItemText(1010), "3");
    EXPECT_EQ(dlg.ItemText(1006), "Standard");
    // Values stand at their template places unless their label needs more room.
    EXPECT_EQ(dlg.GetDlgItem(1006)->pos(), Units().Rect(63, 70, 1, 1).topLeft());
    EXPECT_GE(dlg.GetDlgItem(1001)->x(), Units().X(121));
    EXPECT_GT(dlg.GetDlgItem(1010)->x(),
              dlg.GetDlgItem(1005)->x() +
                  dlg.GetDlgItem(1005)->fontMetrics().horizontalAdvance(dlg.ItemText(1005)));
}

TEST(Confirmations, EnterAnswersOuiWhichStandsOnTheRight) {
    CEraseConfirmDlg erase;
    CRecalcConfirmDlg recalc;
    for (CConfirmDlg* dlg : {static_cast<CConfirmDlg*>(&erase), static_cast<CConfirmDlg*>(&recalc)}) {
        EXPECT_GT(dlg->YesButton()->x(), dlg->NoButton()->x());
        dlg->show();
        QTest::keyClick(dlg, Qt::Key_Return);
        EXPECT_EQ(dlg->result(), QDialog::Accepted);
    }
    EXPECT_EQ(erase.windowTitle(), "Effaçage de la grille");
    EXPECT_TRUE(erase.findChild<QLabel*>()->text().startsWith(
        "ATTENTION ! Cette fonction va effacer toutes les cases"));
}

TEST(HelpTextBox, EnterInTheTextClosesItAsItsDefaultButtonDoes) {
    CHelpTextDlg dlg;
    dlg.m_strText = "Une ligne.\r\nUne autre.";
    dlg.OnInitDialog();
    dlg.show();
    // The key goes where the keyboard is: the text box, which has the focus.
    QTest::keyClick(dlg.TextBox(), Qt::Key_Return);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.TextBox()->toPlainText(), "Une ligne.\nUne autre.");

    dlg.setResult(QDialog::Rejected);
    dlg.show();
    QTest::keyClick(dlg.TextBox(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST(VictoryDialog, BannerAndCongratulations) {
    CVictoryDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), "Victoire");
    EXPECT_EQ(dlg.ItemText(1001),
              "Félicitations la grille est complète et ne contient aucune faute.");
    const QPixmap banner = static_cast<QLabel*>(dlg.GetDlgItem(130))->pixmap();
    ASSERT_FALSE(banner.isNull());
    EXPECT_EQ(banner.size(), Units().Size(217, 60));
    // Drawn, not blank: the banner's green border.
    EXPECT_EQ(banner.toImage().pixelColor(1, 1), QColor(0, 128, 0));
}

}  // namespace
}  // namespace verbal::test
