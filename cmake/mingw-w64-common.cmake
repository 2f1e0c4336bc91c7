# What the two Windows cross builds share; cmake/mingw-w64-x86_64.cmake and
# cmake/mingw-w64-i686.cmake set the processor, INVOLUTE_MINGW_TRIPLET and
# INVOLUTE_MINGW_ARCHITECTURE_FLAGS, then include this. Debian's mingw-w64 GCC, the variant on POSIX threads
# (std::thread and friends work; win32 threads lack them). Programs and tests
# run here under wine through cmake/wine-run.sh, which keeps its wine prefix
# inside the build folder.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${INVOLUTE_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${INVOLUTE_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${INVOLUTE_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${INVOLUTE_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Windows 7 SP1 is the oldest system the program runs on: the headers then
# declare nothing newer, and what is newer is looked up at run time
# (ui/win32/dpi_functions.h). The import gate (tests/windows/imports_test.sh)
# checks the result.
set(involute_windows_version "-DWINVER=0x0601 -D_WIN32_WINNT=0x0601")
set(CMAKE_C_FLAGS_INIT "${INVOLUTE_MINGW_ARCHITECTURE_FLAGS} ${involute_windows_version}")
set(CMAKE_CXX_FLAGS_INIT "${INVOLUTE_MINGW_ARCHITECTURE_FLAGS} ${involute_windows_version}")
set(CMAKE_RC_FLAGS_INIT "${involute_windows_version}")

# One involute.exe that runs on a bare Windows: the C++ runtime, libgcc and
# winpthread linked in, only system DLLs left to load.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Wine as Windows 7 in a Chinese locale when the build asks for it (the
# windows-i686 preset does; cmake/wine-environment.sh reads the settings).
# INVOLUTE_WINE_ENVIRONMENT goes before every wine runner.
set(INVOLUTE_WINE_WINDOWS_VERSION "" CACHE STRING "Windows version wine reports in the tests (e.g. win7)")
set(INVOLUTE_WINE_LOCALE "" CACHE STRING "Unix locale the tests run wine in (e.g. zh_CN.UTF-8)")
set(INVOLUTE_WINE_ENVIRONMENT env)
foreach(setting INVOLUTE_WINE_WINDOWS_VERSION INVOLUTE_WINE_LOCALE)
    if(${setting})
        list(APPEND INVOLUTE_WINE_ENVIRONMENT "${setting}=${${setting}}")
    endif()
endforeach()
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${INVOLUTE_WINE_ENVIRONMENT} "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh" "${CMAKE_BINARY_DIR}/wine-prefix")
