# Native (Linux) build: the portable core and its tests, under ASan and UBSan.
set(QUENVO_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
add_compile_options(-Wall -Wextra)

add_library(quenvo_core STATIC ${QUENVO_CORE_SOURCES})
target_include_directories(quenvo_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(quenvo_core PRIVATE ${QUENVO_SANITIZE})

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_executable(core_tests ${QUENVO_CORE_TESTS})
# Tests may spell Japanese texts directly; they become Shift-JIS bytes like the program's.
target_compile_options(core_tests PRIVATE ${QUENVO_SANITIZE} -finput-charset=UTF-8 -fexec-charset=CP932)
target_link_options(core_tests PRIVATE ${QUENVO_SANITIZE})
target_link_libraries(core_tests PRIVATE quenvo_core gtest_main)
add_test(NAME core_tests COMMAND core_tests)

# The scripts' Wine detection, with stand-in loaders.
add_test(NAME wine_detect COMMAND bash ${CMAKE_SOURCE_DIR}/tests/scripts/wine_detect_test.sh)

# The layers of the source tree: no include upward, no include circle.
add_test(NAME include_graph COMMAND python3 ${CMAKE_SOURCE_DIR}/tools/check_includes.py)

include(cmake/NativeExtras.cmake OPTIONAL)
