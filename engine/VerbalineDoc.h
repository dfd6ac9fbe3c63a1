// CVerbalineDoc: everything about one grid.
//
// The document is one flat object of fixed arrays: the dictionary text and its
// word table, the definitions text, the working grid and its transposed copy,
// the player's letters and the 400 clues. Nothing is allocated while a grid is
// computed. The object is several megabytes: create it on the heap.
//
// Cell values are bytes: 0 empty or outside the grid, ' ' a black square,
// 'A'..'Z' a letter. Grid rows and columns count from 1; solution cell (r, c)
// is m_aSolution[r][c - 1], player cell (r, c) is m_aPlayer[r - 1][c - 1].
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "DocumentHost.h"
#include "Geometry.h"
#include "Limits.h"
#include "SearchIndex.h"

namespace verbal {

// Texts shown by the document (Windows-1252 bytes).
namespace text {
extern const char* const kAppTitle;
extern const char* const kNoDefinitionsFile;
}  // namespace text

// The generator's stop box. The document keeps the stop request here; the
// box itself lives with the host.
struct CStopDlg {
    int m_bStopRequested = 0;
};

// The generator's wait box holds no data; the host shows it.
struct CWaitDlg {};

class CVerbalineDoc {
public:
    static constexpr int kDefinitionsSize = verbal::kDefinitionsSize;
    static constexpr int kDictionarySize = verbal::kDictionarySize;
    static constexpr int kRandomCount = 100000;
    static constexpr int kRandomDrawn = 99000;
    static constexpr int kTableAdditions = verbal::kTableAdditions;
    static constexpr int kMaxShuffleRuns = verbal::kMaxShuffleRuns;
    static constexpr int kDefsSearchLimit = verbal::kDefsSearchLimit;
    static constexpr int kPumpEvery = 500;
    static constexpr int kSolutionRows = 30;

    explicit CVerbalineDoc(IDocumentHost* host = nullptr);
    virtual ~CVerbalineDoc() = default;
    CVerbalineDoc(const CVerbalineDoc&) = delete;
    CVerbalineDoc& operator=(const CVerbalineDoc&) = delete;

    void SetHost(IDocumentHost* host) { m_pHost = host; }
    IDocumentHost* Host() const { return m_pHost; }

    // --- the framework's side --------------------------------------------
    bool OnNewDocument();
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
    int GridSize() const { return m_nGridLast + 1; }

    // --- the grid file -----------------------------------------------------
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
    static constexpr std::size_t kMaxGridFileSize = verbal::kMaxGridFileSize;

    // --- commands of the "Grille" menu ------------------------------------
    void OnCalculer();
    void OnEffacer();
    void OnSolution();
    void ToggleSolution();
    // Update handlers: "Effacer" and "Solution" need a grid.
    bool CanEraseOrSolve() const { return m_bGridReady != 0; }

    // --- counts over rows and columns 1..20 ------------------------------
    unsigned CountCells() const;
    unsigned CountBlackSquares() const;
    unsigned CountFilledCells() const;
    unsigned CountWrongCells() const;

    // --- the generator -----------------------------------------------------
    void GenerateGrid();
    void PollStop();
    void ResetGrid();
    void TransposeGrid();
    void BuildTransposed();
    void CopyBlackSquares();

    // Dictionary loading and the word table.
    bool LoadDictionary();
    // The checks and the copy that follow reading the file.
    bool TakeDictionaryBytes(const char* bytes, std::size_t size);
    void UnscrambleDictionary();
    int ValidateWordTable();
    void PrepareWordTable();
    void DrawRandomTable();
    void ShuffleDictionary();
    void RebuildWordTable();

    // Row filling and the column test. Filling a row and the duplicate test
    // are virtual so that the row loop's back-up rules can be driven row by
    // row.
    virtual int FillRow(int r);
    void ClearRow(int r);
    int FetchWord(int fetch);
    void MarkWordUsed();
    int CheckColumns();
    // The column test for a word just written in row r from column index
    // wordStart to pos - 1: the same answer as CheckColumns, from what is
    // known of each column.
    int CheckPlacement(int r, int wordStart, int pos);
    int CheckColumn();
    int FindPrefix(int shortest, int longest);

    // Repeated words of three letters or more.
    virtual int CheckDuplicates() const;

    // Definitions.
    int BuildClues();
    // The definitions text as read from the file, then every word's clue.
    void TakeDefinitionsBytes(const char* bytes, std::size_t size);
    void LookUpAllClues();
    std::string LookupDefinition();
    void ClearWord();
    void UnscrambleDefinitions();

    // Group bounds of the word table: [start, end) of the words of |length|
    // letters (1: the letters and the black square; 15 and more: the last
    // group).
    int GroupStart(int length) const;
    int GroupEnd(int length) const;

    // --- members, in the order the grid's data was laid out ---------------
    std::string m_strCurrentDir;
    int m_bWaitBoxShown = 0;
    int m_nPumpCounter = 0;
    CPoint m_ptGridOrigin;
    int m_bShowWrongCells = 0;
    int m_bComputing = 0;
    char m_szDefinitions[kDefinitionsSize];
    int m_nDefSearchPos = 0;
    int m_nDefinitionsLength = 0;
    std::string m_astrClues[40][10];
    std::string m_strFoundDefinition;
    std::string m_strDefaultDictPath;
    std::string m_strDefaultDefsPath;
    std::string m_strDictPath;
    std::string m_strDefsPath;
    std::string m_strDictName;
    int m_bGridReady = 0;
    char m_aPlayer[20][20];
    int m_bShowSolution = 0;
    CStopDlg m_dlgStop;
    CWaitDlg m_dlgWait;
    CRect m_rcGrid;
    int m_bGridDrawn = 0;
    int m_nRowsDone = 0;
    int m_bTranspose = 0;
    std::uint32_t m_anRandom[kRandomCount];
    std::string m_strSound[5];
    int m_nQuality = 0;
    int m_bDictOpened = 0;
    std::uint32_t m_nDictionaryLength = 0;
    int m_nScanPos = 0;
    int m_nLoop = 0;
    int m_nGridLast = 0;
    int m_nLengthStart = 0;
    int m_anLengthEnd[15];  // entries 1..14
    int m_nGroupStart = 0;
    int m_nGroupEnd = 0;
    char m_szDictionary[kDictionarySize];
    char m_szShuffled[kDictionarySize];
    char m_szCandidate[30];
    char m_szColumn[31];
    char m_szPattern[21];
    char m_aSolution[30][30];
    char m_aTransposed[31][30];

    // The search indexes only make the same answers quicker; without them
    // every answer comes from scanning the word table, as a check.
    bool m_bSearchIndexes = true;

    // Figures of the last computation, for the command line and benchmarks.
    struct Stats {
        std::uint64_t columnChecks = 0;  // calls of CheckColumns
        std::uint64_t rowsFilled = 0;    // calls of FillRow
    } m_stats;

private:
    int Message(const std::string& text, const std::string& caption, MsgButtons buttons,
                MsgIcon icon, MsgOwner owner);
    void PlayIfSet(const std::string& sound);
    bool RefuseDictionary(const std::string& text);
    int RowLoop();  // 1 on success, 0 when stopped
    // Prepares CheckPlacement for row r; false when the row or the rows below
    // hold cells, where only the full column test can answer.
    bool PrepareRowAnswers(int r);
    CColumnAnswers& AnswersFor(int c, int r, bool& shortColumn);
    // FillRow through the indexes: candidates are met in table order as the
    // byte scan meets them, and those the column test would reject are
    // passed over but still counted as tested.
    int FillRowIndexed(int r);
    int FetchFitting(int fetch, int pos, std::size_t& cursor);
    std::uint32_t AllowedValues(int c, int r);  // bits 0..25 letters, 26 black square
    bool AloneValue(int c, int r);
    void CountRejectedChecks(std::uint64_t count);
    bool ColumnPasses(int c, int r, char value);  // with |value| in row r
    std::uint32_t SearchLimit() const;  // m_nDictionaryLength - 35

    IDocumentHost* m_pHost = nullptr;
    bool m_bModified = false;
    std::uint32_t m_nTableLength = 0;  // bytes of the rebuilt word table
    // How far earlier computations wrote into the two dictionary buffers:
    // what lies beyond is still zero.
    std::size_t m_nDictionaryUsed = 0;
    std::size_t m_nShuffledUsed = 0;

    // Indexes of the current computation (see SearchIndex.h).
    CEntryStarts m_entryStarts;
    CPrefixIndex m_prefixIndex;
    CFetchIndex m_fetchIndex;
    CColumnCache m_columnCache;
    CDefinitionIndex m_definitionIndex;
    // Per row being filled: each column's answers, and whether the row
    // cannot change the column because an empty cell lies above it.
    CColumnAnswers* m_apRowAnswers[20] = {};
    bool m_abShortColumn[20] = {};
    int m_nFillingRow = 0;
};

}  // namespace verbal
