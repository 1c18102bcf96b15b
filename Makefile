# Thin wrapper over the CMake presets; see README.md.
.PHONY: all deps build run test test-asan soak bench clean

JOBS ?= $(shell nproc)
N ?= 1000000
SEED ?=
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

# Random events from a child, N of them (the seed is printed; SEED=... replays).
soak: build
	@QT_QPA_PLATFORM=offscreen:configfile=$(CURDIR)/tests/offscreen.json \
		build/default/tests/soak/soak $(N) $(SEED)

bench: build
	@bench/run_all.sh build/default

clean:
	rm -rf build
