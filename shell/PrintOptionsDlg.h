// "Mise en page" before printing or exporting: an empty grid or the player's
// letters, and where the solution goes. The choice is kept for the session.
#pragma once

#include <QDialog>

#include "PageLayout.h"

class QRadioButton;

namespace verbal::shell {

class CPrintOptionsDlg : public QDialog {
    Q_OBJECT
public:
    // |hasLetters|: the player has written letters (else that choice is
    // greyed and the grid printed empty).
    CPrintOptionsDlg(QWidget* parent, bool hasLetters);

    // The options chosen, once accepted; they become the next default.
    print::PageOptions Options() const;
    void accept() override;

private:
    QRadioButton* m_empty;
    QRadioButton* m_letters;
    QRadioButton* m_noSolution;
    QRadioButton* m_footSolution;
    QRadioButton* m_pageSolution;
};

}  // namespace verbal::shell
