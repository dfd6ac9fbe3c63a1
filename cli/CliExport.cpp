#include "CliExport.h"

#include <QGuiApplication>
#include <cstdio>
#include <ostream>
#include <vector>

#include "ConsoleHost.h"
#include "Export.h"
#include "GridSheet.h"
#include "Ipuz.h"
#include "VerbalineDoc.h"

namespace verbal::cli {
namespace {

// Text layout needs Qt's font database, hence an application; the command
// line draws offscreen, display or not. The application lives as long as
// the exporter that started it, so that the fonts are released with it.
std::unique_ptr<QGuiApplication> StartQt() {
    if (QGuiApplication::instance()) return nullptr;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about the session (no runtime directory...) are not the
    // user's business on a terminal; its errors still are.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    });
    static int argc = 1;
    static char name[] = "verbal-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

std::string Utf8(const QString& text) { return Printable(text.toStdString()); }

}  // namespace

struct Exporter::Impl {
    std::unique_ptr<QGuiApplication> app;
    ExportRequest request;
    int count = 1;
    std::vector<print::PrintJob> jobs;
};

Exporter::Exporter(const ExportRequest& request, int count) : d(std::make_unique<Impl>()) {
    d->request = request;
    d->count = count;
}

Exporter::~Exporter() = default;

bool Exporter::Add(const CVerbalineDoc& doc, int number, std::ostream& err) {
    if (!d->app) d->app = StartQt();
    const QString problem = print::SheetProblem(doc);
    if (!problem.isEmpty()) {
        err << Utf8(problem) << "\n";
        return false;
    }
    print::PrintJob job;
    job.sheet = print::TakeSheet(doc);
    job.options.playerLetters = d->request.playerLetters;
    job.options.solution = d->request.solutionPage   ? print::SolutionPlace::OwnPage
                           : d->request.solutionFoot ? print::SolutionPlace::Foot
                                                     : print::SolutionPlace::None;
    if (d->count > 1) job.options.title = QStringLiteral("Mots croisés n°\u00A0%1").arg(number);
    d->jobs.push_back(std::move(job));
    return true;
}

bool Exporter::Write(std::ostream& out, std::ostream& err) {
    if (!d->app) d->app = StartQt();
    const QPageSize paper = print::DefaultPageSize();
    auto write = [&](const ExportRequest::Target& target, int number, const QByteArray& bytes) {
        const std::string stored = NumberedPath(target.stored, number, d->count);
        const std::string shown = NumberedPath(target.shown, number, d->count);
        const QString problem =
            print::WriteFileSafely(stored, bytes, QString::fromStdString(shown));
        if (!problem.isEmpty()) {
            err << Utf8(problem) << "\n";
            return false;
        }
        out << "Écrit : " << Printable(shown) << "\n";
        return true;
    };
    if (d->request.pdf.Asked() && !write(d->request.pdf, 0, print::PdfBytes(d->jobs, paper)))
        return false;
    for (std::size_t i = 0; i < d->jobs.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const print::PrintJob& job = d->jobs[i];
        if (d->request.svg.Asked() && !write(d->request.svg, number, print::SvgBytes(job, paper)))
            return false;
        const QString title = job.options.title.isEmpty()
                                  ? QStringLiteral("Mots croisés %1 × %1").arg(job.sheet.size)
                                  : job.options.title;
        if (d->request.ipuz.Asked() &&
            !write(d->request.ipuz, number, print::IpuzBytes(job.sheet, title)))
            return false;
    }
    return true;
}

std::string NumberedPath(const std::string& path, int number, int count) {
    if (count <= 1 || number <= 0) return path;
    const int width = std::max(2, static_cast<int>(std::to_string(count).size()));
    std::string digits = std::to_string(number);
    digits.insert(0, static_cast<std::size_t>(std::max(0, width - static_cast<int>(digits.size()))), '0');
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && dot > 0 && (slash == std::string::npos || dot > slash + 1);
    if (!hasExtension) return path + "-" + digits;
    return path.substr(0, dot) + "-" + digits + path.substr(dot);
}

}  // namespace verbal::cli
