#include "ViewSettings.h"

namespace verbal {

CViewSettings CViewSettings::FirstRun(const std::string& installDir) {
    static const char* const kSounds[6] = {"zip.wav",  "tuttut.wav", "ding.wav",
                                           "tiou.wav", "bip.wav",    "victoire.wav"};
    CViewSettings s;
    const std::string dir = installDir + "/";
    s.m_strInstallDir = dir;
    s.m_strDictionaryPath = dir + "Standard.lex";
    s.m_strDefinitionsPath = dir + "Standard.dex";
    for (int i = 0; i < 6; ++i) s.m_strSoundFile[i] = dir + kSounds[i];
    // The help browser shipped beside the program, until one registered for
    // HTML pages is looked for.
    s.m_strBrowserPath = dir + "helpview";
    return s;
}

}  // namespace verbal
