// verbal-cli's files for other programs and for paper: PDF, SVG and ipuz.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>

namespace verbal {
class CVerbalineDoc;
}

namespace verbal::cli {

// The files asked for on the command line. Paths are kept twice: as the
// file system names them and as typed, for messages (both UTF-8 now that
// files are written by their own names).
struct ExportRequest {
    struct Target {
        std::string stored;
        std::string shown;
        bool Asked() const { return !shown.empty(); }
    };
    Target pdf, svg, ipuz;
    bool solutionPage = false;   // the solution on a page of its own
    bool solutionFoot = false;   // the solution small, at the foot of the last page
    bool playerLetters = false;  // the player's letters in the printed grid
    bool Any() const { return pdf.Asked() || svg.Asked() || ipuz.Asked(); }
};

// Collects grids, then writes every file at once: one PDF holds every grid
// of a batch, while each grid of a batch gets its own numbered SVG and ipuz
// files ("grille-01.svg"). A file is complete or not written at all.
class Exporter {
public:
    Exporter(const ExportRequest& request, int count);
    ~Exporter();
    Exporter(const Exporter&) = delete;
    Exporter& operator=(const Exporter&) = delete;

    // Copies grid |number| (1 to the count); false, after a French message,
    // when it cannot be exported.
    bool Add(const CVerbalineDoc& doc, int number, std::ostream& err);
    // Writes the files; false after a French message.
    bool Write(std::ostream& out, std::ostream& err);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// "grille.pdf", 3 of 20 -> "grille-03.pdf"; the name itself when alone.
std::string NumberedPath(const std::string& path, int number, int count);

}  // namespace verbal::cli
