#include "Form1.h"

#include "AppTitle.h"
#include "Conversions.h"
#include "ApplicationIcon.h"
#include "ButtonFaceColors.h"
#include "CheckBox.h"
#include "CursorFile.h"
#include "ErrorTrap.h"
#include "FileExists.h"
#include "MousePointer.h"
#include "OptionalSkin.h"
#include "ResultsList.h"
#include "Services.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int kClientWidthTwips = 15960;
constexpr int kClientHeightTwips = 6795;
constexpr double kFontPoints = 9;
constexpr double kButtonFontPoints = 11.25;
const QString kListToolTip = QStringLiteral(
    "Double-click item to remove it. Move | line to right and out of window to reveal full names.");

QFont arialBold(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSizeF(points);
    return font;
}

void paintWhite(QWidget& widget) { platform::setBackgroundColour(widget, Qt::white); }

QGroupBox* frame(QWidget* parent, const QString& caption, int left, int top, int width, int height)
{
    auto* box = new QGroupBox(caption, parent);
    platform::placeTwips(*box, left, top, width, height);
    box->setAccessibleName(caption);
    paintWhite(*box);
    return box;
}

// A text box takes the caption of the frame around it as its accessible name.
QLineEdit* textBox(QGroupBox* parent, int left, int top, int width, int height)
{
    auto* edit = new QLineEdit(parent);
    platform::placeTwips(*edit, left, top, width, height);
    edit->setAccessibleName(parent->title());
    return edit;
}

platform::CheckBox* checkBox(QWidget* parent, const QString& caption, int left, int top, int width,
                             int height)
{
    auto* box = new platform::CheckBox(caption, parent);
    platform::placeTwips(*box, left, top, width, height);
    box->setAccessibleName(caption);
    box->setChecked(true);
    paintWhite(*box);
    return box;
}

QPushButton* pushButton(QWidget* parent, const QString& caption, int left, int top, int width,
                        int height)
{
    auto* button = new QPushButton(caption, parent);
    platform::placeTwips(*button, left, top, width, height);
    button->setAccessibleName(caption);
    button->setFont(arialBold(kButtonFontPoints));
    return button;
}

QString programFile(const QString& name)
{
    return platform::programFolder() + QDir::separator() + name;
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent),
      PushButton3(pushButton(this, QStringLiteral("Help"), 120, 120, 7800, 405)),
      Frame1(frame(this, QStringLiteral("Range Of Numbers"), 120, 570, 7800, 1260)),
      Frame2(frame(Frame1, QStringLiteral("Lowest Possible Number"), 240, 240, 3540, 840)),
      Text1(textBox(Frame2, 240, 300, 3045, 345)),
      Frame4(frame(Frame1, QStringLiteral("Highest Possible Number"), 4000, 240, 3540, 840)),
      Text2(textBox(Frame4, 240, 300, 3045, 345)),
      Frame5(frame(this, QStringLiteral("Number Of Numbers To Generate Per Pick"), 120, 1890, 7800, 840)),
      Text4(textBox(Frame5, 240, 300, 6720, 345)),
      PushButton4(pushButton(Frame5, QStringLiteral("?"), 7080, 300, 480, 345)),
      Frame6(frame(this, QStringLiteral("Number Of Picks To Generate"), 120, 2790, 7800, 840)),
      Text3(textBox(Frame6, 240, 300, 6720, 345)),
      PushButton5(pushButton(Frame6, QStringLiteral("?"), 7080, 300, 480, 345)),
      Frame3(frame(this, QStringLiteral("Options"), 120, 3690, 7800, 2130)),
      Check1(checkBox(Frame3, QStringLiteral("Put numbers within picks in numerical order"), 240, 300, 4515, 255)),
      Check2(checkBox(Frame3, QStringLiteral("Do not generate duplicate picks"), 240, 650, 3315, 255)),
      Check3(checkBox(Frame3, QStringLiteral("Sort picks in numeric order"), 240, 1000, 2715, 255)),
      Check4(checkBox(Frame3, QStringLiteral("Do not generate the same number twice in a pick"), 240, 1350, 4875, 255)),
      Check5(checkBox(Frame3, QStringLiteral("Put dashes between numbers instead of spaces"), 240, 1710, 4875, 255)),
      Frame7(frame(this, QStringLiteral("Add Prefix To All Picks"), 120, 5880, 7800, 810)),
      Text5(textBox(Frame7, 240, 300, 7320, 345)),
      PushButton2(pushButton(this, QStringLiteral("Start Generating"), 8040, 120, 7800, 405)),
      ListView1(new platform::ResultsList(this)),
      ProgressBar1(new QProgressBar(this)),
      PushButton6(pushButton(this, QStringLiteral("Save Results As Text File"), 8040, 5780, 3840, 405)),
      PushButton1(pushButton(this, QStringLiteral("Copy Results To Clipboard"), 12000, 5780, 3840, 405)),
      PushButton9(pushButton(this, QStringLiteral("Clear List"), 8040, 6290, 3840, 405)),
      PushButton7(pushButton(this, QStringLiteral("Search Picks"), 12000, 6290, 3840, 405)),
      generate_(*this)
{
    layOutControls();
    setTabOrder();
    watchMouseMoves();
    connectHandlers();
    rememberFieldsAndOptions();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::layOutControls()
{
    setWindowTitle(QStringLiteral("Form1"));
    setFont(arialBold(kFontPoints));
    // Buttons were made before the window font was set; they keep their larger font.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setFont(arialBold(kButtonFontPoints));
    setFixedSize(platform::pixels(kClientWidthTwips), platform::pixels(kClientHeightTwips));
    paintWhite(*this);

    platform::placeTwips(*ListView1, 8040, 630, 7800, 4530);
    ListView1->setToolTip(kListToolTip);
    platform::placeTwips(*ProgressBar1, 8040, 5270, 7800, 405);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(true);
    ProgressBar1->setFormat(QStringLiteral("Progress Bar"));
    ProgressBar1->setAlignment(Qt::AlignCenter);
    ProgressBar1->setAccessibleName(QStringLiteral("Progress Bar"));
}

// The keyboard focus order; frames and the progress bar take no focus.
void Form1::setTabOrder()
{
    const QList<QWidget*> order = {Check1,      Text1,       Text2,       Text4,  Text3,
                                   PushButton2, PushButton6, PushButton9, PushButton1,
                                   PushButton3, ListView1,   Check3,      Check2, Check4,
                                   PushButton4, Check5,      Text5,       PushButton5,
                                   PushButton7};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
    ProgressBar1->setFocusPolicy(Qt::NoFocus);
}

// Every control reports mouse moves; what a move does depends on the control under the
// pointer, looked up in one table that names every control of the window.
void Form1::watchMouseMoves()
{
    const QList<QWidget*> withoutHandler = {Text1, Text2, Text4, Check2, Check3,
                                            Check4, Check5, ProgressBar1};
    for (QWidget* control : withoutHandler)
        hover_.insert(control, Hover::Nothing);
    for (QPushButton* button : findChildren<QPushButton*>())
        hover_.insert(button, Hover::Hand);
    const QList<QWidget*> resetting = {this,   Frame1, Frame2, Frame3, Frame4, Frame5, Frame6,
                                       Frame7, Check1, Text3,  Text5,  ListView1};
    for (QWidget* area : resetting)
        hover_.insert(area, Hover::Default);
    setMouseTracking(true);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->setMouseTracking(true);
        child->installEventFilter(this);
    }
}

void Form1::connectHandlers()
{
    const auto onClick = [this](QPushButton* button, void (Form1::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { platform::runHandler([this, handler] { (this->*handler)(); }); });
    };
    onClick(PushButton2, &Form1::PushButton2_Click);
    onClick(PushButton3, &Form1::PushButton3_Click);
    onClick(PushButton4, &Form1::PushButton4_Click);
    onClick(PushButton5, &Form1::PushButton5_Click);
    onClick(PushButton9, &Form1::PushButton9_Click);
    connect(ListView1, &platform::ResultsList::DblClick, this, &Form1::ListView1_DblClick);
    connect(ListView1, &platform::ResultsList::KeyDown, this,
            [this](int key, Qt::KeyboardModifiers) { ListView1_KeyDown(key); });
}

// The fields and options with the key each is remembered under, in the order the load
// step restores them.
namespace {

template <typename Control>
struct Remembered {
    Control* control;
    settings::Key key;
};

}  // namespace

// Every change of a field or option, the program's own included, is stored at once
// (Text1_Change .. Text5_Change, Check1_Click .. Check5_Click).
void Form1::rememberFieldsAndOptions()
{
    const Remembered<QLineEdit> fields[] = {
        {Text1, settings::Key::Lower},           {Text2, settings::Key::Higher},
        {Text3, settings::Key::PicksToGenerate}, {Text4, settings::Key::NumbersPerPick},
        {Text5, settings::Key::Prefix}};
    for (const auto& [field, key] : fields)
        connect(field, &QLineEdit::textChanged, this, [this, key](const QString& text) { store_.write(key, text); });
    const Remembered<platform::CheckBox> options[] = {
        {Check1, settings::Key::NumericalOrder}, {Check2, settings::Key::NoDuplicatePicks},
        {Check3, settings::Key::SortPicks},      {Check4, settings::Key::UniqueNumbers},
        {Check5, settings::Key::Dashes}};
    for (const auto& [option, key] : options) {
        connect(option, &QCheckBox::stateChanged, this,
                [this, key, option] { store_.write(key, QString::number(option->value())); });
    }
}

void Form1::Form_Load()
{
    app::ErrorTrap trap(QStringLiteral("Form1"), QStringLiteral("Form_Load"));
    trap(100, [this] { ApplyOptionalSkin(*this); });
    const QString cursorFile = programFile(QStringLiteral("HAND-M.CUR"));
    if (trap.test(102, [&] { return platform::FileExists(cursorFile); }))
        trap(104, [&] { handCursor_ = platform::loadCursorFile(cursorFile); });
    trap(106, [this] { setWindowTitle(app::productName()); });
    trap(108, [this] { setWindowIcon(app::applicationIcon()); });
    trap(110, [] { app::SetAppTitle(app::productName()); });
    trap(112, [this] { ListView1->addColumn(QStringLiteral("Picks")); });
    trap(114, [this] { ListView1->addColumn(QString()); });
    trap(116, [this] { ListView1->setColumnWidthTwips(1, 7000); });
    trap(118, [this] { ListView1->setColumnWidthTwips(2, 0); });
    ListView1->setAccessibleName(ListView1->columnHeader(1));
    restoreSettings(trap);
}

// Each field takes its stored text as it is; each option its stored state, which must be
// a whole number 0, 1 or 2, or the option keeps its design-time state.
void Form1::restoreSettings(app::ErrorTrap& trap)
{
    using settings::Key;
    trap(120, [this] { Text1->setText(store_.read(Key::Lower)); });
    trap(122, [this] { Text2->setText(store_.read(Key::Higher)); });
    trap(124, [this] { Text3->setText(store_.read(Key::PicksToGenerate)); });
    trap(126, [this] { Text4->setText(store_.read(Key::NumbersPerPick)); });
    trap(128, [this] { Text5->setText(store_.read(Key::Prefix)); });
    trap(130, [this] { Check1->setValue(platform::wholeNumber(store_.read(Key::NumericalOrder))); });
    trap(132, [this] { Check2->setValue(platform::wholeNumber(store_.read(Key::NoDuplicatePicks))); });
    trap(134, [this] { Check3->setValue(platform::wholeNumber(store_.read(Key::SortPicks))); });
    trap(136, [this] { Check4->setValue(platform::wholeNumber(store_.read(Key::UniqueNumbers))); });
    trap(138, [this] { Check5->setValue(platform::wholeNumber(store_.read(Key::Dashes))); });
}

void Form1::PushButton2_Click() { generate_.run(); }

// The help messages are built when clicked, from the frames' captions of the moment, and
// work while a command runs.
void Form1::showHelp(const QString& procedure, const std::function<QString()>& message)
{
    app::ErrorTrap trap(QStringLiteral("Form1"), procedure);
    trap(100, [&] { platform::msgBox(message(), app::appTitle()); });
}

void Form1::PushButton3_Click()
{
    showHelp(QStringLiteral("PushButton3_Click"), [] {
        return QStringLiteral("Sample: 3 23 37 41 49 58\r\rRange From: 1 Range To: 64\r\r"
                              "Number Of Numbers Per Pick: 6\r\rHow Many Picks To Generate: 1\r\r"
                              "Order Options: Yes");
    });
}

void Form1::PushButton4_Click()
{
    showHelp(QStringLiteral("PushButton4_Click"), [this] {
        return QStringLiteral("It is recommended that you use a number less than 1000 otherwise the "
                              "software will be slow to generate.\r\n\r\nAlso ")
               + Frame5->title() + QStringLiteral(" must be less or equal to ") + Frame4->title()
               + QLatin1Char('.');
    });
}

void Form1::PushButton5_Click()
{
    showHelp(QStringLiteral("PushButton5_Click"), [] {
        return QStringLiteral("It is recommended to keep the number of picks to generate under 32,000.");
    });
}

// "Clear List"; like row removal it does nothing while a command runs.
void Form1::PushButton9_Click()
{
    app::ErrorTrap trap(QStringLiteral("Form1"), QStringLiteral("PushButton9_Click"));
    trap(100, [this] {
        if (!busy())
            ListView1->clear();
    });
}

void Form1::ListView1_DblClick() { removeSelectedRow(); }

// Delete, with any shift keys held, removes the selected row; no other key does.
void Form1::ListView1_KeyDown(int key)
{
    if (key == Qt::Key_Delete)
        removeSelectedRow();
}

void Form1::removeSelectedRow()
{
    if (!busy())
        ListView1->removeSelectedRow();
}

QString Form1::fieldText(int field) const
{
    const QLineEdit* const fields[] = {Text1, Text2, Text3, Text4, Text5};
    return fields[field - 1]->text();
}

int Form1::checkValue(int option) const
{
    const platform::CheckBox* const options[] = {Check1, Check2, Check3, Check4, Check5};
    return options[option - 1]->value();
}

platform::ResultsList& Form1::resultsList() { return *ListView1; }

int Form1::mousePointer() const { return mousePointer_; }

void Form1::setMousePointer(int pointer)
{
    mousePointer_ = pointer;
    setCursor(platform::cursorForPointer(pointer, handCursor_));
}

void Form1::repaintWindow() { update(); }

bool Form1::busy() const { return mousePointer_ == platform::kHourglassPointer; }

void Form1::PushButton_MouseMove()
{
    if (!busy())
        setMousePointer(platform::kCustomPointer);
}

void Form1::Area_MouseMove()
{
    if (!busy())
        setMousePointer(platform::kDefaultPointer);
}

// The control that owns the widget under the pointer decides, so a move over a field
// without a handler does nothing even though the frame around it has one.
Form1::Hover Form1::hoverOf(const QWidget* widget) const
{
    for (; widget; widget = widget->parentWidget()) {
        const auto control = hover_.constFind(widget);
        if (control != hover_.constEnd())
            return *control;
    }
    return Hover::Nothing;
}

void Form1::hoverAt(const QPoint& globalPosition)
{
    QWidget* under = childAt(mapFromGlobal(globalPosition));
    switch (hoverOf(under ? under : this)) {
    case Hover::Hand:
        PushButton_MouseMove();
        break;
    case Hover::Default:
        Area_MouseMove();
        break;
    case Hover::Nothing:
        break;
    }
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove)
        hoverAt(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
    return QWidget::eventFilter(watched, event);
}

void Form1::mouseMoveEvent(QMouseEvent* event)
{
    hoverAt(event->globalPosition().toPoint());
    QWidget::mouseMoveEvent(event);
}

void Form1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shownBefore_)
        return;
    shownBefore_ = true;
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    Check1->setFocus();
}

// Closing the main window ends the program at once, a running command included.
void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    platform::endProgram();
}
