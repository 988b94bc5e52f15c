#include "ButtonFaceColors.h"
#include "CheckBox.h"
#include "FormControls.h"
#include "LayoutDpiStyle.h"
#include "ResultsList.h"
#include "Twips.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionGroupBox>
#include <QtTest>

// The kit the windows are built from.
class TestForms : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void frameCaptionSitsOnItsLineOverThePlainInside();
    void buttonFaceReachesIntoFrames();
    void missingFontFamilyFallsBackToOneThatExists();
    void captionsWiderThanDesignedGetRoomWithinTheirFrame();
    void listPaintsItsWhiteUnderItsFrame();
    void listFrameStaysWholeAtAnyScale();
    void styleSizesFollowTheLayoutDpiButNotItsLines();
};

void TestForms::frameCaptionSitsOnItsLineOverThePlainInside()
{
    QWidget window;
    forms::prepareForm(window, 3000, 2400);
    QGroupBox* frame = forms::makeFrame(&window, QStringLiteral("Options"), 120, 120, 2760, 1800);
    const forms::CheckBox* check =
        forms::makeCheckBox(frame, QStringLiteral("Check"), 240, 600, 1500, 255);
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                       QStyle::SC_GroupBoxLabel, frame);
    const int line =
        frame->style()
            ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, frame)
            .top();
    QVERIFY2(label.top() < line && line < label.bottom(), "the caption is not on the frame's line");
    // Inside the frame, right of the check box: the same colour as the check box's own.
    const QImage picture = frame->grab().toImage();
    QCOMPARE(picture.pixelColor(frame->width() - 12, check->y() + check->height() / 2),
             check->palette().color(check->backgroundRole()));
}

void TestForms::buttonFaceReachesIntoFrames()
{
    QWidget window;
    auto* frame = new QGroupBox(QStringLiteral("Frame"), &window);
    auto* check = new QCheckBox(QStringLiteral("Check"), frame);
    auto* option = new QRadioButton(QStringLiteral("Option"), frame);
    auto* text = new QLineEdit(frame);
    auto* button = new QPushButton(QStringLiteral("Button"), frame);
    const QColor textBefore = text->palette().color(QPalette::Base);
    const QColor buttonBefore = button->palette().color(QPalette::Button);
    forms::ApplyButtonFaceColors(window);
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    for (const QWidget* widget :
         std::initializer_list<const QWidget*>{&window, frame, check, option}) {
        QCOMPARE(widget->palette().color(widget->backgroundRole()), buttonFace);
        QVERIFY(widget->autoFillBackground());
    }
    QVERIFY(!text->autoFillBackground());
    QVERIFY(!button->autoFillBackground());
    QCOMPARE(text->palette().color(QPalette::Base), textBefore);
    QCOMPARE(button->palette().color(QPalette::Button), buttonBefore);
}

void TestForms::missingFontFamilyFallsBackToOneThatExists()
{
    const QString missing = QStringLiteral("No Such Font Family");
    QVERIFY(QFontDatabase::hasFamily(forms::existingFamily({missing})));
    // The list can end with generic aliases ("Serif") that name no installed family.
    const QStringList families = QFontDatabase::families();
    const QString present =
        *std::find_if(families.crbegin(), families.crend(),
                      [](const QString& f) { return QFontDatabase::hasFamily(f); });
    QCOMPARE(forms::existingFamily({missing, present}), present);
}

void TestForms::captionsWiderThanDesignedGetRoomWithinTheirFrame()
{
    QWidget window;
    QGroupBox* frame = forms::makeFrame(&window, QStringLiteral("Options"), 120, 120, 2760, 1800);
    const forms::CheckBox* longer =
        forms::makeCheckBox(frame, QStringLiteral("Longer than its box"), 240, 300, 300, 255);
    const forms::CheckBox* endless =
        forms::makeCheckBox(frame, QString(200, QLatin1Char('W')), 240, 650, 300, 255);
    const QPushButton* question =
        forms::makePushButton(frame, QStringLiteral("?"), 2000, 1000, 480, 345);
    forms::prepareForm(window, 3000, 2400);
    QCOMPARE(longer->geometry(), QRect(forms::twipRect(240, 300, 0, 255).topLeft(),
                                       QSize(longer->sizeHint().width(), forms::pixels(255))));
    QCOMPARE(endless->geometry().right(), frame->contentsRect().right());
    QCOMPARE(question->width(), forms::pixels(480));
    // Message boxes take the application's font: the window's family, not its bold.
    QCOMPARE(QApplication::font().families(), window.font().families());
    QVERIFY(!QApplication::font().bold());
}

// The viewport's edges, rounded out to whole pixels at a scale such as 125 %, covered the
// frame's right and bottom line: the view paints the white, under its frame, instead.
void TestForms::listPaintsItsWhiteUnderItsFrame()
{
    forms::ResultsList list;
    list.resize(200, 100);
    QVERIFY(!list.viewport()->autoFillBackground());
    QCOMPARE(list.grab().toImage().pixelColor(100, 50), list.palette().color(QPalette::Base));
}

// Run at 125 % too, where the header's and rows' edges, rounded out to whole pixels, and the
// style's line centred on the edge would leave gaps: every edge pixel shows the frame.
void TestForms::listFrameStaysWholeAtAnyScale()
{
    forms::ResultsList list;
    list.addColumn(QStringLiteral("Picks"));
    list.resize(201, 101);
    const QImage picture = list.grab().toImage();
    const QColor white = list.palette().color(QPalette::Base);
    const int right = picture.width() - 1;
    const int bottom = picture.height() - 1;
    for (int x = 0; x <= right; ++x)
        QVERIFY(picture.pixelColor(x, 0) != white && picture.pixelColor(x, bottom) != white);
    for (int y = 0; y <= bottom; ++y)
        QVERIFY(picture.pixelColor(0, y) != white && picture.pixelColor(right, y) != white);
}

void TestForms::styleSizesFollowTheLayoutDpiButNotItsLines()
{
    const forms::LayoutDpiStyle style(192);
    const QStyle* base = style.baseStyle();
    QCOMPARE(style.pixelMetric(QStyle::PM_IndicatorWidth),
             2 * base->pixelMetric(QStyle::PM_IndicatorWidth));
    QCOMPARE(style.pixelMetric(QStyle::PM_DefaultFrameWidth),
             base->pixelMetric(QStyle::PM_DefaultFrameWidth));
    // A theme that sizes its marks at the screen's dots per inch itself is not scaled again.
    struct ScaledTheme : QProxyStyle {
        int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override
        {
            return m == PM_IndicatorWidth ? 26 : QProxyStyle::pixelMetric(m, o, w);
        }
    };
    QCOMPARE(forms::LayoutDpiStyle(192, new ScaledTheme).pixelMetric(QStyle::PM_IndicatorWidth), 26);
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"

