#include "Form1.h"

#include "AppTitle.h"
#include "BallPicture.h"
#include "ButtonFaceColors.h"
#include "CheckBox.h"
#include "Conversions.h"
#include "CursorFile.h"
#include "ErrorTrap.h"
#include "ExportCommands.h"
#include "FileExists.h"
#include "Form2.h"
#include "FormControls.h"
#include "Handlers.h"
#include "ProgramEnd.h"
#include "ProgressBar.h"
#include "ResultsList.h"
#include "Services.h"
#include "Twips.h"
#include "WindowPointer.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

using forms::makeCheckBox;
using forms::makeFrame;
using forms::makePushButton;
using forms::makeTextBox;

namespace {

constexpr int kClientWidthTwips = 15960;
constexpr int kClientHeightTwips = 6795;

// Why this session's settings could not be stored, as the closing message says it.
QString unsavedReason(const settings::SettingsStore& store)
{
    switch (store.trouble()) {
        case settings::StoreTrouble::Disk:
            return QStringLiteral("the disk that holds %1 is full");
        case settings::StoreTrouble::Registry:
            return QStringLiteral("Windows did not let the program write them to %1");
        case settings::StoreTrouble::Folder:
            break;
    }
    return QStringLiteral("the folder %1 cannot be written to");
}

// With the skin file "x/o.cjs" in the program's folder, the window, its frames and check boxes
// take the system button-face colour; else they stay white.
void ApplyOptionalSkin(QWidget& window)
{
    const QString skinFile = platform::programFolder() + QDir::separator() + QStringLiteral("x")
                             + QDir::separator() + QStringLiteral("o.cjs");
    if (QFileInfo(skinFile).isFile())
        forms::ApplyButtonFaceColors(window);
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent),
      PushButton3(makePushButton(this, QStringLiteral("Help"), 120, 120, 7800, 405)),
      Frame1(makeFrame(this, QStringLiteral("Range Of Numbers"), 120, 570, 7800, 1260)),
      Frame2(makeFrame(Frame1, QStringLiteral("Lowest Possible Number"), 240, 240, 3540, 840)),
      Text1(makeTextBox(Frame2, 240, 300, 3045, 345)),
      Frame4(makeFrame(Frame1, QStringLiteral("Highest Possible Number"), 4000, 240, 3540, 840)),
      Text2(makeTextBox(Frame4, 240, 300, 3045, 345)),
      Frame5(makeFrame(this, QStringLiteral("Number Of Numbers To Generate Per Pick"), 120, 1890,
                       7800, 840)),
      Text4(makeTextBox(Frame5, 240, 300, 6720, 345)),
      PushButton4(makePushButton(Frame5, QStringLiteral("?"), 7080, 300, 480, 345)),
      Frame6(makeFrame(this, QStringLiteral("Number Of Picks To Generate"), 120, 2790, 7800, 840)),
      Text3(makeTextBox(Frame6, 240, 300, 6720, 345)),
      PushButton5(makePushButton(Frame6, QStringLiteral("?"), 7080, 300, 480, 345)),
      Frame3(makeFrame(this, QStringLiteral("Options"), 120, 3690, 7800, 2130)),
      Check1(makeCheckBox(Frame3, QStringLiteral("Put numbers within picks in numerical order"),
                          240, 300, 4515, 255)),
      Check2(makeCheckBox(Frame3, QStringLiteral("Do not generate duplicate picks"), 240, 650, 3315,
                          255)),
      Check3(makeCheckBox(Frame3, QStringLiteral("Sort picks in numeric order"), 240, 1000, 2715,
                          255)),
      Check4(makeCheckBox(Frame3, QStringLiteral("Do not generate the same number twice in a pick"),
                          240, 1350, 4875, 255)),
      Check5(makeCheckBox(Frame3, QStringLiteral("Put dashes between numbers instead of spaces"),
                          240, 1710, 4875, 255)),
      Frame7(makeFrame(this, QStringLiteral("Add Prefix To All Picks"), 120, 5880, 7800, 810)),
      Text5(makeTextBox(Frame7, 240, 300, 7320, 345)),
      PushButton2(makePushButton(this, QStringLiteral("Start Generating"), 8040, 120, 7800, 405)),
      ListView1(new forms::ResultsList(this)),
      ProgressBar1(new forms::ProgressBar(this)),
      PushButton6(
          makePushButton(this, QStringLiteral("Save Results As Text File"), 8040, 5780, 3840, 405)),
      PushButton1(makePushButton(this, QStringLiteral("Copy Results To Clipboard"), 12000, 5780,
                                 3840, 405)),
      PushButton9(makePushButton(this, QStringLiteral("Clear List"), 8040, 6290, 3840, 405)),
      PushButton7(makePushButton(this, QStringLiteral("Search Picks"), 12000, 6290, 3840, 405)),
      pointer_(new forms::WindowPointer(*this)),
      generate_(*this)
{
    layOutControls();
    setTabOrder();
    setHoverRules();
    connectHandlers();
    rememberFieldsAndOptions();
    Form_Load();
}

// The search window has no owner window, so it goes with the main window here.
Form1::~Form1() { delete searchWindow_; }

void Form1::layOutControls()
{
    setWindowTitle(QStringLiteral("Form1"));
    forms::prepareForm(*this, kClientWidthTwips, kClientHeightTwips);
    forms::placeTwips(*ListView1, 8040, 630, 7800, 4530);
    forms::placeTwips(*ProgressBar1, 8040, 5270, 7800, 405);
    ProgressBar1->setAccessibleName(QStringLiteral("Progress Bar"));
}

// The keyboard focus order; frames and the progress bar take no focus.
void Form1::setTabOrder()
{
    const QList<QWidget*> order = {Check1,      Text1,       Text2,       Text4,       Text3,
                                   PushButton2, PushButton6, PushButton9, PushButton1, PushButton3,
                                   ListView1,   Check3,      Check2,      Check4,      PushButton4,
                                   Check5,      Text5,       PushButton5, PushButton7};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
    ProgressBar1->setFocusPolicy(Qt::NoFocus);
}

void Form1::setHoverRules()
{
    pointer_->handOver({PushButton1, PushButton2, PushButton3, PushButton4, PushButton5,
                        PushButton6, PushButton7, PushButton9});
    pointer_->defaultOver({this, Frame1, Frame2, Frame3, Frame4, Frame5, Frame6, Frame7, Check1,
                           Text3, Text5, ListView1});
    pointer_->watch();
}

void Form1::connectHandlers()
{
    forms::onClick(PushButton1, this, &Form1::PushButton1_Click);
    forms::onClick(PushButton2, this, &Form1::PushButton2_Click);
    forms::onClick(PushButton3, this, &Form1::PushButton3_Click);
    forms::onClick(PushButton4, this, &Form1::PushButton4_Click);
    forms::onClick(PushButton5, this, &Form1::PushButton5_Click);
    forms::onClick(PushButton6, this, &Form1::PushButton6_Click);
    forms::onClick(PushButton7, this, &Form1::PushButton7_Click);
    forms::onClick(PushButton9, this, &Form1::PushButton9_Click);
    connect(ListView1, &forms::ResultsList::DblClick, this, &Form1::ListView1_DblClick);
    connect(ListView1, &forms::ResultsList::KeyDown, this, &Form1::ListView1_KeyDown);
}

// Every change of a field or option, the program's own included, is stored at once.
void Form1::rememberFieldsAndOptions()
{
    store_.whenUnwritable([] {
        platform::runHandler([] {
            report::showMessage(QStringLiteral(
                "Your settings cannot be saved in this session: the settings file stays "
                "locked by another program.\r\n\r\nYour changes are kept until the program "
                "ends."));
        });
    });
    using settings::Key;
    const std::pair<QLineEdit*, Key> fields[] = {{Text1, Key::Lower},
                                                 {Text2, Key::Higher},
                                                 {Text3, Key::PicksToGenerate},
                                                 {Text4, Key::NumbersPerPick},
                                                 {Text5, Key::Prefix}};
    for (const auto& [field, key] : fields)
        connect(field, &QLineEdit::textChanged, this,
                [this, key](const QString& text) { store_.write(key, text); });
    const std::pair<forms::CheckBox*, Key> options[] = {{Check1, Key::NumericalOrder},
                                                        {Check2, Key::NoDuplicatePicks},
                                                        {Check3, Key::SortPicks},
                                                        {Check4, Key::UniqueNumbers},
                                                        {Check5, Key::Dashes}};
    for (const auto& [box, key] : options)
        connect(box, &QCheckBox::stateChanged, this,
                [this, box, key] { store_.write(key, QString::number(box->value())); });
}

void Form1::Form_Load()
{
    report::ErrorTrap trap(QStringLiteral("Form1"), QStringLiteral("Form_Load"));
    trap(100, [this] { ApplyOptionalSkin(*this); });
    const QString cursorFile = forms::handCursorFile();
    if (trap.test(102, [&] { return platform::FileExists(cursorFile); }))
        trap(104, [&] { pointer_->setHandCursor(forms::loadCursorFile(cursorFile)); });
    trap(106, [this] { setWindowTitle(report::productName()); });
    trap(108, [this] { setWindowIcon(forms::applicationIcon()); });
    trap(110, [] { report::SetAppTitle(report::productName()); });
    trap(112, [this] { ListView1->addColumn(QStringLiteral("Picks")); });
    trap(114, [this] { ListView1->addColumn(QString()); });
    trap(116, [this] { ListView1->setColumnWidthTwips(1, 7000); });
    trap(118, [this] { ListView1->setColumnWidthTwips(2, 0); });
    ListView1->setAccessibleName(ListView1->columnHeader(1));
    restoreSettings(trap);
}

// An option's stored state must be a whole number 0, 1 or 2, or it keeps its design-time one.
void Form1::restoreSettings(report::ErrorTrap& trap)
{
    using settings::Key;
    trap(120, [this] { Text1->setText(store_.read(Key::Lower)); });
    trap(122, [this] { Text2->setText(store_.read(Key::Higher)); });
    trap(124, [this] { Text3->setText(store_.read(Key::PicksToGenerate)); });
    trap(126, [this] { Text4->setText(store_.read(Key::NumbersPerPick)); });
    trap(128, [this] { Text5->setText(store_.read(Key::Prefix)); });
    trap(130, [this] { Check1->setValue(core::wholeNumber(store_.read(Key::NumericalOrder))); });
    trap(132, [this] { Check2->setValue(core::wholeNumber(store_.read(Key::NoDuplicatePicks))); });
    trap(134, [this] { Check3->setValue(core::wholeNumber(store_.read(Key::SortPicks))); });
    trap(136, [this] { Check4->setValue(core::wholeNumber(store_.read(Key::UniqueNumbers))); });
    trap(138, [this] { Check5->setValue(core::wholeNumber(store_.read(Key::Dashes))); });
}

void Form1::PushButton1_Click()
{
    exporting::copyWindowList(QStringLiteral("Form1"), QStringLiteral("PushButton1_Click"),
                              *ListView1);
}

void Form1::PushButton2_Click() { generate_.run(); }

void Form1::PushButton6_Click() { exporting::saveMainWindowList(*this, *ProgressBar1); }

// Built when clicked, from the frames' captions of the moment; works while a command runs.
void Form1::showHelp(const QString& procedure, const std::function<QString()>& message)
{
    report::ErrorTrap trap(QStringLiteral("Form1"), procedure);
    trap(100, [&] { report::showMessage(message()); });
}

void Form1::PushButton3_Click()
{
    showHelp(QStringLiteral("PushButton3_Click"), [] {
        return QStringLiteral(
            "Sample: 3 23 37 41 49 58\r\rRange From: 1 Range To: 64\r\r"
            "Number Of Numbers Per Pick: 6\r\rHow Many Picks To Generate: 1\r\r"
            "Order Options: Yes");
    });
}

void Form1::PushButton4_Click()
{
    showHelp(QStringLiteral("PushButton4_Click"), [this] {
        return QStringLiteral(
                   "It is recommended that you use a number less than 1000 otherwise the "
                   "software will be slow to generate.\r\n\r\nAlso ")
               + Frame5->title() + QStringLiteral(" must be less or equal to ") + Frame4->title()
               + QLatin1Char('.');
    });
}

void Form1::PushButton5_Click()
{
    showHelp(QStringLiteral("PushButton5_Click"), [] {
        return QStringLiteral(
            "It is recommended to keep the number of picks to generate under 32,000.");
    });
}

void Form1::PushButton9_Click()
{
    report::ErrorTrap trap(QStringLiteral("Form1"), QStringLiteral("PushButton9_Click"));
    trap(100, [this] {
        if (!pointer_->busy())
            ListView1->clear();
    });
}

void Form1::PushButton7_Click()
{
    report::ErrorTrap trap(QStringLiteral("Form1"), QStringLiteral("PushButton7_Click"));
    if (trap.test(100, [this] { return ListView1->rowCount() >= 1; })) {
        trap(102, [this] { showSearchWindow(); });
        trap(104, [this] { hide(); });
    } else {
        trap.say(106,
                 QStringLiteral("Please generate picks first before using this search feature."));
    }
}

Form2* Form1::searchWindow() const { return searchWindow_; }

void Form1::showSearchWindow()
{
    if (!searchWindow_)
        searchWindow_ = new Form2(*this, *ListView1, store_);
    searchWindow_->show();
}

QString Form1::fieldText(generation::Field field) const
{
    const QLineEdit* const fields[] = {Text1, Text2, Text3, Text4, Text5};
    return fields[field - 1]->text();
}

int Form1::checkValue(generation::Option option) const
{
    const forms::CheckBox* const options[] = {Check1, Check2, Check3, Check4, Check5};
    return options[option - 1]->value();
}

forms::ResultsList& Form1::resultsList() { return *ListView1; }

int Form1::mousePointer() const { return pointer_->value(); }

void Form1::setMousePointer(int pointer) { pointer_->set(pointer); }

void Form1::repaintWindow() { update(); }

void Form1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shownBefore_)
        return;
    shownBefore_ = true;
    forms::centreOnScreen(*this);
    Check1->setFocus();
}

// Ends the program at once, a running command included, once waiting settings are written;
// values the store could not take are reported unless it already said it gave up.
void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!store_.writeWaiting() && !store_.unwritable()) {
        platform::runHandler([this] {
            report::showMessage(
                QStringLiteral("Your settings from this session could not be saved: %1."
                               "\r\n\r\nThe next start shows the settings saved before.")
                    .arg(unsavedReason(store_).arg(store_.place())));
        });
    }
    platform::endProgram();
}

void Form1::ListView1_DblClick() { forms::removeSelectedRow(*ListView1, *pointer_); }

// Delete, with any shift keys held, removes the selected row; no other key does.
void Form1::ListView1_KeyDown(int key)
{
    if (key == Qt::Key_Delete)
        forms::removeSelectedRow(*ListView1, *pointer_);
}
