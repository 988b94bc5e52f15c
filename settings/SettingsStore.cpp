#include "SettingsStore.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace settings {

namespace {

const QString kApplication = QStringLiteral("Holvane");
const QString kSection = QStringLiteral("Numorra");

// Values are stored once the changes pause this long, and at the latest this long after
// the first change not yet stored.
constexpr int kPauseMs = 400;
constexpr int kLongestWaitMs = 1000;
// How many writes in a row may find the lock taken before the store gives up.
constexpr int kLockTakenLimit = 3;

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

std::unique_ptr<QSettings> openRegistry()
{
    return std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") + kApplication,
        QSettings::NativeFormat);
}

// Every key the section holds, as text.
std::map<Key, QString> storedValues(QSettings& store)
{
    std::map<Key, QString> values;
    store.beginGroup(kSection);
    for (int k = int(Key::Lower); k <= int(Key::SearchText); ++k) {
        const Key key = Key(k);
        const QVariant value = store.value(keyName(key));
        if (!value.isValid())
            continue;
        // A hand-edited INI value with unquoted commas reads back as a list.
        values[key] = value.typeId() == QMetaType::QStringList
                          ? value.toStringList().join(QLatin1String(", "))
                          : value.toString();
    }
    store.endGroup();
    return values;
}

}  // namespace

SettingsStore::SettingsStore()
{
    const QString file = storeFile();
    if (file.isEmpty()) {
        registry_ = openRegistry();
        values_ = storedValues(*registry_);
    } else if (usableFile(file)) {
        file_ = std::make_unique<IniFile>(file, kSection);
        QSettings ini(file, QSettings::IniFormat);
        values_ = storedValues(ini);
    }
    pause_.setSingleShot(true);
    QObject::connect(&pause_, &QTimer::timeout, &pause_, [this] { writeWaiting(); });
}

// The windows are going: a store that gives up now says nothing.
SettingsStore::~SettingsStore()
{
    notice_ = nullptr;
    writeWaiting();
}

QString SettingsStore::read(Key key) const
{
    const auto value = values_.find(key);
    return value != values_.end() ? value->second : defaultValue(key);
}

void SettingsStore::write(Key key, const QString& text)
{
    values_[key] = text;
    if (unwritable_ || (!registry_ && !file_))
        return;
    if (waiting_.empty())
        firstWaiting_.start();
    waiting_.insert(key);
    const qint64 longest = kLongestWaitMs - firstWaiting_.elapsed();
    pause_.start(int(std::clamp<qint64>(longest, 0, kPauseMs)));
}

void SettingsStore::writeWaiting()
{
    pause_.stop();
    if (waiting_.empty() || unwritable_)
        return;
    switch (writeOut()) {
        case WriteResult::Written:
            waiting_.clear();
            lockTakenTries_ = 0;
            break;
        case WriteResult::LockTaken:
            countLockTaken();
            break;
        case WriteResult::Failed:
            break;
    }
}

// A lock that stays taken through several writes is not coming free: the store stops
// trying, so that it costs no more waits, and says so once.
void SettingsStore::countLockTaken()
{
    if (++lockTakenTries_ < kLockTakenLimit)
        return;
    unwritable_ = true;
    if (notice_)
        notice_();
}

SettingsStore::WriteResult SettingsStore::writeOut()
{
    if (registry_)
        return writeToRegistry();
    std::vector<IniEntry> entries;
    for (const Key key : waiting_)
        entries.push_back({keyName(key), values_[key]});
    return file_->write(entries);
}

SettingsStore::WriteResult SettingsStore::writeToRegistry()
{
    registry_->beginGroup(kSection);
    for (const Key key : waiting_)
        registry_->setValue(keyName(key), values_[key]);
    registry_->endGroup();
    registry_->sync();
    return registry_->status() == QSettings::NoError ? WriteResult::Written : WriteResult::Failed;
}

void SettingsStore::whenUnwritable(std::function<void()> notice) { notice_ = std::move(notice); }

SettingsStore::Redirect::Redirect(const QString& iniFile) : previous_(redirectedFile())
{
    redirectedFile() = iniFile;
}

SettingsStore::Redirect::~Redirect() { redirectedFile() = previous_; }

}  // namespace settings
