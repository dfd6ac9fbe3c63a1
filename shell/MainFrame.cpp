#include "MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QLocale>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusTipEvent>
#include <QTime>
#include <QTimer>
#include <QToolBar>

#include "ChildFrame.h"
#include "Icons.h"
#include "QtDocumentHost.h"
#include "QtViewHost.h"
#include "SmallDialogs.h"
#include "StatusBar.h"
#include "Strings.h"
#include "VerbalineDoc.h"
#include "VerbalineView.h"

namespace verbal::shell {
namespace {

constexpr int kTimerPeriodMs = 1000;

// The session's formats; a session without a language of its own gets the
// French ones, like the rest of the program.
QLocale ClockLocale() {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::French, QLocale::France) : system;
}

QString TimeText(const QTime& time) {
    // The locale's time, to the second: the pane is refreshed every second.
    QString format = ClockLocale().timeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1Char('s'))) {
        const int minutes = format.lastIndexOf(QLatin1String("mm"));
        if (minutes >= 0) format.insert(minutes + 2, QLatin1String(":ss"));
    }
    return ClockLocale().toString(time, format);
}

}  // namespace

CMainFrame::CMainFrame(const CCommandMap* appCommands)
    : m_appCommands(appCommands), m_router([this] { return Chain(); }) {
    setWindowTitle(AppTitle());
    setWindowIcon(ProgramIcon(QStringLiteral("verbal")));
    setAcceptDrops(true);
}

CMainFrame::~CMainFrame() = default;

QRect CMainFrame::InitialGeometry(QSize screen) {
    return QRect((screen.width() - 700) / 2, (screen.height() - 550) / 2, 700, 550);
}

bool CMainFrame::LoadFrame() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect r = InitialGeometry(screen->size());
        resize(r.size());
        move(r.topLeft());
    } else {
        resize(700, 550);
    }

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setBackground(palette().brush(QPalette::Dark));
    setCentralWidget(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this] { OnChildActivated(); });

    BuildToolBar();
    BuildStatusBar();

    m_mainMenus = BuildMenus({
        {"&Fichier",
         {{"&Nouveau\tCtrl+N", ID_FILE_NEW},
          {"&Ouvrir...\tCtrl+O", ID_FILE_OPEN},
          {nullptr, 0},
          {"Fichier récent", ID_FILE_MRU_FILE1},
          {nullptr, 0},
          {"&Quitter", ID_APP_EXIT}}},
        {"&Affichage", {{"&Barre d'outils", ID_VIEW_TOOLBAR}, {"Barre d'é&tat", ID_VIEW_STATUS_BAR}}},
        {"&?", {{"&À propos de Verbaline...", ID_APP_ABOUT}}},
    });
    m_gridMenus = BuildMenus({
        {"&Fichier",
         {{"&Nouveau\tCtrl+N", ID_FILE_NEW},
          {"&Ouvrir...\tCtrl+O", ID_FILE_OPEN},
          {"&Fermer", ID_FILE_CLOSE},
          {"&Enregistrer\tCtrl+S", ID_FILE_SAVE},
          {"En&registrer sous...", ID_FILE_SAVE_AS},
          {nullptr, 0},
          {"&Imprimer...\tCtrl+P", ID_FILE_PRINT},
          {"&Aperçu avant impression", ID_FILE_PRINT_PREVIEW},
          {"Exporter en &PDF...", ID_FILE_EXPORT_PDF},
          {"Exporter au format ip&uz...", ID_FILE_EXPORT_IPUZ},
          {nullptr, 0},
          {"&Connexion au site", ID_FILE_SITE},
          {nullptr, 0},
          {"Fichier récent", ID_FILE_MRU_FILE1},
          {nullptr, 0},
          {"&Quitter", ID_APP_EXIT}}},
        {"&Affichage",
         {{"&Barre d'outils", ID_VIEW_TOOLBAR},
          {"Barre d'é&tat", ID_VIEW_STATUS_BAR},
          {"&Préférences", ID_VIEW_PREFERENCES},
          {"&Actualiser", ID_VIEW_REFRESH},
          {"&Déplacement", ID_VIEW_MOVE},
          {"&Grille Info.", ID_VIEW_GRIDINFO}}},
        {"Fe&nêtre",
         {{"&Cascade", ID_WINDOW_CASCADE},
          {"&Mosaïque", ID_WINDOW_TILE_HORZ},
          {"&Réorganiser les icônes", ID_WINDOW_ARRANGE}}},
        {"Ai&de",
         {{"A&ide html de Verbaline 2000", ID_HELP_HTML},
          {"&À propos de Verbaline 2000...", ID_APP_ABOUT}}},
        {"&Grille",
         {{"&Calculer", ID_GRID_COMPUTE},
          {"&Effacer", ID_GRID_ERASE},
          {"&Solution", ID_GRID_SOLUTION},
          {"&Informations", ID_GRID_INFO}}},
    });
    for (QMenu* menu : m_gridMenus)
        if (menu->title() == QStringLiteral("Fe&nêtre")) m_windowMenu = menu;
    if (m_windowMenu)
        connect(m_windowMenu, &QMenu::aboutToShow, this, [this] {
            UpdateWindowMenu();
            UpdateMenu(m_windowMenu);
        });
    SwitchMenus(false);
    BuildAccelerators();
    BuildCommandMap();
    BuildPlayParts();

    m_nTimer = startTimer(kTimerPeriodMs);
    UpdateClockPanes();
    UpdateCommandUI();
    return m_toolBar && m_statusBar && m_nTimer != 0;
}

QAction* CMainFrame::MakeAction(const QString& text, int id) {
    auto* action = new QAction(text, this);
    action->setData(id);
    const QString prompt = CommandPrompt(id);
    action->setStatusTip(prompt);
    action->setToolTip(prompt);
    connect(action, &QAction::triggered, this, [this, id] { RouteCommand(id); },
            Qt::QueuedConnection);
    m_actions.emplace(id, action);
    return action;
}

QList<QMenu*> CMainFrame::BuildMenus(const std::vector<Popup>& popups) {
    QList<QMenu*> menus;
    for (const Popup& popup : popups) {
        auto* menu = new QMenu(QString::fromUtf8(popup.title), this);
        for (const MenuItem& item : popup.items) {
            if (!item.text)
                menu->addSeparator();
            else
                menu->addAction(MakeAction(QString::fromUtf8(item.text), item.id));
            if (item.id == ID_FILE_MRU_FILE1) AddRecentFileActions(menu);
        }
        HookMenu(menu);
        menus.append(menu);
    }
    return menus;
}

void CMainFrame::HookMenu(QMenu* menu) {
    // A popup opening is first selected, then initialised: the items take
    // their state just before they are seen.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        OnMenuSelect(false);
        if (m_recentActions.contains(menu)) UpdateRecentFileMenus();
        UpdateMenu(menu);
        OnInitMenuPopup();
    });
    connect(menu, &QMenu::hovered, this, [this](QAction*) { OnMenuSelect(false); });
    connect(menu, &QMenu::aboutToHide, this, [this] {
        // Moving to the next popup hides this one first: the menu has closed
        // only when no popup is left once the events have settled.
        QTimer::singleShot(0, this, [this] {
            if (!QApplication::activePopupWidget()) OnMenuSelect(true);
        });
    });
}

void CMainFrame::BuildToolBar() {
    m_toolBar = new QToolBar(QStringLiteral("Barre d'outils"), this);
    m_toolBar->setObjectName(QStringLiteral("toolbar"));
    m_toolBar->setIconSize(QSize(64, 64));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->setMovable(true);
    m_toolBar->setFloatable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    static const struct {
        int id;
        const char* icon;
        const char* text;
    } kButtons[] = {
        {ID_FILE_NEW, "new", "Nouveau"},         {ID_FILE_OPEN, "open", "Ouvrir"},
        {ID_FILE_SAVE, "save", "Enregistrer"},   {ID_HELP_HTML, "help", "Aide"},
        {ID_VIEW_REFRESH, "refresh", "Actualiser"}, {ID_VIEW_MOVE, "move", "Déplacement"},
        {ID_GRID_COMPUTE, "compute", "Calculer"}, {ID_GRID_SOLUTION, "solution", "Solution"},
        {ID_GRID_ERASE, "erase", "Effacer"},
    };
    for (const auto& button : kButtons) {
        QAction* action = MakeAction(QString::fromUtf8(button.text), button.id);
        action->setIcon(ProgramIcon(QString::fromLatin1(button.icon)));
        m_toolBar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void CMainFrame::BuildStatusBar() {
    m_statusBar = new CStatusBar(this);
    setStatusBar(m_statusBar);
    // The four standard panes, then the date and the time.
    std::vector<int> ids = {CStatusBar::ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                            ID_INDICATOR_SCRL};
    ids.resize(6);
    ids[4] = ID_INDICATOR_DATE;
    ids[5] = ID_INDICATOR_TIME;
    m_nDatePane = 4;
    m_nTimePane = 5;
    m_statusBar->SetIndicators(ids);
    m_statusBar->SetPaneText(0, IdlePrompt());
}

void CMainFrame::BuildAccelerators() {
    static const struct {
        QKeySequence key;
        int id;
    } kKeys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), ID_FILE_NEW},
        {QKeySequence(Qt::CTRL | Qt::Key_O), ID_FILE_OPEN},
        {QKeySequence(Qt::CTRL | Qt::Key_S), ID_FILE_SAVE},
        {QKeySequence(Qt::CTRL | Qt::Key_P), ID_FILE_PRINT},
        {QKeySequence(Qt::Key_F1), ID_HELP_HTML},
        {QKeySequence(Qt::CTRL | Qt::Key_C), ID_EDIT_COPY},
        {QKeySequence(Qt::CTRL | Qt::Key_Insert), ID_EDIT_COPY},
        {QKeySequence(Qt::CTRL | Qt::Key_V), ID_EDIT_PASTE},
        {QKeySequence(Qt::SHIFT | Qt::Key_Insert), ID_EDIT_PASTE},
        {QKeySequence(Qt::CTRL | Qt::Key_X), ID_EDIT_CUT},
        {QKeySequence(Qt::SHIFT | Qt::Key_Delete), ID_EDIT_CUT},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), ID_EDIT_UNDO},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), ID_EDIT_UNDO},
        {QKeySequence(Qt::Key_F6), ID_NEXT_PANE},
        {QKeySequence(Qt::SHIFT | Qt::Key_F6), ID_PREV_PANE},
    };
    for (const auto& key : kKeys) {
        auto* shortcut = new QShortcut(key.key, this);
        shortcut->setContext(Qt::WindowShortcut);
        const int id = key.id;
        connect(shortcut, &QShortcut::activated, this, [this, id] { RouteCommand(id); },
                Qt::QueuedConnection);
    }
}

void CMainFrame::BuildCommandMap() {
    CCommandMap& m = m_frameCommands;
    m.On(ID_VIEW_TOOLBAR, [this] { m_toolBar->setVisible(m_toolBar->isHidden()); });
    m.OnUpdate(ID_VIEW_TOOLBAR, [this](CCmdUI& ui) { ui.SetCheck(m_toolBar->isHidden() ? 0 : 1); });
    m.On(ID_VIEW_STATUS_BAR, [this] { m_statusBar->setVisible(m_statusBar->isHidden()); });
    m.OnUpdate(ID_VIEW_STATUS_BAR,
               [this](CCmdUI& ui) { ui.SetCheck(m_statusBar->isHidden() ? 0 : 1); });
    m.On(ID_WINDOW_CASCADE, [this] { m_mdiArea->cascadeSubWindows(); });
    m.On(ID_WINDOW_TILE_HORZ, [this] { m_mdiArea->tileSubWindows(); });
    m.On(ID_WINDOW_ARRANGE, [this] { ArrangeIcons(); });
    auto anyChild = [this](CCmdUI& ui) { ui.Enable(ActiveChild() != nullptr); };
    m.OnUpdate(ID_WINDOW_CASCADE, anyChild);
    m.OnUpdate(ID_WINDOW_TILE_HORZ, anyChild);
    m.OnUpdate(ID_WINDOW_ARRANGE, anyChild);
    for (int i = 0; i < kWindowListMax; ++i) {
        m.On(ID_WINDOW_FIRST + i, [this, i] {
            const QList<CChildFrame*> children = Children();
            if (i < children.size()) m_mdiArea->setActiveSubWindow(children[i]);
        });
        m.OnUpdate(ID_WINDOW_FIRST + i, [this, i](CCmdUI& ui) {
            const QList<CChildFrame*> children = Children();
            ui.Enable(i < children.size());
            ui.SetCheck(i < children.size() && children[i] == ActiveChild() ? 1 : 0);
        });
    }
}

std::vector<const CCommandMap*> CMainFrame::Chain() const {
    std::vector<const CCommandMap*> chain;
    if (CChildFrame* child = ActiveChild()) {
        chain.push_back(&child->GetView()->CommandMap());
        chain.push_back(&child->DocCommandMap());
    }
    chain.push_back(&m_frameCommands);
    chain.push_back(m_appCommands);
    return chain;
}

CChildFrame* CMainFrame::ActiveChild() const {
    if (!m_mdiArea) return nullptr;
    if (auto* child = qobject_cast<CChildFrame*>(m_mdiArea->currentSubWindow())) return child;
    const auto windows = m_mdiArea->subWindowList(QMdiArea::ActivationHistoryOrder);
    return windows.isEmpty() ? nullptr : qobject_cast<CChildFrame*>(windows.last());
}

QList<CChildFrame*> CMainFrame::Children() const {
    QList<CChildFrame*> children;
    if (!m_mdiArea) return children;
    for (QMdiSubWindow* w : m_mdiArea->subWindowList(QMdiArea::CreationOrder))
        if (auto* child = qobject_cast<CChildFrame*>(w)) children.append(child);
    return children;
}

void CMainFrame::AddChild(CChildFrame* child) {
    m_mdiArea->addSubWindow(child);
    connect(child, &CChildFrame::commandDone, this, [this] { UpdateCommandUI(); });
    connect(child, &CChildFrame::titleChanged, this, [this] { UpdateTitle(); });
    // Maximising or restoring a grid window lets the window system rewrite
    // the main title; it is set again once that is done.
    connect(child, &QMdiSubWindow::windowStateChanged, this,
            [this] { QTimer::singleShot(0, this, [this] { UpdateTitle(); }); });
    connect(child, &QObject::destroyed, this,
            [this] { QTimer::singleShot(0, this, [this] { OnChildActivated(); }); });

    // The grid window's own system menu tells the main frame about its
    // selections, after its own handling, as posted notifications.
    if (QMenu* system = child->systemMenu()) {
        connect(system, &QMenu::aboutToShow, this, [this] {
            OnMenuSelect(false);
            OnInitMenuPopup();
        }, Qt::QueuedConnection);
        connect(system, &QMenu::hovered, this, [this] { OnMenuSelect(false); },
                Qt::QueuedConnection);
        connect(system, &QMenu::aboutToHide, this, [this] {
            QTimer::singleShot(0, this, [this] {
                if (!QApplication::activePopupWidget()) OnMenuSelect(true);
            });
        });
    }
    child->ActivateFrame();
    m_mdiArea->setActiveSubWindow(child);
    OnChildActivated();
}

void CMainFrame::OnChildActivated() {
    SwitchMenus(!Children().isEmpty());
    // A grid window that is no longer active keeps no clue box on screen.
    CloseDefinitionsBoxes(ActiveChild());
    UpdateTitle();
    UpdateWindowMenu();
    UpdateCommandUI();
    // The area finishes the activation (maximising, restoring the old title)
    // after telling it: the title is set again once it is done.
    QTimer::singleShot(0, this, [this] { UpdateTitle(); });
}

void CMainFrame::CloseDefinitionsBoxes(CChildFrame* except) {
    for (CChildFrame* child : Children())
        if (child != except) child->GetView()->DestroyDefinitionsBox();
}

void CMainFrame::UpdateWindowMenu() {
    if (!m_windowMenu) return;
    for (QAction* action : m_windowActions) {
        m_windowMenu->removeAction(action);
        delete action;
    }
    m_windowActions.clear();
    const QList<CChildFrame*> children = Children();
    if (children.isEmpty()) return;
    m_windowActions.append(m_windowMenu->addSeparator());
    CChildFrame* active = ActiveChild();
    for (int i = 0; i < children.size() && i < kWindowListMax; ++i) {
        // Numbered as they were opened; the first nine get their number as
        // their key. A name is shown as written: its '&' is no key.
        QString name = children[i]->Title();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString number = (i < 9 ? QStringLiteral("&") : QString()) + QString::number(i + 1);
        auto* action = new QAction(number + QLatin1Char(' ') + name, m_windowMenu);
        action->setData(ID_WINDOW_FIRST + i);
        action->setCheckable(true);
        action->setChecked(children[i] == active);
        action->setStatusTip(QStringLiteral("Active cette fenêtre"));
        const int id = ID_WINDOW_FIRST + i;
        connect(action, &QAction::triggered, this, [this, id] { RouteCommand(id); },
                Qt::QueuedConnection);
        m_windowMenu->addAction(action);
        m_windowActions.append(action);
    }
}

void CMainFrame::SwitchMenus(bool grid) {
    if (grid == m_bGridMenus && !menuBar()->actions().isEmpty()) return;
    m_bGridMenus = grid;
    menuBar()->clear();
    for (QMenu* menu : grid ? m_gridMenus : m_mainMenus) menuBar()->addMenu(menu);
}

QList<QMenu*> CMainFrame::CurrentMenus() const { return m_bGridMenus ? m_gridMenus : m_mainMenus; }

QList<QAction*> CMainFrame::Actions(int id) const {
    QList<QAction*> found;
    auto range = m_actions.equal_range(id);
    for (auto it = range.first; it != range.second; ++it) {
        QAction* action = it->second;
        const QMenu* owner = nullptr;
        for (QMenu* menu : CurrentMenus())
            if (menu->actions().contains(action)) owner = menu;
        if (owner || m_toolBar->actions().contains(action)) found.append(action);
    }
    return found;
}

void CMainFrame::UpdateTitle() {
    // The program's name, then the active grid's, once, maximised or not.
    // A maximised grid window adds " - [its title]" to a title that does not
    // end so already: this one does, and stays as it is.
    CChildFrame* child = ActiveChild();
    const QString title =
        child ? AppTitle() + QStringLiteral(" - [") + child->windowTitle() + QLatin1Char(']')
              : AppTitle();
    if (windowTitle() != title) setWindowTitle(title);
    setWindowModified(child && child->isWindowModified());
}

void CMainFrame::ApplyState(QAction* action, const CCmdUI& ui) {
    action->setEnabled(ui.m_bEnabled);
    if (ui.m_bCheckable) {
        action->setCheckable(true);
        action->setChecked(ui.m_nCheck == 1);
    }
}

void CMainFrame::UpdateMenu(QMenu* menu) {
    for (QAction* action : menu->actions())
        if (!action->isSeparator()) ApplyState(action, m_router.Update(action->data().toInt()));
}

void CMainFrame::UpdateCommandUI() {
    for (auto& [id, action] : m_actions) ApplyState(action, m_router.Update(id));
}

bool CMainFrame::RouteCommand(int id) {
    const bool ran = m_router.Execute(id);
    UpdateCommandUI();
    if (m_bClosePending) {
        bool computing = false;
        for (CChildFrame* child : Children()) computing = computing || child->IsComputing();
        if (!computing) {
            m_bClosePending = false;
            QTimer::singleShot(0, this, [this] { close(); });
        }
    }
    return ran;
}

void CMainFrame::OnMenuSelect(bool closed) {
    if (closed && m_nSavedPaneWidth != -1) {
        m_bMenuSelect = false;
        m_statusBar->SetPaneInfo(0, m_nSavedPaneID, m_nSavedPaneStyle, m_nSavedPaneWidth);
        m_nSavedPaneWidth = -1;
    } else {
        m_bMenuSelect = true;
    }
    if (closed) m_statusBar->SetPaneText(0, IdlePrompt());
}

void CMainFrame::OnInitMenuPopup() {
    if (m_nSavedPaneWidth == -1 && m_bMenuSelect) {
        int id = 0;
        unsigned style = 0;
        int width = 0;
        m_statusBar->GetPaneInfo(0, id, style, width);
        m_nSavedPaneID = id;
        m_nSavedPaneStyle = style;
        m_nSavedPaneWidth = width;
        m_statusBar->SetPaneInfo(0, id, CStatusBar::SBPS_NOBORDERS | CStatusBar::SBPS_STRETCH,
                                 16384);
    }
}

void CMainFrame::UpdateClockPane(int index, const QString& text) {
    int id = 0;
    unsigned style = 0;
    int width = 0;
    m_statusBar->GetPaneInfo(index, id, style, width);
    m_statusBar->SetPaneInfo(index, id, style, m_statusBar->TextWidth(text));
    m_statusBar->SetPaneText(index, text);
}

void CMainFrame::UpdateClockPanes() {
    UpdateClockPane(m_nDatePane,
                    ClockLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    UpdateClockPane(m_nTimePane, TimeText(QTime::currentTime()));
}

void CMainFrame::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_nTimer) {
        QMainWindow::timerEvent(event);
        return;
    }
    UpdateClockPanes();
    UpdateCommandUI();
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (m_statusBar) m_statusBar->SetPaneText(0, tip.isEmpty() ? IdlePrompt() : tip);
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::changeEvent(QEvent* event) {
    // Another program's window came in front: the clue boxes go, unless it
    // is one of them that the user clicked.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        QWidget* active = QApplication::activeWindow();
        bool clueBox = false;
        for (CChildFrame* child : Children())
            if (active && active == child->ViewHost()->DefinitionsBox()) clueBox = true;
        if (!clueBox) CloseDefinitionsBoxes();
    }
    QMainWindow::changeEvent(event);
}

void CMainFrame::ArrangeIcons() {
    // Minimised grid windows line up along the bottom edge.
    int x = 0;
    for (QMdiSubWindow* w : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (!w->isMinimized()) continue;
        w->move(x, m_mdiArea->viewport()->height() - w->height());
        x += w->width();
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    const QList<CChildFrame*> children = Children();
    bool computing = false;
    for (CChildFrame* child : children)
        if (child->IsComputing()) computing = true;
    if (computing) {
        // Stop the computations first; the window closes once they return.
        for (CChildFrame* child : children)
            if (child->IsComputing()) child->Host()->PressStop();
        m_bClosePending = true;
        event->ignore();
        return;
    }
    for (CChildFrame* child : children)
        if (!child->SaveModified()) {
            event->ignore();
            return;
        }
    for (CChildFrame* child : children) child->CloseWithoutAsking();
    if (m_nTimer) killTimer(m_nTimer);
    m_nTimer = 0;
    QMainWindow::closeEvent(event);
}

}  // namespace verbal::shell
