#pragma once

#include "common/ColourValue.h"

#include <optional>
#include <string>
#include <vector>

namespace palettra::toolkit {

// Colours that the platform resolves when it draws, rather than fixed values.
enum class SystemColour {
    None,
    WindowBackground,
    WindowText,
    ButtonFace,
};

// A layout colour: either a fixed ColourValue or one of the system colours.
struct LayoutColour {
    common::ColourValue value = 0;
    SystemColour system = SystemColour::None;
};

constexpr LayoutColour Fixed(common::ColourValue value) { return { value, SystemColour::None }; }
constexpr LayoutColour WindowBackgroundColour { 0, SystemColour::WindowBackground };
constexpr LayoutColour WindowTextColour { 0, SystemColour::WindowText };
constexpr LayoutColour ButtonFaceColour { 0, SystemColour::ButtonFace };

enum class Kind {
    CommandButton,
    Label,
    HScrollBar,
    VScrollBar,
    PictureBox,
    Shape,
    Line,
};

enum class Weight { Regular, Bold };
enum class Alignment { Left, Right };
enum class ShapeKind { Rectangle, Circle };

struct LayoutFont {
    double points = 9.0;
    Weight weight = Weight::Regular;
};

// A user coordinate system given in the layout: the corner at (left, top) and the extents.
struct UserScale {
    float left = 0;
    float top = 0;
    float width = 1;
    float height = 1;
};

// One row of a window's layout table. All positions and sizes are twips; a
// row only sets what is particular to its control, the rest are the defaults.
struct ControlLayout {
    Kind kind = Kind::Label;
    std::string name {};
    int index = 0;
    std::string caption {};
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int tab = -1; // place in the focus order; -1 for decorations without one

    // Scroll bars.
    int min = 0;
    int max = 0;
    int value = 0;
    int smallChange = 1;
    int largeChange = 1;

    // Colours. Unset means the kind's default (labels: window text, no background of their own;
    // picture boxes: button face; buttons: the standard look).
    std::optional<LayoutColour> backColor {};
    std::optional<LayoutColour> foreColor {};

    LayoutFont font {};
    Alignment alignment = Alignment::Left;
    bool graphical = false; // a button that shows its background colour

    // Shapes.
    ShapeKind shape = ShapeKind::Rectangle;
    bool filled = false;
    bool border = true;

    // Lines: the two end points and the pen width in pixels.
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int lineWidth = 1;

    // Picture boxes.
    std::optional<UserScale> scale {};
    std::string picture {}; // a stored picture of layouts/assets/, shown unscaled at the top left
    // No point is ever read from it: it keeps its figure as the calls that drew it, and a larger view
    // draws them again at the screen's resolution instead of enlarging the pixels.
    bool drawnAtScreenResolution = false;

    // What a screen reader says; a label speaks its caption, a button without a name its caption.
    std::string accessibleName {};
    std::string description {};
};

struct WindowLayout {
    std::string name {};
    std::string caption {};
    std::string accessibleName {}; // what a screen reader calls the window; empty for its caption
    int left = 2100;
    int top = 300;
    int clientWidth = 12000;
    int clientHeight = 10005;
    LayoutColour backColor = Fixed(0xFFFFFF);
    std::string icon {}; // an icon of layouts/assets/; empty for no icon of its own
    bool switchesLanguage = false; // a face that draws the title bar puts the switch of languages on it
    std::vector<ControlLayout> controls {}; // in creation order
};

} // namespace palettra::toolkit
