#include "toolkit/ListeningTools.h"

#include "toolkit/Window.h"

#include <QAccessible>
#include <QApplication>

namespace palettra::toolkit {

namespace {

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
                if (auto* window = qobject_cast<Window*>(widget))
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

} // namespace palettra::toolkit
