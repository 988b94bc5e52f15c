#include "Measures.h"

#include <QCoreApplication>
#include <QFile>
#include <QPushButton>
#include <QThreadPool>

#include <cstdio>
#include <string>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace bench {

void print(const char* name, qint64 rows, double value, const char* unit)
{
    std::printf("%s_%lld: %.3f %s\n", name, static_cast<long long>(rows), value, unit);
    std::fflush(stdout);
}

double seconds(const QElapsedTimer& timer) { return double(timer.nsecsElapsed()) / 1e9; }

void releaseFreedMemory()
{
    QThreadPool::globalInstance()->waitForDone();
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

qint64 residentBytes()
{
    releaseFreedMemory();
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * 4096 : 0;
}

qint64 peakBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}

void resetPeakBytes()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

CommandTime runCommand(MeteredPump& pump, QPushButton* button)
{
    QElapsedTimer timer;
    timer.start();
    pump.start();
    button->click();
    // Once the command returns, the event loop runs again: what it does next is no stretch
    // without a pump, though it counts in the command's time.
    const double gap = pump.stop();
    QCoreApplication::processEvents();
    return {seconds(timer), gap};
}

void timeCommand(const char* name, qint64 rows, MeteredPump& pump, QPushButton* button,
                 double scale, const char* unit)
{
    const CommandTime time = runCommand(pump, button);
    print(name, rows, time.seconds * scale, unit);
    print((std::string(name) + "_pump_gap").c_str(), rows, time.gapMs, "ms");
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace bench
