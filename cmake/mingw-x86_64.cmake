# Cross toolchain: 64-bit Windows (PE32+, x86_64) with MinGW-w64 (posix threads).
set(QUENVO_MINGW_TRIPLE x86_64-w64-mingw32)
set(QUENVO_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
