// The help and site commands: the page of the installation directory in the
// browser of the settings, started as its own process.
#include "Codepage.h"
#include "FileIo.h"
#include "Process.h"
#include "SettingsDialogs.h"
#include "SettingsIo.h"
#include "VerbalineView.h"

namespace verbal {

std::string ShippedBrowserText(const std::string& installDir) {
    // |installDir| is Windows-1252 text, as the settings keep it.
    std::string dir = installDir;
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    // A folder named relative to the program's own means nothing to the user.
    const std::string where = dir.empty() || dir[0] != '/' ? std::string() : " (" + dir + ")";
    return W("Le programme est fourni avec son propre navigateur, helpview, qui n'a besoin "
             "d'aucun autre logiciel. Pour le sélectionner, recherchez le fichier helpview qui "
             "doit se trouver dans le répertoire où vous avez installé Verbaline 2000") +
           where +
           W(". POUR PLUS D'INFORMATIONS, LANCEZ L'AIDE À PARTIR DU MENU DES APPLICATIONS DE "
             "VOTRE BUREAU.");
}

void CVerbalineView::OnHelpHtml() {
    OpenHtmlPage("aide.htm",
                 W("Le fichier aide.htm n'a pas été trouvé. Veuillez réinitialiser le programme."),
                 W("AIDE DE VERBALINE 2000"));
}

void CVerbalineView::OnSiteConnect() {
    OpenHtmlPage("enligne.htm",
                 W("Le fichier de lancement enligne.htm n'a pas été trouvé. Veuillez "
                   "réinitialiser le programme."),
                 std::string());
}

void CVerbalineView::OpenHtmlPage(const std::string& page, const std::string& missingText,
                                  const std::string& missingCaption) {
    const std::string pagePath = m_settings.m_strInstallDir + page;
    // Two quoted words, so that blanks in either path do not split it.
    m_strCommandLine = "\"" + m_settings.m_strBrowserPath + "\" \"" + pagePath + "\"";

    // A FIFO in place of the page must not freeze the window.
    if (!FileCanBeRead(Cp1252ToUtf8(pagePath))) {
        // The pages come with the installation: the preferences are where a
        // reset can be asked for.
        ShowSettingsMessage(this, missingText, missingCaption);
        OnViewPreferences();
        return;
    }
    // The words go apart to the program: a quote in a path cannot split it.
    const int result = StartProgram({m_settings.m_strBrowserPath, pagePath});
    if (result == kStartFileNotFound || result == kStartPathNotFound) AskBrowserPath();
}

void CVerbalineView::AskBrowserPath() {
    CBrowserPathData dlg;
    dlg.m_strMessage =
        W("Le navigateur html n'a pas été trouvé. Veuillez fournir le chemin d'accès au "
          "navigateur html que vous voulez utiliser pour naviguer dans l'aide de Verbaline 2000 "
          "ou vous connecter au site. Vous pouvez utiliser tout programme capable de visualiser "
          "des documents html. ") +
        ShippedBrowserText(m_settings.m_strInstallDir.rfind('/', 0) == 0
                               ? m_settings.m_strInstallDir
                               : ShownPath(m_strCurrentDir));
    // The dialog asks afresh: it does not show the path in force.
    dlg.m_strBrowserPath.clear();
    if (!SettingsDialogs().RunBrowserPath(this, dlg)) return;
    m_settings.m_strBrowserPath = dlg.m_strBrowserPath;
    WriteSettings();
}

}  // namespace verbal
