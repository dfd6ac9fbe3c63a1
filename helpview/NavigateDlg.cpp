#include "NavigateDlg.h"

#include <QFileDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace helpview {

namespace {
// Buttons of a dialog template are 50 x 14 units unless said otherwise.
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
}  // namespace

QRect CNavigateDlg::DialogUnits(const QFont& font, int x, int y, int cx, int cy) {
    const QFontMetrics metrics(font);
    // The average width is that of the 52 letters, rounded, as dialog
    // templates have always measured it.
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const int baseX = (letters / 26 + 1) / 2;
    const int baseY = metrics.height();
    return QRect(x * baseX / 4, y * baseY / 8, cx * baseX / 4, cy * baseY / 8);
}

CNavigateDlg::CNavigateDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Navigation vers"));
    const QFont dialogFont = font();
    setFixedSize(DialogUnits(dialogFont, 0, 0, 249, 63).size());

    m_pText = new QLabel(
        QStringLiteral("Saisissez une adresse internet dans le cadre ci-dessous ou cliquez "
                       "sur le bouton Parcourir pour ouvrir un fichier local."),
        this);
    m_pText->setWordWrap(true);
    m_pText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pText->setGeometry(DialogUnits(dialogFont, 9, 1, 232, 18));

    m_pAddress = new QLineEdit(this);
    m_pAddress->setObjectName(QStringLiteral("1000"));
    m_pAddress->setGeometry(DialogUnits(dialogFont, 9, 21, 232, 14));

    m_pOk = new QPushButton(QStringLiteral("Appliquer"), this);
    m_pOk->setDefault(true);
    m_pOk->setGeometry(DialogUnits(dialogFont, 34, 42, kButtonWidth, kButtonHeight));
    m_pCancel = new QPushButton(QStringLiteral("Annuler"), this);
    m_pCancel->setGeometry(DialogUnits(dialogFont, 100, 42, kButtonWidth, kButtonHeight));
    m_pBrowse = new QPushButton(QStringLiteral("Parcourir"), this);
    m_pBrowse->setObjectName(QStringLiteral("1001"));
    m_pBrowse->setGeometry(DialogUnits(dialogFont, 166, 42, kButtonWidth, kButtonHeight));

    connect(m_pOk, &QPushButton::clicked, this, &CNavigateDlg::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &CNavigateDlg::reject);
    connect(m_pBrowse, &QPushButton::clicked, this, &CNavigateDlg::OnBrowse);

    m_fnChooseFile = [](QWidget* owner) {
        // Every file, with or without a dot in its name.
        return QFileDialog::getOpenFileName(owner, QStringLiteral("Ouvrir un fichier"),
                                            QString(),
                                            QStringLiteral("Tous les fichiers (*)"));
    };
}

void CNavigateDlg::OnInitDialog() {
    m_pAddress->setText(m_strAddress);
    m_pAddress->selectAll();
    m_pAddress->setFocus();
}

int CNavigateDlg::exec() {
    OnInitDialog();
    return QDialog::exec();
}

void CNavigateDlg::OnBrowse() {
    const QString file = m_fnChooseFile ? m_fnChooseFile(this) : QString();
    if (file.isEmpty()) return;
    m_strAddress = file;
    OnInitDialog();
}

void CNavigateDlg::accept() {
    m_strAddress = m_pAddress->text();
    QDialog::accept();
}

}  // namespace helpview
