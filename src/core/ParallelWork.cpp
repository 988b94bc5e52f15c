#include "ParallelWork.h"

#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <exception>
#include <future>
#include <memory>
#include <vector>

namespace core {

namespace {

constexpr qsizetype kShortestStretch = 1 << 16;

// Not Qt's global pool, whose threads may be the callers waiting here: stretches always find one.
QThreadPool& workers()
{
    static QThreadPool pool;
    return pool;
}

}  // namespace

qsizetype stretchCount(qsizetype count)
{
    return std::clamp<qsizetype>(count / kShortestStretch, 1,
                                 std::max(QThread::idealThreadCount(), 1));
}

void forEachStretch(
    qsizetype count,
    const std::function<void(qsizetype stretch, qsizetype begin, qsizetype end)>& work)
{
    const qsizetype parts = stretchCount(count);
    const auto stretch = [&](qsizetype part) {
        work(part, count * part / parts, count * (part + 1) / parts);
    };
    std::vector<std::future<void>> others;
    for (qsizetype part = 1; part < parts; ++part) {
        auto task =
            std::make_shared<std::packaged_task<void()>>([&stretch, part] { stretch(part); });
        others.push_back(task->get_future());
        workers().start([task] { (*task)(); });
    }
    std::exception_ptr failure;
    try {
        stretch(0);
    } catch (...) {
        failure = std::current_exception();
    }
    for (std::future<void>& other : others)
        other.wait();
    if (failure)
        std::rethrow_exception(failure);
    for (std::future<void>& other : others)
        other.get();
}

}  // namespace core
