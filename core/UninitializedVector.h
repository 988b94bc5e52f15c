#pragma once

#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace core {

// An allocator whose vectors leave their new elements uninitialized, for buffers that are
// written whole right after: millions of them then cost no pass that zeroes them first,
// and their fresh pages are first touched by the threads that fill them.
template <class T>
class DefaultInitAllocator : public std::allocator<T> {
public:
    template <class U>
    struct rebind {
        using other = DefaultInitAllocator<U>;
    };

    using std::allocator<T>::allocator;

    template <class U>
    void construct(U* place) noexcept(std::is_nothrow_default_constructible_v<U>)
    {
        ::new (static_cast<void*>(place)) U;
    }
    template <class U, class... Args>
    void construct(U* place, Args&&... args)
    {
        ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
    }
};

template <class T>
using UninitializedVector = std::vector<T, DefaultInitAllocator<T>>;

}  // namespace core
