#include <gtest/gtest.h>

#include <memory>

#include "DictWriter.h"
#include "FakeHost.h"
#include "GridText.h"
#include "VerbalineDoc.h"

namespace verbal::test {

TEST(Generator, SmallGridIsComplete) {
    FakeHost host;
    auto doc = std::make_unique<CVerbalineDoc>(&host);
    doc->OnNewDocument();
    for (auto& s : doc->m_strSound) s = "Aucun";
    doc->m_strDictPath = SmallDictionaryPath();
    doc->m_strDefsPath = SmallDictionaryPath().substr(0, SmallDictionaryPath().size() - 3) + "dex";
    doc->m_nQuality = 0;
    host.seconds = 1;
    doc->GenerateGrid();
    ASSERT_EQ(doc->m_bGridReady, 1);
    EXPECT_EQ(host.Count("MessageBox"), 0);
}

}  // namespace verbal::test
