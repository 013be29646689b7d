#pragma once

#include <atomic>
#include <cstddef>

/** Counts every heap allocation made by the calling thread while counting is on:
    operator new in all its forms and malloc, calloc, realloc, aligned allocations. */
namespace CountingAllocator
{
struct Scope
{
    Scope();
    ~Scope();
    size_t allocations() const;
};
} // namespace CountingAllocator
