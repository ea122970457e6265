#include <QImage>
#include <QRgb>

#include <gtest/gtest.h>

namespace {

constexpr QRgb Key = 0xFF0000FE; // red 0, green 0, blue 254, as the photo window looks for it

// The photo window can only recolour what decodes to exactly its key colour, so the picture is worth
// nothing if a re-encode or a decoder change moves the liquid off it; the count guards against that.
TEST(AssetsTest, ApparatusDecodesWithLiquidInTheKeyColour)
{
    const QImage picture(PALETTRA_ASSETS_DIR "/apparatus.jpg");
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(280, 500));

    int key = 0, keyOutsideLiquid = 0, bluishNotKey = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (pixel == Key) {
                ++key;
                // The liquid lies in the lower part only: tube B from its surface down, the bend, bulb C.
                if (y < 248)
                    ++keyOutsideLiquid;
            } else if (qBlue(pixel) > 200 && qRed(pixel) < 60 && qGreen(pixel) < 60) {
                ++bluishNotKey;
            }
        }
    }
    EXPECT_GT(key, 8000);
    EXPECT_EQ(keyOutsideLiquid, 0);
    // Edges of the liquid ring a little and must stay out of the key colour, so some near-blue remains.
    EXPECT_GT(bluishNotKey, 0);
    // Row 495 is the last one the picture box shows; the apparatus must end above it.
    for (int y = 496; y < picture.height(); ++y)
        EXPECT_EQ(picture.pixel(140, y), qRgb(255, 255, 255)) << "row " << y;
}

TEST(AssetsTest, MenuIconIsThirtyTwoSquareWithTransparentCorners)
{
    const QImage icon(":/assets/menu.ico");
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(31, 31)), 0);
    EXPECT_EQ(icon.pixel(16, 16), qRgb(255, 255, 255)); // all three lights meet in the middle
}

} // namespace
