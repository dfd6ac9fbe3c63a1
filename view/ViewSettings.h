// The settings a grid window draws and plays with.
//
// Each view keeps its own copy. Until they are read from the settings file,
// the view starts from the first-run defaults built here.
#pragma once

#include <cstdint>
#include <string>

namespace verbal {

// A colour as the settings file stores it: 0x00BBGGRR.
using COLORREF = std::uint32_t;

constexpr COLORREF MakeColorRef(int r, int g, int b) {
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) |
           (static_cast<COLORREF>(b) << 16);
}
constexpr int RedOf(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }

struct CViewSettings {
    int m_nCellSize = 25;   // 15, 20, 25, 30 or 35 pixels
    int m_nLineWidth = 3;   // 1 to 4 pixels
    std::string m_strDictionaryPath;   // Windows-1252 bytes, like every path
    std::string m_strDefinitionsPath;
    // Sounds of the six events: computing, grid ready, cancel, erase,
    // letter placed, grid complete. "Aucun" switches one off.
    std::string m_strSoundFile[6];
    std::string m_strBrowserPath;
    std::string m_strInstallDir;  // with its trailing separator
    COLORREF m_clrGridLetters = MakeColorRef(0, 0, 0);
    COLORREF m_clrInnerFrame = MakeColorRef(255, 255, 0);
    COLORREF m_clrOuterFrame = MakeColorRef(255, 0, 0);
    COLORREF m_clrScreenBackground = MakeColorRef(0, 128, 0);
    COLORREF m_clrGridBackground = MakeColorRef(255, 255, 255);
    int m_nDefBoxPosition = 0;  // 0 bottom right, 1 bottom left, 2 top left, 3 top right, 4 centre

    // The values of a first start: every file beside the program in
    // |installDir| (as the file system names it, without a trailing
    // separator).
    static CViewSettings FirstRun(const std::string& installDir);
};

}  // namespace verbal
