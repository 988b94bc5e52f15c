#pragma once

#include <QString>

namespace forms {
class ResultsList;
}  // namespace forms

namespace generation {

// The main window's numbered fields, Text1 to Text5.
enum Field : int {
    kLowest = 1,          // "Lowest Possible Number"
    kHighest = 2,         // "Highest Possible Number"
    kPicks = 3,           // "Number Of Picks To Generate"
    kNumbersPerPick = 4,  // "Number Of Numbers To Generate Per Pick"
    kPrefix = 5,          // "Add Prefix To All Picks"
};

// The main window's numbered options, Check1 to Check5.
enum Option : int {
    kNumericalOrder = 1,    // "Put numbers within picks in numerical order"
    kNoDuplicatePicks = 2,  // "Do not generate duplicate picks"
    kSortPicks = 3,         // "Sort picks in numeric order"
    kUniqueNumbers = 4,     // "Do not generate the same number twice in a pick"
    kDashes = 5,            // "Put dashes between numbers instead of spaces"
};

// What the generator and the generate command use of the main window.
class MainWindowView {
public:
    virtual ~MainWindowView() = default;
    virtual QString fieldText(Field field) const = 0;
    // 0 unchecked, 1 checked, 2 grey.
    virtual int checkValue(Option option) const = 0;
    // ListView1.
    virtual forms::ResultsList& resultsList() = 0;
    virtual int mousePointer() const = 0;
    virtual void setMousePointer(int pointer) = 0;
    // Asks for a repaint; requests are coalesced and served when events are pumped.
    virtual void repaintWindow() = 0;

    // An option counts as on only when its value is 1.
    bool optionOn(Option option) const { return checkValue(option) == 1; }
};

}  // namespace generation
