#include "FormControls.h"

#include "ButtonFaceColors.h"
#include "CheckBox.h"
#include "FrameStyle.h"
#include "Twips.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace forms {

namespace {

constexpr double kFontPoints = 9;
constexpr double kButtonFontPoints = 11.25;

QFont arialBold(double points)
{
    // Arial where the system has it, else a font of the same widths, so captions fit,
    // else a common font for screen text.
    static const QString family = existingFamily(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
         QStringLiteral("Segoe UI"), QStringLiteral("Tahoma"),
         QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    QFont font(family);
    font.setBold(true);
    font.setPointSizeF(points);
    return font;
}

void paintWhite(QWidget& widget) { setBackgroundColour(widget, Qt::white); }

// Message boxes and the save dialog are windows of their own, which take the application's
// font rather than the window's. They get the window's family at the system font's size and
// weight, so they do not fall to whatever face the system's font name resolves to (a
// typewriter face where Liberation's are the only fonts).
void shareFamilyWithDialogs(const QFont& windowFont)
{
    QFont font = QApplication::font();
    font.setFamilies(windowFont.families());
    QApplication::setFont(font);
}

}  // namespace

QString existingFamily(const QStringList& families)
{
    for (const QString& family : families) {
        if (QFontDatabase::hasFamily(family))
            return family;
    }
    return QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family();
}

void prepareForm(QWidget& form, int widthTwips, int heightTwips)
{
    form.setFont(arialBold(kFontPoints));
    form.setFixedSize(pixels(widthTwips), pixels(heightTwips));
    paintWhite(form);
    shareFamilyWithDialogs(form.font());
}

QGroupBox* makeFrame(QWidget* parent, const QString& caption, int left, int top, int width,
                     int height)
{
    auto* frame = new QGroupBox(caption, parent);
    placeTwips(*frame, left, top, width, height);
    frame->setAccessibleName(caption);
    paintWhite(*frame);
    drawCaptionOnFrameLine(*frame);
    return frame;
}

QLineEdit* makeTextBox(QGroupBox* frame, int left, int top, int width, int height)
{
    auto* edit = new QLineEdit(frame);
    placeTwips(*edit, left, top, width, height);
    edit->setAccessibleName(frame->title());
    return edit;
}

QPushButton* makePushButton(QWidget* parent, const QString& caption, int left, int top, int width,
                            int height)
{
    auto* button = new QPushButton(caption, parent);
    placeTwips(*button, left, top, width, height);
    button->setAccessibleName(caption);
    // Set on the button itself, so the window font set later does not replace it.
    button->setFont(arialBold(kButtonFontPoints));
    return button;
}

CheckBox* makeCheckBox(QWidget* parent, const QString& caption, int left, int top, int width,
                       int height)
{
    auto* box = new CheckBox(caption, parent);
    placeTwips(*box, left, top, width, height);
    box->setAccessibleName(caption);
    box->setChecked(true);
    paintWhite(*box);
    return box;
}

// The frame's size is known once the window is up, so this runs when it is first shown.
void centreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace forms
