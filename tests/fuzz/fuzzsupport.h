#pragma once
// Shared by the fuzz targets: a property that does not hold stops the run
// with the input that broke it, as a crash does.

#include <cstdio>
#include <cstdlib>

#define FUZZ_ASSERT(condition)                                                               \
    do {                                                                                     \
        if (!(condition)) {                                                                  \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                    \
        }                                                                                    \
    } while (false)
