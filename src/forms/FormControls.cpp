#include "FormControls.h"

#include "ButtonFaceColors.h"
#include "CheckBox.h"
#include "FrameStyle.h"
#include "LayoutDpiStyle.h"
#include "Twips.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace forms {

namespace {

constexpr double kFontPoints = 9;
constexpr double kButtonFontPoints = 11.25;

QFont arialBold(double points)
{
    // Arial, else a font of its widths so that captions fit, else a common screen font.
    static const QString family = existingFamily(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
         QStringLiteral("Segoe UI"), QStringLiteral("Tahoma"),
         QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    QFont font(family);
    font.setBold(true);
    font.setPointSizeF(points);
#ifdef Q_OS_WIN
    // Windows' hinting thins a 9 pt bold face at 96 dots per inch to the regular face's
    // one-pixel strokes; unhinted, the strokes keep their weight at every scaling.
    font.setHintingPreference(QFont::PreferNoHinting);
#endif
    return font;
}

void paintWhite(QWidget& widget) { setBackgroundColour(widget, Qt::white); }

// Message boxes and the save dialog take the application's font: the window's family, not
// what the system's font name resolves to (a typewriter face where only Liberation's exist).
void shareFamilyWithDialogs(const QFont& windowFont)
{
    QFont font = QApplication::font();
    font.setFamilies(windowFont.families());
    QApplication::setFont(font);
}

// The width a control's text needs: a check box's size hint; for a push button the text and
// the style's margins, as its size hint adds a least width the narrow "?" buttons do without.
int widthForText(const QAbstractButton& control)
{
    if (!qobject_cast<const QPushButton*>(&control))
        return control.sizeHint().width();
    const QStyle* style = control.style();
    return control.fontMetrics().horizontalAdvance(control.text())
           + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &control)
           + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &control);
}

// Widths are laid out for Arial, so a control whose text needs more in a wider stand-in font
// is widened in place, as far as its frame (or the window) has room right of it.
void fitTextWidths(const QWidget& form)
{
    for (QAbstractButton* control : form.findChildren<QAbstractButton*>()) {
        if (control->text().isEmpty())
            continue;  // such as the list's corner button
        const int room = control->parentWidget()->contentsRect().right() + 1 - control->x();
        const int needed = std::min(widthForText(*control), room);
        if (needed > control->width())
            control->resize(needed, control->height());
    }
}

}  // namespace

QString existingFamily(const QStringList& families)
{
    const auto found = std::ranges::find_if(families, QFontDatabase::hasFamily);
    if (found != families.end())
        return *found;
    return QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family();
}

void prepareForm(QWidget& form, int widthTwips, int heightTwips)
{
    sizeStyleToLayoutDpi();
    form.setFont(arialBold(kFontPoints));
    form.setFixedSize(pixels(widthTwips), pixels(heightTwips));
    paintWhite(form);
    shareFamilyWithDialogs(form.font());
    fitTextWidths(form);
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
