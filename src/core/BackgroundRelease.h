#pragma once

#include <QThreadPool>

#include <memory>
#include <tuple>
#include <type_traits>
#include <utility>

namespace core {

// Destroys the given objects on a thread of Qt's global pool, so that handing the memory of
// millions of rows back to the system does not hold the caller's thread: that takes tens of
// milliseconds for ten million rows. The objects are moved in; the caller keeps nothing of
// them. The application waits for the pool's work when it ends.
template <class... Garbage>
void releaseInBackground(Garbage&&... garbage)
{
    auto held =
        std::make_shared<std::tuple<std::decay_t<Garbage>...>>(std::forward<Garbage>(garbage)...);
    QThreadPool::globalInstance()->start([held = std::move(held)]() mutable { held.reset(); });
}

}  // namespace core
