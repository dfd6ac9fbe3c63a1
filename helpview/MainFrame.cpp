#include "MainFrame.h"

#include <QAction>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "HelpviewDoc.h"
#include "HelpviewIds.h"
#include "HelpviewView.h"

// Resources of a static library must be registered by hand, and outside
// any namespace.
static void InitHelpviewResources() {
    Q_INIT_RESOURCE(helpview);
}

namespace helpview {

namespace {
constexpr int kFrameWidth = 700;
constexpr int kFrameHeight = 550;
constexpr int kButtonSize = 64;
}  // namespace

CMainFrame::CMainFrame(CHelpviewDoc* pDoc, QWidget* parent) : QMainWindow(parent) {
    InitHelpviewResources();
    setWindowIcon(QIcon(QStringLiteral(":/helpview/icons/helpview.png")));
    setWindowTitle(pDoc->GetTitle());
    connect(pDoc, &CHelpviewDoc::titleChanged, this, &QWidget::setWindowTitle);

    m_pView = new CHelpviewView(pDoc, this);
    setCentralWidget(m_pView);

    m_pToolBar = new QToolBar(this);
    m_pToolBar->setObjectName(QStringLiteral("59392"));
    m_pToolBar->setMovable(false);
    m_pToolBar->setFloatable(false);
    m_pToolBar->setIconSize(QSize(kButtonSize, kButtonSize));
    m_pToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_pToolBar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    addToolBar(Qt::TopToolBarArea, m_pToolBar);

    const QString site = QStringLiteral("Connexion vers: ") + QString::fromUtf8(kAuthorSite);
    AddCommand(ID_NAV_HELP, "help", QStringLiteral("Aide de Verbaline 2000"),
               QStringLiteral("Aide de Verbaline 2000 "));
    AddCommand(ID_NAV_SITE, "site", site, site + QLatin1Char(' '));
    AddCommand(ID_NAV_OTHER, "other", QStringLiteral("Naviguer vers d'autres horizons..."),
               QStringLiteral("Naviguer vers d'autres horizons..."));
    m_pToolBar->addSeparator();
    AddCommand(ID_NAV_BACK, "back", QStringLiteral("Page Précédente"),
               QStringLiteral("Page Précédente "));
    AddCommand(ID_NAV_STOP, "stop", QStringLiteral("Arrêter le chargement"),
               QStringLiteral("Arrêter le chargement "));
    AddCommand(ID_NAV_FORWARD, "forward", QStringLiteral("Page Suivante"),
               QStringLiteral("Page Suivante "));
    m_pToolBar->addSeparator();
    AddCommand(ID_NAV_REFRESH, "refresh", QStringLiteral("Actualiser la page en cours "),
               QStringLiteral("Actualiser la page en cours "));
    AddCommand(ID_NAV_INFO, "info", QStringLiteral("Page d'information du navigateur"),
               QStringLiteral("Page d'information du navigateur "));
    AddCommand(ID_FILE_CLOSE, "quit", QStringLiteral("Quitter le Navigateur"),
               QStringLiteral("Quitter le Navigateur "));

    connect(Action(ID_NAV_HELP), &QAction::triggered, m_pView, &CHelpviewView::OnNavHelp);
    connect(Action(ID_NAV_SITE), &QAction::triggered, m_pView, &CHelpviewView::OnNavSite);
    connect(Action(ID_NAV_OTHER), &QAction::triggered, m_pView, &CHelpviewView::OnNavOther);
    connect(Action(ID_NAV_BACK), &QAction::triggered, m_pView, &CHelpviewView::OnNavBack);
    connect(Action(ID_NAV_STOP), &QAction::triggered, m_pView, &CHelpviewView::OnNavStop);
    connect(Action(ID_NAV_FORWARD), &QAction::triggered, m_pView,
            &CHelpviewView::OnNavForward);
    connect(Action(ID_NAV_REFRESH), &QAction::triggered, m_pView,
            &CHelpviewView::OnNavRefresh);
    connect(Action(ID_NAV_INFO), &QAction::triggered, m_pView, &CHelpviewView::OnNavInfo);
    connect(Action(ID_FILE_CLOSE), &QAction::triggered, this, &QWidget::close);
    // The arrows show whether there is a page to go back or forward to.
    Action(ID_NAV_BACK)->setEnabled(false);
    Action(ID_NAV_FORWARD)->setEnabled(false);
    connect(m_pView, &QTextBrowser::backwardAvailable, Action(ID_NAV_BACK),
            &QAction::setEnabled);
    connect(m_pView, &QTextBrowser::forwardAvailable, Action(ID_NAV_FORWARD),
            &QAction::setEnabled);

    // Ctrl+N and Ctrl+O are handled by the application. No key saves: the
    // document holds nothing, and saving would only empty the shown file.
    // Undo, cut, copy and paste are left to the view, which copies a
    // selection and changes nothing.
    AddAccelerator(ID_FILE_NEW, {QKeySequence(Qt::CTRL | Qt::Key_N)});
    AddAccelerator(ID_FILE_OPEN, {QKeySequence(Qt::CTRL | Qt::Key_O)});

    m_pIdle = new QLabel(QStringLiteral("Prêt"), this);
    statusBar()->setObjectName(QStringLiteral("59393"));
    statusBar()->addWidget(m_pIdle, 1);
    connect(m_pView, &CHelpviewView::statusMessage, this, [this](const QString& text) {
        if (text.isEmpty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(text);
    });

    CenterOnScreen();
}

QAction* CMainFrame::Action(int nId) const {
    auto it = m_actions.find(nId);
    return it == m_actions.end() ? nullptr : it->second;
}

QAction* CMainFrame::AddCommand(int nId, const char* pszIcon, const QString& strTip,
                                const QString& strPrompt) {
    QAction* action = new QAction(
        QIcon(QStringLiteral(":/helpview/icons/%1.png").arg(QLatin1String(pszIcon))), strTip,
        this);
    action->setData(nId);
    action->setObjectName(QString::number(nId));
    action->setToolTip(strTip);
    action->setStatusTip(strPrompt);
    m_pToolBar->addAction(action);
    m_actions[nId] = action;
    return action;
}

void CMainFrame::AddAccelerator(int nId, const QList<QKeySequence>& keys) {
    QAction* action = new QAction(this);
    action->setData(nId);
    action->setObjectName(QString::number(nId));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    m_actions[nId] = action;
}

void CMainFrame::CenterOnScreen() {
    resize(kFrameWidth, kFrameHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - kFrameWidth) / 2,
             area.y() + (area.height() - kFrameHeight) / 2);
    }
}

}  // namespace helpview
