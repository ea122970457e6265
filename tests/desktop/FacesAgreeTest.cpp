#include "desktop/Colours.h"
#include "desktop/QtRasteriser.h"
#include "headless/JpegFile.h"
#include "toolkit/layout/SystemColours.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

using namespace palettra;
using namespace palettra::toolkit;

namespace {

// The core's tests run on the headless face in place of the desktop: where both faces see the same
// thing, they must see it alike, or those tests would check a program nobody runs.
TEST(FacesAgree, TheStoredPictureDecodesToTheSamePixels)
{
    const PixelBuffer shown = desktop::DecodePicture(":/assets/apparatus.jpg");
    ASSERT_EQ(shown.Width(), 280);
    EXPECT_EQ(headless::ReadJpeg(headless::AssetPath("apparatus.jpg")), shown);
}

TEST(FacesAgree, SystemColoursAreTheApplicationPalettes)
{
    const QPalette palette = QApplication::palette();
    EXPECT_EQ(palette.color(QPalette::Base), desktop::ToQColor(Resolve(WindowBackgroundColour)));
    EXPECT_EQ(palette.color(QPalette::WindowText), desktop::ToQColor(Resolve(WindowTextColour)));
    EXPECT_EQ(palette.color(QPalette::Button), desktop::ToQColor(Resolve(ButtonFaceColour)));
}

} // namespace
