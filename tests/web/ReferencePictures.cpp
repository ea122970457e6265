// The desktop's pictures after the same actions as a browser test took: the actions come in on
// standard input, one a line, as the page reported them to the core,
//
//   press WINDOW CONTROL INDEX          a button's click
//   commit WINDOW CONTROL INDEX VALUE   a scroll bar's committed value
//   close WINDOW                        the close box
//
// and every picture of every open window goes out as JSON, {"WINDOW/CONTROL/INDEX": {width,
// height, rgba (base64, four bytes a pixel)}}, the model's pixels the desktop shows at 100 %.
#include "desktop/DesktopFace.h"
#include "shell/Catalogue.h"
#include "toolkit/controls/CommandButton.h"
#include "toolkit/controls/PictureBox.h"
#include "toolkit/controls/ScrollBar.h"

#include <QApplication>
#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

using namespace palettra;

namespace {

std::vector<toolkit::Window*> Windows(Catalogue& catalogue)
{
    std::vector<toolkit::Window*> windows { &catalogue.StartUp(), catalogue.form1.get(), catalogue.form2.get(),
        catalogue.form3.get(), catalogue.form4.get(), catalogue.form5.get(), catalogue.form6.get() };
    std::erase(windows, nullptr);
    return windows;
}

toolkit::Window& Named(Catalogue& catalogue, const std::string& name)
{
    for (toolkit::Window* window : Windows(catalogue))
        if (window->Layout().name == name)
            return *window;
    throw std::runtime_error("no window " + name);
}

void Act(Catalogue& catalogue, const std::string& line)
{
    std::istringstream words(line);
    std::string action, window, control;
    int index = 0, value = 0;
    words >> action >> window >> control >> index >> value;
    if (action == "press")
        Named(catalogue, window).Find<toolkit::CommandButton>(control, index).Press();
    else if (action == "commit")
        Named(catalogue, window).Find<toolkit::ScrollBar>(control, index).Commit(value);
    else if (action == "close")
        Named(catalogue, window).Close();
    else if (!action.empty())
        throw std::runtime_error("no action " + line);
}

QJsonObject Picture(toolkit::PictureBox& picture)
{
    const toolkit::PixelBuffer pixels = picture.Snapshot();
    QByteArray rgba;
    for (int i = 0; i < pixels.Width() * pixels.Height(); ++i) {
        const toolkit::Pixel pixel = pixels.Data()[i];
        rgba.append(static_cast<char>(pixel >> 16)).append(static_cast<char>(pixel >> 8));
        rgba.append(static_cast<char>(pixel)).append(static_cast<char>(0xFF));
    }
    return { { "width", pixels.Width() }, { "height", pixels.Height() },
        { "rgba", QString::fromLatin1(rgba.toBase64()) } };
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    desktop::DesktopFace face;
    Catalogue catalogue(face);
    catalogue.StartUp().Show();
    for (std::string line; std::getline(std::cin, line);)
        Act(catalogue, line);
    QJsonObject pictures;
    for (toolkit::Window* window : Windows(catalogue))
        for (toolkit::Control* control : window->FocusOrder())
            if (auto* picture = dynamic_cast<toolkit::PictureBox*>(control))
                pictures.insert(QString::fromStdString(window->Layout().name + "/" + control->Layout().name + "/"
                                    + std::to_string(control->Layout().index)),
                    Picture(*picture));
    std::cout << QJsonDocument(pictures).toJson(QJsonDocument::Compact).toStdString();
    return 0;
}
