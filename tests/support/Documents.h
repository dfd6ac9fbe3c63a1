// Documents prepared for a test, through the document's own door: a new one
// ready to compute, or one holding a ready grid as opening its file leaves it.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FakeHost.h"
#include "Grid.h"
#include "VerbalineDoc.h"

namespace verbal::test {

using Sounds = std::array<std::string, 5>;
// Every sound switched off.
Sounds Silent();
// The five sounds the document plays, named after their files.
Sounds NamedSounds();  // zip, tuttut, ding, tiou, bip

// A new document (OnNewDocument done) whose settings name |sounds|.
template <typename Doc = CVerbalineDoc>
std::unique_ptr<Doc> NewDocument(IDocumentHost* host, const Sounds& sounds = Silent()) {
    auto doc = std::make_unique<Doc>(host);
    doc->OnNewDocument();
    CDocumentSettings settings;
    for (int i = 0; i < 5; ++i) settings.m_strSound[i] = sounds[i];
    doc->TakeSettings(settings);
    return doc;
}

// What the new-grid dialog hands the document for dictionary |lex| (its
// definitions beside it, .dex for .lex), |size| cells and |quality|.
CNewGridData Choice(const std::string& lex, int size, int quality);

// The grid of a ready document: the solution |rows| at |size| (or their
// number), black squares copied to the player, every word's clue "H<row>.<n>"
// across and "V<column>.<n>" down, dictionary "Petit", quality 2, at (80, 60).
// |edit| may change it further (player letters, clues, ...).
using GridEdit = std::function<void(CGrid&)>;
std::unique_ptr<CGrid> ReadyGrid(const std::vector<std::string>& rows, const GridEdit& edit = {},
                                 int size = 0);

// |doc| opens that grid from a file, as "Ouvrir" would (its host sees it).
// Throws when the document refuses it.
void OpenReadyGrid(CVerbalineDoc& doc, const std::vector<std::string>& rows,
                   const GridEdit& edit = {}, int size = 0);
// A new document that opened it before it was given |host|.
std::unique_ptr<CVerbalineDoc> ReadyDocument(const std::vector<std::string>& rows,
                                             IDocumentHost* host = nullptr,
                                             const GridEdit& edit = {}, int size = 0);

// The player writes the solution's letter in every white cell for which
// |take| (row, column) is true.
void FillFromSolution(CVerbalineDoc& doc, const std::function<bool(int, int)>& take);

// The wrong cells marked and the solution shown, as "Solution" grants them
// once enough letters are right: rows 2 to 4 filled from the solution and a
// wrong letter at |row|, |col| (outside those rows), then "Afficher les
// erreurs" chosen through |host| and the solution shown.
void GrantMarksAndSolution(CVerbalineDoc& doc, FakeHost& host, int row, int col);

}  // namespace verbal::test
