#pragma once

#include "MousePointer.h"

#include <QCursor>
#include <QHash>
#include <QObject>

#include <initializer_list>
#include <optional>

class QWidget;

namespace forms {

// A window's mouse pointer, shown over the window and its push buttons. Hovering a control
// given to handOver() shows the hand, one given to defaultOver() the default pointer, any
// other (even in a frame with a rule) changes nothing; while busy, nothing changes at all.
class WindowPointer : public QObject {
    Q_OBJECT
public:
    explicit WindowPointer(QWidget& window);

    int value() const { return value_; }
    void set(int pointer);
    bool busy() const { return value_ == kHourglassPointer; }
    // The image shown for the hand; without one the hand shows as the default pointer.
    void setHandCursor(const QCursor& cursor);

    void handOver(std::initializer_list<QWidget*> controls) { addRules(controls, Hover::Hand); }
    void defaultOver(std::initializer_list<QWidget*> controls)
    {
        addRules(controls, Hover::Default);
    }
    // Starts following the mouse over every control the window holds now.
    void watch();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Hover { Hand, Default, Nothing };
    void addRules(std::initializer_list<QWidget*> controls, Hover hover);
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
