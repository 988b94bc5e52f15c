#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

namespace results_list {

// When rows waiting to join a list are merged: once the event loop next runs and the last
// merge is long enough ago (a screen frame, or four times what the last merge cost), so
// that a run adding tens of thousands of rows costs the view a few dozen layouts rather
// than one per row, and merging never takes more than a fifth of the time.
class MergeSchedule {
public:
    explicit MergeSchedule(std::function<void()> merge);

    // Asks for a merge, unless one is already due.
    void request();
    // Merges now, timing it, and puts the next merge off accordingly.
    void mergeNow();
    void cancel() { timer_.stop(); }

private:
    std::function<void()> merge_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 nextDueMs_ = 0;
};

}  // namespace results_list
