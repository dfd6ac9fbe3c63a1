// Times the export of one grid to PDF (layout, painting and the PDF file's
// bytes, the whole of what "Exporter en PDF" and verbal-cli do before the
// write), and to SVG and ipuz, and prints the median and 95th percentile.
//
//   export_bench --grid FILE.vbg [--runs N]
//   export_bench [--dict FILE.lex] [--size N] [--seed S] [--runs N]
//
// Without --grid, a grid is computed first (20 x 20, quality 1, seed 3 of
// the dictionary, Standard.lex by default).
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Export.h"
#include "GridSheet.h"
#include "Ipuz.h"
#include "SilentHost.h"
#include "VerbalineDoc.h"

namespace {

using Clock = std::chrono::steady_clock;

class BenchHost : public verbal::SilentHost {
public:
    BenchHost() : SilentHost(3) {}
    int MessageBox(const verbal::MessageBoxRequest& request) override {
        std::fprintf(stderr, "%s\n", request.text.c_str());
        return verbal::IDOK;
    }
};

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

void Time(const char* what, int runs, const std::function<std::size_t()>& work) {
    std::vector<double> ms;
    std::size_t bytes = 0;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        bytes = work();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::printf("%-28s median %7.2f ms   95e centile %7.2f ms   (%d fois, %zu octets)\n", what,
                Percentile(ms, 0.5), Percentile(ms, 0.95), runs, bytes);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    std::string grid, dict = "Standard.lex";
    int size = 20, runs = 30;
    BenchHost host;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--grid") grid = value;
        else if (name == "--dict") dict = value;
        else if (name == "--size") size = std::atoi(value.c_str());
        else if (name == "--seed") host.seed = std::atoll(value.c_str());
        else if (name == "--runs") runs = std::max(1, std::atoi(value.c_str()));
        else {
            std::fprintf(stderr, "option inconnue : %s\n", name.c_str());
            return 2;
        }
    }
    auto doc = std::make_unique<verbal::CVerbalineDoc>(&host);
    doc->OnNewDocument();
    if (!grid.empty()) {
        if (!doc->OpenGrid(grid)) return 1;
    } else {
        verbal::CNewGridData choice;
        choice.m_strDictPath = dict;
        choice.m_strDefsPath = choice.MakeDefsPath();
        choice.MakeDictName();
        choice.m_nGridLast = size - 1;
        choice.m_nQuality = 1;
        doc->Compute(choice);
    }
    const QString problem = verbal::print::SheetProblem(*doc);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", problem.toUtf8().constData());
        return 1;
    }
    std::printf("Grille de %d x %d, %u cases noires\n", doc->GridSize(), doc->GridSize(),
                doc->CountBlackSquares());
    const QPageSize a4(QPageSize::A4);
    auto job = [&] {
        verbal::print::PrintJob j;
        j.sheet = verbal::print::TakeSheet(*doc);
        return j;
    };
    Time("PDF (grille et définitions)", runs,
         [&] { return static_cast<std::size_t>(verbal::print::PdfBytes({job()}, a4).size()); });
    Time("PDF avec la solution", runs, [&] {
        auto j = job();
        j.options.solution = verbal::print::SolutionPlace::OwnPage;
        return static_cast<std::size_t>(verbal::print::PdfBytes({j}, a4).size());
    });
    Time("SVG", runs,
         [&] { return static_cast<std::size_t>(verbal::print::SvgBytes(job(), a4).size()); });
    Time("ipuz", runs, [&] {
        return static_cast<std::size_t>(
            verbal::print::IpuzBytes(job().sheet, QStringLiteral("Mots croisés")).size());
    });
    return 0;
}
