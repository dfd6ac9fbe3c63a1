// The grid window's dialogs with real widgets: the letter picker, the
// definitions box, the victory box, the grid information, message boxes and
// sounds.
#pragma once

#include <QPointer>

#include "ViewHost.h"

class QWidget;

namespace verbal::shell {

class CDefinitionsDlg;

class CQtViewHost : public IViewHost {
public:
    explicit CQtViewHost(QWidget* view);
    ~CQtViewHost() override;

    bool RunLetterPicker(CLetterData& data, const QPoint& globalPos) override;
    void CreateDefinitionsBox(const CDefinitionsData& data, int position) override;
    void DestroyDefinitionsBox() override;
    void RunVictory() override;
    void RunGridInfo(const CGridInfoData& data) override;
    int MessageBox(const MessageBoxRequest& request) override;
    void PlaySoundFile(const std::string& path) override;

    // The definitions box while it exists.
    CDefinitionsDlg* DefinitionsBox() const;

private:
    QWidget* Owner() const;

    QPointer<QWidget> m_view;
    QPointer<CDefinitionsDlg> m_definitions;
};

// The grid information box, for the view's command and the document's
// error count alike.
void RunGridInfoDialog(QWidget* owner, const CGridInfoData& data);

}  // namespace verbal::shell
