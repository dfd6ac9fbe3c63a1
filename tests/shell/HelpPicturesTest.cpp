// The pictures of the help page, taken from the running program with the
// shipped dictionary: written only when VERBAL_HELP_PICTURES_DIR names a
// directory. To renew the committed ones:
//
//   VERBAL_HELP_PICTURES_DIR=data/aide build/tests/shell/shell_tests --gtest_filter='*HelpPictures*'
//
// The offscreen windows have no title bar; each dialog gets a plain one
// drawn from its own title, so that the reader recognises the window the
// text names.
#include <QDir>
#include <QHash>
#include <QPainter>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>

#include <algorithm>

#include "Pictures.h"
#include "GeneratorBoxes.h"
#include "GridText.h"
#include "NewGridDlg.h"
#include "PreferencesDlg.h"
#include "QtViewHost.h"
#include "ShellFixture.h"
#include "SmallDialogs.h"

namespace verbal::test {
namespace {

// verbal-cli generate --size 10 --quality 3 --seed 15
const std::vector<std::string> kGrid10 = {
    "FAT#ABBAYE", "IBIS#ERRE#", "NANA#TUTU#", "ASTICOTS#C", "NOEL#NA#TH",
    "CU#LE#LOUE", "IRRITAIS#V", "ODER#ISERE", "NIGAUDES#L", "SR#IRES#AU",
};

// Where the pictures claim the program is installed.
const std::string kShownInstallDir = "/usr/local/lib/verbal/";

// The widget as the user sees it: a title bar above it and a thin border.
QImage Framed(QWidget* w, const QString& title) {
    const QImage body = w->grab().toImage();
    const int bar = title.isEmpty() ? 0 : 22;
    QImage out(body.width() + 2, body.height() + bar + 2, QImage::Format_RGB32);
    out.fill(QColor(120, 120, 120));
    QPainter p(&out);
    if (bar) {
        p.fillRect(1, 1, body.width(), bar, QColor(58, 84, 130));
        QFont font = w->font();
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRect(8, 1, body.width() - 16, bar), Qt::AlignVCenter | Qt::AlignLeft, title);
    }
    p.drawImage(1, 1 + bar, body);
    return out;
}


// The help browser's page is about 650 pixels wide: wider pictures are
// scaled down.
constexpr int kMaxWidth = 600;
bool SavePicture(const QImage& image, const QString& path) {
    const QImage fitted = image.width() > kMaxWidth
        ? image.scaledToWidth(kMaxWidth, Qt::SmoothTransformation)
        : image;
    return Indexed(fitted).save(path, "PNG", 0);
}

TEST_F(ShellTest, HelpPictures) {
    const QString dir = qEnvironmentVariable("VERBAL_HELP_PICTURES_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "VERBAL_HELP_PICTURES_DIR not set";
    QDir().mkpath(dir);
    auto save = [&](const QImage& image, const char* name) {
        EXPECT_TRUE(SavePicture(image, dir + "/" + name)) << name;
    };

    // Settings as an installation would hold them.
    CVerbalineView* view = View();
    const std::string installDir = VERBAL_TEST_INSTALL_DIR;
    view->m_settings.m_strDictionaryPath = installDir + "/Standard.lex";
    view->m_settings.m_strDefinitionsPath = installDir + "/Standard.dex";
    view->PushSettingsToDocument();

    // The new-grid dialog, 10 x 10, quality 3, the shipped dictionary.
    answer = [&](QDialog& d) {
        auto* dlg = qobject_cast<shell::CNewGridDlg*>(&d);
        if (!dlg) return DefaultAnswer(d);
        static_cast<QRadioButton*>(dlg->GetDlgItem(1002))->click();
        static_cast<QRadioButton*>(dlg->GetDlgItem(shell::CNewGridDlg::IDC_QUALITY_3))->click();
        dlg->show();
        Settle(20);
        save(Framed(dlg, dlg->windowTitle()), "nouvelle.png");
        dlg->hide();
        return int(QDialog::Rejected);
    };
    frame->RouteCommand(ID_GRID_COMPUTE);
    answer = nullptr;

    shell::CStopDlg stop;
    stop.show();
    Settle(20);
    save(Framed(&stop, QString()), "arreter.png");
    stop.hide();

    // A game under way: the top half filled, two letters wrong.
    CVerbalineDoc* doc = Doc();
    SetSolutionRows(*doc, kGrid10);
    doc->m_nGridLast = 9;
    doc->BuildTransposed();
    doc->CopyBlackSquares();
    doc->m_strDefsPath = installDir + "/Standard.dex";
    ASSERT_EQ(doc->BuildClues(), 1);
    doc->m_bGridReady = 1;
    doc->m_bGridDrawn = 1;
    doc->m_nRowsDone = 20;
    doc->m_ptGridOrigin = CPoint{80, 60};
    doc->m_strDictName = "Standard";
    doc->m_nQuality = 3;
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 10; ++c) doc->m_aPlayer[r - 1][c - 1] = doc->m_aSolution[r][c - 1];
    doc->m_aPlayer[1][6] = 'A';  // ERRE written EARE
    doc->m_aPlayer[4][1] = 'U';  // NOEL written NUEL
    for (int c = 1; c <= 4; ++c) doc->m_aPlayer[6][c - 1] = doc->m_aSolution[7][c - 1];
    frame->resize(720, 480);
    frame->UpdateCommandUI();
    Settle(50);
    const QImage window = Framed(frame, frame->windowTitle());
    save(window, "fenetre.png");
    // The toolbar at its real size, for the table of its buttons.
    QToolBar* toolbar = frame->findChild<QToolBar*>();
    ASSERT_TRUE(toolbar);
    QRect buttons;
    for (QAction* action : toolbar->actions())
        if (QWidget* button = toolbar->widgetForAction(action))
            buttons = buttons.united(button->geometry());
    save(toolbar->grab(buttons.adjusted(-4, -4, 4, 4)).toImage(), "outils.png");

    // The grid alone, around its frame.
    auto gridPicture = [&] {
        Settle(20);
        const QRect area = view->m_rcFrame.adjusted(-13, -13, 13, 13);
        return view->grab(area).toImage();
    };
    doc->m_bShowWrongCells = 1;
    view->update();
    save(gridPicture(), "erreurs.png");
    doc->m_bShowWrongCells = 0;
    doc->m_bShowSolution = 1;
    view->update();
    save(gridPicture(), "solution-grille.png");
    doc->m_bShowSolution = 0;
    view->update();

    // The clue box of row 3, column 7 (TUTU and BRUTALISES).
    view->m_settings.m_nDefBoxPosition = 4;
    QTest::mouseClick(view, Qt::RightButton, Qt::NoModifier, view->CellRect(3, 7).center());
    shell::CDefinitionsDlg* box = Child()->ViewHost()->DefinitionsBox();
    ASSERT_TRUE(box);
    Settle(20);
    save(Framed(box, box->windowTitle()), "definitions.png");

    shell::CLetterDlg picker;
    picker.show();
    Settle(20);
    save(Framed(&picker, picker.windowTitle()), "lettres.png");
    picker.hide();

    shell::CSolutionDlg choice;
    choice.show();
    Settle(20);
    save(Framed(&choice, choice.windowTitle()), "solution.png");
    choice.hide();

    shell::CVictoryDlg victory;
    victory.show();
    Settle(20);
    save(Framed(&victory, victory.windowTitle()), "victoire.png");
    victory.hide();

    // The preferences, with the paths of an installation in /usr/local.
    CViewSettings& s = view->m_settings;
    for (std::string& sound : s.m_strSoundFile)
        sound = kShownInstallDir + sound.substr(sound.find_last_of('/') + 1);
    s.m_strBrowserPath = kShownInstallDir + "helpview";
    view->WriteSettings();
    answer = [&](QDialog& d) {
        auto* prefs = qobject_cast<shell::CPreferencesDlg*>(&d);
        if (!prefs) return DefaultAnswer(d);
        prefs->show();
        Settle(50);
        save(Framed(prefs, prefs->windowTitle()), "preferences.png");
        prefs->hide();
        return int(QDialog::Rejected);
    };
    frame->RouteCommand(ID_VIEW_PREFERENCES);
}

}  // namespace
}  // namespace verbal::test
