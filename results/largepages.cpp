#include "results/largepages.h"

#include <cstdint>
#if defined(Q_OS_LINUX)
#include <sys/mman.h>
// Linux 6.1 and later; the C library's headers may not name it yet. Older kernels refuse it.
#if !defined(MADV_COLLAPSE)
#define MADV_COLLAPSE 25
#endif
#endif

namespace {
constexpr std::size_t LargePage = 2u << 20;

std::size_t roundedUp(std::size_t bytes)
{
    return (bytes + LargePage - 1) / LargePage * LargePage;
}

void cleanUp(void *info)
{
    // The size travels with the pointer: the picture's own byte count is gone by then.
    auto *block = static_cast<std::size_t *>(info);
    LargePages::release(block, block[0]);
}
} // namespace

namespace LargePages {
void *allocate(std::size_t bytes)
{
#if defined(Q_OS_LINUX)
    if (bytes >= Threshold) {
        // Mapped with a large page's worth to spare, and trimmed to a large page's boundary.
        const std::size_t size = roundedUp(bytes);
        void *mapped = mmap(nullptr, size + LargePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (mapped == MAP_FAILED)
            throw std::bad_alloc();
        const auto at = reinterpret_cast<std::uintptr_t>(mapped);
        const auto aligned = (at + LargePage - 1) / LargePage * LargePage;
        if (aligned > at)
            munmap(mapped, aligned - at);
        if (const std::size_t tail = LargePage - (aligned - at))
            munmap(reinterpret_cast<void *>(aligned + size), tail);
        madvise(reinterpret_cast<void *>(aligned), size, MADV_HUGEPAGE);
        return reinterpret_cast<void *>(aligned);
    }
#endif
    return ::operator new(bytes);
}

void release(void *p, std::size_t bytes) noexcept
{
#if defined(Q_OS_LINUX)
    if (bytes >= Threshold) {
        munmap(p, roundedUp(bytes));
        return;
    }
#endif
    ::operator delete(p);
}

void advise(const void *p, std::size_t bytes)
{
#if defined(Q_OS_LINUX)
    const auto from = (reinterpret_cast<std::uintptr_t>(p) + LargePage - 1) / LargePage * LargePage;
    const auto to = (reinterpret_cast<std::uintptr_t>(p) + bytes) / LargePage * LargePage;
    if (to <= from)
        return;
    auto *start = reinterpret_cast<void *>(from);
    madvise(start, to - from, MADV_HUGEPAGE);
    // Pages already in use are otherwise gathered only when the system gets round to it, seconds on.
    madvise(start, to - from, MADV_COLLAPSE);
#else
    Q_UNUSED(p);
    Q_UNUSED(bytes);
#endif
}

QImage image(int width, int height, QImage::Format format)
{
    const qsizetype bytesPerLine = (qsizetype(width) * QImage::toPixelFormat(format).bitsPerPixel() + 31) / 32 * 4;
    const std::size_t bytes = std::size_t(bytesPerLine) * std::size_t(qMax(height, 0));
    if (width <= 0 || height <= 0 || bytes < Threshold)
        return QImage(width, height, format);
    // The first 64 bytes hold the block's size, and keep the pixels aligned as QImage's own are.
    constexpr std::size_t Header = 64;
    auto *block = static_cast<std::size_t *>(allocate(Header + bytes));
    block[0] = Header + bytes;
    return QImage(reinterpret_cast<uchar *>(block) + Header, width, height, bytesPerLine, format, cleanUp, block);
}
} // namespace LargePages
