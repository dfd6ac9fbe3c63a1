// "Imprimer...", "Aperçu avant impression", "Exporter en PDF..." and
// "Exporter au format ipuz..." of a grid window: the page options, then the
// toolkit's print, preview or file dialog, then the print library's page.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace verbal {
class CCommandMap;
class CVerbalineDoc;
}  // namespace verbal

namespace verbal::shell {

// Adds the four commands to |map|, for the grid of |doc| shown in |owner|;
// |name| gives the grid's name ("GrilleNr1", or its file's), which names the
// page and the file offered. They are greyed while the grid is computed and
// while the window holds no computed grid.
void AddPrintCommands(CCommandMap& map, QWidget* owner, CVerbalineDoc* doc,
                      std::function<QString()> name);

}  // namespace verbal::shell
