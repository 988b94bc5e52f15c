#include "ArrivedEvents.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace platform {

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

// Swallows user input sent to any object of the application while it is installed.
class InputDrop : public QObject {
public:
    InputDrop() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputDrop() override { QCoreApplication::instance()->removeEventFilter(this); }
    InputDrop(const InputDrop&) = delete;
    InputDrop& operator=(const InputDrop&) = delete;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        return isUserInput(event->type());
    }
};

}  // namespace

void runArrivedEventsDroppingInput()
{
    const InputDrop drop;
    QCoreApplication::processEvents();
}

}  // namespace platform
