// Failing check of the fuzz targets: reports what broke and aborts, which libFuzzer records as a
// crash with the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

#define FUZZ_FAIL(message)                                                                         \
    do {                                                                                           \
        std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, message);                          \
        std::abort();                                                                              \
    } while (false)
