#pragma once

#include <functional>
#include <future>
#include <optional>

namespace platform {

// Runs one job at a time on a thread of Qt's pool, for work that may block for long (a file
// going to a slow disk) and must not hold the window. The caller goes on with its own work
// and waits for the job only when it needs it done; while it waits, the event queue is
// yielded to every slice, so the window stays responsive and a close is seen.
class BackgroundJob {
public:
    BackgroundJob() = default;
    BackgroundJob(const BackgroundJob&) = delete;
    BackgroundJob& operator=(const BackgroundJob&) = delete;
    // A job still running is waited for, without yielding: whatever it works on must not
    // go away under it. Its failure, if any, is dropped.
    ~BackgroundJob();

    // Waits for the job before (as wait() does), then starts this one.
    void start(std::function<void()> job);
    // Returns once no job runs, yielding while one does; rethrows what the job threw.
    // Nothing is yielded to when the job is done within the first slice.
    void wait();

private:
    std::future<void> done_;
};

// What `work` gives, worked out beside the caller while the caller waits yielding.
template <class Work>
auto workedOutBeside(Work work) -> decltype(work())
{
    std::optional<decltype(work())> result;
    BackgroundJob job;
    job.start([&] { result.emplace(work()); });
    job.wait();
    return std::move(*result);
}

}  // namespace platform
