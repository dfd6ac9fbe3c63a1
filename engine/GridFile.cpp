// Grid files (.vbg): the solution (shifted by the scramble offset), its
// transposed copy (shifted too), the player's letters, the 400 clues, then the
// size, the ready flag, the progress, the grid's position, the dictionary's
// name and the quality. No header, no version: the layout is the format.
#include <cstring>
#include <memory>

#include "Archive.h"
#include "Codepage.h"
#include "FileIo.h"
#include "Grid.h"
#include "Scramble.h"
#include "VerbalineDoc.h"

namespace verbal {
namespace {

constexpr int kCells = CGrid::kCells;
// A grid can be moved about the window, not to the ends of the integers.
constexpr int kMaxOrigin = 100000;

bool IsCell(char c) { return c == 0 || c == ' ' || (c >= 'A' && c <= 'Z'); }

// Everything a grid file holds, read and checked before the document takes it.
struct GridFileData {
    char solution[kCells][kCells];
    char transposed[kCells][kCells];
    char player[kCells][kCells];
    std::string clues[40][10];
    std::int32_t gridLast = 0;
    std::int32_t gridReady = 0;
    std::int32_t rowsDone = 0;
    CPoint origin;
    std::string dictName;
    std::int32_t quality = 0;
};

// Returns the reason the data cannot be a grid, or an empty string.
std::string Check(const GridFileData& d) {
    if (d.gridLast < 5 || d.gridLast > 19 || d.gridLast % 2 == 0)
        return W("la taille de la grille (") + std::to_string(static_cast<std::int64_t>(d.gridLast) + 1) +
               W(") n'est pas une taille de 6 à 20 cases");
    const int n = d.gridLast + 1;
    for (int r = 0; r < kCells; ++r)
        for (int c = 0; c < kCells; ++c) {
            const bool inside = r < n && c < n;
            const char sol = d.solution[r][c];
            if (!IsCell(sol) || !IsCell(d.transposed[r][c]) || !IsCell(d.player[r][c]))
                return W("une case contient un caractère qui n'est ni une lettre ni une case noire");
            if (inside && sol == 0) return W("la solution a une case vide");
            if (!inside && (sol != 0 || d.player[r][c] != 0))
                return W("des cases sont remplies hors de la grille");
            if (d.transposed[c][r] != sol)
                return W("les deux copies de la solution ne s'accordent pas");
            if ((sol == ' ') != (d.player[r][c] == ' '))
                return W("les cases noires du joueur ne sont pas celles de la solution");
        }
    if (d.gridReady != 1) return W("la grille n'est pas complète");
    if (d.rowsDone < n || d.rowsDone > 20) return W("l'avancement du calcul est invalide");
    if (d.origin.x < -kMaxOrigin || d.origin.x > kMaxOrigin || d.origin.y < -kMaxOrigin ||
        d.origin.y > kMaxOrigin)
        return W("la position de la grille est invalide");
    if (d.quality < 0 || d.quality > 3) return W("la qualité de la grille est invalide");
    return {};
}

}  // namespace

std::vector<char> CGrid::WriteGridBytes() const {
    CArchiveWriter ar;
    char row[kCells];
    for (int r = 1; r <= kCells; ++r) {
        std::memcpy(row, m_aSolution[r], kCells);
        Scramble(row, kCells);
        ar.WriteBytes(row, kCells);
    }
    for (int r = 1; r <= kCells; ++r) {
        std::memcpy(row, m_aTransposed[r], kCells);
        Scramble(row, kCells);
        ar.WriteBytes(row, kCells);
    }
    for (int r = 0; r < kCells; ++r) ar.WriteBytes(m_aPlayer[r], kCells);
    for (const auto& line : m_astrClues)
        for (const std::string& clue : line) ar.WriteString(clue);
    ar.WriteInt32(m_nGridLast);
    ar.WriteInt32(m_bGridReady ? 1 : 0);
    ar.WriteInt32(m_nRowsDone);
    ar.WriteInt32(m_ptGridOrigin.x);
    ar.WriteInt32(m_ptGridOrigin.y);
    ar.WriteString(m_strDictName);
    ar.WriteInt32(m_nQuality);
    return ar.Bytes();
}

std::string CGrid::ReadGridBytes(const char* bytes, std::size_t size) {
    auto d = std::make_unique<GridFileData>();
    try {
        CArchiveReader ar(bytes, size);
        for (auto& r : d->solution) {
            ar.ReadBytes(r, kCells);
            Unscramble(r, kCells);
        }
        for (auto& r : d->transposed) {
            ar.ReadBytes(r, kCells);
            Unscramble(r, kCells);
        }
        for (auto& r : d->player) ar.ReadBytes(r, kCells);
        for (auto& line : d->clues)
            for (std::string& clue : line) clue = ar.ReadString();
        d->gridLast = ar.ReadInt32();
        d->gridReady = ar.ReadInt32();
        d->rowsDone = ar.ReadInt32();
        d->origin.x = ar.ReadInt32();
        d->origin.y = ar.ReadInt32();
        d->dictName = ar.ReadString();
        d->quality = ar.ReadInt32();
        if (ar.Remaining() != 0) return W("le fichier contient des données après la grille");
    } catch (const CArchiveError& error) {
        return error.what();
    }
    const std::string problem = Check(*d);
    if (!problem.empty()) return problem;

    // Every value is sound: the document takes them all at once.
    for (int r = 1; r < kSolutionRows; ++r) std::memset(m_aSolution[r], 0, sizeof m_aSolution[r]);
    std::memset(m_aTransposed, 0, sizeof m_aTransposed);
    for (int r = 0; r < kCells; ++r) {
        std::memcpy(m_aSolution[r + 1], d->solution[r], kCells);
        std::memcpy(m_aTransposed[r + 1], d->transposed[r], kCells);
        std::memcpy(m_aPlayer[r], d->player[r], kCells);
    }
    for (int line = 0; line < 40; ++line)
        for (int slot = 0; slot < 10; ++slot) m_astrClues[line][slot] = std::move(d->clues[line][slot]);
    m_nGridLast = d->gridLast;
    m_bGridReady = d->gridReady == 1;
    m_nRowsDone = d->rowsDone;
    m_ptGridOrigin = d->origin;
    m_strDictName = std::move(d->dictName);
    m_nQuality = d->quality;
    return {};
}

std::vector<char> CVerbalineDoc::WriteGridBytes() const { return m_grid.WriteGridBytes(); }

std::string CVerbalineDoc::ReadGridBytes(const char* bytes, std::size_t size) {
    std::string problem = m_grid.ReadGridBytes(bytes, size);
    if (problem.empty()) NewGridHeld();
    return problem;
}

bool CVerbalineDoc::SaveGrid(const std::string& path) {
    bool saved = false;
    if (!m_grid.m_bGridReady) {
        // Checked before anything is opened: an existing file stays as it is.
        Message(W("Vous ne pouvez pas enregistrer une grille vide !"), "Enregistrement",
                MsgButtons::Ok, MsgIcon::None, MsgOwner::View);
    } else {
        const int error = WriteFileAtomically(path, WriteGridBytes());
        if (error != 0) {
            Message(W("La grille n'a pas pu être enregistrée dans le fichier « ") +
                        ShownPath(path) + W(" » : ") + FrenchErrorText(error) +
                        W(". Le fichier qui portait ce nom n'a pas été modifié."),
                    "Enregistrement", MsgButtons::Ok, MsgIcon::Exclamation, MsgOwner::App);
        } else {
            m_bShowSolution = false;
            SetModifiedFlag(false);
            saved = true;
        }
    }
    if (m_pHost) m_pHost->GridChanged(false);
    return saved;
}

bool CVerbalineDoc::OpenGrid(const std::string& path) {
    std::vector<char> bytes;
    std::size_t size = 0;
    const ReadResult result = ReadWholeFile(path, kMaxGridFileSize, bytes, size);
    std::string problem;
    if (result == ReadResult::CannotOpen) problem = W("le fichier n'existe pas ou ne peut pas être lu");
    else if (result == ReadResult::TooLarge) problem = W("le fichier est bien trop grand pour une grille");
    else if (result == ReadResult::ReadError) problem = W("le fichier n'a pas pu être lu en entier");
    else problem = ReadGridBytes(bytes.data(), bytes.size());
    if (!problem.empty()) {
        Message(W("Impossible d'ouvrir la grille « ") + ShownPath(path) + W(" » : ") + problem +
                    ".",
                text::kAppTitle, MsgButtons::Ok, MsgIcon::Exclamation, MsgOwner::App);
        return false;
    }
    m_bGridDrawn = true;
    m_bShowSolution = false;
    SetModifiedFlag(false);
    if (m_pHost) m_pHost->GridChanged(false);
    return true;
}

}  // namespace verbal
