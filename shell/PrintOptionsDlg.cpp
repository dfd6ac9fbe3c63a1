#include "PrintOptionsDlg.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace verbal::shell {
namespace {

// The last choice, for the next page of the session.
print::PageOptions& Last() {
    static print::PageOptions options;
    return options;
}

}  // namespace

CPrintOptionsDlg::CPrintOptionsDlg(QWidget* parent, bool hasLetters) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Mise en page"));
    auto* layout = new QVBoxLayout(this);

    auto* grid = new QGroupBox(QStringLiteral("Grille"), this);
    auto* gridLayout = new QVBoxLayout(grid);
    m_empty = new QRadioButton(QStringLiteral("Grille &vide"), grid);
    m_letters = new QRadioButton(QStringLiteral("Avec les &lettres du joueur"), grid);
    gridLayout->addWidget(m_empty);
    gridLayout->addWidget(m_letters);
    m_letters->setEnabled(hasLetters);
    (Last().playerLetters && hasLetters ? m_letters : m_empty)->setChecked(true);
    layout->addWidget(grid);

    auto* solution = new QGroupBox(QStringLiteral("Solution"), this);
    auto* solutionLayout = new QVBoxLayout(solution);
    m_noSolution = new QRadioButton(QStringLiteral("&Sans la solution"), solution);
    m_footSolution = new QRadioButton(QStringLiteral("En petit au &pied de la page"), solution);
    m_pageSolution = new QRadioButton(QStringLiteral("Sur une page à &part"), solution);
    solutionLayout->addWidget(m_noSolution);
    solutionLayout->addWidget(m_footSolution);
    solutionLayout->addWidget(m_pageSolution);
    switch (Last().solution) {
    case print::SolutionPlace::None: m_noSolution->setChecked(true); break;
    case print::SolutionPlace::Foot: m_footSolution->setChecked(true); break;
    case print::SolutionPlace::OwnPage: m_pageSolution->setChecked(true); break;
    }
    layout->addWidget(solution);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

print::PageOptions CPrintOptionsDlg::Options() const {
    print::PageOptions options;
    options.playerLetters = m_letters->isChecked();
    options.solution = m_footSolution->isChecked()   ? print::SolutionPlace::Foot
                       : m_pageSolution->isChecked() ? print::SolutionPlace::OwnPage
                                                     : print::SolutionPlace::None;
    return options;
}

void CPrintOptionsDlg::accept() {
    const bool letters = Last().playerLetters;
    Last() = Options();
    // A grid without letters does not forget that the user wanted them.
    if (!m_letters->isEnabled()) Last().playerLetters = letters;
    QDialog::accept();
}

}  // namespace verbal::shell
