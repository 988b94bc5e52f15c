#include "AppTitle.h"
#include "ErrorTrap.h"
#include "ExportCommands.h"
#include "ExportFixture.h"
#include "FileKinds.h"
#include "MousePointer.h"
#include "ProgramEnd.h"
#include "ProgressBar.h"
#include "TestServices.h"
#include "TextFileExport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>

#include <functional>
#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#endif
#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

using testing::Rows;

namespace {

const QString kFilter = QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|");

// One of the two save commands run from a window with the test doubles behind it, with a
// temporary folder to save into.
struct SaveFixture {
    testing::TestServices services;
    testing::ExportTestWindow window;
    forms::ProgressBar bar;
    QTemporaryDir folder;

    QString path(const QString& name) const { return folder.filePath(name); }
    // Answers the save dialog with `name` (empty cancels) and clicks the command.
    void run(bool mainWindow, const QString& name)
    {
        services.saveDialog.names.push_back(name);
        platform::runHandler([&] {
            if (mainWindow)
                exporting::saveMainWindowList(window, bar);
            else
                exporting::saveSearchWindowList(window);
        });
    }
    // Every file in the folder with its bytes.
    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> out;
        const QDir dir(folder.path());
        const QStringList names =
            dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& name : names)
            out[name] = contentOf(QFileInfo(dir.filePath(name)));
        return out;
    }
    void putFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // A regular file's bytes; what anything else is, without opening it (a pipe would
    // wait for a writer).
    static QByteArray contentOf(const QFileInfo& entry)
    {
        if (entry.isSymLink())
            return "<link to " + QFileInfo(entry.symLinkTarget()).fileName().toUtf8() + '>';
        if (entry.isDir())
            return "<folder>";
        QFile file(entry.filePath());
        if (!entry.isFile() || !file.open(QIODevice::ReadOnly))
            return "<special>";
        return file.readAll();
    }
    QStringList messages() const { return services.messageBox.texts(); }
    bool barIdle() const
    {
        return bar.value() == 0 && bar.text() == QStringLiteral("Progress Bar");
    }
};

// A text in the system 8-bit code page, as Windows itself converts it; UTF-8 elsewhere.
QByteArray systemCodePage(const QString& text)
{
#ifdef Q_OS_WIN
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int length = int(text.size());
    QByteArray bytes(WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr),
                     '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, length, bytes.data(), int(bytes.size()), nullptr, nullptr);
    return bytes;
#else
    return text.toUtf8();
#endif
}

// The question names the path with the system's separators: backslashes on Windows.
QString overwriteQuestion(QString path)
{
#ifdef Q_OS_WIN
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
#endif
    return QStringLiteral("Are you sure you wish to overwrite ") + path + QStringLiteral(" ?");
}

QString errorReport(bool mainWindow, const QString& description, int line = 124)
{
    const QString path =
        mainWindow
            ? report::procedurePath(QStringLiteral("Form1"), QStringLiteral("PushButton6_Click"))
            : report::procedurePath(QStringLiteral("Form2"), QStringLiteral("PushButton4_Click"));
    return report::errorReportText(description, path, line);
}

#ifdef Q_OS_UNIX
// Files of this process cannot grow beyond a few kilobytes while it lives: a write past
// the limit stops part-way, as on a full disk.
class FileSizeLimit {
public:
    FileSizeLimit()
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

// What `check` answers, run as a user without privileges: as root (who may write
// anywhere), in a child process that drops to user and group "nobody" (65534). Empty when
// no such user can be had.
std::optional<bool> asUnprivilegedUser(const std::function<bool()>& check)
{
    if (geteuid() != 0)
        return check();
    // A forked child has the forking thread alone: the pool's threads must be gone before,
    // so that the child's pool starts threads of its own. Those threads must not use GLib's
    // event loop, whose allocator may hold a lock that another thread of the parent had
    // taken at the fork, and which nothing in the child ever releases.
    QThreadPool::globalInstance()->waitForDone();
    const pid_t child = fork();
    if (child == 0) {
        qputenv("QT_NO_GLIB", "1");
        const bool dropped = setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0;
        _exit(!dropped ? 2 : check() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)
        || WEXITSTATUS(status) == 2)
        return std::nullopt;
    return WEXITSTATUS(status) == 0;
}
#endif

}  // namespace

class TestSaveCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fileNames_data();
    void fileNames();
    void contents_data();
    void contents();
    void cancelWritesNothing_data();
    void cancelWritesNothing();
    void overwrite_data();
    void overwrite();
    void progress_data();
    void progress();
    void failureLeavesFolderAsItWas_data();
    void failureLeavesFolderAsItWas();
    void listChangedMidSave_data();
    void listChangedMidSave();
    void closingMidSaveLeavesOldFile_data();
    void closingMidSaveLeavesOldFile();
    void writableFileInLockedFolder();
};

void TestSaveCommands::fileNames_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("afterBackslash");
    QTest::addColumn<QString>("ownName");
#ifdef Q_OS_WIN
    const bool windows = true;
#else
    const bool windows = false;
#endif
    QTest::newRow("backslashes") << "C:\\Lotto\\picks.txt"
                                 << "picks.txt" << (windows ? "picks.txt" : "C:\\Lotto\\picks.txt");
    QTest::newRow("no separator") << "picks"
                                  << "picks"
                                  << "picks";
    QTest::newRow("trailing backslash") << "C:\\Lotto\\"
                                        << "" << (windows ? "" : "C:\\Lotto\\");
    QTest::newRow("slashes") << "/home/ann/picks.txt"
                             << "/home/ann/picks.txt"
                             << "picks.txt";
    QTest::newRow("mixed") << "C:/Lotto\\sub/picks.txt"
                           << "sub/picks.txt"
                           << "picks.txt";
    QTest::newRow("backslash inside a name") << "/home/ann/a\\b.txt"
                                             << "b.txt" << (windows ? "b.txt" : "a\\b.txt");
}

void TestSaveCommands::fileNames()
{
    QFETCH(QString, path);
    QFETCH(QString, afterBackslash);
    QFETCH(QString, ownName);
    QCOMPARE(exporting::GetFileNameFromPath(path), afterBackslash);
    QCOMPARE(exporting::ownFileName(path), ownName);
}

void TestSaveCommands::contents_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("mainFile");
    QTest::addColumn<QString>("searchFile");
    QTest::newRow("worked example")
        << Rows{{"1 2 3", "01 02 03"}, {"10 20 30", "10 20 30"}}
        << "Picks   \t        \t\r\n1 2 3   \t01 02 03\t\r\n10 20 30\t10 20 30\t\r\n"
        << "1 2 3\r\n10 20 30\r\n";
    QTest::newRow("empty list") << Rows{} << "Picks\t\t\r\n"
                                << "";
    QTest::newRow("widest cell in the last row")
        << Rows{{"1", "a"}, {"22 33 44 55", "b"}}
        << "Picks      \t \t\r\n1          \ta\t\r\n22 33 44 55\tb\t\r\n"
        << "1\r\n22 33 44 55\r\n";
    QTest::newRow("header wider than cells") << Rows{{"1", "2"}} << "Picks\t \t\r\n1    \t2\t\r\n"
                                             << "1\r\n";
    QTest::newRow("empty item text")
        << Rows{{"", "00"}, {"7", "07"}} << "Picks\t  \t\r\n     \t00\t\r\n7    \t07\t\r\n"
        << "\r\n7\r\n";
    QTest::newRow("widths in UTF-16 units")
        << Rows{{"é😀é😀", "x"}, {"abcdef", "ÿ"}} << "Picks \t \t\r\né😀é😀\tx\t\r\nabcdef\tÿ\t\r\n"
        << "é😀é😀\r\nabcdef\r\n";
    QTest::newRow("texts copied in whole blocks")  // the packed texts hold 32 bytes on
        << Rows{{"1 2 3", "01 02 03"}, {"4 5 6", "04 05 06"}, {"7 8 9", "07 08 09"}}
        << "Picks\t        \t\r\n1 2 3\t01 02 03\t\r\n4 5 6\t04 05 06\t\r\n7 8 9\t07 08 09\t\r\n"
        << "1 2 3\r\n4 5 6\r\n7 8 9\r\n";
    const QString longer(1500000, QLatin1Char('x'));  // more than the write buffer holds
    QTest::newRow("texts longer than the buffer")
        << Rows{{longer, "a"}}
        << "Picks" + QString(longer.size() - 5, QLatin1Char(' ')) + "\t \t\r\n" + longer
               + "\ta\t\r\n"
        << longer + "\r\n";
}

// The files as written, byte for byte, saved under names without an extension: the name
// is taken as typed.
void TestSaveCommands::contents()
{
    QFETCH(Rows, rows);
    QFETCH(QString, mainFile);
    QFETCH(QString, searchFile);
    SaveFixture s;
    s.window.add(rows);
    s.run(true, s.path(QStringLiteral("main")));
    s.run(false, s.path(QStringLiteral("search")));
    const QMap<QString, QByteArray> expected{
        {QStringLiteral("main"), systemCodePage(mainFile)},
        {QStringLiteral("search"), systemCodePage(searchFile)}};
    QCOMPARE(s.files(), expected);
    QCOMPARE(s.messages(), QStringList{QStringLiteral("Done.")});
    QCOMPARE(s.window.pointers, (QList<int>{11, 0, 11, 0}));
    QVERIFY(s.barIdle());
}

void TestSaveCommands::cancelWritesNothing_data()
{
    QTest::addColumn<bool>("mainWindow");
    QTest::newRow("main window") << true;
    QTest::newRow("search window") << false;
}

void TestSaveCommands::cancelWritesNothing()
{
    QFETCH(bool, mainWindow);
    SaveFixture s;
    s.window.add({{"1 2 3", "01 02 03"}});
    s.run(mainWindow, QString());
    QCOMPARE(s.services.saveDialog.titles, QStringList{QStringLiteral("Save")});
    QCOMPARE(s.services.saveDialog.filters, QStringList{kFilter});
    QVERIFY(s.files().isEmpty());
    QVERIFY(s.messages().isEmpty());
    QVERIFY(s.window.pointers.isEmpty());
}

void TestSaveCommands::overwrite_data()
{
    QTest::addColumn<bool>("mainWindow");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<bool>("throughLink");
    QTest::newRow("main, No") << true << false << false;
    QTest::newRow("main, Yes") << true << true << false;
    QTest::newRow("search, No") << false << false << false;
    QTest::newRow("search, Yes") << false << true << false;
#ifdef Q_OS_UNIX
    QTest::newRow("main, Yes, through a link") << true << true << true;
    QTest::newRow("search, Yes, through a link") << false << true << true;
#endif
}

void TestSaveCommands::overwrite()
{
    QFETCH(bool, mainWindow);
    QFETCH(bool, replace);
    QFETCH(bool, throughLink);
    SaveFixture s;
    s.window.add({{"1 2 3", "01 02 03"}});
    const QByteArray old = QByteArray("an older and much longer file\r\n").repeated(20);
    // Through a link, the file is "target.txt" and "picks.txt" a link to it, which stays.
    const QString file = throughLink ? QStringLiteral("target.txt") : QStringLiteral("picks.txt");
    s.putFile(file, old);
    if (throughLink)
        QVERIFY(QFile::link(s.path(file), s.path(QStringLiteral("picks.txt"))));
    s.services.messageBox.answers.push_back(replace ? platform::MsgAnswer::Yes
                                                    : platform::MsgAnswer::No);
    s.run(mainWindow, s.path(QStringLiteral("picks.txt")));

    const testing::ShownBox question = s.services.messageBox.boxes.value(0);
    QCOMPARE(question.text, overwriteQuestion(s.path(QStringLiteral("picks.txt"))));
    QCOMPARE(question.title, report::appTitle());
    QCOMPARE(question.buttons, platform::MsgButtons::YesNo);
    const QByteArray written =
        mainWindow ? "Picks\t        \t\r\n1 2 3\t01 02 03\t\r\n" : "1 2 3\r\n";
    QCOMPARE(s.files().value(file), replace ? written : old);
    QCOMPARE(s.files().size(), throughLink ? 2 : 1);
    if (throughLink)
        QCOMPARE(s.files().value(QStringLiteral("picks.txt")), "<link to target.txt>");
    QCOMPARE(s.messages().size(), replace && mainWindow ? 2 : 1);
    QCOMPARE(s.window.pointers, replace ? (QList<int>{11, 0}) : QList<int>());
}

void TestSaveCommands::progress_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("shown");
    const QStringList start{"value 1", "text Writing file: picks.txt", "value 10", "value 20"};
    const QStringList end{"text Done.", "value 0", "text Progress Bar"};
    QTest::newRow("no rows") << 0 << "picks.txt" << start + QStringList{"value 100"} + end;
    QTest::newRow("3 rows") << 3 << "picks.txt"
                            << start + QStringList{"value 33", "value 67", "value 100"} + end;
    QStringList rowValues;
    for (int v = 0; v <= 100; ++v) {
        rowValues << QStringLiteral("value %1").arg(v);
        if (v == 50)
            rowValues << "text Writing file: picks.txt (1000)";
    }
    rowValues << "text Writing file: picks.txt (2000)";
    QTest::newRow("2000 rows") << 2000 << "picks.txt" << start + rowValues + end;
    QTest::newRow("% in the name is no placeholder")
        << 0 << "50%p %v.txt"
        << QStringList{"value 1", "text Writing file: 50%p %v.txt", "value 10", "value 20",
                       "value 100"}
               + end;
}

// Every change of the bar, in order; a value that does not change shows nothing.
void TestSaveCommands::progress()
{
    QFETCH(int, rows);
    QFETCH(QString, name);
    QFETCH(QStringList, shown);
    SaveFixture s;
    s.window.addPicks(rows);
    QStringList log;
    connect(&s.bar, &QProgressBar::valueChanged, this,
            [&](int v) { log << QStringLiteral("value %1").arg(v); });
    connect(&s.bar, &forms::ProgressBar::textChanged, this,
            [&](const QString& t) { log << QStringLiteral("text ") + t; });
    s.run(true, s.path(name));
    QCOMPARE(log, shown);
}

void TestSaveCommands::failureLeavesFolderAsItWas_data()
{
    QTest::addColumn<bool>("mainWindow");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("line");  // the main window writes the file in one statement
    for (const bool mainWindow : {true, false}) {
        const char* window = mainWindow ? "main: " : "search: ";
        QTest::addRow("%sfolder is a file", window)
            << mainWindow << "file as folder" << 10 << "Path not found" << 124;
        QTest::addRow("%smissing folder", window)
            << mainWindow << "missing folder" << 10 << "Path not found" << 124;
        QTest::addRow("%sfull at the end", window)
            << mainWindow << "size limit" << 1000 << "Disk full" << (mainWindow ? 124 : 134);
        QTest::addRow("%sfull part-way", window)
            << mainWindow << "size limit" << 70000 << "Disk full" << (mainWindow ? 124 : 130);
        for (const char* kind : {"folder", "pipe", "link to a pipe", "device"}) {
            QTest::addRow("%starget is a %s", window, kind)
                << mainWindow << kind << 10 << "Path/File access error" << 124;
        }
    }
}

void TestSaveCommands::failureLeavesFolderAsItWas()
{
    QFETCH(bool, mainWindow);
    QFETCH(QString, failure);
    QFETCH(int, rows);
    QFETCH(QString, description);
    QFETCH(int, line);
    SaveFixture s;
    s.window.addPicks(rows);
    s.putFile(QStringLiteral("picks.txt"), "an older file\r\n");
    const QString irregular = s.path(QStringLiteral("other"));
    QStringList messages{errorReport(mainWindow, description, line)};
    if (description == QStringLiteral("Path/File access error")
        && !testing::makeIrregularFile(failure, irregular))
        QSKIP("this system or user cannot make it");
    const QMap<QString, QByteArray> before = s.files();
    if (failure == QStringLiteral("file as folder")) {
        s.run(mainWindow, s.path(QStringLiteral("picks.txt/new.txt")));
    } else if (failure == QStringLiteral("missing folder")) {
        s.run(mainWindow, s.path(QStringLiteral("missing/new.txt")));
    } else if (failure != QStringLiteral("size limit")) {
        s.run(mainWindow, irregular);
        messages.prepend(overwriteQuestion(irregular));
    } else {
#ifdef Q_OS_UNIX
        FileSizeLimit limit;
        s.run(mainWindow, s.path(QStringLiteral("picks.txt")));
        messages.prepend(overwriteQuestion(s.path(QStringLiteral("picks.txt"))));
#else
        QSKIP("needs a file size limit");
#endif
    }
    QCOMPARE(s.files(), before);
    QCOMPARE(s.messages(), messages);
    QCOMPARE(s.services.messageBox.boxes.last().title, QStringLiteral("Application Error"));
    QCOMPARE(s.window.pointers, (QList<int>{11, 0}));
    QCOMPARE(s.barIdle(), !mainWindow);  // the bar stays where the failure found it
}

void TestSaveCommands::listChangedMidSave_data()
{
    QTest::addColumn<bool>("mainWindow");
    QTest::addColumn<QString>("change");
    for (const bool mainWindow : {true, false}) {
        for (const char* change : {"append", "remove", "clear"})
            QTest::addRow("%s, %s", mainWindow ? "main" : "search", change) << mainWindow << change;
    }
}

// The file holds the list as it stood when the save started, wherever the change falls.
void TestSaveCommands::listChangedMidSave()
{
    QFETCH(bool, mainWindow);
    QFETCH(QString, change);
    const QString name = QStringLiteral("picks.txt");
    testing::checkChangedMidway<SaveFixture>(
        change, [&](SaveFixture& s) { s.run(mainWindow, s.path(name)); },
        [&](SaveFixture& s) { return s.files().value(name); });
}

// The program ends at the first yield once the file is being written: the hourglass shows
// and, in the main window, the progress bar has moved.
void TestSaveCommands::closingMidSaveLeavesOldFile_data()
{
    QTest::addColumn<bool>("mainWindow");
    QTest::newRow("main window") << true;
    QTest::newRow("search window") << false;
}

void TestSaveCommands::closingMidSaveLeavesOldFile()
{
    QFETCH(bool, mainWindow);
    SaveFixture s;
    s.window.addPicks(5000);
    s.putFile(QStringLiteral("picks.txt"), "an older file\r\n");
    const QMap<QString, QByteArray> before = s.files();
    s.services.pump.when(
        [&] {
            return s.window.pointers.contains(forms::kHourglassPointer) && s.barIdle() != mainWindow;
        },
        [] { platform::endProgram(); });
    s.run(mainWindow, s.path(QStringLiteral("picks.txt")));
    QVERIFY(platform::services().programEnding);
    QCOMPARE(s.files(), before);
    QCOMPARE(s.messages(), QStringList{overwriteQuestion(s.path(QStringLiteral("picks.txt")))});
    QCOMPARE(s.barIdle(), !mainWindow);
}

// A file the user may write, in a folder where the user may not create files, is saved
// in place.
void TestSaveCommands::writableFileInLockedFolder()
{
#ifdef Q_OS_UNIX
    SaveFixture s;
    s.window.add({{"1 2 3", "01 02 03"}});
    const QString name = s.path(QStringLiteral("picks.txt"));
    s.putFile(QStringLiteral("picks.txt"), "an older, longer file\r\n");
    const auto all = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto enter = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    const auto write = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    QVERIFY(QFile::setPermissions(name, all | write));
    QVERIFY(QFile::setPermissions(s.folder.path(), all | enter));
    const std::optional<bool> saved = asUnprivilegedUser([&] {
        s.run(false, name);
        QFile file(name);
        return file.open(QIODevice::ReadOnly) && file.readAll() == "1 2 3\r\n"
               && s.messages() == QStringList{overwriteQuestion(name)};
    });
    QFile::setPermissions(s.folder.path(), all | enter | write);
    if (!saved)
        QSKIP("needs a user without privileges (user nobody)");
    QVERIFY(*saved);
#else
    QSKIP("needs Unix file permissions");
#endif
}

QTEST_MAIN(TestSaveCommands)
#include "tst_savecommands.moc"
