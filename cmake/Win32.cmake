# Windows build (win32 or win64, by toolchain file): Quenvo.exe and the tests
# that drive real windows under Wine.
enable_language(RC)
add_compile_options(-Wall -Wextra -finput-charset=UTF-8 -fexec-charset=CP932)
# The shipped program is built small: optimised for size, each function and
# datum in a section of its own so that its link can drop what nothing uses,
# and no symbols (below). The tests are built from the same objects but keep
# their symbols.
set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG")
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
add_compile_options(-ffunction-sections -fdata-sections)
add_compile_definitions(WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600 STRICT)
set(QUENVO_WIN32_LIBS ole32 oleaut32 uuid comctl32 comdlg32 shell32 gdi32 user32 kernel32)

# Artwork: text pixel maps turned into .bmp/.ico/.cur at build time.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
file(GLOB QUENVO_ART_MAPS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/art/*.txt)
set(QUENVO_ART_DIR ${CMAKE_BINARY_DIR}/art)
add_custom_command(
  OUTPUT ${QUENVO_ART_DIR}/art.stamp
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/mkart.py ${CMAKE_SOURCE_DIR}/res/art ${QUENVO_ART_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${QUENVO_ART_DIR}/art.stamp
  DEPENDS ${QUENVO_ART_MAPS} ${CMAKE_SOURCE_DIR}/tools/mkart.py
  COMMENT "Drawing artwork")
add_custom_target(quenvo_art DEPENDS ${QUENVO_ART_DIR}/art.stamp)

# The application manifest carries the version of the version resource, its
# one source: read from the resource script whenever that changes.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/Quenvo.rc)
file(READ ${CMAKE_SOURCE_DIR}/res/Quenvo.rc QUENVO_RC_TEXT)
if(NOT QUENVO_RC_TEXT MATCHES "FILEVERSION +([0-9]+), *([0-9]+), *([0-9]+), *([0-9]+)")
  message(FATAL_ERROR "no FILEVERSION in res/Quenvo.rc")
endif()
set(QUENVO_VERSION "${CMAKE_MATCH_1}.${CMAKE_MATCH_2}.${CMAKE_MATCH_3}.${CMAKE_MATCH_4}")
set(QUENVO_MANIFEST_DIR ${CMAKE_BINARY_DIR}/manifest)
configure_file(${CMAKE_SOURCE_DIR}/res/Quenvo.manifest.in ${QUENVO_MANIFEST_DIR}/Quenvo.manifest @ONLY)

add_library(quenvo_res OBJECT res/Quenvo.rc)
add_dependencies(quenvo_res quenvo_art)
set_source_files_properties(res/Quenvo.rc PROPERTIES
  OBJECT_DEPENDS "${QUENVO_ART_DIR}/art.stamp;${QUENVO_MANIFEST_DIR}/Quenvo.manifest")
target_include_directories(quenvo_res PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/res ${QUENVO_ART_DIR}
                           ${QUENVO_MANIFEST_DIR})

add_library(quenvo_core STATIC ${QUENVO_CORE_SOURCES})
target_include_directories(quenvo_core PUBLIC ${CMAKE_SOURCE_DIR})

add_library(quenvo_framework STATIC ${QUENVO_FRAMEWORK_SOURCES})
target_include_directories(quenvo_framework PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/framework)
target_link_libraries(quenvo_framework PUBLIC ${QUENVO_WIN32_LIBS})

add_library(quenvo_program STATIC ${QUENVO_PROGRAM_SOURCES})
target_include_directories(quenvo_program PUBLIC ${CMAKE_SOURCE_DIR}/res)
target_link_libraries(quenvo_program PUBLIC quenvo_core quenvo_framework)

# Nothing in the program catches an exception, so its own code carries no
# tables for unwinding one: a failure that would throw ends the program just
# as an uncaught exception did, and the x86 program is some 50 KB smaller.
# (On x64 every function keeps the unwind data the system itself needs.)
foreach(library quenvo_core quenvo_framework quenvo_program)
  target_compile_options(${library} PRIVATE -fno-exceptions)
  if(QUENVO_WINE_ARCH STREQUAL win32)
    target_compile_options(${library} PRIVATE -fno-asynchronous-unwind-tables)
  endif()
endforeach()

add_executable(Quenvo WIN32 ${QUENVO_ENTRY_POINT} ${QUENVO_APP_OBJECT} $<TARGET_OBJECTS:quenvo_res>)
target_link_libraries(Quenvo PRIVATE quenvo_program)
# No link time in the header: the same sources give the same program bytes,
# and so the same release zips.
target_link_options(Quenvo PRIVATE -static -Wl,--no-insert-timestamp -Wl,--gc-sections -s)

# Cross-built GoogleTest; threads are not needed by our single-threaded tests.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_executable(win32_tests ${QUENVO_WIN32_TESTS} ${QUENVO_APP_OBJECT} $<TARGET_OBJECTS:quenvo_res>)
target_link_libraries(win32_tests PRIVATE quenvo_program gtest)
target_link_options(win32_tests PRIVATE -static)
# The start-up test runs the real program from the same folder.
add_dependencies(win32_tests Quenvo)
add_test(NAME win32_tests COMMAND win32_tests)

# The portable core's tests run under Wine too, against the same sources.
add_executable(core_tests ${QUENVO_CORE_TESTS})
target_link_libraries(core_tests PRIVATE quenvo_core gtest_main)
target_link_options(core_tests PRIVATE -static)
add_test(NAME core_tests COMMAND core_tests)

# Each folder holds the machine type it promises; this check needs no Wine, so
# it runs even where the target's Wine cannot.
if(QUENVO_WINE_ARCH STREQUAL win64)
  set(QUENVO_PE_FORMAT pei-x86-64)
else()
  set(QUENVO_PE_FORMAT pei-i386)
endif()
add_test(NAME exe_format COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C ${CMAKE_OBJDUMP} -f $<TARGET_FILE:Quenvo> $<TARGET_FILE:win32_tests>)
set_tests_properties(exe_format PROPERTIES
  PASS_REGULAR_EXPRESSION "Quenvo.exe: +file format ${QUENVO_PE_FORMAT}.*win32_tests.exe: +file format ${QUENVO_PE_FORMAT}")

# The start-up bench: a timer that starts a program and closes it, and the
# floor it holds the program against. Not part of the release.
add_executable(OpenCloseTimer bench/OpenCloseTimer.cpp)
target_link_libraries(OpenCloseTimer PRIVATE comctl32 user32 kernel32)
target_link_options(OpenCloseTimer PRIVATE -static)
add_executable(TabFloor WIN32 bench/TabFloor.cpp)
target_link_libraries(TabFloor PRIVATE comctl32 gdi32 user32 kernel32)
target_link_options(TabFloor PRIVATE -static)
