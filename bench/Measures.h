// What measures the program, whatever the command: the figures' printing, the event pump
// metered for its longest gap, the memory the process holds and has held at its most, and
// the time of a command started by a button's click.

#pragma once

#include "TimeSlicedPump.h"

#include <QElapsedTimer>

#include <algorithm>
#include <vector>

class QPushButton;

namespace bench {

// Prints one figure, "name_rows: value unit".
void print(const char* name, qint64 rows, double value, const char* unit);

// The time the timer has run, in seconds.
double seconds(const QElapsedTimer& timer);

// The real time-sliced pump, noting the longest stretch without a pump while metering.
class MeteredPump : public platform::TimeSlicedPump {
public:
    void start()
    {
        longestMs_ = 0;
        sinceLast_.start();
    }
    double stop()
    {
        note();
        return longestMs_;
    }

protected:
    void pump(Input input) override
    {
        note();
        TimeSlicedPump::pump(input);
        sinceLast_.restart();
    }

private:
    void note()
    {
        if (sinceLast_.isValid())
            longestMs_ = std::max(longestMs_, double(sinceLast_.nsecsElapsed()) / 1e6);
    }
    QElapsedTimer sinceLast_;
    double longestMs_ = 0;
};

// Hands the memory the process has freed back to the system where the C library allows.
// The allocator keeps freed memory for reuse, and glibc keeps small freed blocks apart
// until a large block is freed, when it merges them all: after millions of small blocks
// freed, that merge would fall in the time of whatever command frees a large block next.
// Memory that a cleared list releases on another thread is waited for first.
void releaseFreedMemory();

// The memory the process holds, once the memory it has freed is handed back: the resident
// size would otherwise count what a command freed, or not count what it reused, and the
// memory figures would depend on what ran before.
qint64 residentBytes();

// The most memory the process has held since the last resetPeakBytes(), in bytes.
qint64 peakBytes();

// Starts peakBytes() over from the memory the process holds now.
void resetPeakBytes();

// What one command took: its time in seconds, and the longest stretch without an event
// pump while it ran, in milliseconds.
struct CommandTime {
    double seconds;
    double gapMs;
};

// Runs one command: a button's click and the events it leaves behind.
CommandTime runCommand(MeteredPump& pump, QPushButton* button);

// Times one command and the longest stretch without an event pump while it ran.
void timeCommand(const char* name, qint64 rows, MeteredPump& pump, QPushButton* button,
                 double scale = 1, const char* unit = "s");

// The middle of the values, once sorted.
double median(std::vector<double> values);

}  // namespace bench
