#include "ErrorTrap.h"
#include "Form1.h"
#include "Form2.h"
#include "MousePointer.h"
#include "ProgramEnd.h"
#include "ResultsList.h"
#include "TestServices.h"
#include "WindowDriving.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

#include <cstdlib>
#include <new>

// While set, an allocation through operator new of more than this many bytes fails, as it
// would on a machine out of memory; the containers of a snapshot and of a search's finds
// are allocated so, while Qt's own texts are not.
static std::size_t failAllocationsAbove = 0;

void* operator new(std::size_t size)
{
    if (failAllocationsAbove != 0 && size > failAllocationsAbove)
        throw std::bad_alloc();
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

// The other forms of plain new and delete go through the same pair, so that whatever
// allocates also frees through it (the sanitizers check that they match).
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept
{
    return operator new(size, tag);
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

namespace {

const QString kDone = QStringLiteral("Done.");

// The main window with picks in its list, and the search window opened from it.
struct Windows {
    testing::TestServices services;
    Form1 main;
    explicit Windows(const QStringList& picks = {QStringLiteral("5 12 33"),
                                                 QStringLiteral("15 20 41"),
                                                 QStringLiteral("1 2 3")})
    {
        main.show();
        for (const QString& pick : picks)
            main.ListView1->append(pick, pick);
    }
    Form2* open()
    {
        main.PushButton7->click();
        return main.searchWindow();
    }
    QStringList search(const QString& text)
    {
        Form2* form = main.searchWindow();
        form->Text1->setText(text);
        form->PushButton2->click();
        return testing::rowsOf(*form->ListView1);
    }
    // The window is unloaded once the deferred deletion has run.
    void letCloseFinish() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

}  // namespace

class TestForm2 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void outOfMemoryEndsTheSearch_data();
    void outOfMemoryEndsTheSearch();
    void openingNeedsPicks();
    void openingHidesMainWindow();
    void layout();
    void search_data();
    void search();
    void searchesAppend();
    void copyOfRepeatedFinds();
    void searchRefusals_data();
    void searchRefusals();
    void hourglassUntilDone();
    void searchTextIsRemembered();
    void searchTextSelectedOnFocus();
    void closing_data();
    void closing();
    void clearAndRemove();
    void editingRefusedWhileBusy();
    void closeRefusedWhileBusy();
    void messages_data();
    void messages();
    void hoverPointer();
    void closingMainWindowEndsBoth();
};

void TestForm2::openingNeedsPicks()
{
    Windows w{QStringList()};
    QCOMPARE(w.open(), nullptr);
    QCOMPARE(w.services.messageBox.texts(),
             QStringList{
                 QStringLiteral("Please generate picks first before using this search feature.")});
    QCOMPARE(w.services.messageBox.boxes.first().title, QStringLiteral("Numorra"));
    QVERIFY(w.main.isVisible());
}

void TestForm2::openingHidesMainWindow()
{
    Windows w;
    Form2* form = w.open();
    QVERIFY(form);
    QVERIFY(form->isVisible());
    QVERIFY(!w.main.isVisible());
    QCOMPARE(form->parentWidget(), nullptr);
    QCOMPARE(form->windowTitle(), QStringLiteral("Search"));
    QVERIFY(w.services.messageBox.boxes.isEmpty());
    QCOMPARE(w.main.PushButton7->text(), QStringLiteral("Search Picks"));
    QCOMPARE(w.open(), form);  // already loaded: shown again, not loaded twice
}

void TestForm2::layout()
{
    Windows w;
    Form2* form = w.open();
    QCOMPARE(form->size(), QSize(536, 391));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QVERIFY(!(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(form->Frame1->geometry(), QRect(8, 8, 520, 89));
    QCOMPARE(form->Text1->geometry(), QRect(16, 20, 440, 23));
    QCOMPARE(form->PushButton2->geometry(), QRect(16, 50, 486, 27));
    QCOMPARE(form->ListView1->geometry(), QRect(8, 104, 520, 178));
    QCOMPARE(form->PushButton1->geometry(), QRect(8, 356, 520, 27));
    QCOMPARE(form->PushButton2->font().pointSizeF(), 11.25);
    QCOMPARE(form->Text1->font().pointSizeF(), 9.0);
    QCOMPARE(form->Text1->accessibleName(), QStringLiteral("Search for"));
    QCOMPARE(form->ListView1->accessibleName(), QStringLiteral("Results"));
    QCOMPARE(form->ListView1->columnCount(), 1);
    QCOMPARE(form->ListView1->columnHeader(1), QStringLiteral("Results"));
    QCOMPARE(form->ListView1->columnWidth(0), 466);
    QVERIFY(
        form->ListView1->toolTip().startsWith(QStringLiteral("Double-click item to remove it.")));
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    QCOMPARE(form->palette().color(form->backgroundRole()), buttonFace);
    QCOMPARE(form->Frame1->palette().color(form->Frame1->backgroundRole()), buttonFace);
    QVERIFY(!form->windowIcon().isNull());
}

void TestForm2::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("5") << "5" << QStringList{QStringLiteral("5 12 33"), QStringLiteral("15 20 41")};
    QTest::newRow("5,12") << "5,12"
                          << QStringList{QStringLiteral("5 12 33"), QStringLiteral("5 12 33"),
                                         QStringLiteral("15 20 41")};
    QTest::newRow("no match") << "99" << QStringList();
}

void TestForm2::search()
{
    QFETCH(QString, text);
    QFETCH(QStringList, results);
    Windows w;
    w.open();
    QCOMPARE(w.search(text), results);
    QCOMPARE(w.services.messageBox.texts(), QStringList{kDone});
    QCOMPARE(testing::rowsOf(*w.main.ListView1).size(), 3);  // the main list is only read
}

void TestForm2::searchesAppend()
{
    Windows w;
    w.open();
    w.search(QStringLiteral("5"));
    QCOMPARE(w.search(QStringLiteral("5")).size(), 4);
    w.main.searchWindow()->PushButton6->click();
    QCOMPARE(w.search(QStringLiteral("5")).size(), 2);
}

// The finds share the main list's texts, so a copy of them must be sized by the finds,
// which here hold far more text than the list.
void TestForm2::copyOfRepeatedFinds()
{
    Windows w({QStringLiteral("5")});
    w.open();
    w.search(QStringList(200, QStringLiteral("5")).join(u','));
    w.main.searchWindow()->PushButton5->click();
    QCOMPARE(w.services.clipboard.text, QStringLiteral("5\r\n").repeated(200));
}

void TestForm2::searchRefusals_data()
{
    QTest::addColumn<int>("picks");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("found");
    QTest::newRow("empty") << 3 << ""
                           << "Enter one number or multiple numbers to search for." << 0;
    // 32,768 empty terms over 600 picks.
    QTest::newRow("finds would outgrow the list")
        << 600 << QString(32767, QLatin1Char(','))
        << "This search finds 19,660,800 picks, more than the list can hold. Please "
           "search for fewer numbers at a time, or clear the list first."
        << 0;
    // 16,384 terms over 1,200 picks could find 19,660,800 rows; they find the 309 picks
    // with a 5.
    QTest::newRow("bounded by its finds, not by the most it could find")
        << 1200 << QStringLiteral("x,").repeated(16383) + u'5' << kDone << 309;
}

// A search is refused only when there is nothing to search for or its finds would not
// fit; a refused search says why, and leaves the pointer and the lists as they are.
void TestForm2::searchRefusals()
{
    QFETCH(int, picks);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(int, found);
    QStringList rows;
    for (int i = 0; i < picks; ++i)
        rows << QString::number(i);
    Windows w(rows);
    Form2* form = w.open();
    form->setMousePointer(forms::kCustomPointer);
    QCOMPARE(w.search(text).size(), found);
    QCOMPARE(w.services.messageBox.texts(), QStringList{message});
    if (found == 0)
        QCOMPARE(form->mousePointer(), int(forms::kCustomPointer));
}

void TestForm2::outOfMemoryEndsTheSearch_data()
{
    QTest::addColumn<int>("failAbove");
    // 10,000 picks found twice each: a snapshot of 40 KB, then 80 KB of finds.
    QTest::newRow("no snapshot") << 20'000;
    QTest::newRow("no room for the finds") << 60'000;
}

// The failure is reported once, under line 104, and the search ends: no "Done.", no rows,
// and the pointer back to the default.
void TestForm2::outOfMemoryEndsTheSearch()
{
    QFETCH(int, failAbove);
    QStringList picks;
    for (int i = 0; i < 10'000; ++i)
        picks << QStringLiteral("7 %1").arg(i);
    Windows w(picks);
    Form2* form = w.open();
    form->Text1->setText(QStringLiteral("7,7"));
    failAllocationsAbove = std::size_t(failAbove);
    form->PushButton2->click();
    failAllocationsAbove = 0;
    QCOMPARE(
        w.services.messageBox.texts(),
        QStringList{report::errorReportText(
            QStringLiteral("Out of memory"),
            report::procedurePath(QStringLiteral("Form2"), QStringLiteral("PushButton2_Click")),
            104)});
    QCOMPARE(form->ListView1->rowCount(), 0);
    QCOMPARE(form->mousePointer(), int(forms::kDefaultPointer));
}

void TestForm2::hourglassUntilDone()
{
    Windows w;
    Form2* form = w.open();
    int pointerAtDone = -1;
    w.services.messageBox.onShow = [&](const testing::ShownBox&) {
        pointerAtDone = form->mousePointer();
    };
    w.search(QStringLiteral("1"));
    QCOMPARE(pointerAtDone, int(forms::kHourglassPointer));
    QCOMPARE(form->mousePointer(), int(forms::kDefaultPointer));
}

void TestForm2::searchTextIsRemembered()
{
    Windows w;
    Form2* form = w.open();
    QVERIFY(form->Text1->text().isEmpty());
    form->Text1->setFocus();
    QTest::keyClicks(form->Text1, QStringLiteral("3,"));
    const auto stored = [&](const QString& key) {
        return QSettings(w.services.settingsFile(), QSettings::IniFormat)
            .value(QStringLiteral("Numorra/") + key)
            .toString();
    };
    QTRY_COMPARE(stored(QStringLiteral("Form2Text1")), QStringLiteral("3,"));
    QCOMPARE(stored(QStringLiteral("Lower")), QStringLiteral("1"));
    // Another copy of the program then stores its own; the next opening reads the store.
    QSettings(w.services.settingsFile(), QSettings::IniFormat)
        .setValue(QStringLiteral("Numorra/Form2Text1"), QStringLiteral("77"));
    form->PushButton1->click();
    w.letCloseFinish();
    QCOMPARE(w.open()->Text1->text(), QStringLiteral("77"));
}

void TestForm2::searchTextSelectedOnFocus()
{
    Windows w;
    Form2* form = w.open();
    form->Text1->setText(QStringLiteral("5 12"));
    form->Text1->deselect();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    QCOMPARE(QApplication::focusWidget(), form->PushButton1);
    form->PushButton3->setFocus();
    form->Text1->setFocus(Qt::TabFocusReason);
    QCOMPARE(form->Text1->selectedText(), QStringLiteral("5 12"));
}

void TestForm2::closing_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Close button") << true;
    QTest::newRow("close box") << false;
}

// Every way of closing shows the main window as it was and unloads the search window;
// the next opening starts with an empty list and one column.
void TestForm2::closing()
{
    QFETCH(bool, byButton);
    Windows w;
    Form2* form = w.open();
    w.search(QStringLiteral("5"));
    if (byButton)
        form->PushButton1->click();
    else
        form->close();
    w.letCloseFinish();
    QCOMPARE(w.main.searchWindow(), nullptr);
    QVERIFY(w.main.isVisible());
    QCOMPARE(testing::rowsOf(*w.main.ListView1).size(), 3);
    Form2* again = w.open();
    QCOMPARE(again->ListView1->rowCount(), 0);
    QCOMPARE(again->ListView1->columnCount(), 1);
}

void TestForm2::clearAndRemove()
{
    Windows w({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
               QStringLiteral("5")});
    Form2* form = w.open();
    w.search(QStringLiteral(","));  // the empty term: each of the five once
    QCOMPARE(form->ListView1->rowCount(), 10);
    form->PushButton6->click();
    QCOMPARE(form->ListView1->rowCount(), 0);
    testing::doubleClick(form->ListView1->viewport());  // empty: nothing happens
    w.search(QStringLiteral(" ,1,2,3,4,5"));
    form->ListView1->selectRow(2);
    QTest::keyClick(form->ListView1, Qt::Key_Delete);
    QCOMPARE(testing::rowsOf(*form->ListView1),
             (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"),
                          QStringLiteral("5")}));
    form->ListView1->selectRow(0);
    QTest::keyClick(form->ListView1, Qt::Key_A);
    QTest::keyClick(form->ListView1, Qt::Key_Backspace);
    QCOMPARE(form->ListView1->rowCount(), 4);
    QCOMPARE(w.main.ListView1->rowCount(), 5);  // only the search list changes
}

void TestForm2::editingRefusedWhileBusy()
{
    Windows w;
    Form2* form = w.open();
    w.search(QStringLiteral("5"));
    form->setMousePointer(forms::kHourglassPointer);
    form->ListView1->selectRow(0);
    QTest::keyClick(form->ListView1, Qt::Key_Delete);
    form->PushButton6->click();
    QCOMPARE(form->ListView1->rowCount(), 2);
    form->setMousePointer(forms::kDefaultPointer);
    form->PushButton6->click();
    QCOMPARE(form->ListView1->rowCount(), 0);
}

// While a save of the results runs, the window refuses to close, so the save is never cut
// off half-way.
void TestForm2::closeRefusedWhileBusy()
{
    Windows w;
    Form2* form = w.open();
    form->setMousePointer(forms::kHourglassPointer);
    QVERIFY(!form->close());
    form->PushButton1->click();
    w.letCloseFinish();
    QCOMPARE(w.main.searchWindow(), form);
    QVERIFY(form->isVisible());
    QVERIFY(!w.main.isVisible());
    form->setMousePointer(forms::kDefaultPointer);
    QVERIFY(form->close());
}

void TestForm2::messages_data()
{
    QTest::addColumn<bool>("help");
    QTest::addColumn<QString>("message");
    QTest::newRow("?")
        << false
        << "Enter one number or multiple numbers to search for. Please include spaces (or "
           "dashes) where necessary.";
    QTest::newRow("Help")
        << true
        << "You can use this feature to search for a winning pick. It is recommended that "
           "you search for one number first then search for two numbers with space (or "
           "dash) to see the results to make sure you know how to enter the search text "
           "properly.";
}

void TestForm2::messages()
{
    QFETCH(bool, help);
    QFETCH(QString, message);
    Windows w;
    Form2* form = w.open();
    (help ? form->PushButton7 : form->PushButton3)->click();
    QCOMPARE(w.services.messageBox.texts(), QStringList{message});
    QCOMPARE(w.services.messageBox.boxes.first().title, QStringLiteral("Numorra"));
    QCOMPARE(w.services.messageBox.boxes.first().icon, platform::MsgIcon::None);
}

void TestForm2::hoverPointer()
{
    Windows w;
    Form2* form = w.open();
    testing::moveMouseOver(form->PushButton2);
    QCOMPARE(form->mousePointer(), int(forms::kCustomPointer));
    testing::moveMouseOver(form->Text1);
    QCOMPARE(form->mousePointer(), int(forms::kCustomPointer));
    testing::moveMouseOver(form->ListView1->viewport());
    QCOMPARE(form->mousePointer(), int(forms::kDefaultPointer));
    form->setMousePointer(forms::kHourglassPointer);
    testing::moveMouseOver(form->PushButton4);
    testing::moveMouseOver(form->Frame1);
    QCOMPARE(form->mousePointer(), int(forms::kHourglassPointer));
}

void TestForm2::closingMainWindowEndsBoth()
{
    Windows w;
    Form2* form = w.open();
    w.main.close();
    QVERIFY(platform::services().programEnding);
    QVERIFY(!form->isVisible());
    QVERIFY(!w.main.isVisible());
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
