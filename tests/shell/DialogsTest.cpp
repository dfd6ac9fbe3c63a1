// The dialogs of a computation: new grid, confirmation, stop box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "Codepage.h"
#include "ConfirmDlg.h"
#include "DialogUnits.h"
#include "GeneratorBoxes.h"
#include "MessageBox.h"
#include "Modal.h"
#include "NewGridDlg.h"

namespace verbal::test {
namespace {

using shell::CNewGridDlg;

bool Checked(const CNewGridDlg& dlg, int id) {
    return static_cast<QRadioButton*>(dlg.GetDlgItem(id))->isChecked();
}

int CheckedCount(const CNewGridDlg& dlg, int first, int last) {
    int count = 0;
    for (int id = first; id <= last; ++id)
        if (dlg.GetDlgItem(id) && Checked(dlg, id)) ++count;
    return count;
}

TEST(NewGridDialog, EachSizeCodeSelectsItsRadio) {
    const int codes[8] = {5, 7, 9, 11, 13, 15, 17, 19};
    for (int i = 0; i < 8; ++i) {
        CNewGridDlg dlg;
        dlg.m_nGridLast = codes[i];
        dlg.m_nQuality = 1;
        dlg.OnInitDialog();
        EXPECT_TRUE(Checked(dlg, CNewGridDlg::IDC_SIZE_6 + i)) << codes[i];
        EXPECT_EQ(CheckedCount(dlg, 1000, 1007), 1);
        EXPECT_TRUE(Checked(dlg, CNewGridDlg::IDC_QUALITY_1));
    }
}

TEST(NewGridDialog, UnknownCodesSelectNothingAndComeBackUnchanged) {
    CNewGridDlg dlg;
    dlg.m_nGridLast = 6;
    dlg.m_nQuality = 7;
    dlg.OnInitDialog();
    EXPECT_EQ(CheckedCount(dlg, 1000, 1007), 0);
    EXPECT_EQ(CheckedCount(dlg, 1012, 1026), 0);
    dlg.accept();
    EXPECT_EQ(dlg.m_nGridLast, 6);
    EXPECT_EQ(dlg.m_nQuality, 7);
}

TEST(NewGridDialog, RadiosSetSizeAndQuality) {
    CNewGridDlg dlg;
    dlg.m_nGridLast = 5;
    dlg.OnInitDialog();
    static_cast<QRadioButton*>(dlg.GetDlgItem(1007))->click();
    static_cast<QRadioButton*>(dlg.GetDlgItem(CNewGridDlg::IDC_QUALITY_3))->click();
    EXPECT_EQ(dlg.m_nGridLast, 19);
    EXPECT_EQ(dlg.m_nQuality, 3);
    EXPECT_EQ(CheckedCount(dlg, 1000, 1007), 1);
    static_cast<QRadioButton*>(dlg.GetDlgItem(CNewGridDlg::IDC_QUALITY_0))->click();
    EXPECT_EQ(dlg.m_nQuality, 0);
}

TEST(NewGridDialog, BrowsingDerivesDefinitionsAndNameAndKeepsTheChoices) {
    CNewGridDlg dlg;
    dlg.m_strDictPath = "/opt/verbal/Standard.lex";
    dlg.m_strDefsPath = "/opt/verbal/Standard.dex";
    dlg.MakeDictName();
    dlg.m_nGridLast = 5;
    dlg.m_nQuality = 1;
    dlg.OnInitDialog();
    auto* name = static_cast<QLineEdit*>(dlg.GetDlgItem(CNewGridDlg::IDC_DICT_NAME));
    EXPECT_EQ(name->text(), "Standard");
    EXPECT_TRUE(name->isReadOnly());
    static_cast<QRadioButton*>(dlg.GetDlgItem(1004))->click();
    static_cast<QRadioButton*>(dlg.GetDlgItem(CNewGridDlg::IDC_QUALITY_2))->click();

    QString chosen = QStringLiteral("/d/Lexiques/Grand.lex");
    QString title;
    dlg.m_fnGetOpenFileName = [&](QWidget*, const QString& t, const QString&, const QString& f) {
        title = t + "|" + f;
        return chosen;
    };
    static_cast<QPushButton*>(dlg.GetDlgItem(CNewGridDlg::IDC_BROWSE))->click();
    EXPECT_EQ(title, "Changer de dictionnaire|Dictionnaire (*.lex)");
    EXPECT_EQ(dlg.m_strDictPath, "/d/Lexiques/Grand.lex");
    EXPECT_EQ(dlg.m_strDefsPath, "/d/Lexiques/Grand.dex");
    EXPECT_EQ(name->text(), "Grand");
    EXPECT_TRUE(Checked(dlg, 1004));
    EXPECT_TRUE(Checked(dlg, CNewGridDlg::IDC_QUALITY_2));

    chosen = QStringLiteral("/d/a.b.lex");
    dlg.OnBrowseDictionary();
    EXPECT_EQ(name->text(), "a");
    EXPECT_EQ(dlg.m_strDefsPath, "/d/a.b.dex");

    chosen = QStringLiteral("/d/x.txt");
    dlg.OnBrowseDictionary();
    EXPECT_EQ(dlg.m_strDefsPath, "/d/x.dxt");

    chosen = QString();  // cancelled
    dlg.OnBrowseDictionary();
    EXPECT_EQ(dlg.m_strDictPath, "/d/x.txt");
    EXPECT_EQ(name->text(), "x");

    dlg.accept();
    EXPECT_EQ(dlg.m_strDictName, "x");
}

// The dictionary is opened by its own name, whatever its folder; only its
// name, which the grid file keeps in Windows-1252, must fit that code page.
TEST(NewGridDialog, AnyFolderServesButTheNameMustFitTheGridFile) {
    std::vector<QString> messages;
    shell::SetModalHook([&](QDialog& d) {
        if (auto* box = qobject_cast<QMessageBox*>(&d)) messages.push_back(box->text());
        return int(QMessageBox::Ok);
    });
    CNewGridDlg dlg;
    dlg.m_strDictPath = "/opt/Standard.lex";
    QString chosen = QStringLiteral("/d/Лексика/Élégant.lex");
    dlg.m_fnGetOpenFileName = [&](QWidget*, const QString&, const QString&, const QString&) {
        return chosen;
    };
    dlg.OnBrowseDictionary();
    EXPECT_EQ(dlg.m_strDictPath, "/d/Лексика/Élégant.lex");
    EXPECT_EQ(dlg.m_strDefsPath, "/d/Лексика/Élégant.dex");
    EXPECT_EQ(Cp1252ToUtf8(dlg.m_strDictName), "Élégant");
    EXPECT_TRUE(messages.empty());

    chosen = QStringLiteral("/d/Лексика.lex");
    dlg.OnBrowseDictionary();
    EXPECT_EQ(dlg.m_strDictPath, "/d/Лексика/Élégant.lex");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].toStdString(),
              "Le nom de ce dictionnaire contient des caractères qu'une grille ne sait pas "
              "enregistrer. Renommez le fichier du dictionnaire (et celui de ses définitions) ou "
              "choisissez-en un autre.\n/d/Лексика.lex");
    shell::SetModalHook({});
}

TEST(NewGridDialog, ControlsStandAtTheirTemplatePlaces) {
    CNewGridDlg dlg;
    const shell::CDialogUnits du(dlg.font());
    EXPECT_EQ(dlg.size(), du.Size(321, 143));
    EXPECT_EQ(dlg.windowTitle(), "Nombre de cases et dictionnaire");
    EXPECT_EQ(dlg.GetDlgItem(1)->geometry(), du.Rect(176, 108, 50, 14));
    EXPECT_EQ(dlg.GetDlgItem(2)->geometry(), du.Rect(250, 108, 50, 14));
    EXPECT_EQ(dlg.GetDlgItem(1007)->geometry(), du.Rect(100, 67, 41, 10));
    EXPECT_EQ(dlg.GetDlgItem(CNewGridDlg::IDC_QUALITY_3)->geometry(), du.Rect(235, 82, 20, 10));
    EXPECT_TRUE(static_cast<QPushButton*>(dlg.GetDlgItem(1))->isDefault());
    EXPECT_EQ(static_cast<QRadioButton*>(dlg.GetDlgItem(1003))->text(), "12 X 12");
    // Units follow the font: a quarter of the average width, an eighth of the height.
    EXPECT_EQ(du.X(4), du.BaseX());
    EXPECT_EQ(du.Y(8), du.BaseY());
    EXPECT_GE(du.BaseX(), 4);
    EXPECT_GE(du.BaseY(), 10);
}

TEST(RecalcConfirm, OuiIsTheDefaultAndStandsOnTheRight) {
    shell::CRecalcConfirmDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), "Lancer un nouveau calcul de la grille.");
    EXPECT_EQ(dlg.YesButton()->text(), "OUI");
    EXPECT_TRUE(dlg.YesButton()->isDefault());
    EXPECT_GT(dlg.YesButton()->x(), dlg.NoButton()->x());
}

TEST(StopBox, ButtonOrEscapeStopOnceAndTheMainWindowIsDisabledMeanwhile) {
    QMainWindow main;
    shell::CStopDlg stop;
    stop.Create(&main);
    EXPECT_FALSE(main.isEnabled());
    EXPECT_TRUE(stop.isVisible());
    EXPECT_TRUE(stop.isEnabled());
    EXPECT_NE(stop.pos(), QPoint(0, 0));  // over the windows, not in the corner
    EXPECT_EQ(stop.StopButton()->geometry(), stop.rect());
    EXPECT_FALSE(stop.CheckStop());
    stop.StopButton()->click();
    EXPECT_TRUE(stop.CheckStop());
    EXPECT_FALSE(stop.CheckStop());  // read once
    stop.reject();                   // Escape
    EXPECT_TRUE(stop.CheckStop());
    EXPECT_TRUE(stop.isVisible());
    stop.Destroy();
    EXPECT_TRUE(main.isEnabled());
    EXPECT_FALSE(stop.isVisible());
}

TEST(StopBox, AWindowAlreadyDisabledStaysDisabled) {
    QMainWindow main;
    main.setEnabled(false);
    shell::CStopDlg stop;
    stop.Create(&main);
    stop.Destroy();
    EXPECT_FALSE(main.isEnabled());
}

TEST(MessageBoxes, ButtonsSpeakFrench) {
    std::vector<QStringList> seen;
    shell::SetModalHook([&](QDialog& d) {
        QStringList texts;
        if (auto* box = qobject_cast<QMessageBox*>(&d)) {
            for (QAbstractButton* b : box->buttons()) texts << b->text();
            texts.sort();
            texts << box->windowTitle();
        }
        seen.push_back(texts);
        return int(QMessageBox::Yes);
    });
    EXPECT_EQ(shell::ShowMessageBox(nullptr, "?", "Titre", MsgButtons::YesNo, MsgIcon::Question),
              IDYES);
    shell::ShowMessageBox(nullptr, "?", QString(), MsgButtons::RetryCancel, MsgIcon::Stop);
    shell::ShowMessageBox(nullptr, "?", QString(), MsgButtons::OkCancel, MsgIcon::None);
    shell::SetModalHook({});
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], QStringList({"Non", "Oui", "Titre"}));
    EXPECT_EQ(seen[1], QStringList({"Annuler", "Réessayer", "Verbaline 2000"}));
    EXPECT_EQ(seen[2], QStringList({"Annuler", "OK", "Verbaline 2000"}));
}

// A message at start-up, before its window is on screen, is not left in the
// screen's corner beside an invisible owner: it stands on its own, centred.
TEST(MessageBoxes, AnOwnerNotYetShownGivesWayToTheScreen) {
    std::vector<QWidget*> parents;
    shell::SetModalHook([&](QDialog& d) {
        parents.push_back(d.parentWidget());
        return int(QMessageBox::Ok);
    });
    QMainWindow window;
    QWidget* view = new QWidget(&window);
    shell::ShowMessageBox(view, "?", QString(), MsgButtons::Ok, MsgIcon::None);
    window.show();
    shell::ShowMessageBox(view, "?", QString(), MsgButtons::Ok, MsgIcon::None);
    shell::SetModalHook({});
    EXPECT_EQ(parents, (std::vector<QWidget*>{nullptr, view}));
}

}  // namespace
}  // namespace verbal::test
