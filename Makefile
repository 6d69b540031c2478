# make run   - build and start Quenvo.exe under Wine (virtual display when there is none)
# make test  - set-up, native core tests, both Windows builds, the release zips' check, their
#              tests under every Wine this host runs (QUENVO_WINE64_ONLY=1: as on a host
#              without i386 support)
# make dist  - both Windows builds packed as dist/Quenvo-<version>-x86.zip and -x64.zip
BUILD   := build
NATIVE  := $(BUILD)/native
JOBS    ?= 2

.PHONY: all setup setup-native native win32 win64 dist test test-native test-dist test-wine run screenshot fuzz bench bench-startup bench-organizer clean

all: win32 win64

setup:
	@scripts/setup.sh

setup-native:
	@scripts/setup.sh native

native: setup-native
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(NATIVE) -j$(JOBS)

# One Windows target: build/win32 (i686, PE32) or build/win64 (x86_64, PE32+).
win32 win64: setup
	@cmake -S . -B $(BUILD)/$@ -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$(if $(filter win32,$@),i686,x86_64).cmake >/dev/null
	@cmake --build $(BUILD)/$@ -j$(JOBS)

# The version in the names comes from the version resource (res/Quenvo.rc).
dist: win32 win64
	@python3 scripts/dist.py $(BUILD) dist

test-native: native
	@cd $(NATIVE) && ctest --output-on-failure

test-wine: win32 win64
	@scripts/test-wine.sh $(BUILD)/win32 $(BUILD)/win64

# Packs the builds that the Wine tests use into a scratch folder; dist/ is left alone.
test-dist: win32 win64
	@python3 tests/scripts/dist_test.py $(BUILD)

# The Wine tests come last: their summary is the last line.
test: test-native test-dist test-wine

run: setup
	@arch=$$(scripts/wine-arch.sh) && echo "run: the $$arch program" && \
	  $(MAKE) --no-print-directory $$arch && scripts/run.sh $(BUILD)/$$arch/Quenvo.exe

screenshot: setup
	@arch=$$(scripts/wine-arch.sh) && echo "screenshot: the $$arch program" && \
	  $(MAKE) --no-print-directory $$arch && scripts/screenshot.sh $(BUILD)/$$arch/Quenvo.exe

fuzz: setup-native
	@scripts/fuzz.sh

bench: setup-native
	@scripts/bench.sh

# Start-up and close with 1 and 256 saved tabs beside the floor's, headless under Wine,
# for each target this host runs.
bench-startup: setup
	@scripts/startup-bench.sh

# The collection organizer's open time over 1,500 and 15,000 entries, under Wine.
bench-organizer: setup
	@scripts/organizer-bench.sh

clean:
	rm -rf $(BUILD) dist
