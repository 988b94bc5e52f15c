#include "WindowPointer.h"

#include "Services.h"

#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QMouseEvent>
#include <QWidget>

namespace forms {

namespace {

QCursor cursorForPointer(int pointer, const std::optional<QCursor>& custom)
{
    if (pointer == kHourglassPointer)
        return QCursor(Qt::WaitCursor);
    if (pointer == kCustomPointer && custom)
        return *custom;
    return QCursor(Qt::ArrowCursor);
}

}  // namespace

WindowPointer::WindowPointer(QWidget& window) : QObject(&window), window_(window) {}

void WindowPointer::set(int pointer)
{
    value_ = pointer;
    window_.setCursor(cursorForPointer(pointer, handCursor_));
}

void WindowPointer::setHandCursor(const QCursor& cursor) { handCursor_ = cursor; }

void WindowPointer::addRules(std::initializer_list<QWidget*> controls, Hover hover)
{
    for (QWidget* control : controls)
        rules_.insert(control, hover);
}

// The controls are the window's own children and what sits in its frames; the inner
// parts of a control (a list's viewport, say) count as the control.
bool WindowPointer::isControl(const QWidget* widget) const
{
    const QWidget* parent = widget->parentWidget();
    return parent == &window_ || qobject_cast<const QGroupBox*>(parent);
}

void WindowPointer::watch()
{
    window_.setMouseTracking(true);
    window_.installEventFilter(this);
    const auto children = window_.findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (isControl(child) && !rules_.contains(child))
            rules_.insert(child, Hover::Nothing);
        child->setMouseTracking(true);
        child->installEventFilter(this);
    }
}

WindowPointer::Hover WindowPointer::hoverOf(const QWidget* widget) const
{
    for (; widget; widget = widget->parentWidget()) {
        const auto rule = rules_.constFind(widget);
        if (rule != rules_.constEnd())
            return *rule;
    }
    return Hover::Nothing;
}

void WindowPointer::hoverAt(const QPoint& globalPosition)
{
    if (busy())
        return;
    const QWidget* under = window_.childAt(window_.mapFromGlobal(globalPosition));
    switch (hoverOf(under ? under : &window_)) {
        case Hover::Hand:
            set(kCustomPointer);
            break;
        case Hover::Default:
            set(kDefaultPointer);
            break;
        case Hover::Nothing:
            break;
    }
}

bool WindowPointer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove)
        hoverAt(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
    return QObject::eventFilter(watched, event);
}

QString handCursorFile()
{
    return platform::programFolder() + QDir::separator() + QStringLiteral("HAND-M.CUR");
}

}  // namespace forms
