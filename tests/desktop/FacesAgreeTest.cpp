#include "desktop/Colours.h"
#include "desktop/QtRasteriser.h"
#include "toolkit/layout/SystemColours.h"
#include "toolkit/picture/StoredPicture.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <gtest/gtest.h>

using namespace palettra;
using namespace palettra::toolkit;

namespace {

// The core's tests run on the headless face in place of the desktop: where both faces see the same
// thing, they must see it alike, or those tests would check a program nobody runs.
// Every face shows the photo as decoded when the program was built: Qt's own decoding of the file,
// which the desktop showed when it read the file itself.
TEST(FacesAgree, TheStoredPictureIsWhatQtDecodesFromItsFile)
{
    const QImage decoded = QImage(PALETTRA_ASSETS_DIR "/apparatus.jpg").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(decoded.size(), QSize(280, 500));
    const PixelBuffer stored = StoredPicture("apparatus.jpg");
    EXPECT_EQ(desktop::ImageView(stored), decoded);
}

TEST(FacesAgree, SystemColoursAreTheApplicationPalettes)
{
    const QPalette palette = QApplication::palette();
    EXPECT_EQ(palette.color(QPalette::Base), desktop::ToQColor(Resolve(WindowBackgroundColour)));
    EXPECT_EQ(palette.color(QPalette::WindowText), desktop::ToQColor(Resolve(WindowTextColour)));
    EXPECT_EQ(palette.color(QPalette::Button), desktop::ToQColor(Resolve(ButtonFaceColour)));
}

} // namespace
