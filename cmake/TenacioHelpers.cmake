# What the sanitizer build's tests run with: leaks reported, and the
# one-time allocations of Qt and the system's libraries that live until
# the process ends left out.
set(TENACIO_ASAN_OPTIONS "detect_leaks=1")
set(TENACIO_LSAN_OPTIONS "suppressions=${CMAKE_SOURCE_DIR}/tests/leaks.supp:print_suppressions=0")

# tenacio_test_code(TARGET...): the code of the tests, their support and
# the tools is compiled without optimisation in every build. What the tests exercise, the
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

# Precompiled Qt headers. A build parses Qt's headers once per kind of
# target (Qt Core only, with Qt Widgets, with Qt Charts; each also as a
# test, with Qt Test) instead of once per source: each kind has a target
# that precompiles them, and every target of that kind reuses its header.
# GCC refuses a header made with other macros or options (-Winvalid-pch,
# an error here), so a target put in the wrong kind fails to build rather
# than building otherwise. The fuzz build, with its own options, and a
# build with TENACIO_PCH=OFF parse every header in every source.
set(TENACIO_PCH_core <QByteArray> <QCoreApplication> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QList>
    <QLocale> <QObject> <QRegularExpression> <QSet> <QString> <QStringList> <QTimer> <QVector>)
set(TENACIO_PCH_widgets ${TENACIO_PCH_core} <QApplication> <QBoxLayout> <QCheckBox> <QComboBox> <QDialog>
    <QGridLayout> <QHeaderView> <QKeyEvent> <QLabel> <QLineEdit> <QPainter> <QPushButton> <QTableWidget>
    <QToolButton> <QWidget>)
set(TENACIO_PCH_charts ${TENACIO_PCH_widgets} <QtCharts/QChart> <QtCharts/QChartView>)
set(TENACIO_PCH_core_links Qt6::Core)
set(TENACIO_PCH_widgets_links Qt6::Widgets)
set(TENACIO_PCH_charts_links Qt6::Widgets Qt6::Charts)

# tenacio_add_pch_anchors(PREFIX) makes the targets that precompile each
# kind's header in the current folder: PREFIX "" for the program's
# libraries, "test_" for the tests and "bench_" for the benchmarks (Qt
# Test's macros name the folder).
function(tenacio_add_pch_anchors prefix)
    if(NOT TENACIO_PCH OR TENACIO_FUZZ)
        return()
    endif()
    foreach(kind core widgets charts)
        set(anchor tenacio_pch_${prefix}${kind})
        add_library(${anchor} STATIC EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/cmake/pch.cpp)
        set_target_properties(${anchor} PROPERTIES AUTOMOC OFF AUTORCC OFF)
        target_link_libraries(${anchor} PRIVATE ${TENACIO_PCH_${kind}_links})
        set(headers ${TENACIO_PCH_${kind}})
        if(prefix)
            target_link_libraries(${anchor} PRIVATE Qt6::Test)
            list(APPEND headers <QTest> <QSignalSpy>)
        endif()
        # GCC takes a header only with the optimisation it was made with.
        if(prefix STREQUAL "test_")
            tenacio_test_code(${anchor})
        endif()
        target_precompile_headers(${anchor} PRIVATE ${headers})
    endforeach()
endfunction()

# The Qt modules a target links, through our own libraries.
function(tenacio_qt_modules target out)
    set(seen ${${out}})
    get_target_property(links ${target} LINK_LIBRARIES)
    get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
    foreach(link ${links} ${interface})
        if(link MATCHES "^Qt6::(.*)$")
            list(APPEND seen ${CMAKE_MATCH_1})
        elseif(TARGET ${link} AND NOT link IN_LIST seen)
            get_target_property(imported ${link} IMPORTED)
            if(NOT imported)
                list(APPEND seen ${link})
                tenacio_qt_modules(${link} seen)
            endif()
        endif()
    endforeach()
    list(REMOVE_DUPLICATES seen)
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

# tenacio_precompile(FOLDER...) gives every library and executable of the
# folders the precompiled header of its kind; targets of Qt Test outside
# tests/ and bench/ (the tools), targets without Qt and targets with
# DISABLE_PRECOMPILE_HEADERS set are left alone.
function(tenacio_precompile)
    if(NOT TENACIO_PCH OR TENACIO_FUZZ)
        return()
    endif()
    foreach(folder ${ARGN})
        get_property(targets DIRECTORY ${CMAKE_SOURCE_DIR}/${folder} PROPERTY BUILDSYSTEM_TARGETS)
        foreach(target ${targets})
            get_target_property(type ${target} TYPE)
            get_target_property(disabled ${target} DISABLE_PRECOMPILE_HEADERS)
            if(target MATCHES "^tenacio_pch_" OR NOT type MATCHES "^(STATIC_LIBRARY|EXECUTABLE)$" OR disabled)
                continue()
            endif()
            set(modules "")
            tenacio_qt_modules(${target} modules)
            if("Charts" IN_LIST modules)
                set(kind charts)
            elseif("Widgets" IN_LIST modules)
                set(kind widgets)
            elseif("Core" IN_LIST modules)
                set(kind core)
            else()
                continue()
            endif()
            if("Test" IN_LIST modules)
                if(folder STREQUAL "tests")
                    set(kind test_${kind})
                elseif(folder STREQUAL "bench")
                    set(kind bench_${kind})
                else()
                    continue()
                endif()
            endif()
            target_precompile_headers(${target} REUSE_FROM tenacio_pch_${kind})
            # An executable's moc output is included by its own source, so
            # its moc compilation unit is empty: loading the header there
            # would cost more than all the rest of it.
            if(type STREQUAL "EXECUTABLE")
                get_target_property(binaryDir ${target} BINARY_DIR)
                set_source_files_properties(${binaryDir}/${target}_autogen/mocs_compilation.cpp
                                            TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
            endif()
        endforeach()
    endforeach()
endfunction()
