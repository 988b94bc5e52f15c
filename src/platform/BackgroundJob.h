#pragma once

#include <functional>
#include <future>
#include <optional>

namespace platform {

// Runs one job at a time on Qt's thread pool, for work that may block (a slow disk): waiting
// yields to the event queue every slice, so the window keeps answering and sees a close.
class BackgroundJob {
public:
    // A job still running is waited for, without yielding: whatever it works on must not
    // go away under it. Its failure, if any, is dropped.
    ~BackgroundJob();

    // Waits for the job before (as wait() does), then starts this one.
    void start(std::function<void()> job);
    // Returns once no job runs, yielding after the first slice; rethrows what the job threw.
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
