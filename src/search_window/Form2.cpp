#include "Form2.h"

#include "BallPicture.h"
#include "BusyPointer.h"
#include "ButtonFaceColors.h"
#include "CursorFile.h"
#include "ErrorTrap.h"
#include "ExportCommands.h"
#include "FileExists.h"
#include "FormControls.h"
#include "Handlers.h"
#include "PickSearch.h"
#include "ProgramEnd.h"
#include "ResultsList.h"
#include "SearchLimit.h"
#include "SettingsStore.h"
#include "Twips.h"
#include "WindowPointer.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

#include <optional>

using forms::makeFrame;
using forms::makePushButton;
using forms::makeTextBox;

namespace {

constexpr int kClientWidthTwips = 8040;
constexpr int kClientHeightTwips = 5865;

const QString kEnterSearchText =
    QStringLiteral("Enter one number or multiple numbers to search for.");

// The finds of the search text if they fit; sets `size.found`.
std::optional<search::Finds> findFitting(const results_list::ListSnapshot& rows,
                                         const QString& searchText, search::SearchSize& size)
{
    return search::findPicks(rows, search::searchTerms(searchText),
                             [&](const search::FindCount& found) {
                                 size.found = found;
                                 return search::findsFit(size);
                             });
}

}  // namespace

Form2::Form2(QWidget& mainWindow, forms::ResultsList& picks, settings::SettingsStore& store)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      Frame1(makeFrame(this, QStringLiteral("Search for"), 120, 120, 7800, 1335)),
      Text1(makeTextBox(Frame1, 240, 300, 6600, 345)),
      PushButton3(makePushButton(Frame1, QStringLiteral("?"), 6960, 300, 580, 345)),
      PushButton2(makePushButton(Frame1, QStringLiteral("Search"), 240, 750, 7300, 405)),
      ListView1(new forms::ResultsList(this, results_list::DuplicateIndex::None)),
      PushButton4(
          makePushButton(this, QStringLiteral("Save Results As Text File"), 120, 4320, 3840, 405)),
      PushButton5(
          makePushButton(this, QStringLiteral("Copy Results To Clipboard"), 4080, 4320, 3840, 405)),
      PushButton6(makePushButton(this, QStringLiteral("Clear List"), 120, 4830, 3840, 405)),
      PushButton7(makePushButton(this, QStringLiteral("Help"), 4080, 4830, 3840, 405)),
      PushButton1(makePushButton(this, QStringLiteral("Close"), 120, 5340, 7800, 405)),
      mainWindow_(mainWindow),
      picks_(picks),
      store_(store),
      pointer_(new forms::WindowPointer(*this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    layOutControls();
    setTabOrder();
    setHoverRules();
    connectHandlers();
    Form_Load();
}

void Form2::layOutControls()
{
    setWindowTitle(QStringLiteral("Form2"));
    forms::prepareForm(*this, kClientWidthTwips, kClientHeightTwips);
    forms::placeTwips(*ListView1, 120, 1560, 7800, 2670);
}

void Form2::setTabOrder()
{
    const QList<QWidget*> order = {PushButton1, ListView1, PushButton4, PushButton6, PushButton5,
                                   PushButton7, Text1,     PushButton3, PushButton2};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void Form2::setHoverRules()
{
    pointer_->handOver({PushButton1, PushButton2, PushButton3, PushButton4, PushButton5,
                        PushButton6, PushButton7});
    pointer_->defaultOver({this, Frame1, ListView1});
    pointer_->watch();
}

void Form2::connectHandlers()
{
    forms::onClick(PushButton1, this, &Form2::PushButton1_Click);
    forms::onClick(PushButton2, this, &Form2::PushButton2_Click);
    forms::onClick(PushButton3, this, &Form2::PushButton3_Click);
    forms::onClick(PushButton4, this, &Form2::PushButton4_Click);
    forms::onClick(PushButton5, this, &Form2::PushButton5_Click);
    forms::onClick(PushButton6, this, &Form2::PushButton6_Click);
    forms::onClick(PushButton7, this, &Form2::PushButton7_Click);
    connect(ListView1, &forms::ResultsList::DblClick, this, &Form2::ListView1_DblClick);
    connect(ListView1, &forms::ResultsList::KeyDown, this, &Form2::ListView1_KeyDown);
    connect(Text1, &QLineEdit::textChanged, this,
            [this](const QString& text) { store_.write(settings::Key::SearchText, text); });
    Text1->installEventFilter(this);
}

void Form2::Form_Load()
{
    report::ErrorTrap trap(QStringLiteral("Form2"), QStringLiteral("Form_Load"));
    trap(100, [this] { forms::ApplyButtonFaceColors(*this); });
    trap(102, [this] { setWindowIcon(forms::applicationIcon()); });
    trap(104, [this] { setWindowTitle(QStringLiteral("Search")); });
    const QString cursorFile = forms::handCursorFile();
    if (trap.test(106, [&] { return platform::FileExists(cursorFile); }))
        trap(108, [&] { pointer_->setHandCursor(forms::loadCursorFile(cursorFile)); });
    trap(110, [this] { ListView1->addColumn(QStringLiteral("Results")); });
    trap(112, [this] { ListView1->setColumnWidthTwips(1, 7000); });
    ListView1->setAccessibleName(ListView1->columnHeader(1));
    trap(114, [this] { Text1->setText(store_.read(settings::Key::SearchText)); });
}

int Form2::mousePointer() const { return pointer_->value(); }

forms::ResultsList& Form2::resultsList() { return *ListView1; }

void Form2::setMousePointer(int pointer) { pointer_->set(pointer); }

void Form2::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shownBefore_)
        return;
    shownBefore_ = true;
    forms::centreOnScreen(*this);
    PushButton1->setFocus();  // "Close" is first in the Tab cycle
}

// Focus selects the whole search text, ready to be typed over.
bool Form2::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Text1 && event->type() == QEvent::FocusIn)
        Text1->selectAll();
    return QWidget::eventFilter(watched, event);
}

// Every way of closing comes here: refused while busy, so a save is never cut off half-way.
void Form2::closeEvent(QCloseEvent* event)
{
    if (saving_ || pointer_->busy()) {
        event->ignore();
        return;
    }
    platform::runHandler([this] { Form_QueryUnload(); });
    event->accept();
}

// The main window comes back as it was hidden; this window then unloads.
void Form2::Form_QueryUnload()
{
    report::ErrorTrap trap(QStringLiteral("Form2"), QStringLiteral("Form_QueryUnload"));
    trap(100, [this] { mainWindow_.show(); });
    trap(102, [this] { hide(); });
}

void Form2::PushButton1_Click()
{
    report::ErrorTrap trap(QStringLiteral("Form2"), QStringLiteral("PushButton1_Click"));
    trap(100, [this] { close(); });
}

// Does not yield: nothing else runs meanwhile.
void Form2::PushButton2_Click()
{
    report::ErrorTrap trap(QStringLiteral("Form2"), QStringLiteral("PushButton2_Click"));
    if (trap.test(100, [this] { return Text1->text().isEmpty(); })) {
        trap.say(122, kEnterSearchText);
        return;
    }
    // Finds that would not fit are refused before the hourglass and any change; a snapshot or
    // finds that could not be made end the command after the report, with no "Done.".
    std::optional<results_list::ListSnapshot> rows;
    std::optional<search::Finds> finds;
    search::SearchSize size{ListView1->rowCount(), ListView1->textBytes(), {}};
    if (!trap(104,
              [&] { finds = findFitting(rows.emplace(picks_.snapshot()), Text1->text(), size); }))
        return;
    if (!finds) {
        trap.say(104, search::tooManyFindsMessage(size));
        return;
    }
    forms::BusyPointer busy(trap, *this, 102);
    if (trap(104, [&] { ListView1->appendItems(*rows, std::move(*finds)); }))
        trap.say(118, QStringLiteral("Done."));
    busy.putBack(120);
}

void Form2::showMessage(const QString& procedure, const QString& message)
{
    report::ErrorTrap trap(QStringLiteral("Form2"), procedure);
    trap.say(100, message);
}

void Form2::PushButton3_Click()
{
    showMessage(
        QStringLiteral("PushButton3_Click"),
        kEnterSearchText + QStringLiteral(" Please include spaces (or dashes) where necessary."));
}

void Form2::PushButton4_Click()
{
    const QScopedValueRollback<bool> saving(saving_, true);
    exporting::saveSearchWindowList(*this);
}

void Form2::PushButton5_Click()
{
    exporting::copyWindowList(QStringLiteral("Form2"), QStringLiteral("PushButton5_Click"),
                              *ListView1);
}

void Form2::PushButton6_Click()
{
    report::ErrorTrap trap(QStringLiteral("Form2"), QStringLiteral("PushButton6_Click"));
    trap(100, [this] {
        if (!pointer_->busy())
            ListView1->clear();
    });
}

void Form2::PushButton7_Click()
{
    showMessage(
        QStringLiteral("PushButton7_Click"),
        QStringLiteral("You can use this feature to search for a winning pick. It is recommended "
                       "that you search for one number first then search for two numbers with "
                       "space (or dash) to see the results to make sure you know how to enter "
                       "the search text properly."));
}

void Form2::ListView1_DblClick() { forms::removeSelectedRow(*ListView1, *pointer_); }

// Delete, with any shift keys held, removes the selected row; no other key does.
void Form2::ListView1_KeyDown(int key)
{
    if (key == Qt::Key_Delete)
        forms::removeSelectedRow(*ListView1, *pointer_);
}
