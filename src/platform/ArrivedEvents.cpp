#include "ArrivedEvents.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace platform {

namespace {

// Swallows the user's input sent to any object of the application while installed.
class InputDrop : public QObject {
public:
    InputDrop() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputDrop() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override { return event->isInputEvent(); }
};

}  // namespace

void runArrivedEventsDroppingInput()
{
    const InputDrop drop;
    QCoreApplication::processEvents();
}

}  // namespace platform
