// The main window: grid windows, menus, toolbar, status bar, routing.
#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QSet>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QToolBar>

#include "ShellFixture.h"
#include "StatusBar.h"

namespace verbal::test {
namespace {

using shell::CStatusBar;

// "text|id" for every item of a menu, "-" for a separator.
QStringList Items(const QMenu* menu) {
    QStringList items;
    for (const QAction* action : menu->actions())
        items << (action->isSeparator() ? QStringLiteral("-")
                                        : action->text() + "|" + action->data().toString());
    return items;
}

QStringList Titles(const QList<QMenu*>& menus) {
    QStringList titles;
    for (const QMenu* menu : menus) titles << menu->title();
    return titles;
}

TEST_F(ShellTest, StartsWithOneMaximisedEmptyGridWindow) {
    ASSERT_EQ(frame->Children().size(), 1);
    EXPECT_EQ(Child()->Title(), "GrilleNr1");
    EXPECT_EQ(Child()->windowTitle(), "GrilleNr1[*]");
    EXPECT_TRUE(Child()->isMaximized());
    EXPECT_EQ(ShownTitle(), "Verbaline 2000 - [GrilleNr1]");
    EXPECT_EQ(frame->size(), QSize(700, 550));
    EXPECT_FALSE(Doc()->GridReady());
    EXPECT_EQ(Doc()->GridSize(), 6);
    EXPECT_EQ(shell::CMainFrame::InitialGeometry(QSize(1024, 768)), QRect(162, 109, 700, 550));
}

TEST_F(ShellTest, NewWindowsAreNumberedAndBecomeActive) {
    frame->RouteCommand(ID_FILE_NEW);
    frame->RouteCommand(ID_FILE_NEW);
    ASSERT_EQ(frame->Children().size(), 3);
    EXPECT_EQ(Child()->Title(), "GrilleNr3");
    EXPECT_TRUE(Child()->isMaximized());
    Settle();
    EXPECT_EQ(ShownTitle(), "Verbaline 2000 - [GrilleNr3]");
}

TEST_F(ShellTest, GridMenusHoldEveryItemInOrder) {
    ASSERT_TRUE(frame->ShowsGridMenus());
    const QList<QMenu*> menus = frame->CurrentMenus();
    EXPECT_EQ(Titles(menus),
              QStringList({"&Fichier", "&Édition", "&Affichage", "Fe&nêtre", "Ai&de", "&Grille"}));
    EXPECT_EQ(Items(menus[0]),
              QStringList({"&Nouveau\tCtrl+N|57600", "&Ouvrir...\tCtrl+O|57601", "&Fermer|57602",
                           "&Enregistrer\tCtrl+S|57603", "En&registrer sous...|57604", "-",
                           "&Imprimer...\tCtrl+P|57607", "&Aperçu avant impression|57609",
                           "Exporter en &PDF...|32820", "Exporter au format ip&uz...|32821", "-",
                           "&Connexion au site|32791", "-", "Fichier récent|57616", "-",
                           "&Quitter|57665"}));
    EXPECT_EQ(Items(menus[1]),
              QStringList({"&Annuler\tCtrl+Z|57643", "&Rétablir\tCtrl+Y|57644"}));
    EXPECT_EQ(Items(menus[2]),
              QStringList({"&Barre d'outils|59392", "Barre d'é&tat|59393", "Dé&finitions|32800",
                           "&Préférences|32771", "&Actualiser|32774", "&Déplacement|32775",
                           "&Grille Info.|32776"}));
    EXPECT_EQ(Items(menus[3]), QStringList({"&Cascade|57650", "&Mosaïque|57651",
                                            "&Réorganiser les icônes|57649", "-",
                                            "&1 GrilleNr1|65280"}));
    EXPECT_EQ(Items(menus[4]), QStringList({"A&ide html de Verbaline 2000|32785",
                                            "&À propos de Verbaline 2000...|57664"}));
    EXPECT_EQ(Items(menus[5]), QStringList({"&Calculer|32777", "&Effacer|32778",
                                            "&Solution|32779", "&Informations|32790"}));
}

// The letter after "&", as Alt and that letter reach it.
QStringList Mnemonics(const QStringList& texts) {
    QStringList letters;
    for (const QString& text : texts) {
        const int at = text.indexOf(QLatin1Char('&'));
        if (at >= 0 && at + 1 < text.size()) letters << text.mid(at + 1, 1).toLower();
    }
    return letters;
}

bool AllDifferent(const QStringList& letters) {
    return QSet<QString>(letters.begin(), letters.end()).size() == letters.size();
}

TEST_F(ShellTest, NoTwoMenusOrItemsShareTheirLetter) {
    // Two menus with one letter: Alt and that letter opens the first only.
    const auto check = [&](const QList<QMenu*>& menus) {
        EXPECT_TRUE(AllDifferent(Mnemonics(Titles(menus)))) << Titles(menus).join(' ').toStdString();
        for (const QMenu* menu : menus) {
            QStringList texts;
            for (const QAction* action : menu->actions()) texts << action->text();
            EXPECT_TRUE(AllDifferent(Mnemonics(texts))) << texts.join(' ').toStdString();
        }
    };
    check(frame->CurrentMenus());
    Child()->close();
    Settle();
    ASSERT_FALSE(frame->ShowsGridMenus());
    check(frame->CurrentMenus());
}

TEST_F(ShellTest, WithoutGridWindowTheShortMenusAreShown) {
    Child()->close();
    Settle();
    ASSERT_TRUE(frame->Children().isEmpty());
    EXPECT_FALSE(frame->ShowsGridMenus());
    EXPECT_EQ(ShownTitle(), "Verbaline 2000");
    const QList<QMenu*> menus = frame->CurrentMenus();
    EXPECT_EQ(Titles(menus), QStringList({"&Fichier", "&Affichage", "&?"}));
    EXPECT_EQ(Items(menus[0]),
              QStringList({"&Nouveau\tCtrl+N|57600", "&Ouvrir...\tCtrl+O|57601", "-",
                           "Fichier récent|57616", "-", "&Quitter|57665"}));
    EXPECT_EQ(Items(menus[2]), QStringList({"&À propos de Verbaline...|57664"}));
    EXPECT_EQ(frame->menuBar()->actions().size(), 3);
    // Grid commands reach nobody now.
    EXPECT_FALSE(frame->CommandState(ID_GRID_COMPUTE).m_bEnabled);
    EXPECT_FALSE(frame->CommandState(ID_WINDOW_CASCADE).m_bEnabled);
    EXPECT_TRUE(frame->CommandState(ID_FILE_NEW).m_bEnabled);
}

TEST_F(ShellTest, ItemsOfAGridFollowWhetherItIsReady) {
    // Opening a menu runs the update handlers of its items.
    QMenu* grid = MenuTitled(QStringLiteral("&Grille"));
    emit grid->aboutToShow();
    EXPECT_TRUE(Enabled(ID_GRID_COMPUTE));
    for (int id : {ID_GRID_ERASE, ID_GRID_SOLUTION, ID_GRID_INFO, ID_VIEW_GRIDINFO, ID_FILE_SAVE,
                   ID_FILE_SAVE_AS, ID_FILE_MRU_FILE1})
        EXPECT_FALSE(Enabled(id)) << id;
    for (int id : {ID_VIEW_PREFERENCES, ID_VIEW_REFRESH, ID_VIEW_MOVE, ID_FILE_CLOSE, ID_HELP_HTML,
                   ID_FILE_SITE, ID_APP_ABOUT, ID_APP_EXIT, ID_WINDOW_CASCADE})
        EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_TRUE(frame->Actions(ID_VIEW_TOOLBAR)[0]->isChecked());
    EXPECT_FALSE(frame->Actions(ID_VIEW_MOVE)[0]->isChecked());

    OpenReadyGrid(*Doc(), {"AB#CD#", "BELLES", "#SAC#U", "OUI#AN", "RE#ODE", "#SIRE#"});
    frame->UpdateCommandUI();
    for (int id : {ID_GRID_ERASE, ID_GRID_SOLUTION, ID_GRID_INFO, ID_VIEW_GRIDINFO, ID_FILE_SAVE,
                   ID_FILE_SAVE_AS})
        EXPECT_TRUE(Enabled(id)) << id;
}

TEST_F(ShellTest, DisabledAndUnhandledCommandsDoNothing) {
    EXPECT_FALSE(frame->RouteCommand(ID_GRID_ERASE));  // no grid yet
    for (int id : {ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CUT, ID_EDIT_UNDO, ID_NEXT_PANE})
        EXPECT_FALSE(frame->RouteCommand(id)) << id;
    EXPECT_TRUE(dialogs.empty());
    EXPECT_TRUE(frame->RouteCommand(ID_VIEW_TOOLBAR));
    EXPECT_TRUE(frame->ToolBar()->isHidden());
    EXPECT_FALSE(frame->Actions(ID_VIEW_TOOLBAR)[0]->isChecked());
    EXPECT_TRUE(frame->RouteCommand(ID_VIEW_STATUS_BAR));
    EXPECT_TRUE(frame->StatusBarPanes()->isHidden());
}

TEST_F(ShellTest, ToolbarHoldsNineLargeButtonsInOrder) {
    QToolBar* bar = frame->ToolBar();
    EXPECT_EQ(bar->iconSize(), QSize(64, 64));
    QList<int> ids;
    for (QAction* action : bar->actions()) {
        ids << action->data().toInt();
        EXPECT_FALSE(action->icon().isNull());
        EXPECT_EQ(action->toolTip(), action->statusTip());
    }
    EXPECT_EQ(ids, QList<int>({57600, 57601, 57603, 32785, 32774, 32775, 32777, 32779, 32778}));
    EXPECT_EQ(bar->actions()[6]->statusTip(), "Lance le calcul de la grille.");
}

TEST_F(ShellTest, StatusBarHasSixPanesAndAClockAsWideAsItsText) {
    CStatusBar* bar = frame->StatusBarPanes();
    ASSERT_EQ(bar->PaneCount(), 6);
    const int expected[6] = {0, 59137, 59138, 59139, 111, 112};
    for (int i = 0; i < 6; ++i) {
        int id = -1;
        unsigned style = 0;
        int width = 0;
        bar->GetPaneInfo(i, id, style, width);
        EXPECT_EQ(id, expected[i]) << i;
        if (i >= 4) {
            EXPECT_FALSE(bar->GetPaneText(i).isEmpty());
            EXPECT_EQ(width, bar->TextWidth(bar->GetPaneText(i))) << i;
        }
    }
    EXPECT_EQ(bar->GetPaneText(0), "Pour l'aide, appuyez sur F1");
    EXPECT_EQ(frame->m_nDatePane, 4);
    EXPECT_EQ(frame->m_nTimePane, 5);
    EXPECT_TRUE(bar->GetPaneText(5).contains(':'));
}

TEST_F(ShellTest, PromptsOfItemsShowInThePromptPane) {
    CStatusBar* bar = frame->StatusBarPanes();
    QStatusTipEvent tip(QStringLiteral("Lance le calcul de la grille."));
    QApplication::sendEvent(frame, &tip);
    EXPECT_EQ(bar->GetPaneText(0), "Lance le calcul de la grille.");
    QStatusTipEvent none{QString()};
    QApplication::sendEvent(frame, &none);
    EXPECT_EQ(bar->GetPaneText(0), "Pour l'aide, appuyez sur F1");
    for (QAction* action : frame->Actions(ID_APP_EXIT))
        EXPECT_EQ(action->statusTip(),
                  "Ferme l'application ; propose d'enregistrer les grilles de Verbaline ");
}

TEST_F(ShellTest, PromptPaneWidensWhileAMenuIsOpenAndComesBack) {
    CStatusBar* bar = frame->StatusBarPanes();
    int id0 = 0, width0 = 0;
    unsigned style0 = 0;
    bar->GetPaneInfo(0, id0, style0, width0);
    const QRect dateBefore = bar->PaneRect(4);

    QMenu* file = frame->CurrentMenus()[0];
    file->popup(QPoint(10, 10));
    Settle();
    int id = 0, width = 0;
    unsigned style = 0;
    bar->GetPaneInfo(0, id, style, width);
    EXPECT_EQ(width, 16384);
    EXPECT_EQ(style, CStatusBar::SBPS_NOBORDERS | CStatusBar::SBPS_STRETCH);
    EXPECT_GT(bar->PaneRect(4).left(), bar->width());  // pushed out of sight

    // Moving on to a second popup keeps it wide; closing restores it.
    QMenu* view = frame->CurrentMenus()[1];
    file->hide();
    view->popup(QPoint(60, 10));
    Settle();
    bar->GetPaneInfo(0, id, style, width);
    EXPECT_EQ(width, 16384);
    view->hide();
    Settle();
    bar->GetPaneInfo(0, id, style, width);
    EXPECT_EQ(id, id0);
    EXPECT_EQ(style, style0);
    EXPECT_EQ(width, width0);
    EXPECT_EQ(bar->PaneRect(4), dateBefore);
    EXPECT_EQ(bar->GetPaneText(0), "Pour l'aide, appuyez sur F1");
}

TEST_F(ShellTest, APopupWithoutASelectionFirstDoesNotWiden) {
    CStatusBar* bar = frame->StatusBarPanes();
    frame->OnMenuSelect(false);
    frame->OnMenuSelect(true);  // closed: nothing was saved, still a selection
    frame->OnInitMenuPopup();
    int id = 0, width = 0;
    unsigned style = 0;
    bar->GetPaneInfo(0, id, style, width);
    EXPECT_EQ(width, 16384);
    frame->OnMenuSelect(true);
    EXPECT_FALSE(frame->MenuSelectSeen());
    frame->OnInitMenuPopup();  // no selection seen since the close
    bar->GetPaneInfo(0, id, style, width);
    EXPECT_NE(width, 16384);
}

TEST_F(ShellTest, AGridFileOnTheCommandLineIsReportedAndEndsTheProgram) {
    shell::CVerbalineApp other;
    EXPECT_FALSE(other.InitInstance({QStringLiteral("/nulle/part/grille.vbg")}));
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_TRUE(dialogs[0].text.contains("/nulle/part/grille.vbg"));
    other.MainFrame()->close();
}

TEST_F(ShellTest, ClosingAModifiedGridAsksAndCancelKeepsIt) {
    Doc()->SetModifiedFlag();
    answer = [](QDialog& d) {
        auto* box = qobject_cast<QMessageBox*>(&d);
        return box && box->button(QMessageBox::Cancel) ? int(QMessageBox::Cancel)
                                                       : int(QDialog::Rejected);
    };
    frame->close();
    Settle();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].text, "Enregistrer les modifications de GrilleNr1 ?");
    EXPECT_EQ(frame->Children().size(), 1);

    answer = nullptr;  // "Non"
    frame->RouteCommand(ID_FILE_CLOSE);
    Settle();
    EXPECT_TRUE(frame->Children().isEmpty());
}

}  // namespace
}  // namespace verbal::test
