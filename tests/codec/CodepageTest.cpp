// The code page of every stored text: each of the 256 bytes, the table of
// 0x80..0x9F, and what becomes of text that is not UTF-8 or not 1252.
#include <gtest/gtest.h>

#include <string>

#include "Codepage.h"

namespace verbal::test {
namespace {

std::string Byte(int b) { return std::string(1, static_cast<char>(b)); }

TEST(Codepage, EveryByteSurvivesARoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += Byte(b);
    const std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_EQ(Utf8ToCp1252(utf8), all);
    for (int b = 0; b < 256; ++b) {
        const std::string one = Cp1252ToUtf8(Byte(b));
        EXPECT_EQ(Utf8ToCp1252(one), Byte(b)) << b;
        // ASCII is itself; every other byte takes two or three UTF-8 bytes.
        if (b < 0x80) EXPECT_EQ(one, Byte(b)) << b;
        else EXPECT_GE(one.size(), 2u) << b;
    }
}

TEST(Codepage, TheBytesBetween0x80And0x9FAreTheWindowsCharacters) {
    // The 1252 table, written out by hand; the five unassigned bytes keep
    // their C1 control so that no byte is lost.
    const char32_t expected[32] = {
        U'€', 0x81, U'‚', U'ƒ', U'„', U'…', U'†', U'‡', U'ˆ', U'‰', U'Š', U'‹', U'Œ', 0x8D, U'Ž', 0x8F,
        0x90, U'‘', U'’', U'“', U'”', U'•', U'–', U'—', U'˜', U'™', U'š', U'›', U'œ', 0x9D, U'ž', U'Ÿ',
    };
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(Utf8ToUtf32(Cp1252ToUtf8(Byte(0x80 + i))), std::u32string(1, expected[i]))
            << std::hex << 0x80 + i;
    // Latin-1 above 0x9F is the same code point.
    for (int b = 0xA0; b < 0x100; ++b)
        EXPECT_EQ(Utf8ToUtf32(Cp1252ToUtf8(Byte(b))), std::u32string(1, static_cast<char32_t>(b)));
    EXPECT_EQ(Utf8ToCp1252("cœur à 5 €"), "c\x9C" "ur \xE0 5 \x80");
    EXPECT_EQ(Cp1252ToUtf8("\x8C" "uvre \xE9t\xE9"), "Œuvre été");
}

TEST(Codepage, BytesThatAreNotUtf8AreKeptAsTheyAre) {
    const std::string cases[] = {
        "\x80",              // a continuation byte alone
        "\xC3",              // a sequence cut short at the end
        "\xE2\x82",          // three bytes announced, two given
        "\xC0\xAF",          // an overlong slash
        "\xE0\x80\xAF",      // the same, on three bytes
        "\xC1\xBF",          // C1 never starts a character
        "\xED\xA0\x80",      // a surrogate half
        "\xF4\x90\x80\x80",  // past U+10FFFF
        "\xF8\x88\x80\x80\x80",
        "\xFF",
    };
    for (const std::string& bad : cases) {
        EXPECT_EQ(Utf8ToCp1252("a" + bad + "b"), "a" + bad + "b") << Cp1252ToUtf8(bad);
        const std::u32string decoded = Utf8ToUtf32("a" + bad + "b");
        EXPECT_EQ(decoded, U"a" + std::u32string(bad.size(), U'\uFFFD') + U"b")
            << Cp1252ToUtf8(bad);
    }
    // A character right after a broken one is still read.
    EXPECT_EQ(Utf8ToCp1252("\xC3(\xC3\xC3\xA9"), "\xC3(\xC3\xE9");
    EXPECT_EQ(Utf8ToUtf32("\xC3(\xC3\xC3\xA9"), U"\uFFFD(\uFFFD\u00E9");
}

TEST(Codepage, CharactersOutsideTheCodePageBecomeAQuestionMark) {
    EXPECT_EQ(Utf8ToCp1252("ĳ"), "?");            // U+0133
    EXPECT_EQ(Utf8ToCp1252("Ā→β"), "???");
    EXPECT_EQ(Utf8ToCp1252("x😀y"), "x?y");       // four bytes, one character
    EXPECT_EQ(Utf8ToCp1252("\xC2\x81"), "\x81");  // the C1 control kept by the table
    EXPECT_EQ(Utf8ToCp1252("\xC2\x80"), "?");     // U+0080 has no place: 0x80 is the euro
}

TEST(Codepage, CodePointsGoBackToTheSameUtf8) {
    const std::string text = "Noël, œuvre, 😀, \x7F";
    EXPECT_EQ(Utf32ToUtf8(Utf8ToUtf32(text)), text);
    EXPECT_EQ(Utf8ToUtf32("été"), U"été");
    EXPECT_EQ(Utf32ToUtf8(U"\U0001F600"), "\xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace verbal::test
