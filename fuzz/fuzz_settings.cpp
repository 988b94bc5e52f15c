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

// A new settings folder for every input: the settings layer caches files by name.
QString freshFolder()
{
    static const QTemporaryDir folder(
        QDir::temp().filePath(QStringLiteral("numorra-fuzz-settings-XXXXXX")));
    static std::uint64_t count = 0;
    return folder.filePath(QString::number(++count));
}

bool isCheckBoxValue(Key key) { return key >= Key::NumericalOrder && key <= Key::Dashes; }

void restoreAll(const QByteArray& content)
{
    const QString folder = freshFolder();
    {
        FUZZ_CHECK(QDir().mkpath(folder + QStringLiteral("/Holvane")));
        QFile out(folder + QStringLiteral("/Holvane/Numorra.ini"));
        FUZZ_CHECK(out.open(QIODevice::WriteOnly) && out.write(content) == content.size());
    }
    const settings::SettingsStore::Redirect redirect(folder);
    settings::SettingsStore store;
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
    QDir(folder).removeRecursively();
}

void writeAndReadBack(const QString& text)
{
    const QString folder = freshFolder();
    const settings::SettingsStore::Redirect redirect(folder);
    settings::SettingsStore().write(Key::Prefix, text);
    FUZZ_CHECK(settings::SettingsStore().read(Key::Prefix) == text);
    QDir(folder).removeRecursively();
}

}  // namespace

// The store learns that a write landed through the event loop, as in the program.
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
