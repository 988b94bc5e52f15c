#pragma once

#include <QString>

namespace platform {
class ResultsList;
}

namespace generation {

// What the generator and the generate command read and change of the main window: its
// numbered fields and options, its results list, its pointer and its repaint.
class MainWindowView {
public:
    virtual ~MainWindowView() = default;
    // The text of Text1 .. Text5.
    virtual QString fieldText(int field) const = 0;
    // The value of Check1 .. Check5: 0 unchecked, 1 checked, 2 grey.
    virtual int checkValue(int option) const = 0;
    // ListView1.
    virtual platform::ResultsList& resultsList() = 0;
    virtual int mousePointer() const = 0;
    virtual void setMousePointer(int pointer) = 0;
    // Asks for a repaint; requests are coalesced and served when events are pumped.
    virtual void repaintWindow() = 0;

    // An option counts as on only when its value is 1.
    bool optionOn(int option) const { return checkValue(option) == 1; }
};

}  // namespace generation
