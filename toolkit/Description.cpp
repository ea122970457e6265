#include "toolkit/Description.h"

#include "common/ColourText.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Window.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

namespace palettra::toolkit {

namespace {

    constexpr const char* LaidOutDescription = "palettraLaidOutDescription";

    void SetDescription(QWidget& control, const QString& text)
    {
        if (control.accessibleDescription() != text) {
            control.setAccessibleDescription(text);
            return;
        }
        // Qt stays silent on an unchanged description, but a second press of a button has to be heard too.
        QAccessibleEvent event(&control, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }

    // Qt tells whether a tool listens only through its platform's bridge; the tools' coming and going
    // reaches every observer, the bridge's included, so the observer keeps the answer.
    class ListeningTools : public QAccessible::ActivationObserver {
    public:
        bool listening = QAccessible::isActive();

        void accessibilityActiveChanged(bool active) override
        {
            listening = active;
            if (!active)
                return;
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* window = dynamic_cast<Window*>(widget))
                    window->Describe();
        }
    };

    ListeningTools& Tools()
    {
        static ListeningTools tools;
        return tools;
    }

} // namespace

bool AssistiveToolsListen() { return Tools().listening; }

void DescribeWhenToolsStartListening() { QAccessible::installActivationObserver(&Tools()); }

// The outcome replaces the layout's description instead of following it: the reader speaks the
// whole description at every step of a bar, and the purpose said again each time would bury the
// result; the control's name still says what it is, and the layout's text stands until the first action.
void TellOutcome(QWidget& control, Window& owner, const Outcome& outcome)
{
    if (outcome && AssistiveToolsListen())
        owner.Run([&] { SetDescription(control, QString::fromStdString(outcome())); });
}

// A picture never has the focus, so nothing is spoken when it changes; it is read when the user
// goes to it, and then what it is for and what it shows are both wanted.
void DescribeContent(QWidget& picture, const std::string& now)
{
    QVariant laidOut = picture.property(LaidOutDescription);
    if (!laidOut.isValid()) {
        laidOut = picture.accessibleDescription();
        picture.setProperty(LaidOutDescription, laidOut);
    }
    picture.setAccessibleDescription(laidOut.toString() + QStringLiteral("、") + QString::fromStdString(now));
}

void DescribeBackColour(PictureBox& swatch) { DescribeContent(swatch, common::ColourText(swatch.BackColor())); }

} // namespace palettra::toolkit
