#include "MergeSchedule.h"

#include <algorithm>
#include <utility>

namespace results_list {

namespace {

constexpr qint64 kMinIntervalMs = 16;
constexpr qint64 kCostFactor = 8;

}  // namespace

MergeSchedule::MergeSchedule(std::function<void()> merge) : merge_(std::move(merge))
{
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] { mergeNow(); });
    clock_.start();
}

void MergeSchedule::request()
{
    if (!timer_.isActive())
        timer_.start(int(std::max<qint64>(0, nextDueMs_ - clock_.elapsed())));
}

void MergeSchedule::mergeNow()
{
    timer_.stop();
    QElapsedTimer cost;
    cost.start();
    merge_();
    nextDueMs_ = clock_.elapsed() + std::max(kMinIntervalMs, kCostFactor * cost.elapsed());
}

}  // namespace results_list
