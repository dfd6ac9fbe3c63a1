// verbal-cli built without Qt: the exports are refused with a message.
#include <ostream>

#include "CliExport.h"

namespace verbal::cli {

struct Exporter::Impl {};

Exporter::Exporter(const ExportRequest&, int) {}
Exporter::~Exporter() = default;

bool Exporter::Add(const CVerbalineDoc&, int, std::ostream& err) {
    err << "Cette version de verbal-cli a été construite sans Qt : elle n'écrit ni PDF, ni SVG, "
           "ni ipuz.\n";
    return false;
}

bool Exporter::Write(std::ostream&, std::ostream&) { return false; }

std::string NumberedPath(const std::string& path, int, int) { return path; }

}  // namespace verbal::cli
