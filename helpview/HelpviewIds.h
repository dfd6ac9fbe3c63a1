// Command ids of the help browser. They keep the numbers the commands have
// always had, so a toolbar or a test can name a command by its id.
#pragma once

namespace helpview {

enum CommandId {
    ID_NAV_HELP = 32771,
    ID_NAV_SITE = 32772,
    ID_NAV_BACK = 32776,
    ID_NAV_FORWARD = 32777,
    ID_NAV_OTHER = 32780,
    ID_NAV_STOP = 32782,
    ID_NAV_REFRESH = 32784,
    ID_NAV_INFO = 32786,
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
};

// The caption of the window, whatever page is shown.
inline constexpr const char* kBrowserTitle = "NAVIGATEUR DE VERBALINE 2000";

// The project's page, shipped with the help, named in the tooltip of the
// site button.
inline constexpr const char* kAuthorSite = "la page du site (enligne.htm)";

// The file through which every running browser finds the same start directory.
inline constexpr const char* kStartDirFileName = "vbln6842.tmp";
inline constexpr int kStartDirSize = 100;

}  // namespace helpview
