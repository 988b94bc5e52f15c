#pragma once

#include <QString>
#include <QStringList>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace forms {

class CheckBox;

// The controls of the program's windows, placed in twips, in the windows' fonts (Arial
// bold, 9 pt; 11.25 pt on push buttons), on a white design background, each carrying an
// accessible name so that screen readers and UI automation find it by name.

// The first of `families` the system has, else the family of the system's font for windows.
// Qt takes a family the system lacks without a word, and Windows' font mapper then draws in
// a font of its own choosing: under Wine without Arial, a math font whose lines are taller
// than a text box, so the boxes' text falls outside them and shows blank, and whose wider
// letters cut the captions.
QString existingFamily(const QStringList& families);

// Fixes a window's size and gives it the window font and the white design background;
// message boxes and dialogs get the window font's family. Called once the window's
// controls are made: a caption that needs more than its control's width in the font found
// widens the control, as far as its frame has room.
void prepareForm(QWidget& form, int widthTwips, int heightTwips);

QGroupBox* makeFrame(QWidget* parent, const QString& caption, int left, int top, int width,
                     int height);
// A text box is named after the frame around it.
QLineEdit* makeTextBox(QGroupBox* frame, int left, int top, int width, int height);
QPushButton* makePushButton(QWidget* parent, const QString& caption, int left, int top, int width,
                            int height);
// Checked, as the windows are designed.
CheckBox* makeCheckBox(QWidget* parent, const QString& caption, int left, int top, int width,
                       int height);

// Places a window in the centre of its screen.
void centreOnScreen(QWidget& window);

}  // namespace forms
