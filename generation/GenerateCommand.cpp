#include "GenerateCommand.h"

#include "AppTitle.h"
#include "Conversions.h"
#include "ErrorTrap.h"
#include "MainWindowView.h"
#include "MousePointer.h"
#include "ResultsList.h"
#include "Services.h"
#include "SupportAddress.h"

#include <cmath>

namespace generation {

namespace {

constexpr int kSortTextKey = 1;  // the list's second column, holding the sort text
constexpr double kPickLimit = 32000;

const QString kTooFewUnique = QStringLiteral(
    "Number Of Numbers - Number must be less or equal than range with unique numbers in a pick.");

}  // namespace

QString invalidRangeMessage()
{
    return QStringLiteral(
               "Invalid range of numbers entered. Lowest must be lowest, highest must be "
               "highest. Please email ")
           + report::supportAddress() + QStringLiteral(" if you have any questions.");
}

GenerateCommand::GenerateCommand(MainWindowView& window) : window_(window), lotto_(window) {}

void GenerateCommand::run()
{
    if (generationRunning_)  // line 100
        return;
    generationRunning_ = true;  // line 102
    report::ErrorTrap trap(QStringLiteral("Form1"), QStringLiteral("PushButton2_Click"));
    if (fieldsValid(trap) && prepareRun(trap))
        makePicks(trap);
    generationRunning_ = false;  // line 170
}

bool GenerateCommand::fieldsValid(report::ErrorTrap& trap)
{
    const QString picks = window_.fieldText(kPicks);
    const QString perPick = window_.fieldText(kNumbersPerPick);
    if (trap.test(104, [&] { return !core::isNumeric(picks); })) {
        trap.say(106, QStringLiteral("How Many Pics - Not a number"));
        return false;
    }
    // The limit applies to the value as typed, before rounding.
    if (trap.test(108, [&] { return *core::numericValue(picks) >= kPickLimit; })) {
        trap.say(110, QStringLiteral("How Many Picks - Please keep to less than 32,000."));
        return false;
    }
    if (trap.test(112, [&] { return !core::isNumeric(perPick); })) {
        trap.say(114, QStringLiteral("Number Of Numbers - Not a number"));
        return false;
    }
    // A pick needs at least one number; the count is compared as it will round.
    if (trap.test(116, [&] { return std::nearbyint(*core::numericValue(perPick)) < 1; })) {
        trap.say(118, QStringLiteral("Number Of Numbers - Number must be at least 1."));
        return false;
    }
    if (trap.test(120, [&] {
            const double range = core::leadingValue(window_.fieldText(kHighest))
                                 - core::leadingValue(window_.fieldText(kLowest)) + 1;
            return window_.optionOn(kUniqueNumbers) && range < *core::numericValue(perPick);
        })) {
        trap.say(122, kTooFewUnique);
        return false;
    }
    return true;
}

bool GenerateCommand::prepareRun(report::ErrorTrap& trap)
{
    GenerationParameters& p = lotto_.parameters();
    forms::ResultsList& list = window_.resultsList();
    trap(124, [&] { window_.setMousePointer(forms::kHourglassPointer); });
    trap(126, [&] {
        p.lowestNumber = core::roundToInt32(core::leadingValue(window_.fieldText(kLowest)));
    });
    trap(128, [&] {
        p.highestNumber = core::roundToInt32(core::leadingValue(window_.fieldText(kHighest)));
    });
    if (trap.test(130, [&] { return p.highestNumber < p.lowestNumber; })) {
        trap.say(132, invalidRangeMessage());
        trap(134, [&] { window_.setMousePointer(forms::kDefaultPointer); });
        return false;
    }
    if (trap.test(136, [&] { return window_.optionOn(kSortPicks); })) {
        trap(138, [&] { list.setSortKey(kSortTextKey); });
        trap(140, [&] { list.setSorted(true); });
    } else {
        trap(142, [&] { list.setSorted(false); });
        trap(144, [&] { list.setSortKey(kSortTextKey); });
    }
    trap(146, [&] {
        p.picksWanted = core::roundToInt32(*core::numericValue(window_.fieldText(kPicks)));
    });
    trap(148, [&] {
        p.numbersPerPick =
            core::roundToInt32(core::leadingValue(window_.fieldText(kNumbersPerPick)));
    });
    // Fractional fields can pass the check on the typed values while the rounded range
    // holds too few numbers; the draw would then never finish.
    const std::int64_t span = std::int64_t(p.highestNumber) - p.lowestNumber + 1;
    if (trap.test(150,
                  [&] { return window_.optionOn(kUniqueNumbers) && span < p.numbersPerPick; })) {
        trap.say(152, kTooFewUnique);
        trap(154, [&] { window_.setMousePointer(forms::kDefaultPointer); });
        return false;
    }
    return true;
}

void GenerateCommand::makePicks(report::ErrorTrap& trap)
{
    trap(156, [&] { lotto_.startRun(); });
    const GenerationParameters& p = lotto_.parameters();
    do {
        platform::yieldEvents();                                    // line 160
        lotto_.getNumbers();                                        // line 162
    } while (p.picksMade < p.picksWanted && !lotto_.runStopped());  // line 164
    if (!lotto_.runStopped())
        trap.say(166, QStringLiteral("Done."));
    trap(168, [&] { window_.setMousePointer(forms::kDefaultPointer); });
}

}  // namespace generation
