// GenerateGrid: from a dictionary, a size and a quality to a finished grid
// with its clues.
//
// Rows are filled from the top; a row that cannot be filled makes the search
// back up one row, or two after four failures since the deepest row was last
// reached; a finished row that repeats a word of three letters or more drops
// itself and the row above. Words consumed by abandoned attempts stay
// consumed, so a refilled row always differs. The search never gives up by
// itself: only the stop button ends a search that finds nothing.
#include <cstring>

#include "VerbalineDoc.h"

namespace verbal {
namespace {
constexpr int kRetries = 4;
}

void CVerbalineDoc::PollStop() {
    if (++m_nPumpCounter < kPumpEvery) return;
    if (!m_pHost) {
        m_nPumpCounter = 0;
        return;
    }
    if (m_pHost->CheckStop() && m_dlgStop.m_bStopRequested == 0) m_dlgStop.m_bStopRequested = 1;
    if (m_dlgStop.m_bStopRequested == 1 && m_bWaitBoxShown == 0) {
        m_pHost->CreateWaitBox();
        m_pHost->BeginWaitCursor();
        m_bWaitBoxShown = 1;
    }
    m_pHost->RedrawRectNow(m_rcGrid);
    m_nPumpCounter = 0;
}

void CVerbalineDoc::GenerateGrid() {
    m_nPumpCounter = 0;
    m_dlgStop.m_bStopRequested = 0;
    m_bWaitBoxShown = 0;
    m_ptGridOrigin = CPoint{80, 60};
    if (m_pHost) m_pHost->BeginWaitCursor();
    m_bComputing = 1;
    m_bGridReady = 0;
    m_nRowsDone = 1;
    m_nScanPos = 0;
    m_nLoop = 0;
    m_stats = Stats{};

    if (!LoadDictionary()) {
        if (m_pHost) m_pHost->EndWaitCursor();
    } else {
        m_bShowSolution = 0;
        if (m_pHost) {
            m_pHost->InvalidateAll(true);
            m_pHost->CreateWaitBox();
        }
        PrepareWordTable();
        ValidateWordTable();  // a table with a missing length still gets searched
        ResetGrid();
        if (m_pHost) {
            m_pHost->DestroyWaitBox();
            m_pHost->EndWaitCursor();
            m_pHost->CreateStopBox();
        }

        if (RowLoop()) {
            if (m_bTranspose == 1) TransposeGrid();
            BuildTransposed();
            CopyBlackSquares();
            BuildClues();
            PlayIfSet(m_strSound[1]);
            m_bGridReady = 1;
            if (m_pHost) m_pHost->InvalidateAll(true);
        } else {
            ResetGrid();
            m_bGridDrawn = 0;
            m_nGridLast = 5;
            if (m_pHost) m_pHost->InvalidateAll(true);
        }
    }

    if (m_bWaitBoxShown == 1) {
        if (m_pHost) {
            m_pHost->DestroyWaitBox();
            m_pHost->EndWaitCursor();
        }
        m_bWaitBoxShown = 0;
    }
    m_bComputing = 0;
    if (m_pHost) m_pHost->DestroyStopBox();
}

int CVerbalineDoc::RowLoop() {
    const int n = m_nGridLast + 1;
    int deepest = 0;
    int failures = 0;
    int r = 1;
    for (;;) {
        if (deepest < r) {
            deepest = r;
            failures = 0;
        }
        if (m_dlgStop.m_bStopRequested == 1) return 0;

        m_nRowsDone = r == 1 ? 1 : r - 1;
        if (r - 1 <= n) {
            if (m_pHost) m_pHost->RedrawRectNow(m_rcGrid);
            if (r >= 2) PlayIfSet(m_strSound[0]);
        }
        ClearRow(r);
        const int filled = FillRow(r);

        if (r == 1) {
            if (!filled) {
                ++failures;
                ClearRow(1);
            } else {
                r = 2;
            }
        } else if (r == 2) {
            if (!filled) {
                ++failures;
                ClearRow(2);
                r = 1;
            } else if (m_aSolution[2][0] == m_aSolution[1][1]) {
                // Two equal letters (or black squares) there start the first
                // column and the first row alike: start over.
                ClearRow(2);
                r = 1;
            } else {
                r = 3;
            }
        } else if (!filled) {
            ++failures;
            if (failures < kRetries) {
                ClearRow(r);
                r -= 1;
            } else {
                ClearRow(r);
                ClearRow(r - 1);
                failures = 0;
                r -= 2;
            }
        } else if (!CheckDuplicates()) {
            ClearRow(r);
            ClearRow(r - 1);
            failures = 0;
            r -= 2;
        } else if (r < 20) {
            r += 1;
        } else {
            m_nRowsDone = 20;
            if (20 <= n) {
                if (m_pHost) m_pHost->RedrawRectNow(m_rcGrid);
                PlayIfSet(m_strSound[0]);
            }
            return 1;
        }
    }
}

}  // namespace verbal
