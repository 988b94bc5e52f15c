#pragma once

#include "MousePointer.h"

#include <QCursor>
#include <QHash>
#include <QObject>

#include <initializer_list>
#include <optional>

class QWidget;

namespace forms {

// A window's mouse pointer: one value for the whole window (0 default, 11 hourglass, 99
// the hand), shown over the window and its push buttons. The hourglass is also the
// window's busy flag.
//
// It also runs the window's hover rules: moving the mouse over a control listed with
// handOver() shows the hand, over one listed with defaultOver() the default pointer, and
// over any other control nothing changes; while busy, nothing changes at all. The control
// under the pointer decides, so a text box without a rule inside a frame with one leaves
// the pointer alone.
class WindowPointer : public QObject {
    Q_OBJECT
public:
    explicit WindowPointer(QWidget& window);

    int value() const { return value_; }
    void set(int pointer);
    bool busy() const { return value_ == kHourglassPointer; }
    // The image shown for the hand; without one the hand shows as the default pointer.
    void setHandCursor(const QCursor& cursor);

    void handOver(std::initializer_list<QWidget*> controls);
    void defaultOver(std::initializer_list<QWidget*> controls);
    // Starts following the mouse over every control the window holds now.
    void watch();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Hover { Hand, Default, Nothing };
    Hover hoverOf(const QWidget* widget) const;
    void hoverAt(const QPoint& globalPosition);
    bool isControl(const QWidget* widget) const;

    QWidget& window_;
    QHash<const QWidget*, Hover> rules_;
    std::optional<QCursor> handCursor_;
    int value_ = kDefaultPointer;
};

// The hand pointer's cursor file, "HAND-M.CUR" in the program's folder.
QString handCursorFile();

}  // namespace forms
