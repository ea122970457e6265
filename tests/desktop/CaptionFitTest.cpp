#include "desktop/DesktopFace.h"
#include "desktop/Fonts.h"
#include "forms/Form1/Form1.h"
#include "tests/AllLayouts.h"
#include "tests/desktop/Widgets.h"
#include "texts/Language.h"
#include "toolkit/layout/Twips.h"
#include "toolkit/layout/Zoom.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

using namespace palettra;
using namespace palettra::toolkit;
using desktop::ButtonFont;
using desktop::LabelFont;
using tests::AllLayouts;

namespace {

TEST(LabelFont, ResolvesToTheFaceEveryCaptionWasMeasuredIn)
{
    EXPECT_EQ(QFontInfo(LabelFont({ .points = 12 })).family().toStdString(), "Ume P Gothic");
}

// Besides the layouts' own captions, the widest texts the handlers write into a label.
const std::map<std::pair<std::string, std::string>, std::vector<std::string>> WrittenLater {
    { { "Form2", "Label2" }, { "RGB = (255,255,255)" } },
    { { "Form2", "Label4" }, { "FFFFFF", "888888" } },
    { { "Form1", "Label1" }, { "100" } },
    { { "Form1", "Label2" }, { "100" } },
};

// At every zoom step the font and the box grow together, each rounded to whole pixels on its own; in
// every language.
class CaptionFit : public testing::TestWithParam<std::tuple<double, const char*>> {
protected:
    double Zoom() const { return std::get<0>(GetParam()); }
    const texts::Language& Language() const { return texts::LanguageFor(std::get<1>(GetParam())); }
};

TEST_P(CaptionFit, EveryCaptionFitsItsLabel)
{
    const double zoom = Zoom();
    for (const WindowLayout* layout : AllLayouts) {
        for (const ControlLayout& row : layout->controls) {
            if (row.kind != Kind::Label)
                continue;
            std::vector<std::string> texts { Language().Say(row.caption) };
            if (auto later = WrittenLater.find({ layout->name, row.name }); later != WrittenLater.end())
                texts.insert(texts.end(), later->second.begin(), later->second.end());
            const QFontMetrics metrics(LabelFont(row.font, zoom));
            const bool tooNarrow = layout->name == "Form1" && row.name == "Label3" && row.index == 0;
            for (const std::string& text : texts) {
                if (tooNarrow) // a full-width "％" in a 17-pixel box: the label grows to show it whole
                    continue;
                EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(text)), Pixels(row.width, zoom))
                    << layout->name << " " << row.name << "(" << row.index << ") \"" << text << "\"";
                EXPECT_LE(metrics.height(), Pixels(row.height, zoom) + metrics.descent())
                    << layout->name << " " << row.name << "(" << row.index << ")";
            }
        }
    }
}

// Buttons keep the application's font, at the window's zoom.
TEST_P(CaptionFit, EveryButtonCaptionFitsItsButton)
{
    const double zoom = Zoom();
    const QFontMetrics metrics(ButtonFont(zoom));
    for (const WindowLayout* layout : AllLayouts)
        for (const ControlLayout& row : layout->controls)
            if (row.kind == Kind::CommandButton) {
                EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(Language().Say(row.caption))),
                    Pixels(row.width, zoom))
                    << layout->name << " " << row.name << "(" << row.index << ")";
            }
}

INSTANTIATE_TEST_SUITE_P(EveryZoomStep, CaptionFit,
    testing::Combine(testing::ValuesIn(ZoomSteps), testing::Values("ja", "en")),
    [](const testing::TestParamInfo<std::tuple<double, const char*>>& info) {
        return std::string(std::get<1>(info.param)) + "At"
            + std::to_string(static_cast<int>(std::get<0>(info.param) * 100));
    });

TEST(LabelFont, ACaptionWiderThanItsBoxIsShownWhole)
{
    desktop::DesktopFace face;
    Form1 form(face);
    form.Show();
    const auto& percent = tests::WidgetOf<QLabel>(form.Find<Label>("Label3", 0));
    EXPECT_GE(percent.width(), percent.fontMetrics().horizontalAdvance(percent.text()));
    EXPECT_EQ(percent.x(), Pixels(3480));
    auto& blue = form.Find<Label>("Label1");
    blue.SetCaption("100");
    EXPECT_EQ(tests::WidgetOf(blue).geometry(), QRect(Pixels(2040), Pixels(2520), Pixels(1335), Pixels(735)));
}

} // namespace
