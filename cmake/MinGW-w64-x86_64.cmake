# Cross-compiles for 64-bit Windows with Debian's mingw-w64 and runs what it builds under Wine.
# The POSIX thread model of the compiler is the one whose C++ library has std::thread and
# std::mutex; the programs link their runtimes and zlib statically, so no DLL need travel with them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(NAVIK_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${NAVIK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NAVIK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${NAVIK_MINGW_TRIPLET}-windres)

# Headers and libraries come from the cross sysroot only; tools from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${NAVIK_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(ZLIB_USE_STATIC_LIBS ON)

# add_test and try_run start the .exe files through Wine.
find_program(NAVIK_WINE NAMES wine)
if(NAVIK_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${NAVIK_WINE})
endif()
