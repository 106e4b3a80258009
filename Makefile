# The two commands of the README: `make run` and `make test`. Each sets up what it needs.
MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BUILD := build
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=Release

.PHONY: all deps build native win64 win32 test run fuzz bench clean

all: build

deps:
	@scripts/deps.sh

build: deps native win64 win32

native:
	@cmake -S . -B $(BUILD)/native $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(BUILD)/native -j $(JOBS)

win64:
	@cmake -S . -B $(BUILD)/win64 $(CMAKE_FLAGS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake >/dev/null
	@cmake --build $(BUILD)/win64 -j $(JOBS)

win32:
	@cmake -S . -B $(BUILD)/win32 $(CMAKE_FLAGS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
	@cmake --build $(BUILD)/win32 -j $(JOBS)

test: build
	@scripts/test.sh

run: deps win64
	@scripts/run.sh

# Optimised, without sanitizers, in a folder of its own.
bench: deps
	@cmake -S . -B $(BUILD)/bench -DCMAKE_BUILD_TYPE=Release -DVX_BUILD_TESTS=OFF -DVX_BUILD_BENCH=ON -DVX_NO_SANITIZERS=ON >/dev/null
	@cmake --build $(BUILD)/bench -j $(JOBS) --target vx_refresh_bench
	@$(BUILD)/bench/bin/vx_refresh_bench
	@$(MAKE) win64
	@bench/idle_cpu.sh

fuzz: deps
	@scripts/fuzz.sh $${VX_FUZZ_SECONDS:-120}

clean:
	rm -rf $(BUILD)
