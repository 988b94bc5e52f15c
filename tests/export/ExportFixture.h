#pragma once

#include "ExportWindow.h"
#include "ResultsList.h"

#include <QList>
#include <QStringList>
#include <QtTest>

namespace testing {

// Rows as (item text, sort text) pairs.
using Rows = QList<QStringList>;

// A window with a results list laid out as the main window's (columns "Picks" and the
// sort texts), recording every pointer value it is given.
class ExportTestWindow : public exporting::ExportWindow {
public:
    ExportTestWindow()
    {
        list.addColumn(QStringLiteral("Picks"));
        list.addColumn(QString());
    }
    forms::ResultsList& resultsList() override { return list; }
    int mousePointer() const override { return pointers.value(pointers.size() - 1); }
    void setMousePointer(int pointer) override { pointers << pointer; }

    void add(const Rows& rows)
    {
        for (const QStringList& row : rows)
            list.append(row.value(0), row.value(1));
    }
    // `count` distinct 6-of-42 picks, "3 12 23 31 38 41" style.
    void addPicks(int count)
    {
        for (int i = 0; i < count; ++i) {
            const QString pick = QStringLiteral("%1 12 23 31 38 %2").arg(i % 9 + 1).arg(i);
            list.append(pick, pick);
        }
    }

    forms::ResultsList list;
    QList<int> pointers;
};

// Changes the list as the user might while a command runs: "append", "remove" or "clear".
inline void changeList(forms::ResultsList& list, const QString& change)
{
    if (change == QStringLiteral("append"))
        list.append(QStringLiteral("1 2 3"), QStringLiteral("01 02 03"));
    else if (change == QStringLiteral("remove"))
        list.removeAt(1);
    else
        list.clear();
}

// Runs `command` in a fresh Fixture whose window holds 5,000 picks: once undisturbed, then
// with the list changed a quarter, half and three quarters of the way through the
// command's yields. Every run must give the output of the undisturbed one.
template <typename Fixture, typename Command, typename Output>
void checkChangedMidway(const QString& change, Command command, Output output)
{
    decltype(output(std::declval<Fixture&>())) unchanged;
    qint64 yields = 0;
    {
        Fixture f;
        f.window.addPicks(5000);
        command(f);
        unchanged = output(f);
        yields = f.services.pump.count;
    }
    QVERIFY2(yields >= 8, "the command should yield while it runs");
    for (const qint64 at : {yields / 4, yields / 2, yields * 3 / 4}) {
        Fixture f;
        f.window.addPicks(5000);
        f.services.pump.at(at, [&] { changeList(f.window.list, change); });
        command(f);
        QVERIFY(output(f) == unchanged);
    }
}

}  // namespace testing
