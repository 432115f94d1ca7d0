# What the sanitizer build's tests run with: leaks reported, and the
# one-time allocations of Qt and the system's libraries that live until
# the process ends left out.
set(TENACIO_ASAN_OPTIONS "detect_leaks=1")
set(TENACIO_LSAN_OPTIONS "suppressions=${CMAKE_SOURCE_DIR}/tests/leaks.supp:print_suppressions=0")

# tenacio_test_code(TARGET...): the code of tests and tools is compiled
# without optimisation in every build. What the tests exercise, the
# program's libraries, keeps the build's own flags; a test's own source at
# -O2 takes twice as long to compile and runs no faster that matters.
function(tenacio_test_code)
    foreach(target ${ARGN})
        target_compile_options(${target} PRIVATE -O0)
    endforeach()
endfunction()

# tenacio_add_test(NAME name SOURCES ... LIBS ...)
# Builds a Qt Test executable and registers it with CTest under the
# offscreen platform, so the tests run without a display. In the sanitizer
# build, memory that is never freed fails the test (LeakSanitizer).
function(tenacio_add_test)
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    tenacio_test_code(${T_NAME})
    target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBS})
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=${TENACIO_ASAN_OPTIONS};UBSAN_OPTIONS=print_stacktrace=1;LSAN_OPTIONS=${TENACIO_LSAN_OPTIONS}"
        TIMEOUT 300)
endfunction()
