#include "common/ColourValue.h"
#include "common/RuntimeError.h"
#include "common/Text.h"

#include <gtest/gtest.h>

#include <limits>

using namespace palettra::common;

namespace {

struct Rounding {
    double value;
    Int16 expected;
};

void PrintTo(const Rounding& rounding, std::ostream* out) { *out << rounding.value << " -> " << rounding.expected; }

class ToInt16Rounding : public testing::TestWithParam<Rounding> { };

TEST_P(ToInt16Rounding, GoesToNearestWithTiesToEven)
{
    EXPECT_EQ(ToInt16(GetParam().value), GetParam().expected);
    EXPECT_EQ(ToInt32(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Samples, ToInt16Rounding,
    testing::Values(Rounding { 127.5, 128 }, Rounding { 62.5, 62 }, Rounding { 187.5, 188 }, Rounding { 0.5, 0 },
        Rounding { 1.5, 2 }, Rounding { 2.5, 2 }, Rounding { 249.5, 250 }, Rounding { 248.5, 248 },
        Rounding { -0.5, 0 }, Rounding { -1.5, -2 }, Rounding { 249.95, 250 }, Rounding { 32767.4, 32767 },
        Rounding { -32768.5, -32768 }));

TEST(ToInt16, OverflowsJustOutsideTheRange)
{
    EXPECT_THROW(ToInt16(32767.5), RuntimeError);
    EXPECT_THROW(ToInt16(-32768.6), RuntimeError);
    EXPECT_THROW(ToInt16(std::numeric_limits<double>::quiet_NaN()), RuntimeError);
    EXPECT_EQ(ToInt32(40000.5), 40000);
    EXPECT_THROW(ToInt32(2147483647.5), RuntimeError);
}

TEST(Checked16, OverflowsAtBothEnds)
{
    EXPECT_EQ(Add16(32766, 1), 32767);
    EXPECT_THROW(Add16(32767, 1), RuntimeError);
    EXPECT_EQ(Sub16(-32767, 1), -32768);
    EXPECT_THROW(Sub16(-32768, 1), RuntimeError);
    EXPECT_EQ(Mul16(25, 10), 250);
    EXPECT_THROW(Mul16(3277, 10), RuntimeError);
    EXPECT_THROW(Mul16(-3277, 10), RuntimeError);
    try {
        Mul16(200, 200);
        FAIL();
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Code(), 6);
        EXPECT_NE(std::string(error.what()).find("Overflow"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("オーバーフロー"), std::string::npos);
    }
}

TEST(IntPart, RoundsTowardMinusInfinity)
{
    EXPECT_EQ(IntPart(50.999999999999986), 50.0);
    EXPECT_EQ(IntPart(-0.5), -1.0);
    EXPECT_EQ(IntPart(-2.0), -2.0);
    EXPECT_EQ(IntPart((1 - 80 / 100.0) * 255), 50.0);
}

TEST(RGB, PacksRedInTheLowByte)
{
    EXPECT_EQ(RGB(0, 0, 254), 0xFE0000);
    EXPECT_EQ(RGB(255, 128, 0), 0x0080FF);
    EXPECT_EQ(RedOf(0x123456), 0x56);
    EXPECT_EQ(GreenOf(0x123456), 0x34);
    EXPECT_EQ(BlueOf(0x123456), 0x12);
    EXPECT_THROW(RGB(256, 0, 0), RuntimeError);
    EXPECT_THROW(RGB(0, -1, 0), RuntimeError);
}

TEST(Text, DecimalAndHexadecimal)
{
    EXPECT_EQ(DecimalText(0), "0");
    EXPECT_EQ(DecimalText(-25), "-25");
    EXPECT_EQ(DecimalText(100), "100");
    EXPECT_EQ(HexText(0), "00");
    EXPECT_EQ(HexText(10), "0A");
    EXPECT_EQ(HexText(15), "0F");
    EXPECT_EQ(HexText(16), "10");
    EXPECT_EQ(HexText(30), "1E");
    EXPECT_EQ(HexText(255), "FF");
}

TEST(ToSingle, KeepsTheSinglePrecisionValue)
{
    EXPECT_EQ(ToSingle(0.6 * 3.14159265), 1.8849556f);
    EXPECT_THROW(ToSingle(1e300), RuntimeError);
}

} // namespace
