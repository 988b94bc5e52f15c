#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

namespace results_list {

// Merges waiting rows when the event loop runs and the last merge is a frame, or eight times
// its cost, ago: a long run costs the view few layouts, and merging at most a ninth of the time.
class MergeSchedule {
public:
    explicit MergeSchedule(std::function<void()> merge);

    void request();
    // Merges now and puts the next merge off by its cost.
    void mergeNow();
    void cancel() { timer_.stop(); }

private:
    std::function<void()> merge_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 nextDueMs_ = 0;
};

}  // namespace results_list
