#pragma once

#include "Lotto.h"

namespace report {
class ErrorTrap;
}

namespace generation {

class MainWindowView;

// "Start Generating": checks the fields, tells the results list how to order itself,
// sets the generation parameters and calls the generator once per requested pick.
class GenerateCommand {
public:
    explicit GenerateCommand(MainWindowView& window);

    // The click handler's body. A press while a run is in progress returns at once.
    void run();

    bool generationRunning() const { return generationRunning_; }
    Lotto& lotto() { return lotto_; }

private:
    // The checks made before the hourglass shows; false ends the command.
    bool fieldsValid(report::ErrorTrap& trap);
    bool rangeHoldsUniquePick(const QString& perPick) const;
    // Reads the range and orders the list; false ends the command.
    bool prepareRun(report::ErrorTrap& trap);
    void makePicks(report::ErrorTrap& trap);
    bool nextPick(report::ErrorTrap& trap);

    MainWindowView& window_;
    Lotto lotto_;
    bool generationRunning_ = false;
};

// The message shown when the lowest number is above the highest.
QString invalidRangeMessage();

}  // namespace generation
