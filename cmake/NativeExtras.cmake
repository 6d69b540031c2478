# Native-only extras for the collection file: the fuzz target replayed over
# its seed corpus as a test, and (on request) the libFuzzer build and the
# benchmark.
set(QUENVO_COLLECTION_TEST_SUPPORT
  tests/core/collection/ReferenceReader.cpp
  tests/core/collection/TreeDump.cpp
  tests/core/collection/RoundTripCheck.cpp
)
set(QUENVO_BOOKMARK_FUZZ_TARGET tests/core/collection/BookmarkFuzzTarget.cpp)
set(QUENVO_ROUND_TRIP_FUZZ_TARGET tests/core/collection/RoundTripFuzzTarget.cpp)

# A fuzz target's corpus replayed as a plain test, under the sanitizers.
function(quenvo_corpus_replay name target)
  add_executable(${name}_replay tests/core/collection/CorpusReplay.cpp ${target} ${QUENVO_COLLECTION_TEST_SUPPORT})
  target_compile_options(${name}_replay PRIVATE ${QUENVO_SANITIZE})
  target_link_options(${name}_replay PRIVATE ${QUENVO_SANITIZE})
  target_link_libraries(${name}_replay PRIVATE quenvo_core)
  add_test(NAME ${name} COMMAND ${name}_replay ${CMAKE_SOURCE_DIR}/tests/core/collection/corpus)
endfunction()
quenvo_corpus_replay(bookmark_corpus ${QUENVO_BOOKMARK_FUZZ_TARGET})
quenvo_corpus_replay(round_trip_corpus ${QUENVO_ROUND_TRIP_FUZZ_TARGET})

# scripts/fuzz.sh: configure with clang and -DQUENVO_FUZZ=ON.
option(QUENVO_FUZZ "Build the libFuzzer targets for the bookmark reader (clang)" OFF)
if(QUENVO_FUZZ)
  add_library(quenvo_core_fuzz STATIC ${QUENVO_CORE_SOURCES})
  target_include_directories(quenvo_core_fuzz PUBLIC ${CMAKE_SOURCE_DIR})
  target_compile_options(quenvo_core_fuzz PRIVATE -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_executable(bookmark_fuzz ${QUENVO_BOOKMARK_FUZZ_TARGET} ${QUENVO_COLLECTION_TEST_SUPPORT})
  target_compile_options(bookmark_fuzz PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(bookmark_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(bookmark_fuzz PRIVATE quenvo_core_fuzz)
  add_executable(round_trip_fuzz ${QUENVO_ROUND_TRIP_FUZZ_TARGET} ${QUENVO_COLLECTION_TEST_SUPPORT})
  target_compile_options(round_trip_fuzz PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(round_trip_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(round_trip_fuzz PRIVATE quenvo_core_fuzz)
endif()

# scripts/bench.sh: configure a Release build with -DQUENVO_BENCH=ON. The
# benchmark gets its own unsanitized copy of the core.
option(QUENVO_BENCH "Build the bookmark reader and writer benchmark" OFF)
if(QUENVO_BENCH)
  find_package(benchmark REQUIRED)
  add_library(quenvo_core_bench STATIC ${QUENVO_CORE_SOURCES})
  target_include_directories(quenvo_core_bench PUBLIC ${CMAKE_SOURCE_DIR})
  add_executable(bookmark_bench bench/BookmarkBench.cpp
    tests/core/collection/ReferenceReader.cpp tests/core/collection/BookmarkGenerator.cpp tests/core/collection/TreeDump.cpp)
  target_link_libraries(bookmark_bench PRIVATE quenvo_core_bench benchmark::benchmark)
endif()
