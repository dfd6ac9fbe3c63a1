#include "AboutDlg.h"

#include <QLabel>
#include <QPushButton>

#include "DialogUnits.h"
#include "Icons.h"
#include "Modal.h"

namespace verbal::shell {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("À propos de Verbaline 2000"));
    const CDialogUnits du = PrepareDialog(this, 229, 128);

    auto* banner = new QLabel(this);
    const QRect bannerRect = du.Rect(6, 6, 217, 60);
    banner->setGeometry(bannerRect);
    banner->setPixmap(RenderPicture(QStringLiteral("banner"), bannerRect.size()));

    auto* icon = new QLabel(this);
    const QRect iconRect = du.Rect(10, 74, 21, 21);
    const int side = std::min(iconRect.width(), iconRect.height());
    icon->setGeometry(iconRect.x(), iconRect.y(), side, side);
    icon->setPixmap(RenderPicture(QStringLiteral("verbal"), QSize(side, side)));

    auto* version = new QLabel(
        QStringLiteral("Verbaline 2000 Version 1.0   © 2000-2026 Quillsoft"), this);
    version->setGeometry(du.Rect(38, 74, 185, 10));
    auto* more = new QLabel(
        QStringLiteral("Des grilles de mots croisés calculées pour vous, avec leurs définitions."),
        this);
    more->setWordWrap(true);
    more->setGeometry(du.Rect(38, 86, 185, 18));

    auto* close = new QPushButton(QStringLiteral("Fermer"), this);
    close->setDefault(true);
    close->setGeometry(du.Rect(90, 108, 50, 14));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void CAboutDlg::DoModal() { RunModal(*this); }

}  // namespace verbal::shell
