#include "BackgroundJob.h"

#include "Services.h"
#include "TimeSlicedPump.h"

#include <QThreadPool>

#include <chrono>
#include <memory>
#include <utility>

namespace platform {

BackgroundJob::~BackgroundJob()
{
    if (done_.valid())
        done_.wait();
}

void BackgroundJob::start(std::function<void()> job)
{
    wait();
    auto task = std::make_shared<std::packaged_task<void()>>(std::move(job));
    done_ = task->get_future();
    QThreadPool::globalInstance()->start([task] { (*task)(); });
}

void BackgroundJob::wait()
{
    if (!done_.valid())
        return;
    const std::chrono::milliseconds slice(TimeSlicedPump::kSliceMs);
    while (done_.wait_for(slice) != std::future_status::ready)
        yieldEvents();
    std::exchange(done_, {}).get();
}

}  // namespace platform
