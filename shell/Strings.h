// The program's own texts that are not in the engine: titles, prompts,
// menus. All in UTF-8.
#pragma once

#include <QString>

namespace verbal::shell {

QString AppTitle();        // "Verbaline 2000"
QString IdlePrompt();      // shown in the prompt pane when nothing else is
// The prompt of a command: the status-bar text, also its tooltip. Empty for
// a command without one.
QString CommandPrompt(int id);

// The document template.
QString DocBaseName();     // "GrilleNr"
QString DocFilter();       // "Grille de Verbaline (*.vbg)"

// The author's web page: the prompt of "Connexion au site" and the caption
// of the preferences' address button.
QString SiteAddress();

}  // namespace verbal::shell
