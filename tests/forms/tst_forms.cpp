#include "ButtonFaceColors.h"
#include "FormControls.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

// The kit the windows are built from.
class TestForms : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void buttonFaceReachesIntoFrames();
    void missingFontFamilyFallsBackToOneThatExists();
};

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
    const QString present = QFontDatabase::families().constLast();
    QCOMPARE(forms::existingFamily({missing, present}), present);
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
