#include "MergeSchedule.h"

#include <QElapsedTimer>

#include <algorithm>
#include <utility>

namespace results_list {

namespace {

constexpr qint64 kMinIntervalMs = 16;
constexpr qint64 kMaxIntervalMs = 250;  // rows show within a quarter of a second
constexpr qint64 kCostFactor = 8;

}  // namespace

MergeSchedule::MergeSchedule(std::function<void()> merge)
    : merge_(std::move(merge)), intervalMs_(kMinIntervalMs)
{
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] { mergeNow(); });
}

void MergeSchedule::request()
{
    if (!timer_.isActive())
        timer_.start(int(intervalMs_));
}

void MergeSchedule::mergeNow()
{
    timer_.stop();
    QElapsedTimer cost;
    cost.start();
    merge_();
    intervalMs_ = std::clamp(kCostFactor * cost.elapsed(), kMinIntervalMs, kMaxIntervalMs);
}

}  // namespace results_list
