// Any bytes given as a dictionary, then as a definitions file: loading,
// shuffling, rebuilding, validating, filling two rows and looking up clues
// must stay inside the buffers.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "Definitions.h"
#include "Grid.h"
#include "GridSearch.h"
#include "GridText.h"
#include "WordTable.h"

namespace {

// One computation's parts, kept from one input to the next as a document
// keeps them from one computation to the next.
struct Parts {
    verbal::CWordTable table;
    verbal::CGrid grid;
    verbal::CGridSearch search{table, grid};
    verbal::CDefinitionsText definitions;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto parts = std::make_unique<Parts>();
    const char* bytes = reinterpret_cast<const char*>(data);

    parts->grid.m_nGridLast = 5;
    parts->grid.m_nQuality = static_cast<int>(size % 4);
    if (parts->table.TakeDictionaryBytes(bytes, size, "fuzz.lex").empty()) {
        parts->table.DrawRandomTable(static_cast<std::uint32_t>(size));
        parts->table.ShuffleDictionary();
        parts->table.RebuildWordTable();
        parts->search.ForgetColumns();
        parts->table.ValidateWordTable();
        parts->search.Start();
        parts->grid.ResetGrid();
        if (parts->search.FillRow(1)) parts->search.FillRow(2);
        parts->grid.CheckDuplicates();
    }

    verbal::SetSolutionRows(parts->grid, {"CHAT#A", "A#LOI#", "######", "ABCDEF", "#", ""}, 6);
    parts->grid.BuildTransposed();
    parts->definitions.TakeDefinitionsBytes(bytes, size);
    parts->definitions.LookUpAllClues(parts->grid, size % 2 == 0, {});
    return 0;
}
