// "Effacer" and "Solution": erasing the player's letters, and help that is
// rationed by the number of correct letters already placed.
#include "Codepage.h"
#include "VerbalineDoc.h"

namespace verbal {

void CVerbalineDoc::OnEffacer() {
    if (m_pHost && m_pHost->RunEraseConfirm()) {
        PlayIfSet(m_settings.m_strSound[3]);
        SetModifiedFlag();
        const CPlayerState before = PlayerState();
        m_grid.ClearPlayer();
        m_grid.CopyBlackSquares();
        EndPlayerStep(before);
    }
    // Repainted whatever the answer.
    if (m_pHost) m_pHost->InvalidateAll(true);
}

void CVerbalineDoc::OnSolution() {
    if (!m_pHost) return;
    int choice = 0;
    m_pHost->RunSolutionChoice(choice);

    const int filled = static_cast<int>(CountFilledCells());
    const int wrong = static_cast<int>(CountWrongCells());
    const int total = static_cast<int>(CountCells());
    const int black = static_cast<int>(CountBlackSquares());
    const int correct = filled - wrong;
    const int white = total - black;

    auto notEnough = [this] {
        Message(W("Vous n'avez pas rempli assez de cases justes pour avoir accès à la solution "
                  "de cette grille."),
                "Encore un petit effort !", MsgButtons::Ok, MsgIcon::Exclamation, MsgOwner::View);
    };

    switch (choice) {
    case 1: {
        if (correct < white / 2) {
            notEnough();
            return;
        }
        CGridInfoData info;
        info.m_nTotalCells = total;
        info.m_nBlackSquares = black;
        info.m_nCellsToFill = total - black - filled;
        info.m_nFilledCells = filled;
        info.m_strExtraLabel = "Nombre de cases fausses :";
        info.m_nExtraValue = wrong;
        info.m_strDictName = m_grid.m_strDictName;
        m_pHost->RunGridInfo(info);
        return;
    }
    case 2:
        // Hiding the marks again goes through the same threshold.
        if (correct < white / 2) {
            notEnough();
            return;
        }
        m_bShowWrongCells = !m_bShowWrongCells;
        if (m_bShowWrongCells && wrong == 0) {
            Message(W("Cette grille ne contient aucune case fausse !"), "Solution.", MsgButtons::Ok,
                    MsgIcon::None, MsgOwner::View);
            m_bShowWrongCells = false;
        }
        m_pHost->GridChanged(true);
        return;
    case 3:
        if (correct < (3 * white) / 4) {
            notEnough();
            return;
        }
        ToggleSolution();
        return;
    default:
        return;
    }
}

void CVerbalineDoc::ToggleSolution() {
    m_bShowSolution = !m_bShowSolution;
    if (m_pHost) m_pHost->GridChanged(false);
}

}  // namespace verbal
