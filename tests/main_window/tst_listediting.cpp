#include "CheckBox.h"
#include "Form1.h"
#include "MousePointer.h"
#include "ResultsList.h"
#include "TestServices.h"
#include "WindowDriving.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kDone = QStringLiteral("Done.");

const QStringList kFive = {QStringLiteral("1 2 3"), QStringLiteral("4 5 6"),
                           QStringLiteral("7 8 9"), QStringLiteral("10 11 12"),
                           QStringLiteral("13 14 15")};

// The main window shown, with five rows in the order made.
struct Window {
    testing::TestServices services;
    Form1 form;
    Window()
    {
        form.show();
        for (const QString& row : kFive)
            form.ListView1->append(row, row);
        form.ListView1->itemText(1);  // the rows reach the view
    }
    void generate(const QString& lowest, const QString& highest, const QString& picks,
                  const QString& perPick)
    {
        form.Text1->setText(lowest);
        form.Text2->setText(highest);
        form.Text3->setText(picks);
        form.Text4->setText(perPick);
        form.PushButton2->click();
    }
    QStringList rows() const { return testing::rowsOf(*form.ListView1); }
};

enum class Removal {
    DoubleClickRow,
    DoubleClickBelowRows,
    Delete,
    ShiftDelete,
    CtrlDelete,
    Backspace,
    LetterKey
};

void act(forms::ResultsList& list, Removal removal)
{
    QWidget* viewport = list.viewport();
    switch (removal) {
        case Removal::DoubleClickRow:
            testing::doubleClick(
                viewport, list.visualRect(list.QAbstractItemView::model()->index(0, 0)).center());
            break;
        case Removal::DoubleClickBelowRows:
            testing::doubleClick(viewport, QPoint(20, viewport->height() - 5));
            break;
        case Removal::Delete:
            QTest::keyClick(&list, Qt::Key_Delete);
            break;
        case Removal::ShiftDelete:
            QTest::keyClick(&list, Qt::Key_Delete, Qt::ShiftModifier);
            break;
        case Removal::CtrlDelete:
            QTest::keyClick(&list, Qt::Key_Delete, Qt::ControlModifier);
            break;
        case Removal::Backspace:
            QTest::keyClick(&list, Qt::Key_Backspace);
            break;
        case Removal::LetterKey:
            QTest::keyClick(&list, Qt::Key_D);
            break;
    }
}

}  // namespace

Q_DECLARE_METATYPE(Removal)

// Clearing the main list, removing its selected row, and the field help.
class TestListEditing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void clearList();
    void clearEmptyListReportsNothing();
    void clearRefusedWhileGenerating_data();
    void clearRefusedWhileGenerating();
    void removal_data();
    void removal();
    void removalWithoutSelection_data();
    void removalWithoutSelection();
    void removalRefusedWhileBusy_data();
    void removalRefusedWhileBusy();
    void removedPickCanBeMadeAgain();
    void help_data();
    void help();
    void helpUsesCurrentCaptions();
    void helpWorksDuringRun();
};

void TestListEditing::clearList()
{
    Window w;
    w.form.PushButton9->click();
    QCOMPARE(w.form.ListView1->rowCount(), 0);
    QCOMPARE(w.form.ListView1->columnCount(), 2);
    QCOMPARE(w.form.ListView1->columnHeader(1), QStringLiteral("Picks"));
    QVERIFY(w.services.messageBox.boxes.isEmpty());
}

void TestListEditing::clearEmptyListReportsNothing()
{
    Window w;
    w.form.PushButton9->click();
    w.form.PushButton9->click();
    QCOMPARE(w.form.ListView1->rowCount(), 0);
    QVERIFY(w.services.messageBox.boxes.isEmpty());
}

void TestListEditing::clearRefusedWhileGenerating_data()
{
    QTest::addColumn<bool>("saveFirst");
    QTest::newRow("during the run") << false;
    // The save ends inside the run and must leave the run's hourglass, its guard, showing.
    QTest::newRow("after a save made during the run") << true;
}

void TestListEditing::clearRefusedWhileGenerating()
{
    QFETCH(bool, saveFirst);
    Window w;
    w.form.PushButton9->click();
    w.form.Check2->setChecked(false);
    if (saveFirst) {
        w.services.saveDialog.names = {w.services.programFolder.filePath(QStringLiteral("a"))};
        w.services.pump.when([&] { return w.form.ListView1->rowCount() == 2; },
                             [&] { w.form.PushButton6->click(); });
    }
    w.services.pump.when([&] { return w.form.ListView1->rowCount() == 4; },
                         [&] { w.form.PushButton9->click(); });
    w.generate(QStringLiteral("1"), QStringLiteral("42"), QStringLiteral("10"),
               QStringLiteral("6"));
    QCOMPARE(w.form.ListView1->rowCount(), 10);
    QCOMPARE(w.services.messageBox.texts(), QStringList(saveFirst ? 2 : 1, kDone));
}

void TestListEditing::removal_data()
{
    QTest::addColumn<Removal>("removal");
    QTest::addColumn<bool>("removes");
    QTest::newRow("double-click on a row") << Removal::DoubleClickRow << true;
    QTest::newRow("double-click below the rows") << Removal::DoubleClickBelowRows << true;
    QTest::newRow("Delete") << Removal::Delete << true;
    QTest::newRow("Shift+Delete") << Removal::ShiftDelete << true;
    QTest::newRow("Ctrl+Delete") << Removal::CtrlDelete << true;
    QTest::newRow("Backspace") << Removal::Backspace << false;
    QTest::newRow("another key") << Removal::LetterKey << false;
}

// The selected row goes, not the row under the pointer; later rows move up.
void TestListEditing::removal()
{
    QFETCH(Removal, removal);
    QFETCH(bool, removes);
    Window w;
    w.form.ListView1->selectRow(2);
    act(*w.form.ListView1, removal);
    QStringList expected = kFive;
    if (removes)
        expected.removeAt(removal == Removal::DoubleClickRow ? 0 : 2);
    QCOMPARE(w.rows(), expected);
    QVERIFY(w.services.messageBox.boxes.isEmpty());
}

void TestListEditing::removalWithoutSelection_data()
{
    QTest::addColumn<Removal>("removal");
    QTest::newRow("double-click below the rows") << Removal::DoubleClickBelowRows;
    QTest::newRow("Delete") << Removal::Delete;
}

void TestListEditing::removalWithoutSelection()
{
    QFETCH(Removal, removal);
    Window w;
    w.form.ListView1->clearSelection();
    act(*w.form.ListView1, removal);
    QCOMPARE(w.rows(), kFive);
    w.form.PushButton9->click();
    act(*w.form.ListView1, removal);  // an empty list
    QCOMPARE(w.form.ListView1->rowCount(), 0);
}

void TestListEditing::removalRefusedWhileBusy_data() { removalWithoutSelection_data(); }

void TestListEditing::removalRefusedWhileBusy()
{
    QFETCH(Removal, removal);
    Window w;
    w.form.ListView1->selectRow(2);
    w.form.setMousePointer(forms::kHourglassPointer);
    act(*w.form.ListView1, removal);
    w.form.PushButton9->click();
    QCOMPARE(w.rows(), kFive);
}

// After a removal or a clear the duplicate test no longer sees the pick.
void TestListEditing::removedPickCanBeMadeAgain()
{
    Window w;
    w.form.PushButton9->click();
    w.generate(QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("3"));
    QCOMPARE(w.rows(), QStringList{QStringLiteral("1 2 3")});
    w.form.ListView1->selectRow(0);
    act(*w.form.ListView1, Removal::Delete);
    QCOMPARE(w.form.ListView1->rowCount(), 0);
    w.form.PushButton2->click();
    QCOMPARE(w.rows(), QStringList{QStringLiteral("1 2 3")});
    w.form.PushButton9->click();
    w.form.PushButton2->click();
    QCOMPARE(w.rows(), QStringList{QStringLiteral("1 2 3")});
}

void TestListEditing::help_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("Help") << "PushButton3"
                          << "Sample: 3 23 37 41 49 58\r\rRange From: 1 Range To: 64\r\r"
                             "Number Of Numbers Per Pick: 6\r\rHow Many Picks To Generate: 1\r\r"
                             "Order Options: Yes";
    QTest::newRow("? of numbers per pick")
        << "PushButton4"
        << "It is recommended that you use a number less than 1000 otherwise the software will be "
           "slow to generate.\r\n\r\nAlso Number Of Numbers To Generate Per Pick must be less or "
           "equal to Highest Possible Number.";
    QTest::newRow("? of picks")
        << "PushButton5"
        << "It is recommended to keep the number of picks to generate under 32,000.";
}

void TestListEditing::help()
{
    QFETCH(QString, button);
    QFETCH(QString, message);
    Window w;
    const QMap<QString, QPushButton*> buttons = {
        {QStringLiteral("PushButton3"), w.form.PushButton3},
        {QStringLiteral("PushButton4"), w.form.PushButton4},
        {QStringLiteral("PushButton5"), w.form.PushButton5}};
    buttons.value(button)->click();
    QCOMPARE(w.services.messageBox.boxes.size(), 1);
    const testing::ShownBox& box = w.services.messageBox.boxes.first();
    QCOMPARE(box.text, message);
    QCOMPARE(box.title, QStringLiteral("Numorra"));
    QCOMPARE(box.icon, platform::MsgIcon::None);
    QCOMPARE(box.buttons, platform::MsgButtons::Ok);
    QCOMPARE(w.rows(), kFive);
}

void TestListEditing::helpUsesCurrentCaptions()
{
    Window w;
    w.form.Frame5->setTitle(QStringLiteral("Count"));
    w.form.Frame4->setTitle(QStringLiteral("Top"));
    w.form.PushButton4->click();
    QVERIFY(w.services.messageBox.texts().first().endsWith(
        QStringLiteral("\r\n\r\nAlso Count must be less or equal to Top.")));
}

void TestListEditing::helpWorksDuringRun()
{
    Window w;
    w.services.pump.when([&] { return w.form.ListView1->rowCount() == 6; },
                         [&] { w.form.PushButton5->click(); });
    w.generate(QStringLiteral("1"), QStringLiteral("42"), QStringLiteral("3"), QStringLiteral("6"));
    QCOMPARE(
        w.services.messageBox.texts(),
        (QStringList{QStringLiteral(
                         "It is recommended to keep the number of picks to generate under 32,000."),
                     kDone}));
    QCOMPARE(w.form.ListView1->rowCount(), 8);
}

QTEST_MAIN(TestListEditing)
#include "tst_listediting.moc"
