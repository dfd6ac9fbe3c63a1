// The pictures of the help page, taken from the running program with the
// shipped dictionary. The offscreen windows have no title bar; each dialog
// gets a plain one drawn from its own title, so that the reader recognises
// the window the text names.
#include <QDate>
#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>

#include "ChildFrame.h"
#include "CluePanel.h"
#include "GeneratorBoxes.h"
#include "GridSheet.h"
#include "MainFrame.h"
#include "NewGridDlg.h"
#include "PlayCursor.h"
#include "Pictures.h"
#include "PageLayout.h"
#include "PreferencesDlg.h"
#include "PrintOptionsDlg.h"
#include "QtViewHost.h"
#include "SmallDialogs.h"
#include "VerbalineDoc.h"
#include "VerbalineView.h"

namespace verbal::pictures {
namespace {

// verbal-cli generate --size 10 --quality 3 --seed 15
const std::vector<std::string> kGrid10 = {
    "ROCHES#BAC", "EPHELIDE#C", "SPATULEES#", "POURTOUR#V", "ESSE#SI#MI",
    "CES#N#LEI#", "TREVES#GNU", "OASIS#CAEN", "NI#L#AOUT#", "STASE#LX#A",
};

// verbal-cli generate --size 10 --quality 2 --seed 7: every word has a clue.
const std::vector<std::string> kPageGrid = {
    "RHO#ADAPTE", "AOUT#ENVOL", "INTACTE#RU", "SORGHO#AS#", "ORE#INOUI#",
    "NASALES#OS", "NB#LIRE#NE", "ELFES#ROSI", "REIN#V#R#N", "ASTERIE#AG",
};

// Where the pictures claim the program is installed.
const std::string kShownInstallDir = "/usr/local/lib/verbal/";

// A title as the window system shows it: "[*]" marks where the modified
// mark goes, "[*][*]" is a "[*]" of the name itself.
QString ShownTitle(const QWidget* w, QString title) {
    const QString escaped = QStringLiteral("\x01");
    title.replace(QStringLiteral("[*][*]"), escaped);
    title.replace(QStringLiteral("[*]"), w->isWindowModified() ? QStringLiteral("*") : QString());
    return title.replace(escaped, QStringLiteral("[*]"));
}

// The widget as the user sees it: a title bar above it and a thin border.
QImage Framed(QWidget* w, const QString& rawTitle) {
    const QString title = ShownTitle(w, rawTitle);
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

void Save(const QImage& image, const QString& dir, const char* name) {
    const QImage fitted =
        image.width() > kMaxWidth ? image.scaledToWidth(kMaxWidth, Qt::SmoothTransformation) : image;
    if (!Indexed(fitted).save(dir + "/" + name, "PNG", 0)) Fail(std::string("image ") + name);
}

}  // namespace

void TakeHelpPictures(const QString& dir) {
    QDir().mkpath(dir);
    Session session;
    shell::CMainFrame* frame = session.Frame();

    // Settings as an installation would hold them.
    CVerbalineView* view = session.View();
    const std::string installDir = InstallDir();
    view->m_settings.m_strDictionaryPath = installDir + "/Standard.lex";
    view->m_settings.m_strDefinitionsPath = installDir + "/Standard.dex";
    view->PushSettingsToDocument();

    // The new-grid dialog, 10 x 10, quality 3, the shipped dictionary.
    session.answer = [&](QDialog& d) {
        auto* dlg = qobject_cast<shell::CNewGridDlg*>(&d);
        if (!dlg) return Session::DefaultAnswer(d);
        static_cast<QRadioButton*>(dlg->GetDlgItem(1002))->click();
        static_cast<QRadioButton*>(dlg->GetDlgItem(shell::CNewGridDlg::IDC_QUALITY_3))->click();
        dlg->show();
        Settle(20);
        Save(Framed(dlg, dlg->windowTitle()), dir, "nouvelle.png");
        dlg->hide();
        return int(QDialog::Rejected);
    };
    frame->RouteCommand(ID_GRID_COMPUTE);
    session.answer = nullptr;

    shell::CStopDlg stop;
    stop.show();
    Settle(20);
    Save(Framed(&stop, QString()), dir, "arreter.png");
    stop.hide();

    // A game under way: the top half filled, two letters wrong.
    OpenGrid(session, kGrid10, installDir + "/Standard.dex", "Standard", 3);
    CVerbalineDoc* doc = session.Doc();
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 10; ++c) doc->PlaceLetter(r, c, doc->SolutionCell(r, c));
    doc->PlaceLetter(2, 7, 'T');  // EPHELIDE written EPHELITE
    doc->PlaceLetter(5, 2, 'A');  // ESSE written EASE
    for (int c = 1; c <= 4; ++c) doc->PlaceLetter(7, c, doc->SolutionCell(7, c));
    frame->resize(780, 500);
    frame->UpdateCommandUI();
    Settle(50);
    // The toolbar at its real size, for the table of its buttons.
    QToolBar* toolbar = frame->findChild<QToolBar*>();
    if (!toolbar) return Fail("pas de barre d'outils");
    QRect buttons;
    for (QAction* action : toolbar->actions())
        if (QWidget* button = toolbar->widgetForAction(action))
            buttons = buttons.united(button->geometry());
    Save(toolbar->grab(buttons.adjusted(-4, -4, 4, 4)).toImage(), dir, "outils.png");

    // The grid alone, around its frame: the wrong letters marked, as
    // "Solution" grants it, then the solution.
    auto gridPicture = [&] {
        Settle(20);
        const QRect area = view->m_rcFrame.adjusted(-13, -13, 13, 13);
        return view->grab(area).toImage();
    };
    auto solution = [&](int button) {
        session.answer = [button](QDialog& d) {
            auto* box = qobject_cast<shell::CSolutionDlg*>(&d);
            if (!box) return Session::DefaultAnswer(d);
            static_cast<QPushButton*>(box->GetDlgItem(button))->click();
            return box->result();
        };
        frame->RouteCommand(ID_GRID_SOLUTION);
        session.answer = nullptr;
    };
    solution(shell::CSolutionDlg::IDC_MARK);
    if (!doc->ShowWrongCells()) return Fail("les erreurs ne sont pas marquées");
    Save(gridPicture(), dir, "erreurs.png");
    solution(shell::CSolutionDlg::IDC_MARK);
    doc->ToggleSolution();
    Save(gridPicture(), dir, "solution-grille.png");
    doc->ToggleSolution();
    view->update();

    // The word of row 7 being typed, its clue highlighted in the panel.
    view->GoToWord(WordAt(*doc, Direction::Across, 7, 1));
    frame->UpdateCommandUI();
    Settle(50);
    Save(Framed(frame, frame->windowTitle()), dir, "fenetre.png");
    // The panel alone, at the height of the grid, and the grid alone with
    // its cursor.
    shell::CCluePanel* panel = frame->CluePanel();
    if (!panel || !panel->isVisible()) return Fail("pas de panneau des définitions");
    Save(Framed(panel, QString()), dir, "liste.png");
    Save(view->grab(view->m_rcFrame.adjusted(-13, -13, 13, 13)).toImage(), dir, "clavier.png");

    // The clue box of row 7, column 3 (TREVES and CHAUSSES).
    view->m_settings.m_nDefBoxPosition = 4;
    QTest::mouseClick(view, Qt::RightButton, Qt::NoModifier, view->CellRect(7, 3).center());
    shell::CDefinitionsDlg* box = session.Child()->ViewHost()->DefinitionsBox();
    if (!box) return Fail("pas de boîte des définitions");
    Settle(20);
    Save(Framed(box, box->windowTitle()), dir, "definitions.png");

    shell::CLetterDlg picker;
    picker.show();
    Settle(20);
    Save(Framed(&picker, picker.windowTitle()), dir, "lettres.png");
    picker.hide();

    shell::CSolutionDlg choice;
    choice.show();
    Settle(20);
    Save(Framed(&choice, choice.windowTitle()), dir, "solution.png");
    choice.hide();

    shell::CVictoryDlg victory;
    victory.show();
    Settle(20);
    Save(Framed(&victory, victory.windowTitle()), dir, "victoire.png");
    victory.hide();

    // The preferences, with the paths of an installation in /usr/local.
    CViewSettings& s = view->m_settings;
    for (std::string& sound : s.m_strSoundFile)
        sound = kShownInstallDir + sound.substr(sound.find_last_of('/') + 1);
    s.m_strBrowserPath = kShownInstallDir + "helpview";
    view->WriteSettings();
    session.answer = [&](QDialog& d) {
        auto* prefs = qobject_cast<shell::CPreferencesDlg*>(&d);
        if (!prefs) return Session::DefaultAnswer(d);
        prefs->show();
        Settle(50);
        Save(Framed(prefs, prefs->windowTitle()), dir, "preferences.png");
        prefs->hide();
        return int(QDialog::Rejected);
    };
    frame->RouteCommand(ID_VIEW_PREFERENCES);
    session.answer = nullptr;

    // A printed page, its grid empty, as "Aperçu avant impression" shows
    // it, and the page options asked first.
    {
        OpenGrid(session, kPageGrid, installDir + "/Standard.dex", "Standard", 2);
        doc = session.Doc();
        print::PageOptions options;
        options.date = QDate(2026, 12, 8);
        const print::GridSheet sheet = print::TakeSheet(*doc);
        const print::SheetPages pages(sheet, options, QSizeF(210, 297));
        const int width = 460;
        const int height = width * 297 / 210;
        QImage page(width + 4, height + 4, QImage::Format_RGB32);
        page.fill(QColor(150, 150, 150));
        QPainter painter(&page);
        pages.Paint(painter, 0, QRectF(1, 1, width, height));
        painter.end();
        Save(page, dir, "page.png");
        session.answer = [&](QDialog& d) {
            auto* options = qobject_cast<shell::CPrintOptionsDlg*>(&d);
            if (!options) return Session::DefaultAnswer(d);
            options->show();
            Settle(20);
            Save(Framed(options, options->windowTitle()), dir, "mise-en-page.png");
            options->hide();
            return int(QDialog::Rejected);
        };
        frame->RouteCommand(ID_FILE_PRINT_PREVIEW);
        session.answer = nullptr;
    }
}

}  // namespace verbal::pictures
