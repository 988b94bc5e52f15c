#include "SettingsStore.h"

#include <QStringList>

namespace settings {

namespace {

const QString kApplication = QStringLiteral("Holvane");
const QString kSection = QStringLiteral("Numorra");

QString& redirectedFile()
{
    static QString file;
    return file;
}

std::unique_ptr<QSettings> openStore()
{
    if (!redirectedFile().isEmpty())
        return std::make_unique<QSettings>(redirectedFile(), QSettings::IniFormat);
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") + kApplication,
        QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kApplication);
#endif
}

}  // namespace

SettingsStore::SettingsStore() : settings_(openStore()) { settings_->beginGroup(kSection); }

SettingsStore::~SettingsStore() = default;

QString SettingsStore::read(Key key) const
{
    const QVariant value = settings_->value(keyName(key));
    if (!value.isValid())
        return defaultValue(key);
    // A hand-edited INI value with unquoted commas reads back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1String(", "));
    return value.toString();
}

void SettingsStore::write(Key key, const QString& text)
{
    settings_->setValue(keyName(key), text);
    settings_->sync();
}

SettingsStore::Redirect::Redirect(const QString& iniFile) : previous_(redirectedFile())
{
    redirectedFile() = iniFile;
}

SettingsStore::Redirect::~Redirect() { redirectedFile() = previous_; }

}  // namespace settings
