#include "ViewSettings.h"

#include "Codepage.h"
#include "SettingsFile.h"

namespace verbal {

CViewSettings CViewSettings::FirstRun(const std::string& installDir) {
    static const char* const kSounds[6] = {"zip.wav",  "tuttut.wav", "ding.wav",
                                           "tiou.wav", "bip.wav",    "victoire.wav"};
    CViewSettings s;
    // The settings file keeps Windows-1252 text.
    const std::string dir = Utf8ToCp1252(installDir) + "/";
    const bool storable = Cp1252ToUtf8(dir) == installDir + "/";
    s.m_strInstallDir = dir;
    s.m_strDictionaryPath = dir + "Standard.lex";
    s.m_strDefinitionsPath = dir + "Standard.dex";
    for (int i = 0; i < 6; ++i) s.m_strSoundFile[i] = dir + kSounds[i];
    // The help browser shipped beside the program, until one registered for
    // HTML pages is looked for.
    s.m_strBrowserPath = dir + "helpview";
    // A field of the settings file holds 100 bytes: a path cut there would
    // name another file, and so would one whose characters Windows-1252
    // lacks. Inside such an installation folder the paths are kept relative
    // to it, since the program runs in that folder.
    if (!storable || dir.size() + 12 > kSettingsTextSize) {  // "victoire.wav", the longest name
        for (std::string* path : {&s.m_strInstallDir, &s.m_strDictionaryPath,
                                  &s.m_strDefinitionsPath, &s.m_strBrowserPath})
            *path = "./" + path->substr(dir.size());
        for (std::string& sound : s.m_strSoundFile) sound = "./" + sound.substr(dir.size());
    }
    return s;
}

}  // namespace verbal
