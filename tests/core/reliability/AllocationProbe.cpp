// SPDX-License-Identifier: MIT
// Replaces the global operator new and delete of this test program (the plain, array and
// nothrow forms; the aligned forms keep the library's own pair) with counting versions over
// malloc and free; the size of each block sits in a header before it.
#include "AllocationProbe.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kHeader = alignof(std::max_align_t);

std::atomic<bool> g_watching{false};
std::atomic<std::size_t> g_largest{0};
std::atomic<long long> g_current{0};
std::atomic<long long> g_peak{0};

void *Allocate(std::size_t size) {
    auto *block = static_cast<unsigned char *>(std::malloc(size + kHeader));
    if (block == nullptr)
        throw std::bad_alloc();
    *reinterpret_cast<std::size_t *>(block) = size;
    if (g_watching.load(std::memory_order_relaxed)) {
        if (size > g_largest.load())
            g_largest.store(size);
        const long long now =
            g_current.fetch_add(static_cast<long long>(size)) + static_cast<long long>(size);
        if (now > g_peak.load())
            g_peak.store(now);
    }
    return block + kHeader;
}

void Release(void *pointer) {
    if (pointer == nullptr)
        return;
    auto *block = static_cast<unsigned char *>(pointer) - kHeader;
    if (g_watching.load(std::memory_order_relaxed))
        g_current.fetch_sub(static_cast<long long>(*reinterpret_cast<std::size_t *>(block)));
    std::free(block);
}

} // namespace

void *operator new(std::size_t size) {
    return Allocate(size);
}
void *operator new[](std::size_t size) {
    return Allocate(size);
}
void *operator new(std::size_t size, const std::nothrow_t &) noexcept {
    try {
        return Allocate(size);
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}
void *operator new[](std::size_t size, const std::nothrow_t &tag) noexcept {
    return operator new(size, tag);
}
void operator delete(void *pointer, const std::nothrow_t &) noexcept {
    Release(pointer);
}
void operator delete[](void *pointer, const std::nothrow_t &) noexcept {
    Release(pointer);
}
void operator delete(void *pointer) noexcept {
    Release(pointer);
}
void operator delete[](void *pointer) noexcept {
    Release(pointer);
}
void operator delete(void *pointer, std::size_t) noexcept {
    Release(pointer);
}
void operator delete[](void *pointer, std::size_t) noexcept {
    Release(pointer);
}

namespace mensurio::test {

AllocationProbe::AllocationProbe() {
    g_largest = 0;
    g_current = 0;
    g_peak = 0;
    g_watching = true;
}

AllocationProbe::~AllocationProbe() {
    g_watching = false;
}

std::size_t AllocationProbe::LargestAllocation() const {
    return g_largest.load();
}

std::size_t AllocationProbe::PeakBytes() const {
    return static_cast<std::size_t>(g_peak.load() > 0 ? g_peak.load() : 0);
}

} // namespace mensurio::test
