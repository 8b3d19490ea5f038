# Shared compile settings for every Navik target.

if(NAVIK_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

function(navik_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        # GCC 12 reports bounds and overread "errors" inside inlined std::vector insertions
        # at -O2 and above that are not there (known false positives); the sanitizer and
        # fuzz builds check the real bounds at run time.
        target_compile_options(${target} PRIVATE -Wno-array-bounds -Wno-stringop-overread -Wno-stringop-overflow)
    endif()
    if(NAVIK_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# The user interface keeps its texts as byte strings in Windows-1250, as the
# data files hold them. Sources stay UTF-8; the compiler stores narrow literals
# in Windows-1250, so "Učení" in the source is the same bytes as in the files.
function(navik_ansi_literals target)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${target} PRIVATE -fexec-charset=CP1250)
    else()
        message(FATAL_ERROR "${target} needs GCC's -fexec-charset=CP1250 for its Czech literals")
    endif()
endfunction()

if(CMAKE_CROSSCOMPILING_EMULATOR)
    # Cross-built test programs run under Wine, in a prefix of the build folder's own.
    set(NAVIK_WINE_ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;WINEDEBUG=-all")
endif()

# A GoogleTest executable registered with CTest under a label.
function(navik_test name label)
    add_executable(${name} ${ARGN})
    if(label STREQUAL "gui")
        # GUI tests bring up a QApplication before GoogleTest runs.
        target_link_libraries(${name} PRIVATE GTest::gtest navik_gui_test_main)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
    endif()
    navik_warnings(${name})
    add_test(NAME ${name} COMMAND ${name})
    # A test that hangs fails after five minutes instead of stalling the whole run.
    set_tests_properties(${name} PROPERTIES LABELS ${label} TIMEOUT 300)
    if(label STREQUAL "gui")
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endif()
    if(CMAKE_CROSSCOMPILING_EMULATOR)
        # Wine's services are up before the first test starts (tests/CMakeLists.txt).
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${NAVIK_WINE_ENVIRONMENT}" FIXTURES_REQUIRED wine)
    endif()
endfunction()
