#pragma once

#include "Lotto.h"

namespace report {
class ErrorTrap;
}

namespace generation {

class MainWindowView;

// "Start Generating": checks the fields, orders the list, and calls the generator per pick.
class GenerateCommand {
public:
    explicit GenerateCommand(MainWindowView& window);

    // The click handler's body. A press while a run is in progress returns at once.
    void run();

    bool generationRunning() const { return generationRunning_; }
    Lotto& lotto() { return lotto_; }

private:
    // How the steps after the hourglass went: ready, a field failed to convert, a range
    // with its lowest above its highest, or a run whose rows the list could not hold.
    enum class RunStart { Ready, FieldFailed, RangeRefused, SizeRefused };
    // The statement that puts the pointer back: a refusal's own, or the last but one.
    static int pointerLine(RunStart start);
    // The checks made before the hourglass shows; false ends the command.
    bool fieldsValid(report::ErrorTrap& trap);
    bool rangeHoldsUniquePick(const QString& perPick) const;
    // Reads the range, refuses a run too large to hold, orders the list and reads the counts.
    RunStart prepareRun(report::ErrorTrap& trap);
    void makePicks(report::ErrorTrap& trap);
    bool nextPick(report::ErrorTrap& trap);

    MainWindowView& window_;
    Lotto lotto_;
    bool generationRunning_ = false;
};

}  // namespace generation
