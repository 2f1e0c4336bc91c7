# Cross build for 32-bit Windows (Debian's g++-mingw-w64-i686-posix).
# Arithmetic in SSE2 registers, never on the x87 stack: x87 rounds to 64-bit
# mantissas between operations, and the printed digits would differ from
# those of Linux. Every processor that runs Windows 7 SP1 has SSE2.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(INVOLUTE_MINGW_TRIPLET i686-w64-mingw32)
set(INVOLUTE_MINGW_ARCHITECTURE_FLAGS "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
