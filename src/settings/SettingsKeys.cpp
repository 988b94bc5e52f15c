#include "SettingsKeys.h"

#include <array>

namespace settings {

namespace {

struct KeyEntry {
    Key key;
    const char* name;
    const char* defaultValue;
};

constexpr std::array<KeyEntry, 11> kKeys = {{
    {Key::Lower, "Lower", "1"},
    {Key::Higher, "Higher", "42"},
    {Key::PicksToGenerate, "No. to Generate", "10"},
    {Key::NumbersPerPick, "No of Numbers", "6"},
    {Key::Prefix, "Text5", ""},
    {Key::NumericalOrder, "Numerical Order", "1"},
    {Key::NoDuplicatePicks, "Check2", "1"},
    {Key::SortPicks, "Check3", "1"},
    {Key::UniqueNumbers, "Check4", "1"},
    {Key::Dashes, "Check5", "0"},
    {Key::SearchText, "Form2Text1", ""},
}};

const KeyEntry& entry(Key key) { return kKeys[static_cast<std::size_t>(key)]; }

}  // namespace

QString keyName(Key key) { return QString::fromLatin1(entry(key).name); }

QString defaultValue(Key key) { return QString::fromLatin1(entry(key).defaultValue); }

}  // namespace settings
