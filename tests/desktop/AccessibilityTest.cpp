#include "desktop/DesktopFace.h"
#include "forms/Form2/Form2.h"
#include "forms/Form5/Form5.h"
#include "layouts/Layouts.h"
#include "shell/Catalogue.h"
#include "tests/desktop/Widgets.h"
#include "toolkit/access/KeyboardHelp.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace palettra;
using tests::WidgetOf;
using tests::WindowOf;
using toolkit::Label;
using toolkit::PictureBox;
using toolkit::ScrollBar;

namespace {

std::string AccessibleName(QObject& object)
{
    return QAccessible::queryAccessibleInterface(&object)->text(QAccessible::Name).toStdString();
}

TEST(AccessibleNames, LabelsAreNamedByTheirCurrentCaption)
{
    desktop::DesktopFace face;
    Form2 form(face);
    form.Show();
    Label& triple = form.Find<Label>("Label2");
    EXPECT_EQ(AccessibleName(WidgetOf(triple)), "RGB = (0,0,0)");
    form.Find<ScrollBar>("HScroll1").SetValue(255);
    EXPECT_EQ(AccessibleName(WidgetOf(triple)), "RGB = (255,0,0)");
    EXPECT_EQ(AccessibleName(WidgetOf(form.Find<Label>("Label4"))), "FF0000");
}

// What was told while no tool listened is out of date: a tool that starts finds every control
// describing the window as it stands.
TEST(AccessibleDescriptions, AToolThatStartsLaterFindsThePresentState)
{
    desktop::DesktopFace face;
    Form2 form(face);
    form.Show();
    form.Find<ScrollBar>("HScroll1").SetValue(255);
    const QWidget& green = WidgetOf(form.Find<ScrollBar>("HScroll2"));
    EXPECT_EQ(green.accessibleDescription().toStdString(), "緑の強さ 0～255 (green channel, 0 to 255)");
    QAccessible::setActive(true);
    EXPECT_EQ(green.accessibleDescription().toStdString(),
        "緑の強さ 0～255 (green channel, 0 to 255)、(255,0,0)、16進数 FF0000、赤 (red)");
    QAccessible::setActive(false);
}

TEST(Roles, WindowsAreFramesNamedByTheirTitlesAndPicturesAreImages)
{
    desktop::DesktopFace face;
    Catalogue catalogue(face);
    Form2 mixer(face);
    mixer.Show();
    for (QWidget* window : std::initializer_list<QWidget*> { &WindowOf(catalogue.StartUp()), &WindowOf(mixer) }) {
        QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window);
        EXPECT_EQ(frame->role(), QAccessible::Window);
    }
    EXPECT_EQ(AccessibleName(WindowOf(catalogue.StartUp())), "メニュー (menu)");
    EXPECT_EQ(AccessibleName(WindowOf(mixer)), "RGB → 1677万色");
    QAccessibleInterface* swatch = QAccessible::queryAccessibleInterface(&WidgetOf(mixer.Find<PictureBox>("Picture1")));
    EXPECT_EQ(swatch->role(), QAccessible::Graphic);
    EXPECT_EQ(swatch->text(QAccessible::Name).toStdString(), "色の表示 (colour display)");
}

// The names of the window's controls in the order Tab really visits them, from the one focused on opening.
std::string TabChain(const QWidget& window)
{
    std::string chain;
    QWidget* first = window.focusWidget();
    QWidget* widget = first;
    do {
        if (widget->focusPolicy() & Qt::TabFocus && widget->isVisible())
            chain += (chain.empty() ? "" : "、") + widget->accessibleName().toStdString();
        widget = widget->nextInFocusChain();
    } while (widget != first);
    return chain;
}

TEST(KeyboardHelp, ListsEveryTabStopInTheOrderTabVisitsThem)
{
    desktop::DesktopFace face;
    Catalogue catalogue(face);
    catalogue.StartUp().Show();
    const std::vector<toolkit::Window*> windows { &catalogue.StartUp(), &catalogue.Open(catalogue.form1),
        &catalogue.Open(catalogue.form2), &catalogue.Open(catalogue.form3), &catalogue.Open(catalogue.form4),
        &catalogue.Open(catalogue.form5), &catalogue.Open(catalogue.form6) };
    for (const toolkit::Window* window : windows) {
        const std::string help = toolkit::KeyboardHelp(window->Layout(), texts::Japanese()).text;
        EXPECT_NE(help.find(": " + TabChain(WindowOf(*window)) + "\n"), std::string::npos) << help;
    }
    EXPECT_EQ(TabChain(WindowOf(*catalogue.form5)),
        "丸底フラスコ (round-bottomed flask)、Draw、液体の Blue、液体の Green、液体の Red");
}

TEST(KeyboardHelpKey, F1InAWindowOpensItsHelp)
{
    desktop::DesktopFace face;
    Form5 form(face);
    form.Show();
    QString title;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        shown = box->text();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QTest::keyClick(&WidgetOf(form.Find<ScrollBar>("HScroll1")), Qt::Key_F1);
    EXPECT_EQ(title.toStdString(), "キーボード (keyboard)");
    EXPECT_EQ(shown.toStdString(), toolkit::KeyboardHelp(Form5Layout, texts::Japanese()).text);
}

} // namespace
