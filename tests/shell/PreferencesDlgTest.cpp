// The preferences page, the browser-path dialog and the help-text box, driven
// button by button.
#include <gtest/gtest.h>

#include <QColorDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>
#include <chrono>
#include <filesystem>
#include <thread>

#include "BrowserPathDlg.h"
#include "Codepage.h"
#include "DialogUnits.h"
#include "DictWriter.h"
#include "HelpTextDlg.h"
#include "Modal.h"
#include "PreferencesDlg.h"
#include "VerbalineView.h"

namespace verbal::test {
namespace {

namespace fs = std::filesystem;
using shell::CPreferencesDlg;

constexpr const char* kChanged = "Enregistrement des changements";

// Modal dialogs met while a page is driven, answered by the test.
class PageTest : public ::testing::Test {
protected:
    void SetUp() override {
        shell::SetModalHook([this](QDialog& d) {
            shown.push_back(QString::fromLatin1(d.metaObject()->className()));
            if (auto* box = qobject_cast<QMessageBox*>(&d)) {
                messages.push_back(box->text());
                return int(QMessageBox::Ok);
            }
            return answer ? answer(d) : int(QDialog::Rejected);
        });
        dlg.m_strInstallDir = "/opt/verbal/";
        dlg.m_nLineWidth = 3;
        dlg.m_nCellSize = 25;
        dlg.m_nDefBoxPosition = 0;
        dlg.m_clrScreenBackground = MakeColorRef(0, 128, 0);
        dlg.m_clrOuterFrame = MakeColorRef(255, 0, 0);
        dlg.m_strBrowserPath = "/opt/verbal/helpview";
        dlg.m_strSoundCompute = "/opt/verbal/zip.wav";
        dlg.m_strSoundReady = "/opt/verbal/tuttut.wav";
        dlg.m_strSoundCancel = "/opt/verbal/ding.wav";
        dlg.m_strSoundErase = "/opt/verbal/tiou.wav";
        dlg.m_strSoundPlace = "/opt/verbal/bip.wav";
        dlg.m_strSoundComplete = "/opt/verbal/victoire.wav";
        dlg.m_fnPlaySound = [this](const std::string& s) { played.push_back(s); };
        dlg.OnInitDialog();
    }
    void TearDown() override { shell::SetModalHook({}); }

    bool Checked(int id) const {
        return static_cast<QAbstractButton*>(dlg.GetDlgItem(id))->isChecked();
    }
    int CheckedAmong(std::initializer_list<int> ids) const {
        int count = 0;
        for (int id : ids) count += Checked(id) ? 1 : 0;
        return count;
    }
    QLineEdit* Edit(int id) const { return static_cast<QLineEdit*>(dlg.GetDlgItem(id)); }
    std::string Status() const { return Edit(CPreferencesDlg::IDC_STATUS)->text().toStdString(); }

    CPreferencesDlg dlg;
    std::function<int(QDialog&)> answer;
    std::vector<QString> shown;
    std::vector<QString> messages;
    std::vector<std::string> played;
};

const std::initializer_list<int> kLineIds = {1000, 1007, 1012, 1008};
const std::initializer_list<int> kCellIds = {1024, 1025, 1026, 1027, 1030};
const std::initializer_list<int> kPlaceIds = {1032, 1033, 1034, 1035, 1036};

TEST_F(PageTest, OpensWithOneChoiceOfEachGroupFromTheMembers) {
    EXPECT_EQ(dlg.windowTitle(), "Préférences:");
    EXPECT_TRUE(Checked(1012));  // 3 Pixels
    EXPECT_TRUE(Checked(1026));  // 25 X 25 Pixels
    EXPECT_TRUE(Checked(1036));  // bottom right
    EXPECT_EQ(CheckedAmong(kLineIds) + CheckedAmong(kCellIds) + CheckedAmong(kPlaceIds), 3);
    EXPECT_EQ(Edit(1001)->text(), "/opt/verbal/helpview");
    EXPECT_EQ(Edit(1005)->text(), "/opt/verbal/tuttut.wav");
    EXPECT_EQ(Edit(1010)->text(), "/opt/verbal/victoire.wav");
    EXPECT_EQ(Status(), "");
    EXPECT_TRUE(Edit(1031)->isReadOnly());

    dlg.m_nCellSize = 22;
    dlg.m_nLineWidth = 4;
    dlg.m_nDefBoxPosition = 9;
    dlg.OnInitDialog();
    EXPECT_EQ(CheckedAmong(kCellIds), 0);
    EXPECT_EQ(CheckedAmong(kPlaceIds), 0);
    EXPECT_TRUE(Checked(1008));
}

TEST_F(PageTest, AChangeBringsBackTypedPathsAndApplyKeepsThem) {
    Edit(1004)->setText("/tape/efface.wav");
    Edit(1001)->setText("/tape/nav");
    dlg.Click(1027);  // 30 X 30
    EXPECT_EQ(Status(), kChanged);
    EXPECT_EQ(Edit(1004)->text(), "/opt/verbal/tiou.wav");
    EXPECT_EQ(Edit(1001)->text(), "/opt/verbal/helpview");
    EXPECT_EQ(dlg.m_strSoundErase, "/opt/verbal/tiou.wav");

    dlg.Click(1008);  // 4 Pixels
    dlg.Click(1035);  // the box at the bottom left
    Edit(1004)->setText("/tape/efface.wav");
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_strSoundErase, "/tape/efface.wav");
    EXPECT_EQ(dlg.m_nCellSize, 30);
    EXPECT_EQ(dlg.m_nLineWidth, 4);
    EXPECT_EQ(dlg.m_nDefBoxPosition, 1);
    EXPECT_EQ(CheckedAmong(kPlaceIds), 1);
}

TEST_F(PageTest, FactoryValuesAndReset) {
    dlg.m_nCellSize = 15;
    dlg.m_nLineWidth = 1;
    dlg.m_clrGridLetters = MakeColorRef(1, 2, 3);
    dlg.m_clrInnerFrame = MakeColorRef(4, 5, 6);
    dlg.m_clrOuterFrame = MakeColorRef(7, 8, 9);
    dlg.m_clrGridBackground = MakeColorRef(10, 11, 12);
    dlg.m_clrScreenBackground = MakeColorRef(13, 14, 15);
    dlg.m_nDefBoxPosition = 4;
    dlg.m_strSoundPlace = "Aucun";

    dlg.Click(CPreferencesDlg::IDC_RESET);
    EXPECT_EQ(dlg.m_bFullReset, 1);
    EXPECT_EQ(Status(), "Réinitialisation complète");

    dlg.Click(CPreferencesDlg::IDC_FACTORY);
    EXPECT_EQ(dlg.m_bFullReset, 0);
    EXPECT_EQ(Status(), "Retour aux valeurs d'origine");
    const std::vector<COLORREF> colours = {dlg.m_clrGridLetters, dlg.m_clrInnerFrame,
                                           dlg.m_clrOuterFrame, dlg.m_clrGridBackground,
                                           dlg.m_clrScreenBackground};
    EXPECT_EQ(colours, (std::vector<COLORREF>{0x000000, 0x00FFFF, 0x0000FF, 0xFFFFFF, 0x008000}));
    EXPECT_TRUE(Checked(1026) && Checked(1012) && Checked(1036));
    EXPECT_EQ(dlg.m_strSoundPlace, "Aucun");
    EXPECT_EQ(dlg.m_strBrowserPath, "/opt/verbal/helpview");
}

TEST_F(PageTest, SoundRowsNoneTestAndBrowse) {
    dlg.Click(1020);  // "Aucun" of "Placement d'une lettre"
    EXPECT_EQ(dlg.m_strSoundPlace, "Aucun");
    EXPECT_EQ(Edit(1006)->text(), "Aucun");
    EXPECT_EQ(Status(), kChanged);
    dlg.Click(1022);  // its "Test": nothing to play
    EXPECT_TRUE(played.empty());

    dlg.m_strSoundPlace = "aucun";  // a file name, not the word
    dlg.Click(1022);
    dlg.Click(1040);  // "Test" of "Grille prête"
    // "Test" plays the member, not a path typed and not yet applied.
    Edit(1002)->setText("/tape/calcul.wav");
    dlg.Click(1029);
    EXPECT_EQ(played, (std::vector<std::string>{"aucun", "/opt/verbal/tuttut.wav",
                                                "/opt/verbal/zip.wav"}));

    QString asked;
    QString chosen = QStringLiteral("/sons/fin été.wav");
    dlg.m_fnGetOpenFileName = [&](QWidget*, const QString& title, const QString& dir,
                                  const QString& filter) {
        asked = title + "|" + dir + "|" + filter;
        return chosen;
    };
    dlg.Click(1045);  // "Parcourir" of "Grille complète"
    EXPECT_EQ(asked, "Parcourir pour le son Grille complète||Son wave (*.wav)");
    EXPECT_EQ(Cp1252ToUtf8(dlg.m_strSoundComplete), "/sons/fin été.wav");
    EXPECT_EQ(Edit(1010)->text(), "/sons/fin été.wav");

    chosen.clear();  // cancelled
    dlg.Click(1041);
    EXPECT_EQ(asked, "Parcourir pour le son Grille prête||Son wave (*.wav)");
    EXPECT_EQ(dlg.m_strSoundReady, "/opt/verbal/tuttut.wav");
    EXPECT_TRUE(messages.empty());
}

TEST_F(PageTest, PathsTheFileCannotKeepAreRefusedWithAMessage) {
    const QString tooLong = "/" + QString(100, QLatin1Char('x'));
    dlg.m_fnGetOpenFileName = [&](QWidget*, const QString&, const QString&, const QString&) {
        return tooLong;
    };
    dlg.Click(1038);
    EXPECT_EQ(dlg.m_strSoundCompute, "/opt/verbal/zip.wav");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains("trop long"));

    // Typed then applied: the page stays open, the member unchanged.
    Edit(1003)->setText(QStringLiteral("/sons/Звук.wav"));
    dlg.accept();
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].contains(QStringLiteral("Звук")));
    EXPECT_EQ(dlg.m_strSoundCancel, "/opt/verbal/ding.wav");

    // Exactly 100 bytes are kept.
    Edit(1003)->setText(tooLong.left(100));
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_strSoundCancel.size(), 100u);
}

TEST_F(PageTest, BrowserBrowseTakesOnlyAProgram) {
    TempDir dir;
    const std::string program = dir.File("nav");
    WriteFile(program, "#!/bin/sh\n");
    fs::permissions(program, fs::perms::owner_exec, fs::perm_options::add);
    WriteFile(dir.File("page.txt"), "");
    QString chosen = QString::fromStdString(dir.File("page.txt"));
    QString asked;
    dlg.m_fnGetOpenFileName = [&](QWidget*, const QString& title, const QString&,
                                  const QString& filter) {
        asked = title + "|" + filter;
        return chosen;
    };
    dlg.Click(CPreferencesDlg::IDC_BROWSER_BROWSE);
    EXPECT_EQ(asked, "Recherche du Navigateur HTML:|Exécutables (*)");
    EXPECT_EQ(dlg.m_strBrowserPath, "/opt/verbal/helpview");
    ASSERT_EQ(messages.size(), 1u);

    chosen = QString::fromStdString(program);
    dlg.Click(CPreferencesDlg::IDC_BROWSER_BROWSE);
    EXPECT_EQ(dlg.m_strBrowserPath, program);
    EXPECT_EQ(Edit(1001)->text().toStdString(), program);
    EXPECT_EQ(Status(), kChanged);
}

TEST_F(PageTest, ColourButtonsOpenTheColourDialogOnTheirColour) {
    QColor offered;
    answer = [&](QDialog& d) {
        auto* colours = qobject_cast<QColorDialog*>(&d);
        if (!colours) return int(QDialog::Rejected);
        offered = colours->currentColor();
        colours->setCurrentColor(QColor(0, 0, 255));
        colours->accept();
        return int(QDialog::Accepted);
    };
    dlg.Click(1015);  // "Fond de l'écran"
    EXPECT_EQ(offered, QColor(0, 128, 0));
    EXPECT_EQ(dlg.m_clrScreenBackground, MakeColorRef(0, 0, 255));
    EXPECT_EQ(Status(), kChanged);

    dlg.Click(1009);  // "Cadre extérieur de la grille"
    EXPECT_EQ(offered, QColor(255, 0, 0));
    EXPECT_EQ(dlg.m_clrOuterFrame, MakeColorRef(0, 0, 255));

    answer = nullptr;  // cancelled: nothing changes
    dlg.m_strStatus.clear();
    dlg.OnInitDialog();
    dlg.Click(1013);
    EXPECT_EQ(dlg.m_clrGridLetters, 0u);
    EXPECT_EQ(Status(), "");
    EXPECT_EQ(shown, (std::vector<QString>(3, "QColorDialog")));
}

// The colour in the middle of a colour button's swatch.
QColor SwatchOf(const CPreferencesDlg& dlg, int id) {
    auto* b = static_cast<QPushButton*>(dlg.GetDlgItem(id));
    const QImage swatch = b->icon().pixmap(b->iconSize()).toImage();
    if (swatch.isNull()) return {};
    return swatch.pixelColor(swatch.width() / 2, swatch.height() / 2);
}

TEST_F(PageTest, ColourButtonsShowTheirColourAndFollowChanges) {
    dlg.m_clrGridLetters = MakeColorRef(1, 2, 3);
    dlg.m_clrInnerFrame = MakeColorRef(200, 100, 50);
    dlg.m_clrGridBackground = MakeColorRef(255, 255, 255);
    dlg.OnInitDialog();
    EXPECT_EQ(SwatchOf(dlg, 1009), QColor(255, 0, 0));
    EXPECT_EQ(SwatchOf(dlg, 1011), QColor(200, 100, 50));
    EXPECT_EQ(SwatchOf(dlg, 1013), QColor(1, 2, 3));
    EXPECT_EQ(SwatchOf(dlg, 1014), QColor(255, 255, 255));
    EXPECT_EQ(SwatchOf(dlg, 1015), QColor(0, 128, 0));

    answer = [&](QDialog& d) {
        auto* colours = qobject_cast<QColorDialog*>(&d);
        colours->setCurrentColor(QColor(0, 0, 255));
        colours->accept();
        return int(QDialog::Accepted);
    };
    dlg.Click(1015);
    EXPECT_EQ(SwatchOf(dlg, 1015), QColor(0, 0, 255));
    dlg.Click(CPreferencesDlg::IDC_FACTORY);
    for (int id : {1009, 1011, 1013, 1014, 1015}) {
        COLORREF CPreferencesData::*member = id == 1009   ? &CPreferencesData::m_clrOuterFrame
                                             : id == 1011 ? &CPreferencesData::m_clrInnerFrame
                                             : id == 1013 ? &CPreferencesData::m_clrGridLetters
                                             : id == 1014 ? &CPreferencesData::m_clrGridBackground
                                                          : &CPreferencesData::m_clrScreenBackground;
        EXPECT_EQ(SwatchOf(dlg, id), ToQColor(dlg.*member)) << id;
    }
}

// The chosen place of the clue box is the only corner button drawn as
// chosen, and the mark moves with a click.
TEST_F(PageTest, TheChosenCornerIsMarkedAndOnlyIt) {
    dlg.resize(dlg.sizeHint().expandedTo(dlg.size()));
    auto look = [&](int id) { return dlg.GetDlgItem(id)->grab().toImage(); };
    auto marked = [&]() {
        std::vector<int> ids;
        for (int id : kPlaceIds) {
            int differentFrom = 0;  // how many other corners look different
            for (int other : kPlaceIds)
                if (other != id && look(other) != look(id)) ++differentFrom;
            if (differentFrom == 4) ids.push_back(id);
        }
        return ids;
    };
    EXPECT_EQ(marked(), std::vector<int>{1036});  // bottom right
    // More than a sunken button: the mark is seen without the style's help.
    auto text = [&](int id) { return static_cast<QPushButton*>(dlg.GetDlgItem(id))->text(); };
    EXPECT_NE(text(1036), "<>");
    for (int id : {1032, 1033, 1034, 1035}) EXPECT_EQ(text(id), "<>") << id;
    dlg.Click(1034);                              // the centre
    EXPECT_EQ(marked(), std::vector<int>{1034});
    EXPECT_EQ(CheckedAmong(kPlaceIds), 1);
    dlg.m_nDefBoxPosition = 9;  // out of the list: none marked
    dlg.OnInitDialog();
    EXPECT_EQ(marked(), std::vector<int>{});
}

TEST_F(PageTest, HelpAboutAndTheAuthorsPage) {
    QString helpText;
    answer = [&](QDialog& d) {
        if (auto* help = qobject_cast<shell::CHelpTextDlg*>(&d))
            helpText = help->windowTitle() + "|" + help->TextBox()->toPlainText();
        return int(QDialog::Accepted);
    };
    dlg.Click(CPreferencesDlg::IDC_BROWSER_HELP);
    EXPECT_TRUE(helpText.startsWith("Aide|Ce cadre vous permet de sélectionner le programme"));
    EXPECT_TRUE(helpText.contains("documents html, par exemple le navigateur internet de votre "
                                  "bureau. Le programme est fourni avec son propre navigateur, "
                                  "helpview,"));
    EXPECT_TRUE(helpText.endsWith("LANCEZ L'AIDE À PARTIR DU MENU DES APPLICATIONS DE VOTRE "
                                  "BUREAU."));
    for (const char* windowsOnly : {"Internet Explorer", "ActiveX", ".exe", "DEMAR"})
        EXPECT_FALSE(helpText.contains(QLatin1String(windowsOnly))) << windowsOnly;
    dlg.Click(CPreferencesDlg::IDC_ABOUT);
    EXPECT_EQ(shown, (std::vector<QString>{"verbal::shell::CHelpTextDlg",
                                           "verbal::shell::CAboutDlg"}));

    auto* site = static_cast<QPushButton*>(dlg.GetDlgItem(CPreferencesDlg::IDC_SITE));
    EXPECT_EQ(site->text(), "Site de Verbaline 2000");
    EXPECT_FALSE(site->text().contains("example"));
    // With the browser missing: the message, and the page stays.
    dlg.m_strBrowserPath = "/nulle/part/nav";
    site->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Le navigateur html n'a pas été trouvé utilisez le cadre Navigateur "
                           "html pour sélectionner un navigateur");

    // With a browser: the members as they stand, not the typed path.
    TempDir dir;
    const std::string program = dir.File("nav");
    WriteFile(program, "#!/bin/sh\necho \"$1\" > \"" + dir.File("t") + "\"; mv \"" + dir.File("t") +
                           "\" \"" + dir.File("vu") + "\"\n");
    fs::permissions(program, fs::perms::owner_exec, fs::perm_options::add);
    dlg.m_strBrowserPath = program;
    Edit(1001)->setText("/nulle/part/autre");
    site->click();
    for (int i = 0; i < 500 && !fs::exists(dir.File("vu")); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(ReadFile(dir.File("vu")), "/opt/verbal/enligne.htm\n");
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(PageTest, ControlsStandAtTheirTemplatePlacesWithoutOverlapping) {
    const shell::CDialogUnits du(dlg.font());
    EXPECT_EQ(dlg.size(), du.Size(442, 302));
    for (int id : {1001, 1002, 1003, 1004, 1005, 1006, 1010}) {
        EXPECT_EQ(dlg.GetDlgItem(id)->x(), du.X(158)) << id;
        EXPECT_EQ(dlg.GetDlgItem(id)->width(), du.X(213)) << id;
        EXPECT_EQ(dlg.GetDlgItem(id)->height(), du.Y(14)) << id;
    }
    EXPECT_EQ(dlg.GetDlgItem(1)->geometry(), du.Rect(17, 273, 50, 14));
    EXPECT_EQ(dlg.GetDlgItem(2)->geometry(), du.Rect(87, 273, 50, 14));
    EXPECT_TRUE(static_cast<QPushButton*>(dlg.GetDlgItem(1))->isDefault());
    // The colour buttons stand at the frame's right edge, not at x 295: their
    // labels are wider in this font than in the template's.
    EXPECT_EQ(dlg.GetDlgItem(1009)->geometry(), du.Rect(302, 22, 16, 10));
    // Radios of the first two frames carry their text on the left.
    EXPECT_EQ(dlg.GetDlgItem(1000)->layoutDirection(), Qt::RightToLeft);

    // Every control but the frames lies inside the page and clear of the others.
    std::vector<QWidget*> controls;
    for (QWidget* w : dlg.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!qobject_cast<QGroupBox*>(w) && w->isVisibleTo(&dlg)) controls.push_back(w);
    QLabel* picture = nullptr;
    for (QWidget* w : controls)
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->pixmap().isNull() && l->width() > du.X(60))
            picture = l;
    ASSERT_NE(picture, nullptr);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        EXPECT_TRUE(dlg.rect().contains(controls[i]->geometry()));
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            if (controls[i] == picture || controls[j] == picture) continue;  // buttons over it
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << controls[i]->metaObject()->className() << " "
                << controls[i]->property("text").toString().toStdString() << " / "
                << controls[j]->metaObject()->className() << " "
                << controls[j]->property("text").toString().toStdString();
        }
    }
}

TEST(BrowserPathDialog, ShowsTheMessageAndReturnsThePathGiven) {
    std::vector<QString> messages;
    shell::SetModalHook([&](QDialog& d) {
        if (auto* box = qobject_cast<QMessageBox*>(&d)) messages.push_back(box->text());
        return int(QMessageBox::Ok);
    });
    shell::CBrowserPathDlg dlg;
    dlg.m_strMessage = W("Le navigateur html n'a pas été trouvé.");
    dlg.OnInitDialog();
    EXPECT_EQ(dlg.windowTitle(), "Navigateur html");
    auto* path = static_cast<QLineEdit*>(dlg.GetDlgItem(1001));
    auto* message = static_cast<QTextEdit*>(dlg.GetDlgItem(1002));
    EXPECT_EQ(message->toPlainText(), "Le navigateur html n'a pas été trouvé.");
    EXPECT_EQ(path->text(), "");

    TempDir dir;
    const std::string program = dir.File("nav");
    WriteFile(program, "#!/bin/sh\n");
    fs::permissions(program, fs::perms::owner_exec, fs::perm_options::add);
    QString chosen;
    dlg.m_fnGetOpenFileName = [&](QWidget*, const QString&, const QString&, const QString&) {
        return chosen;
    };
    path->setText("/tape/nav");
    static_cast<QPushButton*>(dlg.GetDlgItem(1007))->click();  // cancelled
    EXPECT_EQ(path->text(), "/tape/nav");
    chosen = QString::fromStdString(program);
    static_cast<QPushButton*>(dlg.GetDlgItem(1007))->click();
    EXPECT_EQ(path->text().toStdString(), program);
    EXPECT_EQ(message->toPlainText(), "Le navigateur html n'a pas été trouvé.");

    path->setText("/autre/nav");
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_strBrowserPath, "/autre/nav");
    EXPECT_TRUE(messages.empty());
    shell::SetModalHook({});
}

}  // namespace
}  // namespace verbal::test
