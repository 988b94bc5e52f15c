#include "SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QStringList>

namespace settings {

namespace {

const QString kApplication = QStringLiteral("Holvane");
const QString kSection = QStringLiteral("Numorra");

// How long a write waits for the store's lock before the store counts as unwritable.
constexpr int kLockWaitMs = 250;

QString& redirectedFile()
{
    static QString file;
    return file;
}

// The INI file that holds the store, as an absolute path; empty for the Windows registry.
QString storeFile()
{
    if (!redirectedFile().isEmpty())
        return QFileInfo(redirectedFile()).absoluteFilePath();
#ifdef Q_OS_WIN
    return QString();
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QLatin1Char('/') + kApplication + QStringLiteral(".ini");
#endif
}

// A store file is used only when it is absent or a regular file (through a link or not):
// reading a named pipe would wait for ever, and a folder, device or socket is not the
// store's to replace.
bool usableFile(const QString& file)
{
    const QFileInfo info(file);
    return !info.exists() || info.isFile();
}

// Whether the lock that guards every write of the store comes free within a short wait.
// Its folder is made first, as a write would make it. A lock that never comes free (a
// folder in its place, a lock kept by a program that hangs) would hold every write, and
// the program with it, for ever.
bool lockComesFree(const QString& file)
{
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    QLockFile lock(file + QStringLiteral(".lock"));
    return lock.tryLock(kLockWaitMs);
}

std::unique_ptr<QSettings> openStore(const QString& file)
{
    if (!file.isEmpty()) {
        if (!usableFile(file))
            return nullptr;
        return std::make_unique<QSettings>(file, QSettings::IniFormat);
    }
    return std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") + kApplication,
        QSettings::NativeFormat);
}

}  // namespace

SettingsStore::SettingsStore() : file_(storeFile()), settings_(openStore(file_))
{
    if (settings_)
        settings_->beginGroup(kSection);
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::read(Key key) const
{
    const auto unsaved = unsaved_.find(key);
    if (unsaved != unsaved_.end())
        return unsaved->second;
    const QVariant value = settings_ ? settings_->value(keyName(key)) : QVariant();
    if (!value.isValid())
        return defaultValue(key);
    // A hand-edited INI value with unquoted commas reads back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1String(", "));
    return value.toString();
}

void SettingsStore::write(Key key, const QString& text)
{
    if (writable()) {
        settings_->setValue(keyName(key), text);
        settings_->sync();
        return;
    }
    unsaved_[key] = text;
}

// Once the store cannot be written, the rest of the session keeps its values in memory,
// so a lock that never comes free costs one short wait, not one per keystroke.
bool SettingsStore::writable()
{
    if (unwritable_)
        return false;
    unwritable_ = !settings_ || (!file_.isEmpty() && !(usableFile(file_) && lockComesFree(file_)));
    return !unwritable_;
}

SettingsStore::Redirect::Redirect(const QString& iniFile) : previous_(redirectedFile())
{
    redirectedFile() = iniFile;
}

SettingsStore::Redirect::~Redirect() { redirectedFile() = previous_; }

}  // namespace settings
