#include "BackgroundJob.h"

#include "Services.h"
#include "TimeSlicedPump.h"

#include <QDeadlineTimer>

#include <utility>

namespace platform {

BackgroundJob::~BackgroundJob()
{
    if (thread_)
        thread_->wait();
}

void BackgroundJob::start(std::function<void()> job)
{
    wait();
    thread_.reset(QThread::create([this, job = std::move(job)] {
        try {
            job();
        } catch (...) {
            failure_ = std::current_exception();
        }
    }));
    thread_->start();
}

void BackgroundJob::wait()
{
    if (!thread_)
        return;
    while (!thread_->wait(QDeadlineTimer(TimeSlicedPump::kSliceMs)))
        yieldEvents();
    thread_.reset();
    if (failure_)
        std::rethrow_exception(std::exchange(failure_, nullptr));
}

}  // namespace platform
