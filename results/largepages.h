#pragma once

#include <QImage>
#include <cstddef>
#include <new>

// Memory that a 20-a-second animation touches all over after sleeping in between, kept in the
// processor's large pages where the system allows. In small pages, every row of a picture is a
// page of its own, and after 50 ms asleep each page costs a walk of the page tables (in a virtual
// machine, of two sets of them): the walks then cost several times what the copies and lookups do.
namespace LargePages {
// At least this much before large pages are worth their rounding up.
constexpr std::size_t Threshold = 256u << 10;

void *allocate(std::size_t bytes);
void release(void *p, std::size_t bytes) noexcept;

// Asks for the pages wholly inside [p, p + bytes) of memory allocated elsewhere to be gathered into
// large ones, now where the system can; harmless where it cannot.
void advise(const void *p, std::size_t bytes);

// A picture whose pixels lie in large pages.
QImage image(int width, int height, QImage::Format format);

template <class T> struct Allocator {
    using value_type = T;
    Allocator() = default;
    template <class U> Allocator(const Allocator<U> &) noexcept {}
    T *allocate(std::size_t n)
    {
        if (n > std::size_t(-1) / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T *>(LargePages::allocate(n * sizeof(T)));
    }
    void deallocate(T *p, std::size_t n) noexcept { LargePages::release(p, n * sizeof(T)); }
    template <class U> bool operator==(const Allocator<U> &) const noexcept { return true; }
    template <class U> bool operator!=(const Allocator<U> &) const noexcept { return false; }
};
} // namespace LargePages
