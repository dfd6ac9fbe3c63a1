#include "VerbalineDoc.h"

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

#include "Codepage.h"
#include "FileIo.h"

namespace verbal {

namespace text {
const char* const kAppTitle = "Verbaline 2000";
// Windows-1252 bytes, as every text the document shows (0xE9 is 'é'):
// callers compare with it.
const char* const kNoDefinitionsFile =
    "Le fichier contenant les d\xE9" "finitions de ce dictionnaire n'existe pas. "
    "Choisissez un autre dictionnaire.";

std::string DefinitionsFileProblem(const std::string& defsPath) {
    const int fd = OpenRegularFile(defsPath);
    if (fd < 0) return kNoDefinitionsFile;
    struct stat info {};
    const bool sized = fstat(fd, &info) == 0;
    ::close(fd);
    if (sized && info.st_size > kDefinitionsSize)
        return W("Le fichier des définitions (") + ShownPath(defsPath) +
               W(") est trop volumineux : il dépasse 4 000 000 octets. Choisissez un autre "
                 "dictionnaire.");
    return std::string();
}

std::string DictionaryNameProblem(const std::string& dictPath) {
    CNewGridData data;
    data.m_strDictPath = dictPath;
    if (StorableName(data.DictNameOfPath())) return std::string();
    // The name is not quoted: this text cannot show the characters at fault.
    return W("Le nom de ce dictionnaire contient des caractères qu'une grille ne sait pas "
             "enregistrer. Renommez le fichier du dictionnaire (et celui de ses définitions) ou "
             "choisissez-en un autre.");
}
}  // namespace text

CVerbalineDoc::CVerbalineDoc(IDocumentHost* host) : m_pHost(host) {
    m_search.SetPump([this] { PumpMessages(); });
}

bool CVerbalineDoc::OnNewDocument() {
    m_bShowWrongCells = false;
    m_bComputing = false;
    m_bShowSolution = false;
    m_grid.m_nGridLast = 5;
    m_bTranspose = false;
    m_grid.m_nQuality = 2;
    m_bGridDrawn = false;
    NewGridHeld();
    return true;
}

void CVerbalineDoc::NewGridHeld() {
    m_history.Clear();
    ++m_nGeneration;
}

int CVerbalineDoc::Message(const std::string& textBytes, const std::string& caption,
                           MsgButtons buttons, MsgIcon icon, MsgOwner owner) {
    if (!m_pHost) return buttons == MsgButtons::RetryCancel ? IDCANCEL : IDOK;
    MessageBoxRequest request;
    request.text = textBytes;
    request.caption = caption;
    request.buttons = buttons;
    request.icon = icon;
    request.owner = owner;
    return m_pHost->MessageBox(request);
}

void CVerbalineDoc::PlayIfSet(const std::string& sound) {
    // "Aucun" switches a sound off; the comparison is exact, so "aucun" is
    // taken as a file name.
    if (sound != "Aucun" && m_pHost) m_pHost->PlaySoundFile(sound);
}

// ---------------------------------------------------------------------------
// "Calculer"

void CVerbalineDoc::OnCalculer() {
    m_strDictPath = m_settings.m_strDefaultDictPath;
    m_strDefsPath = m_settings.m_strDefaultDefsPath;

    if (m_grid.m_bGridReady && m_pHost && !m_pHost->RunRecalcConfirm()) return;

    CNewGridData dlg;
    dlg.m_nGridLast = m_grid.m_nGridLast;
    dlg.m_nQuality = 1;  // "Moyenne" is offered every time
    dlg.m_strDictPath = m_strDictPath;
    dlg.m_strDefsPath = m_strDefsPath;
    dlg.m_strCurrentDir = m_settings.m_strCurrentDir;
    dlg.MakeDictName();
    if (!m_pHost || !m_pHost->RunNewGridDialog(dlg)) return;

    m_before = TakeBefore();
    m_grid.m_nQuality = dlg.m_nQuality;
    m_grid.m_nGridLast = dlg.m_nGridLast;
    m_strDictPath = dlg.m_strDictPath;
    m_strDefsPath = dlg.m_strDefsPath;
    m_grid.m_strDictName = dlg.m_strDictName;

    // Never compute a grid whose clues could not be found afterwards, nor
    // one whose dictionary's name its file could not hold.
    std::string problem = text::DictionaryNameProblem(m_strDictPath);
    if (problem.empty()) problem = text::DefinitionsFileProblem(m_strDefsPath);
    if (!problem.empty()) {
        Message(problem, text::kAppTitle, MsgButtons::Ok, MsgIcon::Exclamation, MsgOwner::App);
        return;
    }

    m_bGridDrawn = true;
    m_pHost->RedrawAllNow();
    GenerateGrid();
    // A dictionary refused before the search gave the grid back unchanged.
    if (m_before) SetModifiedFlag();
    m_before.reset();
}

void CVerbalineDoc::SetModifiedFlag(bool modified) {
    if (m_bModified == modified) return;
    m_bModified = modified;
    if (m_pHost) m_pHost->ModifiedChanged(modified);
}

void CVerbalineDoc::Compute(const CNewGridData& choice) {
    m_before = TakeBefore();
    m_grid.m_nQuality = choice.m_nQuality;
    m_grid.m_nGridLast = choice.m_nGridLast;
    m_strDictPath = choice.m_strDictPath;
    m_strDefsPath = choice.m_strDefsPath;
    m_grid.m_strDictName = choice.m_strDictName;
    m_bGridDrawn = true;
    GenerateGrid();
    m_before.reset();
}

// ---------------------------------------------------------------------------
// The player's hand and what there is to see

bool CVerbalineDoc::PlaceLetter(int row, int column, char letter) {
    const bool valid = letter == 0 || (letter >= 'A' && letter <= 'Z');
    if (!valid || row < 1 || row > CGrid::kCells || column < 1 || column > CGrid::kCells)
        return false;
    char& cell = m_grid.m_aPlayer[row - 1][column - 1];
    if (cell == ' ') return false;
    cell = letter;
    return true;
}

CPlayerState CVerbalineDoc::PlayerState() const {
    CPlayerState state;
    for (int r = 0; r < CGrid::kCells; ++r)
        for (int c = 0; c < CGrid::kCells; ++c)
            state.letters[r * CGrid::kCells + c] = m_grid.m_aPlayer[r][c];
    state.showWrongCells = m_bShowWrongCells;
    return state;
}

void CVerbalineDoc::EndPlayerStep(const CPlayerState& before) {
    if (m_grid.m_bGridReady) m_history.Record(before, PlayerState());
}

void CVerbalineDoc::RestorePlayerState(const CPlayerState& state) {
    for (int r = 0; r < CGrid::kCells; ++r)
        for (int c = 0; c < CGrid::kCells; ++c) {
            const char letter = state.letters[r * CGrid::kCells + c];
            // Black squares are the grid's, never the history's.
            if (m_grid.m_aPlayer[r][c] != ' ' && letter != ' ') m_grid.m_aPlayer[r][c] = letter;
        }
    m_bShowWrongCells = state.showWrongCells;
    m_bShowSolution = false;
}

bool CVerbalineDoc::Undo() {
    if (!CanUndo()) return false;
    if (auto state = m_history.Undo(PlayerState())) RestorePlayerState(*state);
    return true;
}

bool CVerbalineDoc::Redo() {
    if (!CanRedo()) return false;
    if (auto state = m_history.Redo(PlayerState())) RestorePlayerState(*state);
    return true;
}

void CVerbalineDoc::HideMarksAndSolution() {
    m_bShowWrongCells = false;
    m_bShowSolution = false;
}

char CVerbalineDoc::SolutionCell(int row, int column) const {
    if (row < 1 || row > CGrid::kCells || column < 1 || column > CGrid::kCells) return 0;
    return m_grid.m_aSolution[row][column - 1];
}

char CVerbalineDoc::PlayerCell(int row, int column) const {
    if (row < 1 || row > CGrid::kCells || column < 1 || column > CGrid::kCells) return 0;
    return m_grid.m_aPlayer[row - 1][column - 1];
}

// Words across are read in the solution's rows, words down in the rows of
// its transposed copy, as the clues were looked up.
std::vector<LineWord> CVerbalineDoc::Words(Direction direction, int line) const {
    if (line < 1 || line > CGrid::kCells) return {};
    const char* cells =
        direction == Direction::Across ? m_grid.m_aSolution[line] : m_grid.m_aTransposed[line];
    return WordsOfLine(cells, std::min(GridSize(), static_cast<int>(CGrid::kCells)));
}

const std::string& CVerbalineDoc::Clue(Direction direction, int line, int number) const {
    static const std::string kNone;
    if (line < 1 || line > CGrid::kCells || number < 1 || number > 10) return kNone;
    const int index = direction == Direction::Across ? line - 1 : CGrid::kCells + line - 1;
    return m_grid.m_astrClues[index][number - 1];
}

int CVerbalineDoc::WordNumberAt(Direction direction, int row, int column) const {
    if (row < 1 || row > CGrid::kCells || column < 1 || column > CGrid::kCells) return 0;
    const int n = std::min(GridSize(), static_cast<int>(CGrid::kCells));
    if (direction == Direction::Across)
        return WordNumberInLine(m_grid.m_aSolution[row], n, column - 1);
    return WordNumberInLine(m_grid.m_aTransposed[column], n, row - 1);
}

// ---------------------------------------------------------------------------
// Dialog data

std::string CNewGridData::DictNameOfPath() const {
    // Paths typed on this system use '/', paths from older settings '\'.
    const std::size_t slash = m_strDictPath.find_last_of("\\/");
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t point = m_strDictPath.find('.', start);
    return m_strDictPath.substr(start,
                                point == std::string::npos ? std::string::npos : point - start);
}

// The grid file keeps the name in Windows-1252.
void CNewGridData::MakeDictName() { m_strDictName = Utf8ToCp1252(DictNameOfPath()); }

std::string CNewGridData::MakeDefsPath() const {
    std::string path = m_strDictPath;
    if (path.size() >= 3) path[path.size() - 3] = 'd';
    return path;
}

}  // namespace verbal
