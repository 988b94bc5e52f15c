#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace report {
class ErrorTrap;
}

namespace generation {

class MainWindowView;
class PlacedNumbers;

// The parameters the generate command sets before a run and the generator reads.
struct GenerationParameters {
    std::int32_t lowestNumber = 0;
    std::int32_t highestNumber = 0;
    std::int32_t numbersPerPick = 0;
    std::int32_t picksWanted = 0;
    std::int32_t picksMade = 0;  // picks finished in this run, dropped duplicates included
};

// The pick generator: each getNumbers() draws one pick, orders it if asked, and appends it
// to the main window's list unless it repeats a row while repeats are not wanted.
class Lotto {
public:
    explicit Lotto(MainWindowView& window);

    GenerationParameters& parameters() { return parameters_; }

    void getNumbers();
    // Whether a row of the results list has exactly this pick text.
    bool pickExists(const QString& pickText) const;

    // Set when a pick failed (for example memory ran out, or the no-repeat option was
    // switched on mid-run for a range too small): the run must end.
    bool runStopped() const { return runStopped_; }
    void startRun();

private:
    using Pick = std::vector<std::int32_t>;

    // How many integers the range holds; 64-bit, so the widest range fits.
    std::int64_t span() const;
    std::int32_t draw() const;
    void makePick(report::ErrorTrap& trap);
    void drawPosition(report::ErrorTrap& trap, Pick& pick, PlacedNumbers& placed,
                      std::size_t position);
    static void sortNumbers(Pick& pick);

    MainWindowView& window_;
    GenerationParameters parameters_;
    bool runStopped_ = false;
};

}  // namespace generation
