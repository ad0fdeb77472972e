// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

namespace mensurio::test {

/// Watches the program's operator new while it lives: the largest single allocation and the
/// bytes held at the peak, counted from its start. One probe at a time.
class AllocationProbe {
  public:
    AllocationProbe();
    ~AllocationProbe();
    AllocationProbe(const AllocationProbe &) = delete;
    AllocationProbe &operator=(const AllocationProbe &) = delete;

    std::size_t LargestAllocation() const;
    std::size_t PeakBytes() const;
};

} // namespace mensurio::test
