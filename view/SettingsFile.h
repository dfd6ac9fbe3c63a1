// The settings file verbal.ini, byte for byte.
//
// 1032 bytes, no header, no version: the fields of CViewSettings in a fixed
// order, integers and colours as 32-bit little-endian values, texts in
// 100-byte fields of Windows-1252 bytes padded with zeros.
//
//   offset  size  field
//        0     4  cell size
//        4     4  line width
//        8   100  dictionary path
//      108   100  definitions path
//      208   600  six sound settings, 100 bytes each
//      808   100  browser path
//      908   100  installation directory (with its trailing separator)
//     1008    20  colours: grid and letters, inner frame, outer frame,
//                 screen background, grid background
//     1028     4  place of the definitions box
#pragma once

#include <cstddef>
#include <string>

#include "ViewSettings.h"

namespace verbal {

constexpr std::size_t kSettingsFileSize = 1032;
constexpr std::size_t kSettingsTextSize = 100;

// The 1032 bytes of |settings|. A text of 100 bytes or more keeps its first
// 100 bytes and has no terminator.
std::string EncodeSettings(const CViewSettings& settings);

// Reads the bytes of a settings file into |settings|. A field is taken only
// when |bytes| holds all of it: a short file leaves the fields past its end
// as they are in |settings| (the caller passes the defaults). A text ends at
// its first zero byte, or runs over all 100 bytes. A cell size, line width or
// box place outside its range is taken as its first-run default: a cell size
// of 0 would draw nothing and a place of 9 would put the box nowhere.
void DecodeSettings(const std::string& bytes, CViewSettings& settings);

// The first-run numbers, and whether a value read may be used.
constexpr int kDefaultCellSize = 25;
constexpr int kDefaultLineWidth = 3;
constexpr int kDefaultDefBoxPosition = 0;
bool IsValidCellSize(int size);      // 15, 20, 25, 30 or 35
bool IsValidLineWidth(int width);    // 1 to 4
bool IsValidDefBoxPosition(int p);   // 0 to 4

}  // namespace verbal
