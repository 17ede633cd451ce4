// Reading, rounding and writing the numbers of the position lines.
#include <gtest/gtest.h>

#include <cmath>

#include "core/utf8.h"
#include "core/vb_number.h"

namespace tastrel {
namespace {

TEST(Numbers, ReadsTheLongestDecimalPrefixLeniently) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"5280", 5280},     {"-300", -300},     {"4327.5", 4327.5}, {"  12", 12},     {"1 2 3", 123},
        {"\t7\r\n", 7},     {"12abc", 12},      {"abc", 0},         {"", 0},          {".5", 0.5},
        {"-.25", -0.25},    {"+8", 8},          {"1e3", 1000},      {"2.5E-1", 0.25}, {"1e", 1},
        {"1.2.3", 1.2},     {"--1", 0},         {"-", 0},           {".", 0},         {"3d2", 300},
        {"1e999", HUGE_VAL}, {"12 , 5", 12},
    };
    for (const auto& c : cases) EXPECT_EQ(read_number(c.text), c.value) << '"' << c.text << '"';
}

TEST(Numbers, RoundsHalvesToEven) {
    const struct {
        double value;
        std::int32_t rounded;
    } cases[] = {{4327.5, 4328}, {4326.5, 4326}, {0.5, 0},   {1.5, 2},         {2.5, 2},
                 {-0.5, 0},      {-1.5, -2},     {-2.5, -2}, {2.4999, 2},      {-7.6, -8},
                 {1e12, 2147483647}, {-1e12, -2147483647 - 1}, {NAN, 0}};
    for (const auto& c : cases) EXPECT_EQ(round_half_even(c.value), c.rounded) << c.value;
}

TEST(Numbers, PositionsAreClampedToSixteenBits) {
    EXPECT_EQ(to_position(32767.4), 32767);
    EXPECT_EQ(to_position(40000), 32767);
    EXPECT_EQ(to_position(-40000), -32768);
    EXPECT_EQ(to_position(HUGE_VAL), 32767);
    EXPECT_EQ(clamp_to_position(std::int64_t{15} * 3000), 32767);
}

TEST(Numbers, WritesTheShortestPlainDecimal) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{6180, "6180"}, {6172.5, "6172.5"}, {-300, "-300"}, {0, "0"}, {-0.0, "0"},
                 {1e21, "1000000000000000000000"}, {0.125, "0.125"}};
    for (const auto& c : cases) EXPECT_EQ(shortest_decimal(c.value), c.text);
}

TEST(Utf8, CountsAndDropsCharactersNotBytes) {
    EXPECT_EQ(char_count("name_ﾃﾝｷｰ"), 9u);
    EXPECT_EQ(drop_chars("name_ﾃﾝｷｰ", 5), "ﾃﾝｷｰ");
    EXPECT_EQ(drop_chars("表示文字", 2), "文字");
    EXPECT_EQ(drop_chars("cmd", 4), "");
}

}  // namespace
}  // namespace tastrel
