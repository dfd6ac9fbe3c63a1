#include "Documents.h"

#include <stdexcept>

#include "Codepage.h"
#include "GridText.h"
#include "TestFiles.h"

namespace verbal::test {

Sounds Silent() { return {"Aucun", "Aucun", "Aucun", "Aucun", "Aucun"}; }

Sounds NamedSounds() { return {"zip", "tuttut", "ding", "tiou", "bip"}; }

CNewGridData Choice(const std::string& lex, int size, int quality) {
    CNewGridData choice;
    choice.m_strDictPath = lex;
    choice.m_strDefsPath = choice.MakeDefsPath();
    choice.MakeDictName();
    choice.m_nGridLast = size - 1;
    choice.m_nQuality = quality;
    return choice;
}

std::unique_ptr<CGrid> ReadyGrid(const std::vector<std::string>& rows, const GridEdit& edit,
                                 int size) {
    auto grid = std::make_unique<CGrid>();
    SetSolutionRows(*grid, rows, size);
    grid->BuildTransposed();
    grid->CopyBlackSquares();
    for (int line = 1; line <= CGrid::kCells; ++line) {
        for (const LineWord& word : WordsOfLine(grid->m_aSolution[line], grid->GridSize()))
            if (word.number <= 10)
                grid->m_astrClues[line - 1][word.number - 1] =
                    "H" + std::to_string(line) + "." + std::to_string(word.number);
        for (const LineWord& word : WordsOfLine(grid->m_aTransposed[line], grid->GridSize()))
            if (word.number <= 10)
                grid->m_astrClues[CGrid::kCells + line - 1][word.number - 1] =
                    "V" + std::to_string(line) + "." + std::to_string(word.number);
    }
    grid->m_bGridReady = true;
    grid->m_nRowsDone = 20;
    grid->m_ptGridOrigin = CPoint{80, 60};
    grid->m_strDictName = "Petit";
    grid->m_nQuality = 2;
    if (edit) edit(*grid);
    return grid;
}

void OpenReadyGrid(CVerbalineDoc& doc, const std::vector<std::string>& rows, const GridEdit& edit,
                   int size) {
    const std::vector<char> bytes = ReadyGrid(rows, edit, size)->WriteGridBytes();
    TempDir dir;
    WriteFile(dir.File("grille.vbg"), std::string(bytes.begin(), bytes.end()));
    if (!doc.OpenGrid(dir.File("grille.vbg")))
        throw std::runtime_error("the test's grid was refused: " +
                                 Cp1252ToUtf8(doc.ReadGridBytes(bytes.data(), bytes.size())));
}

std::unique_ptr<CVerbalineDoc> ReadyDocument(const std::vector<std::string>& rows,
                                             IDocumentHost* host, const GridEdit& edit, int size) {
    auto doc = NewDocument(nullptr);
    OpenReadyGrid(*doc, rows, edit, size);
    doc->SetHost(host);
    return doc;
}

void FillFromSolution(CVerbalineDoc& doc, const std::function<bool(int, int)>& take) {
    for (int r = 1; r <= doc.GridSize(); ++r)
        for (int c = 1; c <= doc.GridSize(); ++c) {
            const char right = doc.SolutionCell(r, c);
            if (right != ' ' && take(r, c)) doc.PlaceLetter(r, c, right);
        }
}

void GrantMarksAndSolution(CVerbalineDoc& doc, FakeHost& host, int row, int col) {
    FillFromSolution(doc, [](int r, int) { return r >= 2 && r <= 4; });
    doc.PlaceLetter(row, col, 'Z');
    host.solutionChoice = 2;
    doc.OnSolution();
    doc.ToggleSolution();
}

}  // namespace verbal::test
