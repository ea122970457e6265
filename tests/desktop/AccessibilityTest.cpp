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

using namespace palettra;
using tests::WidgetOf;
using tests::WindowOf;
using toolkit::Label;
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

TEST(Frames, WindowsAreFramesNamedByTheirTitlesAndTheMenuByItsName)
{
    desktop::DesktopFace face;
    Catalogue catalogue(face);
    Form2 mixer(face);
    for (QWidget* window : std::initializer_list<QWidget*> { &WindowOf(catalogue.StartUp()), &WindowOf(mixer) }) {
        QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window);
        EXPECT_EQ(frame->role(), QAccessible::Window);
    }
    EXPECT_EQ(AccessibleName(WindowOf(catalogue.StartUp())), "メニュー (menu)");
    EXPECT_EQ(AccessibleName(WindowOf(mixer)), "RGB → 1677万色");
}

TEST(KeyboardHelpKey, F1InAWindowOpensItsHelp)
{
    desktop::DesktopFace face;
    Form5 form(face);
    form.Show();
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        shown = box->text();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QTest::keyClick(&WidgetOf(form.Find<ScrollBar>("HScroll1")), Qt::Key_F1);
    EXPECT_EQ(shown.toStdString(), toolkit::KeyboardHelpText(Form5Layout));
}

} // namespace
