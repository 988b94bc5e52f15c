#pragma once

#include <QTimer>

#include <functional>

namespace results_list {

// Merges waiting rows when the event loop runs, one interval after the first of them came: a
// frame, or eight times the last merge's cost up to a quarter of a second. A long run costs
// the view few layouts, and merges costing under 31 ms take at most a ninth of its time.
class MergeSchedule {
public:
    explicit MergeSchedule(std::function<void()> merge);

    void request();
    // Merges now; rows that come next wait the interval this merge's cost sets.
    void mergeNow();
    void cancel() { timer_.stop(); }

private:
    std::function<void()> merge_;
    QTimer timer_;
    qint64 intervalMs_;
};

}  // namespace results_list
