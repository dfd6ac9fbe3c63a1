// CMainFrame: the main window. Menus, toolbar, status bar with its clock,
// and the area that holds the grid windows. It routes every command to the
// active grid's view and document, to itself, then to the application.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QList>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "CommandMap.h"
#include "CommandRouter.h"

class QAction;
class QMdiArea;
class QMenu;
class QToolBar;

namespace verbal::shell {

class CChildFrame;
class CCluePanel;
class CStatusBar;
class CVerbalineApp;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(const CCommandMap* appCommands);
    ~CMainFrame() override;

    // Builds toolbar, status bar and menus; false if any part fails.
    bool LoadFrame();

    QMdiArea* MdiArea() const { return m_mdiArea; }
    CChildFrame* ActiveChild() const;
    QList<CChildFrame*> Children() const;
    // Puts a new grid window in the area, maximised and active.
    void AddChild(CChildFrame* child);
    // Closes the clue boxes of every grid window but |except|.
    void CloseDefinitionsBoxes(CChildFrame* except = nullptr);
    // The "Fenêtre" menu of the grid menus, which lists the grid windows.
    QMenu* WindowMenu() const { return m_windowMenu; }
    // How many grid windows that menu lists at most.
    static constexpr int kWindowListMax = 99;

    // Runs a command as a menu, a button or a key would.
    bool RouteCommand(int id);
    CCmdUI CommandState(int id) const { return m_router.Update(id); }
    // Runs the update handlers of every menu item and toolbar button.
    void UpdateCommandUI();

    // The menu set in force: the short one without a grid window, the full
    // one with.
    QList<QMenu*> CurrentMenus() const;
    bool ShowsGridMenus() const { return m_bGridMenus; }
    // The items of the current menus and toolbar that carry |id|.
    QList<QAction*> Actions(int id) const;
    QToolBar* ToolBar() const { return m_toolBar; }
    CStatusBar* StatusBarPanes() const { return m_statusBar; }

    // Position and size of the main window on a screen of |screen| pixels.
    static QRect InitialGeometry(QSize screen);

    // Menu notifications, as the window system sends them: a selection in a
    // menu (|closed| when the whole menu has gone), and a popup about to open.
    void OnMenuSelect(bool closed);
    void OnInitMenuPopup();
    bool MenuSelectSeen() const { return m_bMenuSelect; }

    // The recent-file entries of the "Fichier" menus: |menuTexts| gives the
    // text of each entry, most recent first (RecentFiles.cpp).
    void SetRecentFileSource(std::function<QStringList()> menuTexts);
    void UpdateRecentFileMenus();

    // The "Définitions" panel, the "Édition" menu and their keys
    // (MainFramePlay.cpp).
    CCluePanel* CluePanel() const { return m_cluePanel; }

    // The clock panes, refreshed every second.
    void UpdateClockPanes();
    int m_nDatePane = 4;
    int m_nTimePane = 5;

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    struct MenuItem {
        const char* text;  // nullptr: separator
        int id;
    };
    struct Popup {
        const char* title;
        std::vector<MenuItem> items;
    };
    QList<QMenu*> BuildMenus(const std::vector<Popup>& popups);
    QAction* MakeAction(const QString& text, int id);
    void HookMenu(QMenu* menu);
    void UpdateMenu(QMenu* menu);
    void ApplyState(QAction* action, const CCmdUI& ui);
    void BuildToolBar();
    void BuildStatusBar();
    void BuildAccelerators();
    void BuildCommandMap();
    void BuildPlayParts();
    void OnChildActivated();
    void SwitchMenus(bool grid);
    void UpdateTitle();
    void UpdateWindowMenu();
    void UpdateClockPane(int index, const QString& text);
    void ArrangeIcons();
    void AddRecentFileActions(QMenu* menu);
    std::vector<const CCommandMap*> Chain() const;

    const CCommandMap* m_appCommands;
    CCommandMap m_frameCommands;
    CCommandRouter m_router;
    QMdiArea* m_mdiArea = nullptr;
    QToolBar* m_toolBar = nullptr;
    CStatusBar* m_statusBar = nullptr;
    CCluePanel* m_cluePanel = nullptr;
    QList<QMenu*> m_mainMenus;
    QList<QMenu*> m_gridMenus;
    bool m_bGridMenus = false;
    std::multimap<int, QAction*> m_actions;
    int m_nTimer = 0;
    bool m_bClosePending = false;
    std::function<QStringList()> m_fnRecentFiles;
    QHash<QMenu*, QList<QAction*>> m_recentActions;  // entries 2..10 of each menu
    QMenu* m_windowMenu = nullptr;
    QList<QAction*> m_windowActions;  // the list of grid windows, separator first

    // The prompt pane while a menu is open.
    int m_nSavedPaneID = 0;
    unsigned m_nSavedPaneStyle = 0;
    int m_nSavedPaneWidth = -1;
    bool m_bMenuSelect = false;
};

}  // namespace verbal::shell
