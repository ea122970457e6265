#include "common/Arithmetic.h"
#include "desktop/DesktopFace.h"
#include "tests/desktop/Widgets.h"
#include "toolkit/Window.h"
#include "toolkit/controls/CommandButton.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace palettra;
using namespace palettra::toolkit;

namespace {

const WindowLayout OverflowLayout {
    .name = "Overflow",
    .caption = "Overflow",
    .controls = { { .kind = Kind::CommandButton,
        .name = "Command1",
        .caption = "Go",
        .left = 0,
        .top = 0,
        .width = 900,
        .height = 450,
        .tab = 0 } },
};

// A window with one handler that overflows a 16-bit product on its first run only.
class OverflowWindow : public Window {
public:
    explicit OverflowWindow(Face& face)
        : Window(OverflowLayout, face)
    {
    }
    int started = 0;
    int finished = 0;

private:
    void BindEvents() override
    {
        Find<CommandButton>("Command1").OnClick([this] {
            ++started;
            common::Mul16(started == 1 ? 200 : 2, 200);
            ++finished;
        });
    }
};

TEST(ErrorReport, IsAModalBoxNamingTheErrorAndTheProgramGoesOn)
{
    desktop::DesktopFace face;
    OverflowWindow window(face);
    window.Show();
    auto& button = tests::WidgetOf<QPushButton>(window.Find<CommandButton>("Command1"));
    QString title;
    QString text;
    bool modal = false;
    // The report runs its own event loop; answer it from inside that loop as a user would.
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        modal = box->isModal();
        box->accept();
    });
    button.click();
    EXPECT_TRUE(modal);
    EXPECT_TRUE(text.contains(QStringLiteral("オーバーフロー")));
    EXPECT_TRUE(text.contains(QStringLiteral("Overflow")));
    EXPECT_TRUE(title.contains(QStringLiteral("実行時エラー")));
    EXPECT_EQ(window.started, 1);
    EXPECT_EQ(window.finished, 0);

    button.click();
    EXPECT_EQ(window.finished, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
