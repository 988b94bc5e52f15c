#include "ParallelWork.h"

#include <QThread>

#include <algorithm>
#include <exception>
#include <memory>

namespace core {

std::vector<ItemRange> rangesForCores(qsizetype count, qsizetype shortest)
{
    const qsizetype parts = std::clamp<qsizetype>(count / std::max<qsizetype>(shortest, 1), 1,
                                                  std::max(QThread::idealThreadCount(), 1));
    std::vector<ItemRange> ranges;
    for (qsizetype part = 0; part < parts; ++part)
        ranges.push_back({count * part / parts, count * (part + 1) / parts});
    return ranges;
}

void runTogether(qsizetype jobs, const std::function<void(qsizetype job)>& work)
{
    std::vector<std::exception_ptr> failures(std::size_t(std::max<qsizetype>(jobs, 0)));
    const auto runJob = [&](qsizetype job) {
        try {
            work(job);
        } catch (...) {
            failures[std::size_t(job)] = std::current_exception();
        }
    };
    std::vector<std::unique_ptr<QThread>> threads;
    for (qsizetype job = 1; job < jobs; ++job) {
        threads.emplace_back(QThread::create(runJob, job));
        threads.back()->start();
    }
    if (jobs > 0)
        runJob(0);
    for (const auto& thread : threads)
        thread->wait();
    for (const std::exception_ptr& failure : failures) {
        if (failure)
            std::rethrow_exception(failure);
    }
}

}  // namespace core
