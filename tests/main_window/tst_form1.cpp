#include "AppTitle.h"
#include "CheckBox.h"
#include "FileKinds.h"
#include "Form1.h"
#include "MousePointer.h"
#include "ProgramEnd.h"
#include "ProgressBar.h"
#include "ResultsList.h"
#include "TestServices.h"
#include "WindowDriving.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtEndian>
#include <QtTest>

namespace {

// Writes a 16x16 Windows cursor file with the given hotspot: a cursor directory of one
// entry followed by a 32-bit device-independent bitmap and its mask.
void writeCursorFile(const QString& path, int hotspotX, int hotspotY)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    constexpr quint32 kImageBytes = 40 + 16 * 16 * 4 + 16 * 4;
    out << quint16(0) << quint16(2) << quint16(1);  // reserved, type cursor, one image
    out << quint8(16) << quint8(16) << quint8(0) << quint8(0) << quint16(hotspotX)
        << quint16(hotspotY) << kImageBytes << quint32(22);
    out << quint32(40) << qint32(16) << qint32(32) << quint16(1) << quint16(32) << quint32(0)
        << quint32(16 * 16 * 4) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    for (int i = 0; i < 16 * 16; ++i)
        out << quint32(0xFF202020);
    for (int i = 0; i < 16; ++i)
        out << quint32(0);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The colour a control fills its background with.
QColor background(const QWidget* widget)
{
    return widget->palette().color(widget->backgroundRole());
}

}  // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsWithoutErrors();
    void layout_data();
    void layout();
    void fonts();
    void accessibleNames();
    void designTimeStates();
    void listColumns();
    void tabOrderStartsOnCheck1();
    void centredOnFirstShow();
    void hoverPointer();
    void hoverLeavesHourglass();
    void handCursorFromFile();
    void brokenCursorFileIsReported_data();
    void brokenCursorFileIsReported();
    void skinGivesButtonFace();
    void noSkinKeepsWhite();
    void closingEndsProgram();
};

void TestForm1::startsWithoutErrors()
{
    testing::TestServices services;
    Form1 form;
    QVERIFY(services.messageBox.boxes.isEmpty());
    QCOMPARE(form.windowTitle(), QStringLiteral("Numorra"));
    QCOMPARE(report::appTitle(), QStringLiteral("Numorra"));
    QVERIFY(!form.windowIcon().isNull());
    QCOMPARE(form.mousePointer(), int(forms::kDefaultPointer));
}

void TestForm1::layout_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("pixels");
    // Twips divided by 15.
    QTest::newRow("PushButton3") << "PushButton3" << QRect(8, 8, 520, 27);
    QTest::newRow("Frame1") << "Frame1" << QRect(8, 38, 520, 84);
    QTest::newRow("Text1 in Frame2") << "Text1" << QRect(16, 20, 203, 23);
    QTest::newRow("Frame4 in Frame1") << "Frame4" << QRect(266, 16, 236, 56);
    QTest::newRow("PushButton4 in Frame5") << "PushButton4" << QRect(472, 20, 32, 23);
    QTest::newRow("Check5 in Frame3") << "Check5" << QRect(16, 114, 325, 17);
    QTest::newRow("Text5 in Frame7") << "Text5" << QRect(16, 20, 488, 23);
    QTest::newRow("PushButton2") << "PushButton2" << QRect(536, 8, 520, 27);
    QTest::newRow("ListView1") << "ListView1" << QRect(536, 42, 520, 302);
    QTest::newRow("ProgressBar1") << "ProgressBar1" << QRect(536, 351, 520, 27);
    QTest::newRow("PushButton1") << "PushButton1" << QRect(800, 385, 256, 27);
    QTest::newRow("PushButton7") << "PushButton7" << QRect(800, 419, 256, 27);
}

void TestForm1::layout()
{
    QFETCH(QString, control);
    QFETCH(QRect, pixels);
    testing::TestServices services;
    Form1 form;
    const QMap<QString, QWidget*> controls = {{QStringLiteral("PushButton3"), form.PushButton3},
                                              {QStringLiteral("Frame1"), form.Frame1},
                                              {QStringLiteral("Text1"), form.Text1},
                                              {QStringLiteral("Frame4"), form.Frame4},
                                              {QStringLiteral("PushButton4"), form.PushButton4},
                                              {QStringLiteral("Check5"), form.Check5},
                                              {QStringLiteral("Text5"), form.Text5},
                                              {QStringLiteral("PushButton2"), form.PushButton2},
                                              {QStringLiteral("ListView1"), form.ListView1},
                                              {QStringLiteral("ProgressBar1"), form.ProgressBar1},
                                              {QStringLiteral("PushButton1"), form.PushButton1},
                                              {QStringLiteral("PushButton7"), form.PushButton7}};
    QCOMPARE(controls.value(control)->geometry(), pixels);
    QCOMPARE(form.size(), QSize(1064, 453));
    QCOMPARE(form.minimumSize(), form.maximumSize());
}

void TestForm1::fonts()
{
    testing::TestServices services;
    Form1 form;
    // Arial, or where the system lacks it Liberation Sans, of the same widths, which the
    // test machines have.
    const QString arial = QFontDatabase::hasFamily(QStringLiteral("Arial"))
                              ? QStringLiteral("Arial")
                              : QStringLiteral("Liberation Sans");
    for (const QWidget* widget : std::initializer_list<const QWidget*>{
             &form, form.Frame3, form.Text4, form.Check2, form.ListView1}) {
        QCOMPARE(widget->font().family(), arial);
        QVERIFY(widget->font().bold());
        QCOMPARE(widget->font().pointSizeF(), 9.0);
    }
    for (const QPushButton* button : form.findChildren<QPushButton*>()) {
        QCOMPARE(button->font().family(), arial);
        QVERIFY(button->font().bold());
        QCOMPARE(button->font().pointSizeF(), 11.25);
    }
}

void TestForm1::accessibleNames()
{
    testing::TestServices services;
    Form1 form;
    const QList<std::pair<QWidget*, QString>> expected = {
        {form.Text1, QStringLiteral("Lowest Possible Number")},
        {form.Text2, QStringLiteral("Highest Possible Number")},
        {form.Text3, QStringLiteral("Number Of Picks To Generate")},
        {form.Text4, QStringLiteral("Number Of Numbers To Generate Per Pick")},
        {form.Text5, QStringLiteral("Add Prefix To All Picks")},
        {form.Check4, QStringLiteral("Do not generate the same number twice in a pick")},
        {form.PushButton2, QStringLiteral("Start Generating")},
        {form.PushButton9, QStringLiteral("Clear List")},
        {form.Frame3, QStringLiteral("Options")},
        {form.ListView1, QStringLiteral("Picks")},
        {form.ProgressBar1, QStringLiteral("Progress Bar")}};
    for (const auto& [widget, name] : expected)
        QCOMPARE(widget->accessibleName(), name);
    // No control may be left without a name.
    for (const QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QVERIFY2(!child->accessibleName().isEmpty(), child->metaObject()->className());
}

void TestForm1::designTimeStates()
{
    testing::TestServices services;
    Form1 form;
    QCOMPARE(form.ProgressBar1->value(), 0);
    QCOMPARE(form.ProgressBar1->text(), QStringLiteral("Progress Bar"));
    QCOMPARE(
        form.ListView1->toolTip(),
        QStringLiteral("Double-click item to remove it. Move | line to right and out of window "
                       "to reveal full names."));
}

void TestForm1::listColumns()
{
    testing::TestServices services;
    Form1 form;
    QCOMPARE(form.ListView1->columnCount(), 2);
    QCOMPARE(form.ListView1->columnHeader(1), QStringLiteral("Picks"));
    QCOMPARE(form.ListView1->columnHeader(2), QString());
    QCOMPARE(form.ListView1->columnWidth(0), 466);
    QVERIFY(form.ListView1->isColumnHidden(1) || form.ListView1->columnWidth(1) == 0);
}

void TestForm1::tabOrderStartsOnCheck1()
{
    testing::TestServices services;
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.Check1);
    const QList<QWidget*> expected = {
        form.Text1,       form.Text2,       form.Text4,       form.Text3,       form.PushButton2,
        form.PushButton6, form.PushButton9, form.PushButton1, form.PushButton3, form.ListView1,
        form.Check3,      form.Check2,      form.Check4,      form.PushButton4, form.Check5,
        form.Text5,       form.PushButton5, form.PushButton7};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestForm1::centredOnFirstShow()
{
    testing::TestServices services;
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QRect screen = form.screen()->availableGeometry();
    // The frame's size is known only once the window is up, so the centre may be off by
    // the frame's width.
    const int frame = form.frameGeometry().width() - form.geometry().width();
    QVERIFY(qAbs(form.frameGeometry().center().x() - screen.center().x()) <= frame + 1);
    QVERIFY(qAbs(form.frameGeometry().center().y() - screen.center().y()) <= frame + 1);
}

void TestForm1::hoverPointer()
{
    testing::TestServices services;
    Form1 form;
    testing::moveMouseOver(form.PushButton2);
    QCOMPARE(form.mousePointer(), int(forms::kCustomPointer));
    testing::moveMouseOver(form.Text4);  // no handler: the hand stays
    QCOMPARE(form.mousePointer(), int(forms::kCustomPointer));
    testing::moveMouseOver(form.Frame5, QPoint(4, 40));  // the frame's own area, below its text box
    QCOMPARE(form.mousePointer(), int(forms::kDefaultPointer));
    testing::moveMouseOver(form.PushButton4);
    QCOMPARE(form.mousePointer(), int(forms::kCustomPointer));
    testing::moveMouseOver(form.Check2);  // no handler
    QCOMPARE(form.mousePointer(), int(forms::kCustomPointer));
    testing::moveMouseOver(form.ListView1->viewport());
    QCOMPARE(form.mousePointer(), int(forms::kDefaultPointer));
    testing::moveMouseOver(form.PushButton7);
    testing::moveMouseOver(&form, QPoint(530, 440));  // the window's background
    QCOMPARE(form.mousePointer(), int(forms::kDefaultPointer));
}

void TestForm1::hoverLeavesHourglass()
{
    testing::TestServices services;
    Form1 form;
    form.setMousePointer(forms::kHourglassPointer);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             form.PushButton2, form.Frame1, form.Check1, form.ListView1->viewport(), &form}) {
        testing::moveMouseOver(widget);
        QCOMPARE(form.mousePointer(), int(forms::kHourglassPointer));
    }
    QCOMPARE(form.cursor().shape(), Qt::WaitCursor);
}

void TestForm1::handCursorFromFile()
{
    testing::TestServices services;
    writeCursorFile(services.programFolder.filePath(QStringLiteral("HAND-M.CUR")), 5, 7);
    Form1 form;
    QVERIFY(services.messageBox.boxes.isEmpty());
    form.setMousePointer(forms::kCustomPointer);
    QCOMPARE(form.cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(form.cursor().hotSpot(), QPoint(5, 7));
    form.setMousePointer(forms::kDefaultPointer);
    QCOMPARE(form.cursor().shape(), Qt::ArrowCursor);
}

void TestForm1::brokenCursorFileIsReported_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("description");
    QTest::newRow("not a cursor") << ""
                                  << "Invalid picture";
    QTest::newRow("over a megabyte") << "big"
                                     << "Invalid picture";
    QTest::newRow("a pipe") << "pipe"
                            << "Path/File access error";
    QTest::newRow("a link to /dev/zero") << "/dev/zero"
                                         << "Path/File access error";
}

// An unreadable cursor file, or one that is no cursor file at all (a pipe that would never
// be written, a device without end), is reported once and never read.
void TestForm1::brokenCursorFileIsReported()
{
    QFETCH(QString, kind);
    QFETCH(QString, description);
    testing::TestServices services;
    const QString path = services.programFolder.filePath(QStringLiteral("HAND-M.CUR"));
    if (kind.startsWith(QLatin1Char('/'))) {
        if (!QFile::exists(kind) || !QFile::link(kind, path))
            QSKIP("this system cannot make it");
    } else if (kind == QStringLiteral("pipe")) {
        if (!testing::makeIrregularFile(kind, path))
            QSKIP("this system cannot make it");
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(kind.isEmpty() ? 12 : (1 << 20) + 1));
        file.close();
    }
    Form1 form;
    QCOMPARE(services.messageBox.boxes.size(), 1);
    QVERIFY(services.messageBox.boxes.first().text.contains(
        QStringLiteral("in Drawsmith2021/08/31.Form1.Form_Load at line 104")));
    QVERIFY(services.messageBox.boxes.first().text.startsWith(description));
    // The remaining start-up steps still ran.
    QCOMPARE(form.windowTitle(), QStringLiteral("Numorra"));
    QCOMPARE(form.ListView1->columnCount(), 2);
    form.setMousePointer(forms::kCustomPointer);
    QCOMPARE(form.cursor().shape(), Qt::ArrowCursor);
}

void TestForm1::skinGivesButtonFace()
{
    testing::TestServices services;
    QVERIFY(QDir(services.programFolder.path()).mkdir(QStringLiteral("x")));
    QFile skin(services.programFolder.filePath(QStringLiteral("x/o.cjs")));
    QVERIFY(skin.open(QIODevice::WriteOnly));
    skin.close();
    Form1 form;
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    for (const QWidget* widget :
         std::initializer_list<const QWidget*>{&form, form.Frame1, form.Frame2, form.Check3})
        QCOMPARE(background(widget), buttonFace);
    QCOMPARE(form.Text1->palette().color(QPalette::Base),
             QApplication::palette().color(QPalette::Base));
}

void TestForm1::noSkinKeepsWhite()
{
    testing::TestServices services;
    Form1 form;
    for (const QWidget* widget :
         std::initializer_list<const QWidget*>{&form, form.Frame1, form.Frame2, form.Check3})
        QCOMPARE(background(widget), QColor(Qt::white));
}

void TestForm1::closingEndsProgram()
{
    testing::TestServices services;
    Form1 form;
    form.show();
    form.close();
    QVERIFY(platform::services().programEnding);
    QVERIFY(!form.isVisible());
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
