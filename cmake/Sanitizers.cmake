# Optional instrumented builds: AddressSanitizer with UndefinedBehaviorSanitizer for the whole
# project, and coverage instrumentation for the libFuzzer targets of tests/fuzz (clang only).
option(HALVEX_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(HALVEX_FUZZ "Build the libFuzzer targets of tests/fuzz (clang only)" OFF)

if(HALVEX_SANITIZE)
    # Any report ends the process with an error, so a test that triggers one fails.
    set(HALVEX_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
                               -fno-omit-frame-pointer)
    add_compile_options(${HALVEX_SANITIZER_FLAGS})
    add_link_options(-fsanitize=address,undefined)
endif()

if(HALVEX_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "HALVEX_FUZZ needs clang (libFuzzer comes with it)")
    endif()
    # Every library the targets reach reports its coverage to the fuzzer.
    add_compile_options(-fsanitize=fuzzer-no-link)
    add_link_options(-fsanitize=fuzzer-no-link)
endif()
