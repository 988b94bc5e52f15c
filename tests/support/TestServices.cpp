#include "TestServices.h"

#include "ArrivedEvents.h"

namespace testing {

platform::MsgAnswer RecordingMessageBox::show(const QString& text, const QString& title,
                                              platform::MsgButtons buttons, platform::MsgIcon icon)
{
    boxes.append({text, title, buttons, icon});
    if (onShow)
        onShow(boxes.last());
    if (!answers.empty()) {
        const platform::MsgAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return buttons == platform::MsgButtons::YesNo ? platform::MsgAnswer::Yes
                                                  : platform::MsgAnswer::Ok;
}

QStringList RecordingMessageBox::texts() const
{
    QStringList out;
    for (const ShownBox& box : boxes)
        out << box.text;
    return out;
}

QString ScriptedSaveDialog::askSaveFileName(const QString& title, const QString& filter)
{
    platform::runArrivedEventsDroppingInput();
    titles << title;
    filters << filter;
    if (names.empty())
        return QString();
    const QString name = names.front();
    names.pop_front();
    return name;
}

bool MemoryClipboard::clear()
{
    ++requests;
    if (refusals > 0) {
        --refusals;
        return false;
    }
    text.clear();
    return true;
}

bool MemoryClipboard::setText(const QString& newText)
{
    ++requests;
    if (refusals > 0) {
        --refusals;
        return false;
    }
    text = newText;
    return true;
}

void ScriptedPump::yield()
{
    ++count;
    if (actions.empty() || !actions.front().first())
        return;
    const std::function<void()> action = std::move(actions.front().second);
    actions.pop_front();
    action();
}

void ScriptedPump::catchUp() { platform::runArrivedEventsDroppingInput(); }

double ScriptedRandom::next()
{
    ++draws;
    if (!values.empty()) {
        const double value = values.front();
        values.pop_front();
        return value;
    }
    return sequence.next();
}

static platform::Services doublesOf(TestServices& t, platform::EventPump* realPump,
                                    platform::RandomSource* realRandom)
{
    platform::Services s;
    s.messageBox = &t.messageBox;
    s.saveDialog = &t.saveDialog;
    s.clipboard = &t.clipboard;
    s.pump = realPump ? realPump : &t.pump;
    s.random = realRandom ? realRandom : &t.random;
    s.programFolder = t.programFolder.path();
    return s;
}

TestServices::TestServices(platform::EventPump* realPump, platform::RandomSource* realRandom)
    : override_(platform::services(), doublesOf(*this, realPump, realRandom)),
      settingsRedirect_(settingsFolder.path())
{
}

QString TestServices::settingsFile() const
{
    return settingsFolder.filePath(QStringLiteral("Holvane/Numorra.ini"));
}

}  // namespace testing
