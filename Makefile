# make run   - build and start Quenvo.exe under Wine (virtual display when there is none)
# make test  - set-up, native core tests, Win32 build, Win32 tests under Wine
BUILD   := build
NATIVE  := $(BUILD)/native
WIN32   := $(BUILD)/win32
JOBS    ?= 2

.PHONY: all setup native win32 test test-native test-win32 run screenshot fuzz bench clean

all: win32

setup:
	@scripts/setup.sh

native: setup
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(NATIVE) -j$(JOBS)

win32: setup
	@cmake -S . -B $(WIN32) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
	@cmake --build $(WIN32) -j$(JOBS)

test-native: native
	@cd $(NATIVE) && ctest --output-on-failure

test-win32: win32
	@scripts/test-win32.sh $(WIN32)

test: test-native test-win32

run: win32
	@scripts/run.sh $(WIN32)/Quenvo.exe

screenshot: win32
	@scripts/screenshot.sh $(WIN32)/Quenvo.exe

fuzz: setup
	@scripts/fuzz.sh

bench: setup
	@scripts/bench.sh

clean:
	rm -rf $(BUILD)
