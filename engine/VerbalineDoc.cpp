#include "VerbalineDoc.h"

#include <cstring>

#include "Codepage.h"
#include "FileIo.h"

namespace verbal {

namespace text {
const char* const kAppTitle = "Verbaline 2000";
const char* const kNoDefinitionsFile =
    "Le fichier contenant les definitions de ce dictionnaire n'existe pas. "
    "Choisissez un autre dictionnaire.";
}  // namespace text

CVerbalineDoc::CVerbalineDoc(IDocumentHost* host) : m_pHost(host) {
    // A fresh document has no grid: every byte and counter starts at zero, and
    // the rest of the program relies on it.
    std::memset(m_szDefinitions, 0, sizeof m_szDefinitions);
    std::memset(m_aPlayer, 0, sizeof m_aPlayer);
    std::memset(m_anRandom, 0, sizeof m_anRandom);
    std::memset(m_anLengthEnd, 0, sizeof m_anLengthEnd);
    std::memset(m_szDictionary, 0, sizeof m_szDictionary);
    std::memset(m_szShuffled, 0, sizeof m_szShuffled);
    std::memset(m_szCandidate, 0, sizeof m_szCandidate);
    std::memset(m_szColumn, 0, sizeof m_szColumn);
    std::memset(m_szPattern, 0, sizeof m_szPattern);
    std::memset(m_aSolution, 0, sizeof m_aSolution);
    std::memset(m_aTransposed, 0, sizeof m_aTransposed);
}

bool CVerbalineDoc::OnNewDocument() {
    m_bShowWrongCells = 0;
    m_bComputing = 0;
    m_bShowSolution = 0;
    m_nGridLast = 5;
    m_bTranspose = 0;
    m_nQuality = 2;
    m_bGridDrawn = 0;
    return true;
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
    m_strDictPath = m_strDefaultDictPath;
    m_strDefsPath = m_strDefaultDefsPath;

    if (m_bGridReady == 1 && m_pHost && !m_pHost->RunRecalcConfirm()) return;

    CNewGridData dlg;
    dlg.m_nGridLast = m_nGridLast;
    dlg.m_nQuality = 1;  // "Moyenne" is offered every time
    dlg.m_strDictPath = m_strDictPath;
    dlg.m_strDefsPath = m_strDefsPath;
    dlg.m_strCurrentDir = m_strCurrentDir;
    dlg.MakeDictName();
    if (!m_pHost || !m_pHost->RunNewGridDialog(dlg)) return;

    m_nQuality = dlg.m_nQuality;
    m_nGridLast = dlg.m_nGridLast;
    m_strDictPath = dlg.m_strDictPath;
    m_strDefsPath = dlg.m_strDefsPath;
    m_strDictName = dlg.m_strDictName;

    // Never compute a grid whose clues could not be found afterwards.
    if (!FileCanBeRead(m_strDefsPath)) {
        Message(text::kNoDefinitionsFile, text::kAppTitle, MsgButtons::Ok, MsgIcon::Exclamation,
                MsgOwner::App);
        return;
    }

    m_bGridDrawn = 1;
    m_pHost->RedrawAllNow();
    GenerateGrid();
    SetModifiedFlag();
}

// ---------------------------------------------------------------------------
// Counts

unsigned CVerbalineDoc::CountCells() const {
    const unsigned n = static_cast<unsigned>(m_nGridLast + 1);
    return n * n;
}

unsigned CVerbalineDoc::CountBlackSquares() const {
    unsigned count = 0;
    for (int r = 1; r <= 20; ++r)
        for (int c = 1; c <= 20; ++c)
            if (m_aSolution[r][c - 1] == ' ') ++count;
    return count;
}

unsigned CVerbalineDoc::CountFilledCells() const {
    unsigned count = 0;
    for (int r = 0; r < 20; ++r)
        for (int c = 0; c < 20; ++c)
            if (m_aPlayer[r][c] != 0 && m_aPlayer[r][c] != ' ') ++count;
    return count;
}

unsigned CVerbalineDoc::CountWrongCells() const {
    unsigned count = 0;
    for (int r = 1; r <= 20; ++r)
        for (int c = 1; c <= 20; ++c) {
            const char player = m_aPlayer[r - 1][c - 1];
            if (player != 0 && player != m_aSolution[r][c - 1]) ++count;
        }
    return count;
}

// ---------------------------------------------------------------------------
// Grid arrays

void CVerbalineDoc::ResetGrid() {
    // The working grid's rows run to 29: its row 30, which some loops name,
    // does not exist and always reads as empty.
    for (int r = 1; r < kSolutionRows; ++r) std::memset(m_aSolution[r], 0, sizeof m_aSolution[r]);
    std::memset(m_aPlayer, 0, sizeof m_aPlayer);
    for (auto& line : m_astrClues)
        for (auto& clue : line) clue.clear();
    m_bGridReady = 0;
    m_bShowSolution = 0;
}

void CVerbalineDoc::BuildTransposed() {
    for (int r = 1; r <= 30; ++r)
        for (int c = 1; c <= 30; ++c)
            m_aTransposed[c][r - 1] = r < kSolutionRows ? m_aSolution[r][c - 1] : 0;
}

void CVerbalineDoc::TransposeGrid() {
    BuildTransposed();
    for (int r = 1; r < kSolutionRows; ++r)
        std::memcpy(m_aSolution[r], m_aTransposed[r], sizeof m_aSolution[r]);
}

void CVerbalineDoc::CopyBlackSquares() {
    for (int r = 1; r <= 20; ++r)
        for (int c = 1; c <= 20; ++c)
            if (m_aSolution[r][c - 1] == ' ') m_aPlayer[r - 1][c - 1] = ' ';
}

// ---------------------------------------------------------------------------
// Dialog data

void CNewGridData::MakeDictName() {
    // Paths typed on this system use '/', paths from older settings '\'.
    const std::size_t slash = m_strDictPath.find_last_of("\\/");
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t point = m_strDictPath.find('.', start);
    m_strDictName = m_strDictPath.substr(
        start, point == std::string::npos ? std::string::npos : point - start);
}

std::string CNewGridData::MakeDefsPath() const {
    std::string path = m_strDictPath;
    if (path.size() >= 3) path[path.size() - 3] = 'd';
    return path;
}

}  // namespace verbal
