#include "texts/Language.h"
#include "headless/HeadlessFace.h"
#include "shell/Catalogue.h"
#include "tests/ToolWindows.h"
#include "toolkit/access/AccessibleName.h"
#include "toolkit/access/KeyboardHelp.h"
#include "toolkit/controls/Label.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace palettra;
using texts::LanguageFor;
using toolkit::CommandButton;
using toolkit::Label;
using toolkit::ScrollBar;

namespace {

const texts::Language& English = LanguageFor("en");

// Whether a text holds a kana, a kanji or a full-width form: all of them are three bytes in UTF-8, led
// by E3 to E9 (U+3000 to U+9FFF) or by EF BC to EF BF (U+FF00 to U+FFFF).
bool HasJapanese(const std::string& text)
{
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        const auto next = at + 1 < text.size() ? static_cast<unsigned char>(text[at + 1]) : 0;
        if ((byte >= 0xE3 && byte <= 0xE9) || (byte == 0xEF && next >= 0xBC))
            return true;
    }
    return false;
}

TEST(Language, PicksTheLanguageALocaleOrABrowserAsksFor)
{
    for (const char* tag : { "en", "en_US.UTF-8", "en-GB", "en_AU@euro" })
        EXPECT_EQ(LanguageFor(tag).Tag(), "en") << tag;
    for (const char* tag : { "ja_JP.UTF-8", "C.UTF-8", "POSIX", "fr_FR", "", "english" })
        EXPECT_EQ(LanguageFor(tag).Tag(), "ja") << tag;
    const std::vector<std::string> browser { "fr-CA", "de", "en-US", "ja" };
    EXPECT_EQ(texts::FirstSpoken(browser).Tag(), "en");
    EXPECT_EQ(texts::FirstSpoken(std::vector<std::string> { "fr" }).Tag(), "ja");
    EXPECT_EQ(&texts::NextAfter(texts::NextAfter(English)), &English);
    EXPECT_EQ(English.Name(), "English");
    EXPECT_EQ(texts::Japanese().Name(), "日本語");
}

// A translation may put the places elsewhere or twice; a text the catalogue lacks is itself.
TEST(Language, FillsEveryPlaceWhereverTheTranslationPutsIt)
{
    EXPECT_EQ(English.Say("{count} 個の点を塗った (painted {count} points)、{colour}",
                  { { "colour", "(0,0,0), black" }, { "count", "12" } }),
        "painted 12 points, (0,0,0), black");
    // A value is put in as it is, whatever braces a handler's caption holds.
    EXPECT_EQ(texts::Japanese().Say("{purpose}、{now}", { { "purpose", "{now}" }, { "now", "a}{" } }), "{now}、a}{");
    EXPECT_EQ(English.Say("RGB = (1,2,3)"), "RGB = (1,2,3)");
    EXPECT_EQ(texts::Japanese().Say("赤"), "赤");
}

// Every window opened from the menu of the English program and worked through its bars and buttons.
class EnglishProgram : public testing::Test {
protected:
    void SetUp() override
    {
        face.listening = true;
        face.SetLanguage(English);
        catalogue.StartUp().Show();
        for (const tests::Tool& tool : tests::Tools) {
            catalogue.StartUp().Find<CommandButton>(tool.button).Press();
            windows.push_back(tool.window(catalogue));
        }
    }
    void WorkEachWindow()
    {
        for (toolkit::Window* window : windows)
            for (toolkit::Control* control : window->FocusOrder()) {
                if (auto* bar = dynamic_cast<ScrollBar*>(control))
                    bar->Step(1);
                else if (auto* button = dynamic_cast<CommandButton*>(control))
                    button->Press();
            }
    }
    // Everything a window shows or tells, in the language it speaks now.
    std::vector<std::string> Texts(const toolkit::Window& window)
    {
        std::vector<std::string> texts { WindowTitle(window.Layout(), window.Language()),
            WindowName(window.Layout(), window.Language()),
            KeyboardHelp(window.Layout(), window.Language(), toolkit::HelpFor::KeysAndTouch).text };
        for (const toolkit::ControlLayout& row : window.Layout().controls) {
            texts.push_back(FixedName(row, window.Language()));
            if (row.kind == toolkit::Kind::Label)
                texts.push_back(window.Find<Label>(row.name, row.index).ShownCaption());
            if (row.kind == toolkit::Kind::CommandButton)
                texts.push_back(window.Find<CommandButton>(row.name, row.index).ShownCaption());
        }
        return texts;
    }
    std::vector<std::string> EveryText()
    {
        std::vector<std::string> texts = face.announcements;
        for (const auto& [control, description] : face.descriptions)
            texts.push_back(description);
        windows.push_back(&catalogue.StartUp());
        for (toolkit::Window* window : windows)
            for (const std::string& text : Texts(*window))
                texts.push_back(text);
        return texts;
    }
    headless::HeadlessFace face;
    Catalogue catalogue { face };
    std::vector<toolkit::Window*> windows;
};

// Only the switch back to Japanese says its language's name in it.
TEST_F(EnglishProgram, LeavesNoTextInJapanese)
{
    WorkEachWindow();
    ASSERT_FALSE(face.announcements.empty());
    const std::string japanese = texts::Japanese().Name();
    for (std::string text : EveryText()) {
        if (const auto at = text.find(japanese); at != std::string::npos)
            text.erase(at, japanese.size());
        EXPECT_FALSE(HasJapanese(text)) << text;
    }
    EXPECT_TRUE(face.errors.empty());
}

// The same actions, the same values and pictures, in the other language's words.
TEST(InEnglish, TheMixerTellsWhatItTellsInJapanese)
{
    headless::HeadlessFace face;
    face.listening = true;
    face.SetLanguage(English);
    Form2 mixer(face);
    mixer.Show();
    mixer.Find<ScrollBar>("HScroll1").SetValue(255);
    mixer.Find<ScrollBar>("HScroll2").SetValue(128);
    EXPECT_EQ(face.announcements.back(), "(255,128,0), hexadecimal FF8000, orange");
    EXPECT_EQ(face.descriptions[&mixer.Find<ScrollBar>("HScroll3")],
        "Blue channel, 0 to 255, (255,128,0), hexadecimal FF8000, orange");
    EXPECT_EQ(mixer.Find<Label>("Label1", 2).ShownCaption(), "Green");
    EXPECT_EQ(mixer.Find<Label>("Label2").ShownCaption(), "RGB = (255,128,0)");
}

// A switch of language keeps every value, caption and picture, and tells it all again in the new one.
TEST(SpeakIn, AnOpenWindowKeepsWhatItShowsAndTellsItInTheNewLanguage)
{
    headless::HeadlessFace face;
    face.listening = true;
    Catalogue catalogue(face);
    catalogue.StartUp().Show();
    catalogue.StartUp().Find<CommandButton>("Command1").Press();
    Form2& mixer = *catalogue.form2;
    ScrollBar& red = mixer.Find<ScrollBar>("HScroll1");
    red.SetValue(10);
    const std::string japanese = face.descriptions[&red];
    const toolkit::PixelBuffer pixels = mixer.Find<toolkit::PictureBox>("Picture1").Model().Image();

    catalogue.SpeakIn(English);
    EXPECT_EQ(red.Value(), 10);
    EXPECT_EQ(mixer.Find<Label>("Label4").Caption(), "0A0000");
    EXPECT_EQ(mixer.Find<toolkit::PictureBox>("Picture1").Model().Image(), pixels);
    EXPECT_EQ(face.descriptions[&red], "Red channel, 0 to 255, (10,0,0), hexadecimal 0A0000, black");
    EXPECT_EQ(face.names[&red], "Red");
    EXPECT_EQ(face.titles[&mixer], "RGB → 16.7M colours");
    EXPECT_EQ(face.names[&catalogue.StartUp().Find<CommandButton>("Command2")], "End");

    catalogue.SpeakIn(texts::Japanese());
    EXPECT_EQ(face.descriptions[&red], japanese);
    EXPECT_EQ(face.titles[&mixer], "RGB → 1677万色");
}

} // namespace
