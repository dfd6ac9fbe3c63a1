// verbal.ini byte for byte.
#include <gtest/gtest.h>

#include "SettingsFile.h"

namespace verbal::test {
namespace {

std::string Int32(std::uint32_t v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                       static_cast<char>((v >> 16) & 0xFF), static_cast<char>((v >> 24) & 0xFF)};
}

CViewSettings Sample() {
    CViewSettings s = CViewSettings::FirstRun("/opt/verbal");
    s.m_strBrowserPath = "/usr/bin/nav";
    return s;
}

TEST(SettingsFile, FirstRunValuesAtTheirOffsets) {
    const std::string bytes = EncodeSettings(Sample());
    ASSERT_EQ(bytes.size(), 1032u);
    EXPECT_EQ(bytes.substr(0, 4), Int32(25));
    EXPECT_EQ(bytes.substr(4, 4), Int32(3));
    EXPECT_EQ(bytes.substr(8, 25), std::string("/opt/verbal/Standard.lex\0", 25));
    EXPECT_EQ(bytes.substr(108, 25), std::string("/opt/verbal/Standard.dex\0", 25));
    const char* sounds[6] = {"zip.wav", "tuttut.wav", "ding.wav", "tiou.wav", "bip.wav", "victoire.wav"};
    for (int i = 0; i < 6; ++i) {
        const std::string path = std::string("/opt/verbal/") + sounds[i];
        EXPECT_EQ(bytes.substr(208 + 100 * i, path.size() + 1), path + '\0') << i;
    }
    EXPECT_EQ(bytes.substr(808, 13), std::string("/usr/bin/nav\0", 13));
    EXPECT_EQ(bytes.substr(908, 13), std::string("/opt/verbal/\0", 13));
    // Padding is zeros up to the end of each field.
    EXPECT_EQ(bytes.substr(908 + 12, 88), std::string(88, '\0'));
    EXPECT_EQ(bytes.substr(1008, 4), Int32(0x00000000));  // grid and letters: black
    EXPECT_EQ(bytes.substr(1012, 4), Int32(0x0000FFFF));  // inner frame: yellow
    EXPECT_EQ(bytes.substr(1016, 4), Int32(0x000000FF));  // outer frame: red
    EXPECT_EQ(bytes.substr(1020, 4), Int32(0x00008000));  // screen: green
    EXPECT_EQ(bytes.substr(1024, 4), Int32(0x00FFFFFF));  // grid: white
    EXPECT_EQ(bytes.substr(1028, 4), Int32(0));
}

TEST(SettingsFile, PathsOf99And100BytesSurviveLongerOnesAreCut) {
    CViewSettings s = Sample();
    const std::string p99 = "/" + std::string(98, 'a');
    const std::string p100 = "/" + std::string(99, 'b');
    const std::string p130 = "/" + std::string(129, 'c');
    s.m_strSoundFile[0] = p99;
    s.m_strSoundFile[1] = p100;
    s.m_strSoundFile[2] = p130;
    const std::string bytes = EncodeSettings(s);
    ASSERT_EQ(bytes.size(), 1032u);
    EXPECT_EQ(bytes[208 + 99], '\0');
    // 100 bytes fill the field: no terminator, the next field follows.
    EXPECT_EQ(bytes.substr(308, 100), p100);
    EXPECT_EQ(bytes.substr(408, 100), p130.substr(0, 100));
    EXPECT_EQ(bytes.substr(508, 12), std::string("/opt/verbal/"));

    CViewSettings back;
    DecodeSettings(bytes, back);
    EXPECT_EQ(back.m_strSoundFile[0], p99);
    EXPECT_EQ(back.m_strSoundFile[1], p100);
    EXPECT_EQ(back.m_strSoundFile[2], p130.substr(0, 100));
    EXPECT_EQ(back.m_strSoundFile[3], "/opt/verbal/tiou.wav");
}

TEST(SettingsFile, ATextEndsAtItsFirstZero) {
    std::string bytes = EncodeSettings(Sample());
    bytes.replace(808, 9, std::string("/a\0/b/c/d", 9));
    CViewSettings back;
    DecodeSettings(bytes, back);
    EXPECT_EQ(back.m_strBrowserPath, "/a");
}

TEST(SettingsFile, AShortFileLeavesTheMissingFieldsAsGiven) {
    CViewSettings written = Sample();
    written.m_nCellSize = 30;
    written.m_nLineWidth = 2;
    written.m_strDictionaryPath = "/ailleurs/Grand.lex";
    written.m_strDefinitionsPath = "/ailleurs/Grand.dex";
    written.m_clrScreenBackground = 0x00FF0000;
    const std::string full = EncodeSettings(written);

    // Cut inside the definitions path: the numbers and the dictionary are
    // read, the half field and all that follows keep the defaults.
    CViewSettings back = Sample();
    DecodeSettings(full.substr(0, 150), back);
    EXPECT_EQ(back.m_nCellSize, 30);
    EXPECT_EQ(back.m_nLineWidth, 2);
    EXPECT_EQ(back.m_strDictionaryPath, "/ailleurs/Grand.lex");
    EXPECT_EQ(back.m_strDefinitionsPath, "/opt/verbal/Standard.dex");
    EXPECT_EQ(back.m_clrScreenBackground, Sample().m_clrScreenBackground);

    // Everything but the box place.
    back = Sample();
    back.m_nDefBoxPosition = 3;
    DecodeSettings(full.substr(0, 1030), back);
    EXPECT_EQ(back.m_clrScreenBackground, 0x00FF0000u);
    EXPECT_EQ(back.m_nDefBoxPosition, 3);

    back = Sample();
    DecodeSettings(std::string(), back);
    EXPECT_EQ(EncodeSettings(back), EncodeSettings(Sample()));
}

TEST(SettingsFile, NumbersOutOfTheirRangesAreTakenAsDefaults) {
    auto decode = [](int cell, int line, int place) {
        CViewSettings s = Sample();
        s.m_nCellSize = cell;
        s.m_nLineWidth = line;
        s.m_nDefBoxPosition = place;
        CViewSettings back;
        back.m_nCellSize = 15;  // not the default: the fallback is the default
        back.m_nLineWidth = 1;
        back.m_nDefBoxPosition = 2;
        DecodeSettings(EncodeSettings(s), back);
        return std::tuple{back.m_nCellSize, back.m_nLineWidth, back.m_nDefBoxPosition};
    };
    EXPECT_EQ(decode(0, 0, -1), std::tuple(25, 3, 0));
    EXPECT_EQ(decode(22, 5, 5), std::tuple(25, 3, 0));
    EXPECT_EQ(decode(10, -3, 100), std::tuple(25, 3, 0));
    EXPECT_EQ(decode(40, 1, 0), std::tuple(25, 1, 0));
    for (int cell : {15, 20, 25, 30, 35}) EXPECT_EQ(std::get<0>(decode(cell, 4, 4)), cell);
    EXPECT_EQ(decode(15, 4, 4), std::tuple(15, 4, 4));
}

}  // namespace
}  // namespace verbal::test
