#pragma once

#include <QThreadPool>

#include <memory>
#include <tuple>
#include <type_traits>
#include <utility>

namespace core {

// Destroys the objects, moved in, on Qt's global pool, so freeing millions of rows does not
// hold the caller; the application waits for the pool when it ends.
template <class... Garbage>
void releaseInBackground(Garbage&&... garbage)
{
    auto held =
        std::make_shared<std::tuple<std::decay_t<Garbage>...>>(std::forward<Garbage>(garbage)...);
    QThreadPool::globalInstance()->start([held = std::move(held)]() mutable { held.reset(); });
}

}  // namespace core
