// The browser's window: no menu bar, a toolbar of large buttons, the view,
// and a status bar.
#pragma once

#include <QMainWindow>

#include <map>

class QAction;
class QLabel;
class QToolBar;

namespace helpview {

class CHelpviewDoc;
class CHelpviewView;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CHelpviewDoc* pDoc, QWidget* parent = nullptr);

    CHelpviewView* View() const { return m_pView; }
    QToolBar* ToolBar() const { return m_pToolBar; }
    // The action of a command id (toolbar button or accelerator).
    QAction* Action(int nId) const;

private:
    QAction* AddCommand(int nId, const char* pszIcon, const QString& strTip,
                        const QString& strPrompt);
    void AddAccelerator(int nId, const QList<QKeySequence>& keys);
    void CenterOnScreen();

    CHelpviewView* m_pView;
    QToolBar* m_pToolBar;
    QLabel* m_pIdle;
    std::map<int, QAction*> m_actions;
};

}  // namespace helpview
