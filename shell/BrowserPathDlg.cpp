#include "BrowserPathDlg.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>

#include "DialogUnits.h"
#include "Modal.h"
#include "QtText.h"

namespace verbal::shell {

CBrowserPathDlg::CBrowserPathDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Navigateur html"));
    m_fnGetOpenFileName = SystemOpenFileName;
    const CDialogUnits du = PrepareDialog(this, 294, 170);
    UseTemplateFrames(this);

    m_editMessage = new QTextEdit(this);
    m_editMessage->setAcceptRichText(false);
    m_editMessage->document()->setDefaultFont(font());
    m_editMessage->setReadOnly(true);
    m_editMessage->setGeometry(du.Rect(6, 0, 281, 118));

    auto* frame = new QGroupBox(QStringLiteral("Chemin d'accès au navigateur html :"), this);
    frame->setGeometry(du.Rect(6, 120, 281, 27));
    m_editPath = new QLineEdit(this);
    m_editPath->setGeometry(du.Rect(11, 129, 218, 12));
    auto* browse = new QPushButton(QStringLiteral("Parcourir"), this);
    browse->setAutoDefault(false);
    browse->setGeometry(du.Rect(234, 128, 50, 14));
    m_browse = browse;
    connect(browse, &QPushButton::clicked, this, [this] { OnBrowse(); });

    auto* ok = new QPushButton(QStringLiteral("Appliquer"), this);
    ok->setDefault(true);
    ok->setGeometry(du.Rect(72, 152, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(QStringLiteral("Annuler"), this);
    cancel->setAutoDefault(false);
    cancel->setGeometry(du.Rect(171, 152, 50, 14));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_editPath->setFocus();
}

QWidget* CBrowserPathDlg::GetDlgItem(int id) const {
    switch (id) {
    case IDC_PATH: return m_editPath;
    case IDC_MESSAGE: return m_editMessage;
    case IDC_BROWSE: return m_browse;
    default: return nullptr;
    }
}

void CBrowserPathDlg::OnInitDialog() {
    m_editPath->setText(FromBytes(m_strBrowserPath));
    m_editMessage->setPlainText(FromBytes(m_strMessage));
}

bool CBrowserPathDlg::DoModal() {
    OnInitDialog();
    return RunModal(*this) == QDialog::Accepted;
}

void CBrowserPathDlg::OnBrowse() {
    const QString chosen = m_fnGetOpenFileName(this, QStringLiteral("Recherche du Navigateur HTML:"),
                                               QString(), BrowserFileFilter());
    std::string bytes;
    if (chosen.isEmpty() || !CheckProgramFile(this, chosen) || !ToSettingsPath(this, chosen, bytes))
        return;
    m_strBrowserPath = bytes;
    OnInitDialog();
}

void CBrowserPathDlg::accept() {
    std::string bytes;
    if (!ToSettingsPath(this, m_editPath->text(), bytes)) {
        m_editPath->setFocus();
        return;
    }
    m_strBrowserPath = bytes;
    QDialog::accept();
}

}  // namespace verbal::shell
