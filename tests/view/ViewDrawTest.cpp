// What the grid window paints, sampled pixel by pixel.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <memory>

#include "DictWriter.h"
#include "Documents.h"
#include "FakeHost.h"
#include "GridText.h"
#include "SettingsFile.h"
#include "VerbalineDoc.h"
#include "VerbalineView.h"

namespace verbal::test {
namespace {

// A ready 6 x 6 grid whose player has placed some letters.
const std::vector<std::string> kGrid = {
    "POIGNE", "CEDRAT", "##OE#A", "AS#COL", "SEN#HE", "#TOGE#",
};

class ViewDraw : public ::testing::Test {
protected:
    void SetUp() override {
        doc = NewDocument(&host);
        view = std::make_unique<CVerbalineView>(doc.get());
        view->resize(900, 700);
    }
    void MakeReadyGrid() { OpenReadyGrid(*doc, kGrid); }
    QImage Paint() { return view->grab().toImage(); }
    QRect Cell(int row, int col) const { return view->CellRect(row, col); }
    static QColor Centre(const QImage& image, const QRect& r) {
        return image.pixelColor(r.center());
    }
    // Near-black pixels of |r|, inside its lattice lines.
    static int DarkPixels(const QImage& image, const QRect& r) {
        int count = 0;
        for (int y = r.top() + 3; y < r.bottom() - 2; ++y)
            for (int x = r.left() + 3; x < r.right() - 2; ++x)
                if (qMax(qMax(qRed(image.pixel(x, y)), qGreen(image.pixel(x, y))),
                         qBlue(image.pixel(x, y))) < 80)
                    ++count;
        return count;
    }
    FakeHost host;
    std::unique_ptr<CVerbalineDoc> doc;
    std::unique_ptr<CVerbalineView> view;
};

const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

TEST_F(ViewDraw, NewDocumentShowsTheWelcomeGridFramedForTenCells) {
    const QImage image = Paint();
    EXPECT_EQ(image.pixelColor(2, 2), kGreen);
    EXPECT_EQ(image.pixelColor(899, 699), kGreen);
    // Frame of ten cells: left 55, top 35, 278 pixels square; the outline is
    // centred 9 pixels outside it and the band lies between.
    EXPECT_EQ(view->m_rcFrame, QRect(55, 35, 278, 278));
    EXPECT_EQ(image.pixelColor(46, 174), kRed);
    EXPECT_EQ(image.pixelColor(51, 174), kYellow);
    EXPECT_EQ(image.pixelColor(56 + 278 + 4, 174), kYellow);
    // The five black squares, an empty white cell, a letter, the numbers.
    for (auto [r, c] : {std::pair{3, 9}, {4, 5}, {9, 3}, {7, 8}, {6, 2}})
        EXPECT_EQ(Centre(image, Cell(r, c)), kBlack) << r << "," << c;
    EXPECT_EQ(Centre(image, Cell(8, 2)), kWhite);
    EXPECT_GT(DarkPixels(image, Cell(1, 3)), 10);  // a letter
    EXPECT_GT(DarkPixels(image, Cell(0, 10)), 5);  // number 10 above column 10
    EXPECT_GT(DarkPixels(image, Cell(10, 0)), 5);
    EXPECT_EQ(DarkPixels(image, Cell(0, 0)), 0);   // no "S"
    // The grid's rectangle stays that of the document's own 6 x 6 grid.
    EXPECT_EQ(view->m_rcGrid, QRect(55, 35, 178, 178));
}

TEST_F(ViewDraw, ComputingShowsOnlyTheLatticeOfTheRowsDone) {
    // A picture taken when the computation says three rows are done.
    QImage image;
    QRect frame;
    int lines = 0;
    host.onCall = [&](const FakeHost::Call& call) {
        if (call.name != "ProgressChanged" || call.detail != "3" || !image.isNull()) return;
        image = Paint();
        frame = view->m_rcFrame;
        lines = view->m_nLinesToDraw;
    };
    doc->Compute(Choice(SmallDictionaryPath(), 12, 0));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(frame, QRect(55, 35, 328, 328));
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(image.pixelColor(100, 60 + 25), kBlack);   // inside the 3 x 3 lattice
    EXPECT_EQ(image.pixelColor(80 + 75, 100), kBlack);   // its right edge
    EXPECT_EQ(image.pixelColor(100, 60 + 100), kWhite);  // no fourth line
    EXPECT_EQ(image.pixelColor(200, 70), kWhite);
    EXPECT_EQ(DarkPixels(image, Cell(0, 1)), 0);         // no numbers yet
    EXPECT_EQ(image.pixelColor(55 + 328 + 4, 200), kYellow);
}

TEST_F(ViewDraw, ReadyGridShowsBlackSquaresLettersAndNumbers) {
    MakeReadyGrid();
    doc->PlaceLetter(1, 1, 'P');
    QImage image = Paint();
    EXPECT_EQ(Centre(image, Cell(3, 1)), kBlack);
    EXPECT_EQ(Centre(image, Cell(6, 6)), kBlack);
    EXPECT_GT(DarkPixels(image, Cell(1, 1)), 10);      // the player's P
    EXPECT_EQ(DarkPixels(image, Cell(1, 2)), 0);       // empty for the player
    EXPECT_GT(DarkPixels(image, Cell(0, 6)), 5);
    EXPECT_GT(DarkPixels(image, Cell(6, 0)), 5);
    EXPECT_EQ(DarkPixels(image, Cell(0, 7)), 0);       // nothing past the grid
    EXPECT_EQ(DarkPixels(image, Cell(0, 0)), 0);

    doc->ToggleSolution();
    image = Paint();
    EXPECT_GT(DarkPixels(image, Cell(1, 2)), 10);      // the solution's O
    EXPECT_GT(DarkPixels(image, Cell(0, 0)), 5);       // the "S"
}

TEST_F(ViewDraw, WrongLettersGetARedDiscEmptyCellsNone) {
    MakeReadyGrid();
    // Enough right letters below for the marks to be granted.
    FillFromSolution(*doc, [](int row, int) { return row >= 3; });
    doc->PlaceLetter(1, 1, 'X');  // wrong
    doc->PlaceLetter(1, 2, 'O');  // right
    host.solutionChoice = 2;
    doc->OnSolution();
    ASSERT_TRUE(doc->ShowWrongCells());
    const QImage image = Paint();
    const QRect wrong = Cell(1, 1);
    EXPECT_EQ(image.pixelColor(wrong.left() + 6, wrong.center().y()), kRed);
    EXPECT_NE(image.pixelColor(Cell(1, 2).left() + 6, Cell(1, 2).center().y()), kRed);
    EXPECT_EQ(Centre(image, Cell(2, 2)), kWhite);  // empty: no mark
    EXPECT_GT(DarkPixels(image, Cell(0, 0)), 5);
}

TEST_F(ViewDraw, GridMovedByTheDocumentIsDrawnWhereItSays) {
    MakeReadyGrid();
    doc->SetGridOrigin(CPoint{200, 150});
    const QImage image = Paint();
    EXPECT_EQ(view->m_ptDefaultOrigin, (CPoint{200, 150}));
    EXPECT_EQ(Centre(image, Cell(3, 1)), kBlack);
    EXPECT_EQ(Cell(3, 1).topLeft(), QPoint(200, 200));
}

TEST_F(ViewDraw, GeometryFollowsCellSizeAndLineWidth) {
    view->m_settings.m_nCellSize = 35;
    view->m_settings.m_nLineWidth = 4;
    view->CreateDrawingObjects();
    OpenReadyGrid(*doc, std::vector<std::string>(20, std::string(20, 'A')));
    Paint();
    EXPECT_EQ(view->m_rcFrame.width(), 739);
    EXPECT_EQ(view->CellRect(2, 3), QRect(80 + 70, 60 + 35, 35, 35));
    EXPECT_EQ(view->CellRect(0, 0), QRect(80 - 35, 60 - 35, 35, 35));
}

TEST_F(ViewDraw, FontsHaveTheCellHeightAndAverageWidthAsked) {
    for (auto [cell, letters, lettersWide, labels, labelsWide] :
         {std::tuple{15, 11, 5, 9, 4}, std::tuple{35, 31, 15, 29, 14}}) {
        view->m_settings.m_nCellSize = cell;
        view->CreateDrawingObjects();
        const QFontMetricsF big(view->m_fontLetters);
        const QFontMetricsF small(view->m_fontLabels);
        EXPECT_NEAR(big.ascent() + big.descent(), letters, 1.0) << cell;
        EXPECT_NEAR(big.averageCharWidth(), lettersWide, 1.0) << cell;
        EXPECT_NEAR(small.ascent() + small.descent(), labels, 1.0) << cell;
        EXPECT_NEAR(small.averageCharWidth(), labelsWide, 1.0) << cell;
        EXPECT_TRUE(view->m_fontLetters.bold());
    }
}

TEST_F(ViewDraw, ColoursComeFromTheSettingsAfterCreateDrawingObjects) {
    view->m_settings.m_clrScreenBackground = MakeColorRef(10, 20, 30);
    view->m_settings.m_clrOuterFrame = MakeColorRef(0, 0, 255);
    Paint();
    view->CreateDrawingObjects();
    const QImage image = Paint();
    EXPECT_EQ(image.pixelColor(2, 2), QColor(10, 20, 30));
    EXPECT_EQ(image.pixelColor(46, 174), QColor(0, 0, 255));
}

TEST_F(ViewDraw, EveryPaintHandsTheSettingsToTheDocument) {
    view->m_settings.m_strDictionaryPath = "/d/Grand.lex";
    view->m_settings.m_strDefinitionsPath = "/d/Grand.dex";
    view->m_settings.m_strSoundFile[4] = "Aucun";
    Paint();
    EXPECT_EQ(doc->Settings().m_strDefaultDictPath, "/d/Grand.lex");
    EXPECT_EQ(doc->Settings().m_strDefaultDefsPath, "/d/Grand.dex");
    EXPECT_EQ(doc->Settings().m_strSound[4], "Aucun");
    EXPECT_EQ(doc->Settings().m_strCurrentDir, view->m_strCurrentDir);
}

TEST(ViewSettings, FirstRunPutsEveryFileInTheInstallationDirectory) {
    const CViewSettings s = CViewSettings::FirstRun("/opt/verbal");
    EXPECT_EQ(s.m_nCellSize, 25);
    EXPECT_EQ(s.m_nLineWidth, 3);
    EXPECT_EQ(s.m_strDictionaryPath, "/opt/verbal/Standard.lex");
    EXPECT_EQ(s.m_strDefinitionsPath, "/opt/verbal/Standard.dex");
    EXPECT_EQ(s.m_strSoundFile[0], "/opt/verbal/zip.wav");
    EXPECT_EQ(s.m_strSoundFile[5], "/opt/verbal/victoire.wav");
    EXPECT_EQ(s.m_strInstallDir, "/opt/verbal/");
    EXPECT_EQ(s.m_clrScreenBackground, 0x008000u);
    EXPECT_EQ(s.m_clrInnerFrame, 0x00FFFFu);
    EXPECT_EQ(s.m_clrOuterFrame, 0x0000FFu);
}

// An installation folder too long for the settings file's 100-byte fields:
// the paths are stored relative to it, never cut.
TEST(ViewSettings, FirstRunInALongFolderStoresPathsRelativeToIt) {
    const std::string longDir = "/opt/" + std::string(86, 'v') + "/lib/verbal";
    ASSERT_EQ(longDir.size(), 102u);
    const CViewSettings s = CViewSettings::FirstRun(longDir);
    EXPECT_EQ(s.m_strDictionaryPath, "./Standard.lex");
    EXPECT_EQ(s.m_strDefinitionsPath, "./Standard.dex");
    EXPECT_EQ(s.m_strSoundFile[5], "./victoire.wav");
    EXPECT_EQ(s.m_strBrowserPath, "./helpview");
    EXPECT_EQ(s.m_strInstallDir, "./");
    CViewSettings read;
    DecodeSettings(EncodeSettings(s), read);
    EXPECT_EQ(read.m_strDictionaryPath, "./Standard.lex");
    EXPECT_EQ(read.m_strSoundFile[0], "./zip.wav");
    // 88 bytes and its name still fit whole.
    const std::string fits = "/opt/" + std::string(82, 'v');
    EXPECT_EQ(CViewSettings::FirstRun(fits).m_strSoundFile[5], fits + "/victoire.wav");
}

}  // namespace
}  // namespace verbal::test
