#include "ConfirmDlg.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "DialogUnits.h"
#include "Modal.h"
#include "SmallDialogs.h"

namespace verbal::shell {

CConfirmDlg::CConfirmDlg(QWidget* parent, const QString& title, const QString& question)
    : QDialog(parent) {
    setWindowTitle(title);
    const CDialogUnits du = PrepareDialog(this, 278, 57);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(du.Rect(7, 4, 264, 27));
    auto* text = new QLabel(question, this);
    text->setTextFormat(Qt::PlainText);
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    text->setGeometry(du.Rect(11, 6, 256, 23));

    // The affirmative answer stands on the right.
    m_yes = new QPushButton(QStringLiteral("OUI"), this);
    m_yes->setDefault(true);
    m_yes->setGeometry(du.Rect(163, 36, 50, 14));
    connect(m_yes, &QPushButton::clicked, this, &QDialog::accept);
    m_no = new QPushButton(QStringLiteral("NON"), this);
    m_no->setAutoDefault(false);
    m_no->setGeometry(du.Rect(63, 36, 50, 14));
    connect(m_no, &QPushButton::clicked, this, &QDialog::reject);
    m_yes->setFocus();
}

bool CConfirmDlg::DoModal() { return RunModal(*this) == QDialog::Accepted; }

CRecalcConfirmDlg::CRecalcConfirmDlg(QWidget* parent)
    : CConfirmDlg(parent, QStringLiteral("Lancer un nouveau calcul de la grille."),
                  QStringLiteral("ATTENTION ! Cette grille a déjà été calculée. Êtes-vous sûr de "
                                 "vouloir la recalculer et perdre l'ancienne grille ?")) {}

CEraseConfirmDlg::CEraseConfirmDlg(QWidget* parent)
    : CConfirmDlg(parent, QStringLiteral("Effaçage de la grille"),
                  QStringLiteral("ATTENTION ! Cette fonction va effacer toutes les cases de cette "
                                 "grille. Êtes-vous sûr de vouloir continuer ?")) {
    CentreOnScreen(this, parent);
}

}  // namespace verbal::shell
