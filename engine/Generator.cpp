// GenerateGrid: from a dictionary, a size and a quality to a finished grid
// with its clues.
//
// Rows are filled from the top; a row that cannot be filled makes the search
// back up one row, or two after four failures since the deepest row was last
// reached; a finished row that repeats a word of three letters or more drops
// itself and the row above. Words consumed by abandoned attempts stay
// consumed, so a refilled row always differs. The search never gives up by
// itself: only the stop button ends a search that finds nothing.
#include <vector>

#include "Codepage.h"
#include "FileIo.h"
#include "VerbalineDoc.h"

namespace verbal {
namespace {

constexpr int kRetries = 4;

const char* const kOpenFailedCaption = "Erreur d'ouverture de fichier !";
const char* const kOpenFailedText =
    "Le programme n'a pas pu trouver le fichier contenant le dictionnaire. Réessayez, si le "
    "problème persiste, réinstallez le programme.";
const char* const kBadDictCaption = "Dictionnaire non conforme.";
const char* const kBadDictText =
    "Le dictionnaire chargé n'est pas compatible. Le fichier a pu être abimé. Réessayez. Si le "
    "problème persiste, réinstallez le programme.";
const char* const kNotFoundCaption = "Erreur au cours de la recherche d'une définition !";
const char* const kNotFoundText =
    "La grille contient un mot qui n'a pas été trouvé dans le fichier des définitions cette "
    "grille n'est pas valide ! Si le problème se produit trop souvent, changez de dictionnaire. "
    "Consultez la rubrique d'aide relative aux dictionnaires et fichiers de définitions.";
const char* const kDefsOpenFailedText = "Erreur d'ouverture du fichier de définitions.";

}  // namespace

int CVerbalineDoc::FillRow(int r) { return m_search.FillRow(r); }

int CVerbalineDoc::CheckDuplicates() const { return m_grid.CheckDuplicates(); }

void CVerbalineDoc::ResetGrid() {
    m_grid.ResetGrid();
    m_bShowSolution = false;
    NewGridHeld();
}

CVerbalineDoc::Before CVerbalineDoc::TakeBefore() const {
    return Before{m_grid, m_strDictPath, m_strDefsPath, m_bGridDrawn, m_bShowSolution,
                  m_bTranspose};
}

void CVerbalineDoc::GiveBack(const Before& before) {
    m_grid = before.grid;
    m_strDictPath = before.dictPath;
    m_strDefsPath = before.defsPath;
    m_bGridDrawn = before.gridDrawn;
    m_bShowSolution = before.showSolution;
    m_bTranspose = before.transpose;
}

void CVerbalineDoc::PumpMessages() {
    ++m_nPumps;
    if (!m_pHost) return;
    if (m_pHost->CheckStop()) m_bStopRequested = true;
    if (m_bStopRequested && !m_bWaitBoxShown) {
        m_pHost->CreateWaitBox();
        m_pHost->BeginWaitCursor();
        m_bWaitBoxShown = true;
    }
    m_pHost->ProgressChanged(m_grid.m_nRowsDone);
}

bool CVerbalineDoc::LoadDictionary() {
    std::string reason;
    const CWordTable::Load result = m_table.LoadDictionary(m_strDictPath, reason);
    m_bDictOpened = result != CWordTable::Load::CannotOpen;
    if (result == CWordTable::Load::CannotOpen)
        Message(W(kOpenFailedText), kOpenFailedCaption, MsgButtons::Ok, MsgIcon::Stop,
                MsgOwner::View);
    else if (result == CWordTable::Load::Refused)
        Message(reason, kBadDictCaption, MsgButtons::Ok, MsgIcon::Stop, MsgOwner::View);
    return result == CWordTable::Load::Taken;
}

void CVerbalineDoc::PrepareWordTable() {
    m_table.DrawRandomTable(
        static_cast<std::uint32_t>(m_pHost ? m_pHost->CurrentTimeSeconds() : 0));
    m_bTranspose = m_table.TransposeDrawn();
    PlayIfSet(m_settings.m_strSound[0]);
    m_table.ShuffleDictionary();
    m_table.RebuildWordTable();
}

int CVerbalineDoc::ValidateWordTable() {
    m_search.ForgetColumns();
    if (m_table.ValidateWordTable()) return 1;
    Message(W(kBadDictText), kBadDictCaption, MsgButtons::Ok, MsgIcon::Stop, MsgOwner::View);
    return 0;
}

void CVerbalineDoc::GenerateGrid() {
    m_bStopRequested = false;
    m_bWaitBoxShown = false;
    m_grid.m_ptGridOrigin = CPoint{80, 60};
    if (m_pHost) m_pHost->BeginWaitCursor();
    m_bComputing = true;
    m_grid.m_bGridReady = false;
    m_grid.m_nRowsDone = 1;
    m_search.Start();

    if (!LoadDictionary()) {
        if (m_pHost) m_pHost->EndWaitCursor();
    } else {
        m_bShowSolution = false;
        if (m_pHost) {
            m_pHost->InvalidateAll(true);
            m_pHost->CreateWaitBox();
        }
        PrepareWordTable();
        // A table with a length missing, or words the search cannot place,
        // would make the search run for ever: the computation ends here and
        // the document is as it was before the command.
        const bool valid = ValidateWordTable() != 0;
        if (valid) ResetGrid();
        if (m_pHost) {
            m_pHost->DestroyWaitBox();
            m_pHost->EndWaitCursor();
            if (valid) m_pHost->CreateStopBox();
        }

        if (!valid) {
            if (m_before) {
                GiveBack(*m_before);
                m_before.reset();  // tells the caller that nothing changed
            } else {
                ResetGrid();
                m_bGridDrawn = false;
            }
            if (m_pHost) m_pHost->InvalidateAll(true);
        } else if (RowLoop()) {
            if (m_bTranspose) m_grid.TransposeGrid();
            m_grid.BuildTransposed();
            m_grid.CopyBlackSquares();
            BuildClues();
            PlayIfSet(m_settings.m_strSound[1]);
            m_grid.m_bGridReady = true;
            if (m_pHost) m_pHost->InvalidateAll(true);
        } else {
            ResetGrid();
            m_bGridDrawn = false;
            m_grid.m_nGridLast = 5;
            if (m_pHost) m_pHost->InvalidateAll(true);
        }
    }

    if (m_bWaitBoxShown) {
        if (m_pHost) {
            m_pHost->DestroyWaitBox();
            m_pHost->EndWaitCursor();
        }
        m_bWaitBoxShown = false;
    }
    m_bComputing = false;
    if (m_pHost) m_pHost->DestroyStopBox();
}

int CVerbalineDoc::RowLoop() {
    const int n = m_grid.GridSize();
    int deepest = 0;
    int failures = 0;
    int r = 1;
    // Passes since the search last polled the stop box: a dictionary whose
    // rows never come to a column test must not make the search deaf.
    std::uint64_t pumpsSeen = m_nPumps;
    int quietPasses = 0;
    for (;;) {
        if (deepest < r) {
            deepest = r;
            failures = 0;
        }
        if (pumpsSeen != m_nPumps) {
            pumpsSeen = m_nPumps;
            quietPasses = 0;
        } else if (++quietPasses >= CGridSearch::kPumpEvery) {
            PumpMessages();
            pumpsSeen = m_nPumps;
            quietPasses = 0;
        }
        if (m_bStopRequested) return 0;

        m_grid.m_nRowsDone = r == 1 ? 1 : r - 1;
        if (r - 1 <= n) {
            if (m_pHost) m_pHost->ProgressChanged(m_grid.m_nRowsDone);
            if (r >= 2) PlayIfSet(m_settings.m_strSound[0]);
        }
        m_grid.ClearRow(r);
        const int filled = FillRow(r);

        if (r == 1) {
            if (!filled) {
                ++failures;
                m_grid.ClearRow(1);
            } else {
                r = 2;
            }
        } else if (r == 2) {
            if (!filled) {
                ++failures;
                m_grid.ClearRow(2);
                r = 1;
            } else if (m_grid.m_aSolution[2][0] == m_grid.m_aSolution[1][1]) {
                // Two equal letters (or black squares) there start the first
                // column and the first row alike: start over.
                m_grid.ClearRow(2);
                r = 1;
            } else {
                r = 3;
            }
        } else if (!filled) {
            ++failures;
            if (failures < kRetries) {
                m_grid.ClearRow(r);
                r -= 1;
            } else {
                m_grid.ClearRow(r);
                m_grid.ClearRow(r - 1);
                failures = 0;
                r -= 2;
            }
        } else if (!CheckDuplicates()) {
            m_grid.ClearRow(r);
            m_grid.ClearRow(r - 1);
            failures = 0;
            r -= 2;
        } else if (r < 20) {
            r += 1;
        } else {
            m_grid.m_nRowsDone = 20;
            if (20 <= n) {
                if (m_pHost) m_pHost->ProgressChanged(m_grid.m_nRowsDone);
                PlayIfSet(m_settings.m_strSound[0]);
            }
            return 1;
        }
    }
}

int CVerbalineDoc::BuildClues() {
    std::vector<char> bytes;
    std::size_t size = 0;
    for (;;) {
        m_definitions.m_nDefSearchPos = 0;
        const ReadResult result = ReadWholeFile(m_strDefsPath, kDefinitionsSize, bytes, size);
        m_bDictOpened = result != ReadResult::CannotOpen;
        if (result == ReadResult::Ok) break;
        if (result == ReadResult::TooLarge) {
            Message(W("Le fichier des définitions (") + ShownPath(m_strDefsPath) +
                        W(") est trop volumineux : il dépasse 4 000 000 octets. Les définitions "
                          "de cette grille n'ont pas pu être lues."),
                    text::kAppTitle, MsgButtons::Ok, MsgIcon::Stop, MsgOwner::App);
            return 0;
        }
        if (Message(W(kDefsOpenFailedText), text::kAppTitle, MsgButtons::RetryCancel,
                    MsgIcon::None, MsgOwner::App) != IDRETRY)
            return 0;
    }
    m_definitions.TakeDefinitionsBytes(bytes.data(), size);
    // Once per grid: an empty or foreign definitions file would otherwise
    // raise one modal box per word.
    bool told = false;
    m_definitions.LookUpAllClues(m_grid, m_search.m_bSearchIndexes, [this, &told] {
        if (told) return;
        told = true;
        Message(W(kNotFoundText), W(kNotFoundCaption), MsgButtons::Ok, MsgIcon::None,
                MsgOwner::View);
    });
    return 1;
}

}  // namespace verbal
