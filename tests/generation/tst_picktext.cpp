#include "PickText.h"

#include <QtTest>

using Numbers = std::vector<std::int32_t>;
Q_DECLARE_METATYPE(Numbers)

class TestPickText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void texts_data();
    void texts();
};

void TestPickText::texts_data()
{
    QTest::addColumn<Numbers>("numbers");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("pickText");
    QTest::addColumn<QString>("sortText");
    QTest::newRow("spaces") << Numbers{3, 23, 41} << QChar(u' ') << ""
                            << "3 23 41"
                            << "03 23 41";
    QTest::newRow("dashes") << Numbers{3, 23, 41} << QChar(u'-') << ""
                            << "3-23-41"
                            << "03-23-41";
    QTest::newRow("prefix and dashes") << Numbers{3, 23, 41} << QChar(u'-') << "Set"
                                       << "Set  3-23-41"
                                       << "Set  03-23-41";
    QTest::newRow("one number with prefix") << Numbers{7} << QChar(u' ') << "A"
                                            << "A  7"
                                            << "A  07";
    QTest::newRow("three digits keep them") << Numbers{5, 100} << QChar(u' ') << ""
                                            << "5 100"
                                            << "05 100";
    QTest::newRow("negative") << Numbers{-5, 3} << QChar(u' ') << ""
                              << "-5 3"
                              << "-05 03";
    QTest::newRow("negative after dash") << Numbers{-5, -3, 7} << QChar(u'-') << ""
                                         << "-5--3-7"
                                         << "-05--03-07";
    QTest::newRow("prefix leading spaces trimmed, trailing kept")
        << Numbers{1, 2} << QChar(u' ') << "  my set "
        << "my set   1 2"
        << "my set   01 02";
    QTest::newRow("prefix inner spaces kept") << Numbers{1} << QChar(u' ') << "a  b"
                                              << "a  b  1"
                                              << "a  b  01";
    QTest::newRow("empty pick keeps single spaces") << Numbers{} << QChar(u' ') << "P"
                                                    << " "
                                                    << " ";
    QTest::newRow("repeats") << Numbers{1, 1, 3} << QChar(u' ') << ""
                             << "1 1 3"
                             << "01 01 03";
}

void TestPickText::texts()
{
    QFETCH(Numbers, numbers);
    QFETCH(QChar, separator);
    QFETCH(QString, prefix);
    QFETCH(QString, pickText);
    QFETCH(QString, sortText);
    const generation::PickTexts texts = generation::makePickTexts(numbers, separator, prefix);
    QCOMPARE(texts.pickText, pickText);
    QCOMPARE(texts.sortText, sortText);
}

QTEST_APPLESS_MAIN(TestPickText)
#include "tst_picktext.moc"
