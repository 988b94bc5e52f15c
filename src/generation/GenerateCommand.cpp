#include "GenerateCommand.h"

#include "BusyPointer.h"
#include "Conversions.h"
#include "ErrorTrap.h"
#include "MainWindowView.h"
#include "ResultsList.h"
#include "RunLimit.h"
#include "Services.h"
#include "SupportAddress.h"

#include <cmath>
#include <limits>

namespace generation {

namespace {

constexpr int kSortTextKey = 1;  // the list's second column, holding the sort text
constexpr double kPickLimit = 32000;

const QString kTooFewUnique = QStringLiteral(
    "Number Of Numbers - Number must be less or equal than range with unique numbers in a pick.");

QString invalidRangeMessage()
{
    return QStringLiteral(
               "Invalid range of numbers entered. Lowest must be lowest, highest must be "
               "highest. Please email ")
           + report::supportAddress() + QStringLiteral(" if you have any questions.");
}

RunShape runShape(double picks, double count, const GenerationParameters& p, const QString& prefix)
{
    return {std::int64_t(std::max(1.0, picks)), std::int64_t(count),
            numberWidth(p.lowestNumber, p.highestNumber), prefix.toUtf8().size()};
}

// Why the run's rows, prefix included, cannot fit in the list, or nothing; counts as the run
// rounds them. A count per pick beyond 32 bits is left to its conversion to report.
QString typedRunProblem(const MainWindowView& window, const GenerationParameters& p)
{
    const double count = std::nearbyint(*core::numericValue(window.fieldText(kNumbersPerPick)));
    if (count > double(std::numeric_limits<std::int32_t>::max()))
        return QString();
    const double picks = std::nearbyint(*core::numericValue(window.fieldText(kPicks)));
    return runSizeProblem(runShape(picks, count, p, window.fieldText(kPrefix)));
}

// Rounds a field's value into its parameter as statement `line`; false when it does not
// fit (reported), and the parameter keeps what it held.
bool readField(report::ErrorTrap& trap, int line, std::int32_t& parameter, double value)
{
    return trap(line, [&] { parameter = core::roundToInt32(value); });
}

}  // namespace

GenerateCommand::GenerateCommand(MainWindowView& window) : window_(window), lotto_(window) {}

void GenerateCommand::run()
{
    if (generationRunning_)  // line 100
        return;
    generationRunning_ = true;  // line 102
    report::ErrorTrap trap(QStringLiteral("Form1"), QStringLiteral("PushButton2_Click"));
    if (fieldsValid(trap)) {
        forms::BusyPointer busy(trap, window_, 124);
        const RunStart start = prepareRun(trap);
        if (start == RunStart::Ready)
            makePicks(trap);
        busy.putBack(pointerLine(start));
    }
    generationRunning_ = false;  // line 176
}

int GenerateCommand::pointerLine(RunStart start)
{
    switch (start) {
        case RunStart::RangeRefused:
            return 134;
        case RunStart::SizeRefused:
            return 140;
        default:
            return 174;
    }
}

// Whether the range holds the different numbers a pick needs, as typed and as rounded:
// fractional fields can pass as typed while the rounded range is short: the draw never ends.
bool GenerateCommand::rangeHoldsUniquePick(const QString& perPick) const
{
    const double lowest = core::leadingValue(window_.fieldText(kLowest));
    const double highest = core::leadingValue(window_.fieldText(kHighest));
    const double count = *core::numericValue(perPick);
    return highest - lowest + 1 >= count
           && std::nearbyint(highest) - std::nearbyint(lowest) + 1 >= std::nearbyint(count);
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
    if (trap.test(116, [&] {
            return window_.optionOn(kUniqueNumbers) && !rangeHoldsUniquePick(perPick);
        })) {
        trap.say(118, kTooFewUnique);
        return false;
    }
    // A pick needs at least one number, compared as the count will round.
    if (trap.test(120, [&] { return std::nearbyint(*core::numericValue(perPick)) < 1; })) {
        trap.say(122, QStringLiteral("Number Of Numbers - Number must be at least 1."));
        return false;
    }
    return true;
}

// A field that fails to convert ends the command, lest the run use the last run's value.
GenerateCommand::RunStart GenerateCommand::prepareRun(report::ErrorTrap& trap)
{
    GenerationParameters& p = lotto_.parameters();
    forms::ResultsList& list = window_.resultsList();
    if (!readField(trap, 126, p.lowestNumber, core::leadingValue(window_.fieldText(kLowest)))
        || !readField(trap, 128, p.highestNumber, core::leadingValue(window_.fieldText(kHighest))))
        return RunStart::FieldFailed;
    if (trap.test(130, [&] { return p.highestNumber < p.lowestNumber; })) {
        trap.say(132, invalidRangeMessage());
        return RunStart::RangeRefused;
    }
    QString sizeProblem;
    if (trap.test(136, [&] {
            sizeProblem = typedRunProblem(window_, p);
            return !sizeProblem.isEmpty();
        })) {
        trap.say(138, sizeProblem);
        return RunStart::SizeRefused;
    }
    if (trap.test(142, [&] { return window_.optionOn(kSortPicks); })) {
        trap(144, [&] { list.setSortKey(kSortTextKey); });
        trap(146, [&] { list.sortWhileYielding(); });
    } else {
        trap(148, [&] { list.setSorted(false); });
        trap(150, [&] { list.setSortKey(kSortTextKey); });
    }
    const bool read =
        readField(trap, 152, p.picksWanted, *core::numericValue(window_.fieldText(kPicks)))
        && readField(trap, 154, p.numbersPerPick,
                     core::leadingValue(window_.fieldText(kNumbersPerPick)));
    return read ? RunStart::Ready : RunStart::FieldFailed;
}

// A failed pick ends the run: reported once, the rows made stay, and no "Done." follows.
void GenerateCommand::makePicks(report::ErrorTrap& trap)
{
    // The list makes room for the run's texts once, while it is still short of them:
    // growing them part-way through a long run would move them all while the window waits.
    const GenerationParameters& p = lotto_.parameters();
    window_.resultsList().reserveTextBytes(
        runTextBytes(runShape(p.picksWanted, p.numbersPerPick, p, window_.fieldText(kPrefix))));
    trap(162, [&] { lotto_.startRun(); });
    bool going = true;
    do {
        going = nextPick(trap);
    } while (going && p.picksMade < p.picksWanted);  // line 170
    if (going) {
        window_.resultsList().layOutWhileYielding();
        trap.say(172, QStringLiteral("Done."));
    }
}

// Lines 166 and 168; false when the pick failed, or memory ran out as events ran (the list
// making room for new rows).
bool GenerateCommand::nextPick(report::ErrorTrap& trap)
{
    if (!trap(166, [] { platform::yieldEvents(); }))
        return false;
    lotto_.getNumbers();  // line 168
    return !lotto_.runStopped();
}

}  // namespace generation
