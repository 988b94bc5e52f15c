#include "FileKinds.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using settings::Key;

Q_DECLARE_METATYPE(settings::Key)

class TestSettingsStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void keyTable_data();
    void keyTable();
    void absentKeyReadsDefault_data();
    void absentKeyReadsDefault();
    void emptyValueIsNotReplacedByDefault();
    void roundTrip_data();
    void roundTrip();
    void failedWriteIsTriedAgain_data();
    void failedWriteIsTriedAgain();
    void olderFileIsTakenOverAndLeftAsItWas();
    void twoStoresKeepEachOthersValues();
    void storedAsApplicationSectionAndKey();
    void unwritableStoreKeepsWorking_data();
    void unwritableStoreKeepsWorking();
    void linkStaysALink();
    void unparsableStoreReadsDefaults();
    void landsInTheRegistry_data();
    void landsInTheRegistry();

private:
    QTemporaryDir folder_;
    QString file() const { return folder_.filePath(QStringLiteral("Holvane/Numorra.ini")); }
};

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

}  // namespace

#ifdef Q_OS_WIN
namespace {

const wchar_t kRegistryKey[] = L"Software\\VB and VBA Program Settings\\Holvane\\Numorra";

// A string value of the program's key under HKEY_CURRENT_USER, read through the Windows
// API; "<absent>" when there is none.
QString registryValue(const QString& name)
{
    wchar_t data[256];
    DWORD size = sizeof data;
    const auto* wideName = reinterpret_cast<const wchar_t*>(name.utf16());
    if (RegGetValueW(HKEY_CURRENT_USER, kRegistryKey, wideName, RRF_RT_REG_SZ, nullptr, data, &size)
        != ERROR_SUCCESS)
        return QStringLiteral("<absent>");
    return QString::fromWCharArray(data);
}

}  // namespace
#endif

// Each test starts with an empty folder.
void TestSettingsStore::init()
{
    QVERIFY(QDir(folder_.path()).removeRecursively());
    QVERIFY(QDir().mkpath(folder_.path()));
}

void TestSettingsStore::keyTable_data()
{
    QTest::addColumn<Key>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("defaultValue");
    QTest::newRow("Lower") << Key::Lower << "Lower"
                           << "1";
    QTest::newRow("Higher") << Key::Higher << "Higher"
                            << "42";
    QTest::newRow("picks") << Key::PicksToGenerate << "No. to Generate"
                           << "10";
    QTest::newRow("per pick") << Key::NumbersPerPick << "No of Numbers"
                              << "6";
    QTest::newRow("prefix") << Key::Prefix << "Text5"
                            << "";
    QTest::newRow("option 1") << Key::NumericalOrder << "Numerical Order"
                              << "1";
    QTest::newRow("option 2") << Key::NoDuplicatePicks << "Check2"
                              << "1";
    QTest::newRow("option 3") << Key::SortPicks << "Check3"
                              << "1";
    QTest::newRow("option 4") << Key::UniqueNumbers << "Check4"
                              << "1";
    QTest::newRow("option 5") << Key::Dashes << "Check5"
                              << "0";
    QTest::newRow("search text") << Key::SearchText << "Form2Text1"
                                 << "";
}

void TestSettingsStore::keyTable()
{
    QFETCH(Key, key);
    QFETCH(QString, name);
    QFETCH(QString, defaultValue);
    QCOMPARE(settings::keyName(key), name);
    QCOMPARE(settings::defaultValue(key), defaultValue);
}

void TestSettingsStore::absentKeyReadsDefault_data() { keyTable_data(); }

void TestSettingsStore::absentKeyReadsDefault()
{
    QFETCH(Key, key);
    QFETCH(QString, defaultValue);
    settings::SettingsStore::Redirect redirect(folder_.path());
    settings::SettingsStore store;
    QCOMPARE(store.read(key), defaultValue);
}

void TestSettingsStore::emptyValueIsNotReplacedByDefault()
{
    settings::SettingsStore::Redirect redirect(folder_.path());
    settings::SettingsStore store;
    store.write(Key::Lower, QString());
    store.writeWaiting();
    QCOMPARE(settings::SettingsStore().read(Key::Lower), QString());
}

void TestSettingsStore::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("number") << "42";
    QTest::newRow("commas") << "1, 2,3";
    QTest::newRow("equals and semicolon") << "a=b;c";
    QTest::newRow("surrounding spaces") << "  set  ";
    QTest::newRow("quotes and backslash") << "\"x\"\\y";
    QTest::newRow("non-ASCII") << QStringLiteral("Zi\u00f6hung \u2116 7");
    QTest::newRow("at sign") << "@Variant(x)";
    QTest::newRow("control characters before hex digits") << "\x01"
                                                             "b\t\x1f"
                                                             "7";
    QTest::newRow("line breaks") << "a\r\nb\n";
    QTest::newRow("NUL") << QString(
        QStringLiteral("a\0"
                       "1b"));
}

void TestSettingsStore::roundTrip()
{
    QFETCH(QString, text);
    settings::SettingsStore::Redirect redirect(folder_.path());
    settings::SettingsStore().write(Key::Prefix, text);
    QCOMPARE(settings::SettingsStore().read(Key::Prefix), text);
}

void TestSettingsStore::failedWriteIsTriedAgain_data()
{
    QTest::addColumn<bool>("lockTaken");  // else the folder cannot be made
    QTest::addColumn<int>("failures");
    QTest::addColumn<bool>("givenUp");
    QTest::newRow("lock taken once") << true << 1 << false;
    QTest::newRow("lock stays taken") << true << 3 << true;
    QTest::newRow("folder refused three times") << false << 3 << false;
}

// A write that fails keeps its values for the next one; only a lock that stays taken
// makes the store give up, and it says so once.
void TestSettingsStore::failedWriteIsTriedAgain()
{
    QFETCH(bool, lockTaken);
    QFETCH(int, failures);
    QFETCH(bool, givenUp);
    settings::SettingsStore::Redirect redirect(folder_.path());
    settings::SettingsStore store;
    int notices = 0;
    store.whenUnwritable([&] { ++notices; });
    {
        QLockFile lock(file() + QStringLiteral(".lock"));
        QFile blocker(folder_.filePath(QStringLiteral("Holvane")));
        QVERIFY(lockTaken ? QDir().mkpath(blocker.fileName()) && lock.lock()
                          : blocker.open(QIODevice::WriteOnly));
        store.write(Key::Lower, QStringLiteral("3"));
        for (int i = 0; i < failures; ++i) {
            store.write(Key::Higher, QString::number(i));
            store.writeWaiting();
        }
        QVERIFY(lockTaken || blocker.remove());
    }
    store.write(Key::Higher, QStringLiteral("49"));
    store.writeWaiting();
    QCOMPARE(notices, givenUp ? 1 : 0);
    QCOMPARE(store.read(Key::Higher), QStringLiteral("49"));
    settings::SettingsStore later;
    QCOMPARE(later.read(Key::Lower), givenUp ? QStringLiteral("1") : QStringLiteral("3"));
    QCOMPARE(later.read(Key::Higher), givenUp ? QStringLiteral("42") : QStringLiteral("49"));
}

// A first start that finds only the file earlier versions shared with other programs
// takes over its values and never changes that file.
void TestSettingsStore::olderFileIsTakenOverAndLeftAsItWas()
{
    const QByteArray older(
        "[A]\r\na=\xff\r\n\r\n[Numorra]\r\nHigher=49\r\nForm2Text1=3, 7\r\n[B]\r\nb=1");
    const QString olderFile = folder_.filePath(QStringLiteral("Holvane.ini"));
    QFile out(olderFile);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(older) == older.size());
    out.close();
    settings::SettingsStore::Redirect redirect(folder_.path());
    settings::SettingsStore().write(Key::Lower, QStringLiteral("3"));
    settings::SettingsStore later;
    QCOMPARE(later.read(Key::Higher), QStringLiteral("49"));
    QCOMPARE(later.read(Key::SearchText), QStringLiteral("3, 7"));
    QCOMPARE(later.read(Key::Lower), QStringLiteral("3"));
    QCOMPARE(contents(olderFile), older);
}

// Two programs on one file, writing in turn, both keep what they wrote and read what the
// other stored.
void TestSettingsStore::twoStoresKeepEachOthersValues()
{
    settings::SettingsStore::Redirect redirect(folder_.path());
    settings::SettingsStore first;
    settings::SettingsStore second;
    first.write(Key::Higher, QStringLiteral("5"));
    first.writeWaiting();
    second.write(Key::Lower, QStringLiteral("3"));
    second.writeWaiting();
    QCOMPARE(first.read(Key::Lower), QStringLiteral("3"));
    first.write(Key::Higher, QStringLiteral("6"));
    first.writeWaiting();
    settings::SettingsStore later;
    QCOMPARE(later.read(Key::Higher), QStringLiteral("6"));
    QCOMPARE(later.read(Key::Lower), QStringLiteral("3"));
}

void TestSettingsStore::storedAsApplicationSectionAndKey()
{
    settings::SettingsStore::Redirect redirect(folder_.path());
    settings::SettingsStore().write(Key::PicksToGenerate, QStringLiteral("25"));
    QSettings raw(file(), QSettings::IniFormat);
    QCOMPARE(raw.childGroups(), QStringList{QStringLiteral("Numorra")});
    QCOMPARE(raw.value(QStringLiteral("Numorra/No. to Generate")).toString(), QStringLiteral("25"));
}

void TestSettingsStore::unwritableStoreKeepsWorking_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder cannot be made") << "blocker/Holvane/Numorra.ini"
                                           << "";
    QTest::newRow("file is a folder") << "Holvane/Numorra.ini"
                                      << "folder";
    QTest::newRow("file is a pipe") << "Holvane/Numorra.ini"
                                    << "pipe";
    QTest::newRow("file is a link to a pipe") << "Holvane/Numorra.ini"
                                              << "link to a pipe";
    QTest::newRow("lock is a folder") << "Holvane/Numorra.ini.lock"
                                      << "folder";
}

// A store whose folder cannot be made (its parent is a file, which stops root as well),
// whose file is not a regular file, or whose lock never comes free, takes every write
// without failing or waiting for ever; the session goes on with the values it was given,
// the store starts on the defaults, and whatever lies in the way is left alone.
void TestSettingsStore::unwritableStoreKeepsWorking()
{
    QFETCH(QString, blocked);
    QFETCH(QString, kind);
    QFile blocker(folder_.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = folder_.filePath(blocked);
    const QString storeFolder = QFileInfo(path).absolutePath();
    if (!kind.isEmpty() && !(QDir().mkpath(storeFolder) && testing::makeIrregularFile(kind, path)))
        QSKIP("this system cannot make it");
    settings::SettingsStore::Redirect redirect(QFileInfo(storeFolder).absolutePath());
    settings::SettingsStore settings;
    QCOMPARE(settings.read(Key::Higher), QStringLiteral("42"));
    for (int i = 0; i < 3; ++i)
        settings.write(Key::Higher, QString::number(i));
    QCOMPARE(settings.read(Key::Higher), QStringLiteral("2"));
    const QFileInfo after(path);
    QCOMPARE(after.exists(), !kind.isEmpty());
    QCOMPARE(after.isFile(), false);
    QVERIFY(!QFileInfo(file()).isFile());
}

// A store file that is a link to a regular file is written through the link, which stays.
void TestSettingsStore::linkStaysALink()
{
#ifdef Q_OS_WIN
    QSKIP("QFile::link makes a shell shortcut on Windows, which file access does not follow");
#endif
    const QString target = folder_.filePath(QStringLiteral("elsewhere.ini"));
    QFile::remove(target);
    if (!QDir().mkpath(QFileInfo(file()).absolutePath()) || !QFile::link(target, file()))
        QSKIP("this system cannot make links");
    settings::SettingsStore::Redirect redirect(folder_.path());
    settings::SettingsStore().write(Key::Higher, QStringLiteral("49"));
    QCOMPARE(QFileInfo(file()).symLinkTarget(), target);
    QCOMPARE(QSettings(target, QSettings::IniFormat).value(QStringLiteral("Numorra/Higher")),
             QVariant(QStringLiteral("49")));
}

void TestSettingsStore::unparsableStoreReadsDefaults()
{
    QFile garbage(file());
    QVERIFY(QDir().mkpath(QFileInfo(file()).absolutePath()) && garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray("\x00\xff\xfe[[[\n=\x01\x02", 10));
    garbage.close();
    settings::SettingsStore::Redirect redirect(folder_.path());
    settings::SettingsStore store;
    QCOMPARE(store.read(Key::Lower), QStringLiteral("1"));
    QCOMPARE(store.read(Key::Dashes), QStringLiteral("0"));
    store.write(Key::Lower, QStringLiteral("3"));
}

void TestSettingsStore::landsInTheRegistry_data() { keyTable_data(); }

// Each setting is a string value of its own name in the user's registry; a value the
// user had is put back afterwards.
void TestSettingsStore::landsInTheRegistry()
{
#ifdef Q_OS_WIN
    QFETCH(Key, key);
    QFETCH(QString, name);
    const QString before = registryValue(name);
    settings::SettingsStore().write(key, QStringLiteral("7 é"));
    const QString stored = registryValue(name);
    if (before == QStringLiteral("<absent>"))
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kRegistryKey,
                           reinterpret_cast<const wchar_t*>(name.utf16()));
    else
        settings::SettingsStore().write(key, before);
    QCOMPARE(stored, QStringLiteral("7 é"));
#else
    QSKIP("the registry belongs to Windows");
#endif
}

QTEST_GUILESS_MAIN(TestSettingsStore)

#include "tst_settingsstore.moc"
