# One-command wrappers around CMake. `make demo` runs the program on the
# bundled demo league; `make test` builds and runs every test.
BUILD_DIR ?= build
BUILD_TYPE ?= Release
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all build test demo asan bench windows fuzz fuzz-smoke clean

all: build

build:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# The program alone (no tests), run on a copy of the demo league, with a
# preview of the site to open in a browser.
demo:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target corvalis
	tools/demo.sh $(BUILD_DIR)/corvalis

# The tests once more with AddressSanitizer and UndefinedBehaviorSanitizer.
asan:
	$(MAKE) test BUILD_DIR=build-asan BUILD_TYPE=Debug CMAKE_FLAGS=-DCORVALIS_SANITIZE=ON

# Wall time and peak memory of whole runs on generated leagues (Release build).
bench: build
	$(BUILD_DIR)/corvalis_bench $(BUILD_DIR)/corvalis

# The Windows build: cross-compiled, its tests under Wine, and its output on
# the demo league compared with this build's (installs what it lacks).
windows: build
	JOBS=$(JOBS) tools/windows-check.sh $(BUILD_DIR)/corvalis

# The libFuzzer targets of tests/fuzz, built with clang into their own
# folder (the build above needs no clang), and a short run of each.
FUZZ_DIR ?= build-fuzz
fuzz:
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	      -DCORVALIS_FUZZ=ON -DCORVALIS_TESTS=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target corvalis_fuzzers

fuzz-smoke: fuzz
	tests/fuzz/fuzz.sh $(FUZZ_DIR) smoke

clean:
	rm -rf build build-asan build-windows build-fuzz
