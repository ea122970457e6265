#pragma once

#include <functional>
#include <string>

class QWidget;

namespace palettra::toolkit {

class PictureBox;
class Window;

// What a window now shows after a control's action, in one line for a screen reader.
using Outcome = std::function<std::string()>;

// Whether an assistive tool reads the program now. Until one does, the handlers pay nothing for
// descriptions: no one would hear them, and a tool that comes later has every window describe itself.
bool AssistiveToolsListen();
// Has every open window describe its pictures each time an assistive tool starts to listen.
void DescribeWhenToolsStartListening();

// After a control's handler: its description becomes the outcome, so that a screen reader,
// which speaks description changes of the focused control only, says what the action did.
void TellOutcome(QWidget& control, Window& owner, const Outcome& outcome);

// A picture's description: what the layout says it is, then what it shows now.
void DescribeContent(QWidget& picture, const std::string& now);

// A swatch's description: what it is for, then its colour and the colour's word.
void DescribeBackColour(PictureBox& swatch);

} // namespace palettra::toolkit
