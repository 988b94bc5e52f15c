#include "Lotto.h"

#include "ErrorTrap.h"
#include "MainWindowView.h"
#include "PickText.h"
#include "PlacedNumbers.h"
#include "ResultsList.h"
#include "Services.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>

namespace generation {

Lotto::Lotto(MainWindowView& window) : window_(window) {}

void Lotto::startRun()
{
    parameters_.picksMade = 0;
    runStopped_ = false;
}

std::int64_t Lotto::span() const
{
    return std::int64_t(parameters_.highestNumber) - parameters_.lowestNumber + 1;
}

std::int32_t Lotto::draw() const
{
    const double u = platform::services().random->next();
    // The product can round up to the span itself when u is within one ulp of 1.
    const auto offset =
        std::min(static_cast<std::int64_t>(std::floor(u * double(span()))), span() - 1);
    return static_cast<std::int32_t>(parameters_.lowestNumber + offset);
}

bool Lotto::pickExists(const QString& pickText) const
{
    return window_.resultsList().containsItemText(pickText);
}

// A failure in a pick would recur at every pick of the run (same parameters, or no memory),
// so the first one ends the pick, unadded, and the run with it.
void Lotto::getNumbers()
{
    report::ErrorTrap trap(QStringLiteral("Lotto"), QStringLiteral("getNumbers"),
                           report::ErrorTrap::OnFailure::EndProcedure);
    try {
        makePick(trap);
    } catch (const report::ProcedureEnded&) {
        runStopped_ = true;
    }
}

void Lotto::makePick(report::ErrorTrap& trap)
{
    Pick pick;  // line 100
    trap(102, [&] {
        if (parameters_.numbersPerPick < 1)
            throw core::RuntimeFailure(QStringLiteral("Subscript out of range"));
        pick.resize(std::size_t(parameters_.numbersPerPick));
    });
    std::optional<PlacedNumbers> placed;
    trap(104, [&] { placed.emplace(parameters_.lowestNumber, span(), pick.size()); });
    trap(106, [] { platform::services().random->reseedFromClock(); });
    for (std::size_t position = 0; position < pick.size(); ++position)  // line 108
        drawPosition(trap, pick, *placed, position);
    // A repeat can only be in the pick when the no-repeat option was switched on while it
    // was drawn: the pick is abandoned and a fresh call makes, adds and counts its own.
    if (trap.test(128, [&] { return window_.optionOn(kUniqueNumbers); })
        && placed->size() < pick.size()) {
        getNumbers();  // line 130
        return;        // line 132
    }
    if (trap.test(134, [&] { return window_.optionOn(kNumericalOrder); }))
        trap(136, [&] { sortNumbers(pick); });
    PickTexts texts;
    trap(138, [&] {
        const QChar separator = window_.optionOn(kDashes) ? u'-' : u' ';
        texts = makePickTexts(pick, separator, window_.fieldText(kPrefix));
    });
    if (trap.test(140, [&] { return window_.optionOn(kNoDuplicatePicks); })) {
        if (trap.test(142, [&] { return !pickExists(texts.pickText); }))
            trap(144, [&] { window_.resultsList().append(texts.pickText, texts.sortText); });
    } else {
        trap(146, [&] { window_.resultsList().append(texts.pickText, texts.sortText); });
    }
    trap(148, [&] { ++parameters_.picksMade; });
    trap(150, [&] { window_.repaintWindow(); });
}

void Lotto::drawPosition(report::ErrorTrap& trap, Pick& pick, PlacedNumbers& placed,
                         std::size_t position)
{
    for (;;) {
        trap(110, [] { platform::yieldEvents(); });
        std::int32_t number = 0;
        trap(112, [&] { number = draw(); });
        if (!trap.test(114, [&] { return window_.optionOn(kUniqueNumbers); })) {
            pick[position] = number;  // line 122
            trap(124, [&] { placed.insert(number); });
            return;
        }
        // Lines 116 and 120 in one look-up: the set takes only a number the pick lacks. A
        // failure ends the pick, so adding before storing does not show.
        bool added = false;
        trap(120, [&] { added = placed.insert(number); });
        if (added) {
            pick[position] = number;  // line 118
            return;
        }
        // Every number of the range is already in the pick: no redraw can succeed.
        if (std::int64_t(placed.size()) >= span()) {
            trap(116, [] {
                throw core::RuntimeFailure(
                    QStringLiteral("The range holds too few numbers for a pick without repeats"));
            });
        }
    }
}

// Equal whole numbers cannot be told apart, so any ascending sort gives the same pick. It
// yields to the event queue once, before it starts.
void Lotto::sortNumbers(Pick& pick)
{
    platform::yieldEvents();
    std::sort(pick.begin(), pick.end());
}

}  // namespace generation
