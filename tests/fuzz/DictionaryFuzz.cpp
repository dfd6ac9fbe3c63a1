// Any bytes given as a dictionary, then as a definitions file: loading,
// shuffling, rebuilding, validating, filling two rows and looking up clues
// must stay inside the buffers.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "GridText.h"
#include "VerbalineDoc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto doc = std::make_unique<verbal::CVerbalineDoc>();
    const char* bytes = reinterpret_cast<const char*>(data);

    doc->m_nGridLast = 5;
    doc->m_nQuality = size % 4;
    if (doc->TakeDictionaryBytes(bytes, size)) {
        doc->PrepareWordTable();
        doc->ValidateWordTable();
        doc->ResetGrid();
        if (doc->FillRow(1)) doc->FillRow(2);
        doc->CheckDuplicates();
    }

    verbal::SetSolutionRows(*doc, {"CHAT#A", "A#LOI#", "######", "ABCDEF", "#", ""}, 6);
    doc->BuildTransposed();
    doc->TakeDefinitionsBytes(bytes, size);
    doc->LookUpAllClues();
    return 0;
}
