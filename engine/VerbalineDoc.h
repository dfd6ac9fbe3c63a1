// CVerbalineDoc: everything about one grid, and the one door to it.
//
// From outside, the document is commands (compute, erase, solution, open,
// save, place a letter) and read-only views of the grid, the player's
// letters, the clues and their numbering. Inside, its parts own their state:
// the grid (Grid.h), the word table (WordTable.h), the generator's search
// (GridSearch.h) and the definitions text (Definitions.h). Nothing is
// allocated while a grid is computed. The object is several megabytes:
// create it on the heap.
//
// Cell values are bytes: 0 empty or outside the grid, ' ' a black square,
// 'A'..'Z' a letter. Rows and columns count from 1, row 1 at the top.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Definitions.h"
#include "DocumentHost.h"
#include "Geometry.h"
#include "Grid.h"
#include "GridSearch.h"
#include "Limits.h"
#include "PlayerHistory.h"
#include "WordTable.h"

namespace verbal {

// Texts shown by the document (Windows-1252 bytes).
namespace text {
extern const char* const kAppTitle;
extern const char* const kNoDefinitionsFile;
// Why the definitions file cannot serve a grid: missing or not a regular
// file (kNoDefinitionsFile), or too large for its buffer. Empty when it can.
std::string DefinitionsFileProblem(const std::string& defsPath);
// Why a grid computed from this dictionary could not be saved: its name
// (which the grid file keeps) has characters outside Windows-1252. Empty
// when it can.
std::string DictionaryNameProblem(const std::string& dictPath);
}  // namespace text

// What the document takes from the settings of its window: the view hands it
// in before it paints, and the document's own commands use it.
// Paths are the file system's names (UTF-8), as every path the document
// opens or writes.
struct CDocumentSettings {
    std::string m_strDefaultDictPath;  // the dictionary the new-grid dialog offers
    std::string m_strDefaultDefsPath;
    // Sounds of computing, grid ready, cancel, erase and letter placed; the
    // text "Aucun" means none. The document plays the first, second and
    // fourth.
    std::string m_strSound[5];
    std::string m_strCurrentDir;  // the installation directory
};

// Words across lie in rows, words down in columns.
enum class Direction { Across, Down };

class CVerbalineDoc {
public:
    explicit CVerbalineDoc(IDocumentHost* host = nullptr);
    virtual ~CVerbalineDoc() = default;
    CVerbalineDoc(const CVerbalineDoc&) = delete;
    CVerbalineDoc& operator=(const CVerbalineDoc&) = delete;

    void SetHost(IDocumentHost* host) { m_pHost = host; }

    // --- the framework's side --------------------------------------------
    // A new, empty document: 6 x 6, quality 2, nothing shown.
    bool OnNewDocument();
    bool IsModified() const { return m_bModified; }
    // Tells the host when the flag changes, so that the window can show it.
    void SetModifiedFlag(bool modified = true);
    void TakeSettings(const CDocumentSettings& settings) { m_settings = settings; }
    const CDocumentSettings& Settings() const { return m_settings; }

    // --- commands ----------------------------------------------------------
    // "Calculer": confirmation, the new-grid dialog, then the computation.
    void OnCalculer();
    // The computation "Calculer" runs once its dialog is answered, for those
    // that choose without it (the command line, benchmarks, tests): the
    // choice is taken and the grid computed; the definitions file is not
    // checked first.
    void Compute(const CNewGridData& choice);
    // "Effacer" and "Solution" (they need a ready grid).
    void OnEffacer();
    void OnSolution();
    bool CanEraseOrSolve() const { return m_grid.m_bGridReady; }
    // Shows or hides the solution letters.
    void ToggleSolution();

    // Saving refuses a document without a grid and never damages the file
    // already there; opening checks every value before the document changes.
    // Both show their own messages and return whether they succeeded.
    bool SaveGrid(const std::string& path);
    bool OpenGrid(const std::string& path);
    // The file's bytes, and their reading: an empty result means success,
    // anything else is the French reason the bytes are not a grid (and the
    // document is untouched).
    std::vector<char> WriteGridBytes() const;
    std::string ReadGridBytes(const char* bytes, std::size_t size);

    // --- the player's hand -------------------------------------------------
    // Writes |letter| ('A'..'Z', or 0 to empty the cell) at (row, column),
    // 1..20; false, and nothing changes, on a black square, outside the
    // cells or for another byte.
    bool PlaceLetter(int row, int column, char letter);
    // Hides the marked wrong cells and the solution.
    void HideMarksAndSolution();
    // Where the grid is drawn; saved with it.
    void SetGridOrigin(CPoint origin) { m_grid.m_ptGridOrigin = origin; }

    // Undo and redo of the player's letters. A step of the player's starts
    // from PlayerState() and ends with EndPlayerStep(), which keeps it when
    // a letter changed; "Effacer" is one step of its own. A new grid, one
    // computed or opened, starts with no history.
    CPlayerState PlayerState() const;
    void EndPlayerStep(const CPlayerState& before);
    bool CanUndo() const { return m_grid.m_bGridReady && m_history.CanUndo(); }
    bool CanRedo() const { return m_grid.m_bGridReady && m_history.CanRedo(); }
    // Give the letters and the wrong-cell marks back as they were before
    // (after) the step; the solution is hidden. False when there was
    // nothing to undo (redo).
    bool Undo();
    bool Redo();

    // --- what there is to see ----------------------------------------------
    bool GridReady() const { return m_grid.m_bGridReady; }
    // The view draws the grid (else its welcome picture).
    bool GridDrawn() const { return m_bGridDrawn; }
    bool IsComputing() const { return m_bComputing; }
    // Changes each time the document holds another grid (computed, opened
    // or emptied), so that whoever shows it knows its cursor and lists are
    // out of date.
    unsigned GridGeneration() const { return m_nGeneration; }
    int GridSize() const { return m_grid.GridSize(); }
    int Quality() const { return m_grid.m_nQuality; }
    const std::string& DictName() const { return m_grid.m_strDictName; }
    // Rows the generator has completed (20 once a grid is ready).
    int RowsDone() const { return m_grid.m_nRowsDone; }
    CPoint GridOrigin() const { return m_grid.m_ptGridOrigin; }
    bool ShowWrongCells() const { return m_bShowWrongCells; }
    bool ShowSolution() const { return m_bShowSolution; }

    // Cells (row, column) of 1..20; 0 outside.
    char SolutionCell(int row, int column) const;
    char PlayerCell(int row, int column) const;
    // The words of row (Across) or column (Down) |line|, 1..20, numbered as
    // the clue box numbers them, and the clue of word |number| of it (empty
    // when there is none).
    std::vector<LineWord> Words(Direction direction, int line) const;
    const std::string& Clue(Direction direction, int line, int number) const;
    // The number of the word across (down) that holds cell (row, column); a
    // black square takes the number of the next word after it, 0 if none.
    int WordNumberAt(Direction direction, int row, int column) const;

    // Counts over rows and columns 1..20.
    unsigned CountCells() const { return m_grid.CountCells(); }
    unsigned CountBlackSquares() const { return m_grid.CountBlackSquares(); }
    unsigned CountFilledCells() const { return m_grid.CountFilledCells(); }
    unsigned CountWrongCells() const { return m_grid.CountWrongCells(); }

    // Figures of the last computation, and whether its dictionary could be
    // opened (else its message has been shown).
    const CGridSearch::Stats& SearchStats() const { return m_search.m_stats; }
    bool DictionaryOpened() const { return m_bDictOpened; }
    // The search indexes only make the same grids quicker; off, every
    // answer comes from scanning the word table, as a check.
    void SetSearchIndexes(bool on) { m_search.m_bSearchIndexes = on; }

protected:
    // The row loop's two tests, virtual so that its back-up rules can be
    // driven row by row; an override writes the row through SolutionRow and
    // may end the computation with RequestStop.
    virtual int FillRow(int r);
    virtual int CheckDuplicates() const;
    char* SolutionRow(int r) { return m_grid.m_aSolution[r]; }
    void RequestStop() { m_bStopRequested = true; }

private:
    // What a computation that is refused before its search gives back.
    struct Before {
        CGrid grid;
        std::string dictPath;
        std::string defsPath;
        bool gridDrawn = false;
        bool showSolution = false;
        bool transpose = false;
    };
    Before TakeBefore() const;
    void GiveBack(const Before& before);

    // The generator (Generator.cpp).
    void GenerateGrid();
    bool LoadDictionary();
    void PrepareWordTable();
    int ValidateWordTable();
    int RowLoop();  // 1 on success, 0 when stopped
    void ResetGrid();
    // Every 500 column tests, and every 500 passes of the row loop that
    // meet none (a dictionary whose words never reach a column test).
    void PumpMessages();
    int BuildClues();

    int Message(const std::string& text, const std::string& caption, MsgButtons buttons,
                MsgIcon icon, MsgOwner owner);
    void PlayIfSet(const std::string& sound);
    // Another grid: no history, and a new generation.
    void NewGridHeld();
    void RestorePlayerState(const CPlayerState& state);

    IDocumentHost* m_pHost = nullptr;
    bool m_bModified = false;
    CDocumentSettings m_settings;

    // The grid's own data, and the text it was built from.
    CGrid m_grid;
    std::string m_strDictPath;
    std::string m_strDefsPath;
    bool m_bGridDrawn = false;
    bool m_bShowWrongCells = false;
    bool m_bShowSolution = false;
    CPlayerHistory m_history;
    unsigned m_nGeneration = 0;

    // One computation.
    CWordTable m_table;
    CGridSearch m_search{m_table, m_grid};
    CDefinitionsText m_definitions;
    bool m_bComputing = false;
    bool m_bDictOpened = false;
    bool m_bTranspose = false;
    bool m_bStopRequested = false;
    bool m_bWaitBoxShown = false;
    std::uint64_t m_nPumps = 0;
    std::optional<Before> m_before;
};

}  // namespace verbal
