# Thin wrapper over the CMake presets; see README.md.
.PHONY: all deps build run test test-asan bench clean

JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)

run: build
	@scripts/run.sh build/default/poronka

test: build
	@ctest --preset default -j $(JOBS)

test-asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	@ctest --preset asan -j $(JOBS)

bench: build
	@bench/run_all.sh build/default

clean:
	rm -rf build
