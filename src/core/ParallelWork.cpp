#include "ParallelWork.h"

#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <exception>
#include <future>
#include <memory>

namespace core {

namespace {

// Not Qt's global pool, whose threads may be the callers waiting here: jobs always find one.
QThreadPool& workers()
{
    static QThreadPool pool;
    return pool;
}

}  // namespace

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
    std::vector<std::future<void>> others;
    for (qsizetype job = 1; job < jobs; ++job) {
        auto task = std::make_shared<std::packaged_task<void()>>([&work, job] { work(job); });
        others.push_back(task->get_future());
        workers().start([task] { (*task)(); });
    }
    std::exception_ptr failure;
    try {
        if (jobs > 0)
            work(0);
    } catch (...) {
        failure = std::current_exception();
    }
    for (std::future<void>& other : others) {
        try {
            other.get();
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    }
    if (failure)
        std::rethrow_exception(failure);
}

}  // namespace core
