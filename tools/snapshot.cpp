// Opens every window of the program on the offscreen platform, drives each through its controls into a
// state that shows what it teaches, and saves a PNG of its client area: the pictures of the README and of
// the AppStream metadata. The flask is taken once more at 200 %, as on a projector.
//
// Usage: snapshot DIRECTORY

#include "desktop/Application.h"
#include "desktop/DesktopFace.h"
#include "desktop/WindowWidget.h"
#include "shell/Catalogue.h"
#include "texts/Language.h"
#include "toolkit/controls/CommandButton.h"
#include "toolkit/controls/ScrollBar.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <exception>
#include <iostream>
#include <memory>

namespace {

using namespace palettra;
using toolkit::Window;

void Set(const Window& window, const char* bar, common::Int16 value)
{
    window.Find<toolkit::ScrollBar>(bar).SetValue(value);
}

void Press(const Window& window, const char* button) { window.Find<toolkit::CommandButton>(button).SetValue(true); }

desktop::WindowWidget& WidgetOf(const Window& window) { return static_cast<desktop::WindowWidget&>(window.Peer()); }

class Studio {
public:
    explicit Studio(const QString& directory)
        : directory_(directory)
    {
    }

    // False when a handler failed or a picture could not be written; the others are still taken.
    bool TakeAll()
    {
        Save(MenuWindow(), "menu.png");
        Save(RgbMixer(), "form2-rgb.png");
        Save(PercentageMix(), "form1-percent.png");
        Save(Overlap(), "form3-overlap.png");
        Save(Square(), "form4-square.png");
        Window& flask = Flask();
        Save(flask, "form5-flask.png");
        flask.ZoomTo(2);
        Save(flask, "form5-flask-200.png");
        Save(Photo(), "form6-photo.png");
        // The same mixer, switched to English as it stands.
        catalogue_.SpeakIn(texts::LanguageFor("en"));
        Save(RgbMixer(), "form2-rgb-en.png");
        return !failed_;
    }

private:
    Window& MenuWindow()
    {
        Menu& menu = catalogue_.StartUp();
        menu.Show();
        return menu;
    }

    // A colour whose code a pupil can work out by hand: FF8000.
    Window& RgbMixer()
    {
        Form2& form = Open(catalogue_.form2);
        Set(form, "HScroll1", 255);
        Set(form, "HScroll2", 128);
        return form;
    }

    // As it opens: half red, half blue.
    Window& PercentageMix() { return Open(catalogue_.form1); }

    // A red band over a blue one, then the widest overlap ramps both into their purple mid colour.
    Window& Overlap()
    {
        Form3& form = Open(catalogue_.form3);
        Set(form, "HScroll1", 25);
        Set(form, "HScroll4", 0);
        Set(form, "HScroll5", 0);
        Press(form, "Command1");
        Press(form, "Command2");
        Set(form, "HScroll7", 100);
        return form;
    }

    // Blue at the border, yellow at the centre.
    Window& Square()
    {
        Form4& form = Open(catalogue_.form4);
        Set(form, "HScroll3", 25);
        Set(form, "HScroll6", 0);
        return form;
    }

    Window& Flask()
    {
        Form5& form = Open(catalogue_.form5);
        Set(form, "HScroll2", 15);
        Set(form, "HScroll3", 25);
        Press(form, "Command1");
        return form;
    }

    // With the bars as they open, the recorded liquid turns red.
    Window& Photo()
    {
        Form6& form = Open(catalogue_.form6);
        Press(form, "Command1");
        Press(form, "Command2");
        return form;
    }

    // The window goes into its slot before it is shown, so that even its load handler reports here
    // rather than in a dialogue box that nobody would close.
    template <typename Form> Form& Open(std::unique_ptr<Form>& slot)
    {
        slot = std::make_unique<Form>(face_);
        WidgetOf(*slot).SetErrorReport([this](QWidget* window, const common::RuntimeError& error) {
            std::cerr << "snapshot: " << window->windowTitle().toStdString() << ": run-time error " << error.Code()
                      << ": " << error.what() << '\n';
            failed_ = true;
        });
        return catalogue_.Open(slot);
    }

    void Save(Window& window, const char* file)
    {
        const QString path = directory_.filePath(QString::fromUtf8(file));
        if (!WidgetOf(window).grab().save(path, "PNG")) {
            std::cerr << "snapshot: cannot write " << path.toStdString() << '\n';
            failed_ = true;
        }
    }

    desktop::DesktopFace face_;
    Catalogue catalogue_ { face_ };
    QDir directory_;
    bool failed_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " DIRECTORY\n";
        return 2;
    }
    // The pictures need no display; a platform given by the caller still wins.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    desktop::ConfigureApplication(application);

    const QString directory = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(directory)) {
        std::cerr << "snapshot: cannot create " << argv[1] << '\n';
        return 1;
    }
    try {
        return Studio(directory).TakeAll() ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << "snapshot: " << error.what() << '\n';
        return 1;
    }
}
