// Restores the remembered values from a settings file of any content, as the windows do at
// start (the check box values through the whole-number conversion), and checks that any
// text written is read back unchanged.

#include "Conversions.h"
#include "FuzzCheck.h"
#include "RuntimeFailure.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

using settings::Key;

// A new file name for every input: the settings layer caches files by name.
QString freshFile()
{
    static const QTemporaryDir folder(
        QDir::temp().filePath(QStringLiteral("numorra-fuzz-settings-XXXXXX")));
    static std::uint64_t count = 0;
    return folder.filePath(QStringLiteral("%1.ini").arg(++count));
}

bool isCheckBoxValue(Key key) { return key >= Key::NumericalOrder && key <= Key::Dashes; }

void restoreAll(const QByteArray& content)
{
    const QString file = freshFile();
    {
        QFile out(file);
        FUZZ_CHECK(out.open(QIODevice::WriteOnly) && out.write(content) == content.size());
    }
    const settings::SettingsStore::Redirect redirect(file);
    const settings::SettingsStore store;
    for (int key = int(Key::Lower); key <= int(Key::SearchText); ++key) {
        const QString text = store.read(Key(key));
        if (!isCheckBoxValue(Key(key)))
            continue;
        try {
            core::wholeNumber(text);
        } catch (const core::RuntimeFailure&) {
            // The window reports it and keeps the box as it was.
        }
    }
    QFile::remove(file);
}

void writeAndReadBack(const QString& text)
{
    const QString file = freshFile();
    const settings::SettingsStore::Redirect redirect(file);
    settings::SettingsStore().write(Key::Prefix, text);
    FUZZ_CHECK(settings::SettingsStore().read(Key::Prefix) == text);
    QFile::remove(file);
}

}  // namespace

// The store waits for pauses on the event loop's timers, as in the program.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static const QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    restoreAll(content);
    writeAndReadBack(QString::fromUtf8(content));
    return 0;
}
