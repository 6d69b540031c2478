# Cross toolchain: 32-bit Windows (PE32, i686) with MinGW-w64 (posix threads).
set(QUENVO_MINGW_TRIPLE i686-w64-mingw32)
set(QUENVO_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
