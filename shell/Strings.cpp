#include "Strings.h"

#include "CommandMap.h"

namespace verbal::shell {

QString AppTitle() { return QStringLiteral("Verbaline 2000"); }
QString IdlePrompt() { return QStringLiteral("Pour l'aide, appuyez sur F1"); }
QString DocBaseName() { return QStringLiteral("GrilleNr"); }
QString DocFilter() { return QStringLiteral("Grille de Verbaline (*.vbg)"); }
// The project's page ships with the help (enligne.htm) and opens in the help
// browser: no address that could go stale or lead elsewhere.
QString SiteAddress() { return QStringLiteral("Site de Verbaline 2000"); }

QString CommandPrompt(int id) {
    if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_LAST)
        return QStringLiteral("Ouvre cette grille de Verbaline");
    switch (id) {
    case ID_FILE_NEW: return QStringLiteral("Crée une nouvelle grille de Verbaline");
    case ID_FILE_OPEN: return QStringLiteral("Ouvre une grille de Verbaline existante");
    case ID_FILE_CLOSE: return QStringLiteral("Ferme la grille de Verbaline active");
    case ID_FILE_SAVE: return QStringLiteral("Enregistre la grille de Verbaline active");
    case ID_FILE_SAVE_AS:
        return QStringLiteral("Enregistre la grille de Verbaline active sous un nouveau nom");
    case ID_FILE_PRINT: return QStringLiteral("Imprime la grille active et ses définitions");
    case ID_FILE_PRINT_PREVIEW:
        return QStringLiteral("Affiche la page telle qu'elle sera imprimée");
    case ID_FILE_EXPORT_PDF:
        return QStringLiteral("Enregistre la page imprimable de la grille dans un fichier PDF");
    case ID_FILE_EXPORT_IPUZ:
        return QStringLiteral("Enregistre la grille au format ipuz, que lisent d'autres "
                              "programmes de mots croisés");
    case ID_APP_ABOUT: return QStringLiteral("Affiche les informations sur le programme");
    case ID_APP_EXIT:
        return QStringLiteral(
            "Ferme l'application ; propose d'enregistrer les grilles de Verbaline ");
    case ID_VIEW_PREFERENCES:
        return QStringLiteral("Affiche la fenêtre permettant le réglage des paramètres.");
    case ID_VIEW_REFRESH:
        return QStringLiteral(
            "Rafraîchit l'écran et ramène la grille dans le coin supérieur gauche.");
    case ID_VIEW_MOVE: return QStringLiteral("Permet le déplacement de la grille.");
    case ID_VIEW_GRIDINFO: return QStringLiteral("Affiche les informations sur la grille active.");
    case ID_GRID_COMPUTE: return QStringLiteral("Lance le calcul de la grille.");
    case ID_GRID_ERASE: return QStringLiteral("Efface toutes les cases de la grille.");
    case ID_GRID_SOLUTION: return QStringLiteral("Affiche la solution de la grille.");
    case ID_HELP_HTML: return QStringLiteral("Aide de Verbaline 2000.");
    case ID_GRID_INFO: return QStringLiteral("Affiche les informations sur la grille active");
    case ID_FILE_SITE:
        return QStringLiteral("Ouvre la page du site de Verbaline 2000 dans le navigateur de l'aide");
    case ID_VIEW_TOOLBAR: return QStringLiteral("Affiche ou masque la barre d'outils");
    case ID_VIEW_STATUS_BAR: return QStringLiteral("Affiche ou masque la barre d'état");
    case ID_VIEW_CLUES: return QStringLiteral("Affiche ou masque la liste des définitions");
    case ID_EDIT_UNDO: return QStringLiteral("Annule la dernière modification de la grille");
    case ID_EDIT_REDO: return QStringLiteral("Rétablit la modification annulée");
    case ID_WINDOW_CASCADE:
        return QStringLiteral("Réorganise les fenêtres en cascade");
    case ID_WINDOW_TILE_HORZ:
        return QStringLiteral("Réorganise les fenêtres en mosaïque");
    case ID_WINDOW_ARRANGE:
        return QStringLiteral("Réorganise les icônes au bas de la fenêtre");
    default: return {};
    }
}

}  // namespace verbal::shell
