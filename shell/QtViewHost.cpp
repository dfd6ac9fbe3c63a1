#include "QtViewHost.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "QtText.h"
#include "MessageBox.h"
#include "SmallDialogs.h"
#include "Sounds.h"

namespace verbal::shell {
void RunGridInfoDialog(QWidget* owner, const CGridInfoData& data) {
    CGridInfoDlg dlg(owner);
    static_cast<CGridInfoData&>(dlg) = data;
    dlg.DoModal();
}

CQtViewHost::CQtViewHost(QWidget* view) : m_view(view) {}

CQtViewHost::~CQtViewHost() { DestroyDefinitionsBox(); }

CDefinitionsDlg* CQtViewHost::DefinitionsBox() const { return m_definitions.data(); }

QWidget* CQtViewHost::Owner() const { return m_view ? m_view->window() : nullptr; }

bool CQtViewHost::RunLetterPicker(CLetterData& data, const QPoint& globalPos) {
    CLetterDlg dlg(Owner());
    static_cast<CLetterData&>(dlg) = data;
    const bool ok = dlg.DoModal(globalPos);
    data = static_cast<CLetterData&>(dlg);
    return ok;
}

void CQtViewHost::CreateDefinitionsBox(const CDefinitionsData& data, int position) {
    DestroyDefinitionsBox();
    m_definitions = new CDefinitionsDlg(Owner());
    static_cast<CDefinitionsData&>(*m_definitions) = data;
    QScreen* screen = m_view && m_view->screen() ? m_view->screen()
                                                 : QGuiApplication::primaryScreen();
    m_definitions->Create(position, screen ? screen->geometry() : QRect());
}

void CQtViewHost::DestroyDefinitionsBox() {
    delete m_definitions.data();
    m_definitions = nullptr;
}

void CQtViewHost::RunVictory() {
    CVictoryDlg dlg(Owner());
    dlg.DoModal();
}

void CQtViewHost::RunGridInfo(const CGridInfoData& data) { RunGridInfoDialog(Owner(), data); }

int CQtViewHost::MessageBox(const MessageBoxRequest& request) {
    return ShowMessageBox(request.owner == MsgOwner::View ? m_view.data() : Owner(),
                          FromBytes(request.text), FromBytes(request.caption), request.buttons,
                          request.icon);
}

void CQtViewHost::PlaySoundFile(const std::string& path) { PlayProgramSound(path); }

}  // namespace verbal::shell
