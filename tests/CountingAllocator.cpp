#include "CountingAllocator.h"

#include <cerrno>
#include <cstdlib>
#include <new>

extern "C" void* __libc_malloc (size_t);
extern "C" void* __libc_calloc (size_t, size_t);
extern "C" void* __libc_realloc (void*, size_t);
extern "C" void* __libc_memalign (size_t, size_t);
extern "C" void __libc_free (void*);

namespace
{
thread_local bool counting = false;
thread_local size_t count = 0;

inline void note() noexcept
{
    if (counting)
        ++count;
}
} // namespace

// glibc lets a program replace its allocator; forwarding to the libc entry points keeps
// behaviour intact while every call passes through here.
extern "C" void* malloc (size_t n) { note(); return __libc_malloc (n); }
extern "C" void* calloc (size_t a, size_t b) { note(); return __libc_calloc (a, b); }
extern "C" void* realloc (void* p, size_t n) { note(); return __libc_realloc (p, n); }
extern "C" void* memalign (size_t a, size_t n) { note(); return __libc_memalign (a, n); }
extern "C" void* aligned_alloc (size_t a, size_t n) { note(); return __libc_memalign (a, n); }
extern "C" int posix_memalign (void** out, size_t a, size_t n)
{
    note();
    *out = __libc_memalign (a, n);
    return *out != nullptr ? 0 : ENOMEM;
}
extern "C" void free (void* p) { __libc_free (p); }

void* operator new (size_t n)
{
    note();
    if (auto* p = __libc_malloc (n == 0 ? 1 : n))
        return p;
    throw std::bad_alloc();
}
void* operator new[] (size_t n) { return operator new (n); }
void* operator new (size_t n, const std::nothrow_t&) noexcept { note(); return __libc_malloc (n == 0 ? 1 : n); }
void* operator new[] (size_t n, const std::nothrow_t&) noexcept { note(); return __libc_malloc (n == 0 ? 1 : n); }
void* operator new (size_t n, std::align_val_t a)
{
    note();
    if (auto* p = __libc_memalign ((size_t) a, n == 0 ? 1 : n))
        return p;
    throw std::bad_alloc();
}
void* operator new[] (size_t n, std::align_val_t a) { return operator new (n, a); }
void operator delete (void* p) noexcept { __libc_free (p); }
void operator delete[] (void* p) noexcept { __libc_free (p); }
void operator delete (void* p, size_t) noexcept { __libc_free (p); }
void operator delete[] (void* p, size_t) noexcept { __libc_free (p); }
void operator delete (void* p, std::align_val_t) noexcept { __libc_free (p); }
void operator delete[] (void* p, std::align_val_t) noexcept { __libc_free (p); }
void operator delete (void* p, size_t, std::align_val_t) noexcept { __libc_free (p); }
void operator delete[] (void* p, size_t, std::align_val_t) noexcept { __libc_free (p); }

namespace CountingAllocator
{
Scope::Scope()
{
    count = 0;
    counting = true;
}

Scope::~Scope() { counting = false; }

size_t Scope::allocations() const { return count; }
} // namespace CountingAllocator
