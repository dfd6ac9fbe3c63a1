// CChildFrame: the window of one grid inside the main window, always
// maximised. It owns the grid's document, the view that shows it and the
// document's way to the screen.
#pragma once

#include <QMdiSubWindow>
#include <functional>
#include <memory>

#include "CommandMap.h"

namespace verbal {
class CVerbalineDoc;
class CVerbalineView;
}  // namespace verbal

namespace verbal::shell {

class CQtDocumentHost;
class CQtViewHost;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // |title| is the document's title ("GrilleNr1"); |mainWindow| is the
    // window a computation disables.
    CChildFrame(const QString& title, std::function<QWidget*()> mainWindow);
    ~CChildFrame() override;

    CVerbalineDoc* GetDocument() const { return m_doc.get(); }
    CVerbalineView* GetView() const { return m_view; }
    CQtDocumentHost* Host() const { return m_host.get(); }
    CQtViewHost* ViewHost() const { return m_viewHost.get(); }
    QString Title() const { return m_strTitle; }
    // The name as a window title: shown as it is, with the mark of unsaved
    // changes after it.
    static QString WindowTitleFor(const QString& name);
    // The grid's file, absolute; empty until it is saved or opened.
    QString PathName() const { return m_strPathName; }
    // Names the grid after its file.
    void SetPathName(const QString& path);

    // The document's commands: "Calculer", "Effacer", "Solution", closing
    // and saving.
    const CCommandMap& DocCommandMap() const { return m_docCommands; }

    // Shows the frame maximised, whatever was asked.
    void ActivateFrame();
    // Asks whether to save a modified grid; false when the user cancels (or
    // the grid could not be saved), so the window must stay.
    bool SaveModified();
    // "Enregistrer" (asks a name only for a grid without a file) and
    // "Enregistrer sous..."; true once the grid is in its file.
    bool DoFileSave();
    bool DoSave(bool askName);
    bool IsComputing() const;
    // A close asked for during a computation presses the stop button and
    // happens once the computation has ended.
    bool ClosePending() const { return m_bClosePending; }
    // Closes once the save question has already been answered.
    void CloseWithoutAsking() {
        m_bCloseAsked = true;
        close();
    }

signals:
    // A command of the document has ended; menus and buttons may change.
    void commandDone();
    // The grid was saved under a name (it belongs in the recent files).
    void pathNameChanged(const QString& path);
    // The name or the modified mark of the title changed.
    void titleChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OnCalculer();
    void RunDocCommand(void (CVerbalineDoc::*command)());
    void BuildCommandMap();

    QString m_strTitle;
    QString m_strPathName;
    std::unique_ptr<CVerbalineDoc> m_doc;
    CVerbalineView* m_view;
    std::unique_ptr<CQtDocumentHost> m_host;
    std::unique_ptr<CQtViewHost> m_viewHost;
    CCommandMap m_docCommands;
    bool m_bClosePending = false;
    bool m_bCloseAsked = false;  // the save question was answered for this close
};

}  // namespace verbal::shell
