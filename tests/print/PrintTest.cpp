// The printed page as a reader meets it: the text a PDF reader extracts, the
// labels of rows and columns, and the refusals of grids that cannot print.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QXmlStreamReader>

#include "Documents.h"
#include "Export.h"
#include "FakeHost.h"
#include "GridSheet.h"
#include "PageLayout.h"
#include "TestFiles.h"

namespace verbal::test {
namespace {

const std::vector<std::string> kSix = {"ABCDEF", "GH#IJK", "L#MNOP", "QRSTU#", "V#WXYZ", "ABC#DE"};

// The PDF's text, as pdftotext reads it, blanks folded; each page ends with
// a form feed.
QString PdfText(const QByteArray& pdf) {
    if (QString(VERBAL_PDFTOTEXT).isEmpty()) return {};
    TempDir dir;
    WriteFile(dir / "page.pdf", pdf.toStdString());
    QProcess process;
    process.start(QStringLiteral(VERBAL_PDFTOTEXT),
                  {QString::fromStdString(dir.File("page.pdf")), QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return QStringLiteral("?");
    QString text = QString::fromUtf8(process.readAllStandardOutput());
    text.replace(QChar(0x00A0), QLatin1Char(' '));
    text.replace(QRegularExpression(QStringLiteral("[ \\t\\n]+")), QStringLiteral(" "));
    return text;
}

print::PrintJob Job(const std::vector<std::string>& rows,
                    print::SolutionPlace solution = print::SolutionPlace::None,
                    const GridEdit& edit = {}) {
    const auto doc = ReadyDocument(rows, nullptr, edit);
    print::PrintJob job;
    job.sheet = print::TakeSheet(*doc);
    job.options.solution = solution;
    job.options.date = QDate(2026, 12, 8);
    return job;
}

TEST(PrintedText, RomanNumeralsAndCluesAsAPaperPrintsThem) {
    EXPECT_EQ(print::RomanNumeral(1), QStringLiteral("I"));
    EXPECT_EQ(print::RomanNumeral(4), QStringLiteral("IV"));
    EXPECT_EQ(print::RomanNumeral(9), QStringLiteral("IX"));
    EXPECT_EQ(print::RomanNumeral(14), QStringLiteral("XIV"));
    EXPECT_EQ(print::RomanNumeral(19), QStringLiteral("XIX"));
    EXPECT_EQ(print::RomanNumeral(20), QStringLiteral("XX"));

    EXPECT_EQ(print::PrintedClue(QStringLiteral("pronom réfléchi")),
              QStringLiteral("Pronom réfléchi."));
    EXPECT_EQ(print::PrintedClue(QStringLiteral("Fin.")), QStringLiteral("Fin."));
    EXPECT_EQ(print::PrintedClue(QStringLiteral("Qui  sait ?")),
              QStringLiteral("Qui sait\u00A0?"));
    EXPECT_EQ(print::PrintedClue(QStringLiteral("Dit « oui »")),
              QStringLiteral("Dit «\u00A0oui\u00A0»."));
    EXPECT_EQ(print::PrintedClue(QStringLiteral("étape…")), QStringLiteral("Étape…"));
    EXPECT_EQ(print::PrintedClue(QStringLiteral("l'or")), QStringLiteral("L’or."));
    EXPECT_EQ(print::PrintedClue(QString()), QString());
}

TEST(PrintedPage, PdfHoldsTheClueBlocksRowByRow) {
    const print::PrintJob job = Job(kSix);
    const QByteArray pdf = print::PdfBytes({job}, QPageSize(QPageSize::A4));
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    const QString text = PdfText(pdf);
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext absent (poppler-utils)";
    EXPECT_TRUE(text.contains(QStringLiteral("Mots croisés"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Grille 6 × 6 · dictionnaire Petit · qualité bonne · "
                                             "8 décembre 2026")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("HORIZONTALEMENT"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("VERTICALEMENT")));
    // Each row's clues after its label, a dash between two words' clues;
    // single letters ("L" of row III, "V" of row V) get none.
    for (const char* line : {"I. H1.1.", "II. H2.1. – H2.2.", "III. H3.2.", "IV. H4.1.",
                             "V. H5.2.", "VI. H6.1. – H6.2."})
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("H3.1"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("H5.1")));
    // Column 2 is "BH", then the single letters R and B.
    EXPECT_TRUE(text.contains(QStringLiteral("2. V2.1.")));
    EXPECT_FALSE(text.contains(QStringLiteral("V2.2")));
    EXPECT_EQ(text.count(QChar('\f')), 1) << "one page";
}

TEST(PrintedPage, SolutionOnItsOwnPageOrAtTheFoot) {
    const QString alone = PdfText(print::PdfBytes({Job(kSix)}, QPageSize(QPageSize::A4)));
    if (alone.isEmpty()) GTEST_SKIP() << "pdftotext absent (poppler-utils)";
    EXPECT_FALSE(alone.contains(QStringLiteral("SOLUTION"), Qt::CaseInsensitive));

    const QString own = PdfText(
        print::PdfBytes({Job(kSix, print::SolutionPlace::OwnPage)}, QPageSize(QPageSize::A4)));
    EXPECT_EQ(own.count(QChar('\f')), 2) << own.toStdString();
    EXPECT_TRUE(own.contains(QStringLiteral("Mots croisés : solution")));
    EXPECT_FALSE(own.contains(QStringLiteral("1/2"))) << "the grid takes one sheet";

    const QString foot = PdfText(
        print::PdfBytes({Job(kSix, print::SolutionPlace::Foot)}, QPageSize(QPageSize::Letter)));
    EXPECT_EQ(foot.count(QChar('\f')), 1);
    EXPECT_GT(foot.indexOf(QStringLiteral("SOLUTION")), foot.indexOf(QStringLiteral("6. V6.1.")))
        << foot.toStdString();
}

TEST(PrintedPage, ABatchKeepsItsSolutionsForTheEnd) {
    std::vector<print::PrintJob> jobs = {Job(kSix, print::SolutionPlace::OwnPage),
                                         Job(kSix, print::SolutionPlace::OwnPage)};
    jobs[0].options.title = QStringLiteral("Grille A");
    jobs[1].options.title = QStringLiteral("Grille B");
    const QString text = PdfText(print::PdfBytes(jobs, QPageSize(QPageSize::A4)));
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext absent (poppler-utils)";
    const QStringList pages = text.split(QChar('\f'));
    ASSERT_EQ(pages.size(), 5) << text.toStdString();  // four pages, then nothing
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Grille A")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Grille B")));
    EXPECT_TRUE(pages[2].contains(QStringLiteral("Grille A : solution")));
    EXPECT_TRUE(pages[3].contains(QStringLiteral("Grille B : solution")));
}

TEST(PrintedPage, LongCluesFlowOntoASecondPageWithoutLosingAny) {
    std::vector<std::string> rows;
    for (int r = 0; r < 20; ++r) {
        std::string row;
        for (int c = 0; c < 20; ++c)
            row += (r * 7 + c * 3) % 11 == 0 ? '#' : static_cast<char>('A' + (r * 5 + c) % 26);
        rows.push_back(row);
    }
    const QString filler = QStringLiteral(" suivi d'une explication assez longue pour remplir");
    const print::PrintJob job = Job(rows, print::SolutionPlace::None, [&](CGrid& grid) {
        for (auto& line : grid.m_astrClues)
            for (auto& clue : line)
                if (!clue.empty()) clue += filler.toStdString();
    });
    const print::SheetPages pages(job.sheet, job.options, QSizeF(210, 297));
    EXPECT_GE(pages.PageCount(), 2);
    const QString text = PdfText(print::PdfBytes({job}, QPageSize(QPageSize::A4)));
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext absent (poppler-utils)";
    EXPECT_EQ(text.count(QChar('\f')), pages.PageCount());
    for (const print::SheetWord& w : job.sheet.across) {
        if (w.length < 2) continue;
        EXPECT_TRUE(text.contains(QStringLiteral("H%1.%2 ").arg(w.line).arg(w.number)))
            << w.line << "." << w.number;
    }
    for (const print::SheetWord& w : job.sheet.down) {
        if (w.length < 2) continue;
        EXPECT_TRUE(text.contains(QStringLiteral("V%1.%2 ").arg(w.line).arg(w.number)))
            << w.line << "." << w.number;
    }
    EXPECT_TRUE(text.contains(QStringLiteral("XX. ")));
    EXPECT_TRUE(text.contains(QStringLiteral("%1/%1").arg(pages.PageCount())));
}

TEST(PrintedPage, SvgIsTheSameDrawing) {
    const QByteArray svg = print::SvgBytes(Job(kSix), QPageSize(QPageSize::A4));
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("HORIZONTALEMENT"));
    EXPECT_TRUE(svg.contains("VERTICALEMENT"));
    EXPECT_TRUE(svg.contains("width=\"210.") && svg.contains("height=\"297."))
        << svg.left(600).toStdString();
}

TEST(PrintedPage, CluesFromStrangersStayText) {
    const print::PrintJob job = Job(kSix, print::SolutionPlace::None, [](CGrid& grid) {
        grid.m_astrClues[0][0] = "<svg onload=\"x\"> & ]]> \x01 <b>gras</b>";
    });
    const QByteArray svg = print::SvgBytes(job, QPageSize(QPageSize::A4));
    QXmlStreamReader xml(svg);
    QString text;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::Characters) text += xml.text();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("<b>gras</b>"))) << text.toStdString();
    const QString pdf = PdfText(print::PdfBytes({job}, QPageSize(QPageSize::A4)));
    if (pdf.isEmpty()) GTEST_SKIP() << "pdftotext absent (poppler-utils)";
    EXPECT_TRUE(pdf.contains(QStringLiteral("<svg onload=\"x\"> & ]]>"))) << pdf.toStdString();
}

TEST(PrintRefusal, NoGridNoFile) {
    FakeHost host;
    const auto empty = NewDocument(&host);
    EXPECT_TRUE(print::SheetProblem(*empty).contains(QStringLiteral("pas de grille calculée")));

    EXPECT_TRUE(print::SheetProblem(*ReadyDocument(kSix)).isEmpty());

    TempDir dir;
    const std::string path = dir.File("rien.pdf");
    EXPECT_FALSE(print::WriteFileSafely(path, QByteArray(), QStringLiteral("rien.pdf")).isEmpty());
    EXPECT_FALSE(std::filesystem::exists(path));
    const QString missing = print::WriteFileSafely(dir.File("absent/x.pdf"), "%PDF",
                                                   QStringLiteral("absent/x.pdf"));
    EXPECT_TRUE(missing.contains(QStringLiteral("le dossier n'existe pas"))) << missing.toStdString();
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

}  // namespace
}  // namespace verbal::test
