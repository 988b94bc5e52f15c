#include "AppTitle.h"
#include "ErrorTrap.h"
#include "ProgramEnd.h"
#include "SupportAddress.h"
#include "TestServices.h"

#include <QtTest>

#include <new>

using core::RuntimeFailure;

class TestErrorTrap : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reportText();
    void reportBox();
    void failedStatementIsReportedAndNextRuns();
    void failedTestOpensGuardedBlock();
    void twoFailuresGiveTwoBoxesInOrder();
    void outOfMemoryIsReported();
    void programEndIsNotTrapped();
    void appTitle_data();
    void appTitle();
};

void TestErrorTrap::reportText()
{
    const QString path =
        report::procedurePath(QStringLiteral("Form1"), QStringLiteral("PushButton2_Click"));
    QCOMPARE(path, QStringLiteral("in Drawsmith2021/08/31.Form1.PushButton2_Click "));
    QCOMPARE(
        report::errorReportText(QStringLiteral("Overflow"), path, 102),
        QStringLiteral("Overflow\r\nin Drawsmith2021/08/31.Form1.PushButton2_Click at line 102\r\r"
                       "Please email screenshot of this message to ")
            + report::supportAddress());
    QVERIFY(report::supportAddress().contains(QLatin1Char('@')));
}

void TestErrorTrap::reportBox()
{
    testing::TestServices services;
    report::ErrorTrap trap(QStringLiteral("Lotto"), QStringLiteral("getNumbers"));
    trap(100, [] { throw RuntimeFailure(QStringLiteral("Overflow")); });
    QCOMPARE(services.messageBox.boxes.size(), 1);
    const testing::ShownBox& box = services.messageBox.boxes.first();
    QCOMPARE(box.title, QStringLiteral("Application Error"));
    QCOMPARE(box.icon, platform::MsgIcon::Exclamation);
    QCOMPARE(box.buttons, platform::MsgButtons::Ok);
    QVERIFY(box.text.startsWith(
        QStringLiteral("Overflow\r\nin Drawsmith2021/08/31.Lotto.getNumbers at line 100\r\r")));
}

void TestErrorTrap::failedStatementIsReportedAndNextRuns()
{
    testing::TestServices services;
    report::ErrorTrap trap(QStringLiteral("Form1"), QStringLiteral("Form_Load"));
    int value = 7;
    bool nextRan = false;
    trap(104, [&] {
        throw RuntimeFailure(QStringLiteral("Invalid picture"));
        value = 8;  // never reached: the failed statement is abandoned
    });
    trap(106, [&] { nextRan = true; });
    QCOMPARE(value, 7);
    QVERIFY(nextRan);
    QCOMPARE(services.messageBox.boxes.size(), 1);
}

void TestErrorTrap::failedTestOpensGuardedBlock()
{
    testing::TestServices services;
    report::ErrorTrap trap(QStringLiteral("Form1"), QStringLiteral("PushButton2_Click"));
    const bool held =
        trap.test(104, []() -> bool { throw RuntimeFailure(QStringLiteral("Type mismatch")); });
    QVERIFY(held);
    QVERIFY(!trap.test(106, [] { return false; }));
    QCOMPARE(services.messageBox.boxes.size(), 1);
    QVERIFY(services.messageBox.boxes.first().text.contains(QStringLiteral("at line 104\r\r")));
}

void TestErrorTrap::twoFailuresGiveTwoBoxesInOrder()
{
    testing::TestServices services;
    report::ErrorTrap trap(QStringLiteral("Form1"), QStringLiteral("Form_Load"));
    trap(100, [] { throw RuntimeFailure(QStringLiteral("First")); });
    trap(102, [] {});
    trap(104, [] { throw RuntimeFailure(QStringLiteral("Second")); });
    const QStringList texts = services.messageBox.texts();
    QCOMPARE(texts.size(), 2);
    QVERIFY(texts[0].startsWith(QStringLiteral("First\r\n"))
            && texts[0].contains(QStringLiteral("at line 100")));
    QVERIFY(texts[1].startsWith(QStringLiteral("Second\r\n"))
            && texts[1].contains(QStringLiteral("at line 104")));
}

void TestErrorTrap::outOfMemoryIsReported()
{
    testing::TestServices services;
    report::ErrorTrap trap(QStringLiteral("Lotto"), QStringLiteral("getNumbers"));
    trap(102, [] { throw std::bad_alloc(); });
    QCOMPARE(services.messageBox.boxes.size(), 1);
    QVERIFY(services.messageBox.boxes.first().text.startsWith(QStringLiteral("Out of memory\r\n")));
}

// A program told to end unwinds its running command; the trap must not swallow that.
void TestErrorTrap::programEndIsNotTrapped()
{
    testing::TestServices services;
    report::ErrorTrap trap(QStringLiteral("Form1"), QStringLiteral("PushButton2_Click"));
    QVERIFY_THROWS_EXCEPTION(platform::ProgramEnded,
                             trap(160, [] { throw platform::ProgramEnded(); }));
    QVERIFY(services.messageBox.boxes.isEmpty());
}

void TestErrorTrap::appTitle_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("four words") << "Alpha Beta Gamma Delta"
                                << "Alpha Beta Gamma";
    QTest::newRow("two words") << "Numorra Pro"
                               << "Numorra";
    QTest::newRow("single word") << "Numorra"
                                 << "Numorra";
    // 50 characters; the first cut leaves 45, the second cuts at the space before "cccc".
    QTest::newRow("cut twice") << "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa bbbbbbbbb cccc"
                               << "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa";
    QTest::newRow("long single word") << QString(45, u'x') << QString(40, u'x');
}

void TestErrorTrap::appTitle()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QCOMPARE(report::deriveAppTitle(name), title);
}

QTEST_GUILESS_MAIN(TestErrorTrap)
#include "tst_errortrap.moc"
