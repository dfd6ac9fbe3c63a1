// What the main window adds for playing from the keyboard: the
// "Définitions" panel on the right, the "Édition" menu with undo and redo,
// and their keys.
#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QShortcut>

#include "ChildFrame.h"
#include "CluePanel.h"
#include "MainFrame.h"
#include "VerbalineView.h"

namespace verbal::shell {

void CMainFrame::BuildPlayParts() {
    m_cluePanel = new CCluePanel(this);
    addDockWidget(Qt::RightDockWidgetArea, m_cluePanel);
    const bool visible = CCluePanel::SavedVisible();
    m_cluePanel->setVisible(visible);
    m_cluePanel->toggleViewAction()->setChecked(visible);
    // The panel's own close button counts as the menu's choice.
    connect(m_cluePanel->toggleViewAction(), &QAction::toggled, this,
            [](bool shown) { CCluePanel::SaveVisible(shown); });

    auto follow = [this] {
        CChildFrame* child = ActiveChild();
        if (child)
            connect(child, &CChildFrame::commandDone, m_cluePanel, &CCluePanel::Refresh,
                    Qt::UniqueConnection);
        m_cluePanel->SetView(child ? child->GetView() : nullptr);
    };
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, follow);

    CCommandMap& m = m_frameCommands;
    m.On(ID_VIEW_CLUES, [this] {
        const bool show = m_cluePanel->isHidden();
        m_cluePanel->setVisible(show);
        CCluePanel::SaveVisible(show);
    });
    m.OnUpdate(ID_VIEW_CLUES, [this](CCmdUI& ui) { ui.SetCheck(m_cluePanel->isHidden() ? 0 : 1); });

    // "Définitions" beside the other bars of "Affichage", in both menu sets.
    for (const QList<QMenu*>* menus : {&m_mainMenus, &m_gridMenus}) {
        QMenu* view = menus->value(1);
        if (!view) continue;
        const QList<QAction*> items = view->actions();
        QAction* before = items.size() > 2 ? items[2] : nullptr;
        view->insertAction(before, MakeAction(QStringLiteral("Dé&finitions"), ID_VIEW_CLUES));
    }

    // "Édition" where every program has it, after "Fichier".
    auto* edit = new QMenu(QStringLiteral("&Édition"), this);
    edit->addAction(MakeAction(QStringLiteral("&Annuler\tCtrl+Z"), ID_EDIT_UNDO));
    edit->addAction(MakeAction(QStringLiteral("&Rétablir\tCtrl+Y"), ID_EDIT_REDO));
    HookMenu(edit);
    m_gridMenus.insert(1, edit);

    // Ctrl+Z is among the program's first keys already.
    for (const QKeySequence& key :
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] { RouteCommand(ID_EDIT_REDO); },
                Qt::QueuedConnection);
    }
}

}  // namespace verbal::shell
