#include "Conversions.h"
#include "RuntimeFailure.h"

#include <QtTest>

#include <array>
#include <cmath>
#include <limits>

using namespace core;

class TestConversions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void leadingValue_data();
    void leadingValue();
    void numericValue_data();
    void numericValue();
    void numericTestAgreesWithLeadingValue_data();
    void numericTestAgreesWithLeadingValue();
    void roundToInt32_data();
    void roundToInt32();
    void roundToInt32Overflows_data();
    void roundToInt32Overflows();
    void wholeNumber_data();
    void wholeNumber();
    void wholeNumberRejectsText();
    void formats_data();
    void formats();
};

void TestConversions::leadingValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("plain") << "42" << 42.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("digits then letters") << "12abc" << 12.0;
    QTest::newRow("inner space") << "1 2" << 12.0;
    QTest::newRow("tabs and line feeds") << "\t1\n2 " << 12.0;
    QTest::newRow("negative") << "-3" << -3.0;
    QTest::newRow("sign then blank") << "- 5" << -5.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("decimal point") << "1.5" << 1.5;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("comma stops") << "1,5" << 1.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("negative exponent") << "25E-1" << 2.5;
    QTest::newRow("e without digits") << "7e" << 7.0;
    QTest::newRow("e then letters") << "7ex" << 7.0;
    QTest::newRow("carriage return stops") << "4\r5" << 4.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("huge") << "1e400" << HUGE_VAL;
    QTest::newRow("tiny, capital exponent") << "1E-400" << 0.0;
    QTest::newRow("Arabic-Indic digit stops") << QStringLiteral(u"1\u0662") << 1.0;
    const QString zeros(400, u'0');
    QTest::newRow("tiny without exponent") << "0." + zeros + "1" << 0.0;
    QTest::newRow("tiny despite a positive exponent") << "0." + zeros + "1e5" << 0.0;
    QTest::newRow("huge despite a negative exponent") << "1" + zeros + "e-1" << HUGE_VAL;
}

void TestConversions::leadingValue()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(core::leadingValue(text), expected);
}

void TestConversions::numericValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");
    QTest::newRow("integer") << "6" << true << 6.0;
    QTest::newRow("negative") << "-3" << true << -3.0;
    QTest::newRow("surrounding blanks") << "  31999.5\t" << true << 31999.5;
    QTest::newRow("exponent") << "1e3" << true << 1000.0;
    QTest::newRow("trailing point") << "5." << true << 5.0;
    QTest::newRow("leading point") << ".25" << true << 0.25;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blank") << "   " << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("digits then letters") << "12abc" << false << 0.0;
    QTest::newRow("inner blank") << "1 2" << false << 0.0;
    QTest::newRow("thousands separator") << "32,000" << false << 0.0;
    QTest::newRow("currency sign") << "$5" << false << 0.0;
    QTest::newRow("point alone") << "." << false << 0.0;
    QTest::newRow("dangling exponent") << "5e" << false << 0.0;
    QTest::newRow("two signs") << "--5" << false << 0.0;
}

void TestConversions::numericValue()
{
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(double, value);
    QCOMPARE(core::isNumeric(text), numeric);
    if (numeric)
        QCOMPARE(*core::numericValue(text), value);
}

void TestConversions::numericTestAgreesWithLeadingValue_data()
{
    QTest::addColumn<QString>("text");
    for (const char* text : {"6", " -3 ", "1.5", "2.5e1", "+4", ".5", "5.", "0", "-0.5"})
        QTest::newRow(text) << QString::fromLatin1(text);
}

// Wherever a text passes the numeric test, the leading value must read it the same way,
// or a field would pass validation and then generate with another number.
void TestConversions::numericTestAgreesWithLeadingValue()
{
    QFETCH(QString, text);
    QVERIFY(core::isNumeric(text));
    QCOMPARE(core::leadingValue(text), *core::numericValue(text));
}

void TestConversions::roundToInt32_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("1.5 to even 2") << 1.5 << 2;
    QTest::newRow("2.5 to even 2") << 2.5 << 2;
    QTest::newRow("3.5 to even 4") << 3.5 << 4;
    QTest::newRow("-2.5 to even -2") << -2.5 << -2;
    QTest::newRow("2.4") << 2.4 << 2;
    QTest::newRow("2.6") << 2.6 << 3;
    QTest::newRow("31999.5 to 32000") << 31999.5 << 32000;
    QTest::newRow("max") << 2147483647.0 << std::numeric_limits<int>::max();
    QTest::newRow("min") << -2147483648.0 << std::numeric_limits<int>::min();
    QTest::newRow("min - 0.5 rounds to even min")
        << -2147483648.5 << std::numeric_limits<int>::min();
}

void TestConversions::roundToInt32()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(core::roundToInt32(value), expected);
}

void TestConversions::roundToInt32Overflows_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("max + 0.5 rounds to even 2^31") << 2147483647.5;
    QTest::newRow("2^31") << 2147483648.0;
    QTest::newRow("below min") << -2147483649.0;
    QTest::newRow("infinity") << HUGE_VAL;
    QTest::newRow("not a number") << std::nan("");
}

void TestConversions::roundToInt32Overflows()
{
    QFETCH(double, value);
    try {
        core::roundToInt32(value);
        QFAIL("no failure");
    } catch (const RuntimeFailure& failure) {
        QCOMPARE(failure.description(), QStringLiteral("Overflow"));
    }
}

void TestConversions::wholeNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("2") << "2" << 2;
    QTest::newRow("blanks") << " 1 " << 1;
    QTest::newRow("half to even") << "0.5" << 0;
    QTest::newRow("one and a half") << "1.5" << 2;
}

void TestConversions::wholeNumber()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(core::wholeNumber(text), expected);
}

void TestConversions::wholeNumberRejectsText()
{
    for (const QString& text : {QStringLiteral("yes"), QString(), QStringLiteral("1x")}) {
        try {
            core::wholeNumber(text);
            QFAIL("no failure");
        } catch (const RuntimeFailure& failure) {
            QCOMPARE(failure.description(), QStringLiteral("Type mismatch"));
        }
    }
}

void TestConversions::formats_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("twoDigit");
    QTest::newRow("7") << 7 << "7"
                       << "07";
    QTest::newRow("0") << 0 << "0"
                       << "00";
    QTest::newRow("42") << 42 << "42"
                        << "42";
    QTest::newRow("123") << 123 << "123"
                         << "123";
    QTest::newRow("-5") << -5 << "-5"
                        << "-05";
    QTest::newRow("-12") << -12 << "-12"
                         << "-12";
    QTest::newRow("min") << std::numeric_limits<int>::min() << "-2147483648"
                         << "-2147483648";
}

void TestConversions::formats()
{
    QFETCH(int, value);
    QFETCH(QString, plain);
    QFETCH(QString, twoDigit);
    std::array<char, core::kMostDecimalChars> written{};
    QCOMPARE(QLatin1String(written.data(), core::writePlainDecimal(written.data(), value)), plain);
    QCOMPARE(QLatin1String(written.data(), core::writeTwoDigit(written.data(), value)), twoDigit);
}

QTEST_APPLESS_MAIN(TestConversions)
#include "tst_conversions.moc"
