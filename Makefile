# Thin wrapper over the CMake presets; see README.md.
.PHONY: all build run test test-asan soak bench package format check-format assets check-assets clean

JOBS ?= $(shell nproc)
N ?= 1000000
SEED ?=
# More arguments for ctest, e.g. CTEST_ARGS='-R test_problems' or '-LE long'.
CTEST_ARGS ?=
MAKEFLAGS += --no-print-directory
# Under sudo only installing packages needs root: the rest runs as the user
# who called it, on their display.
AS_CALLER := scripts/as-caller.sh

all: build

# Each target installs only the Debian packages it needs (scripts/install-deps.sh).
build:
	@scripts/install-deps.sh build
	@$(AS_CALLER) cmake --preset default >/dev/null
	@$(AS_CALLER) cmake --build --preset default -j $(JOBS)

run:
	@scripts/install-deps.sh build run
	@echo "Building the program only (make test builds the tests and benchmarks too)."
	@$(AS_CALLER) cmake --preset default >/dev/null
	@$(AS_CALLER) cmake --build --preset default -j $(JOBS) --target poronka
	@$(AS_CALLER) scripts/run.sh build/default/poronka

# The test targets want every tool the tests use: a missing one stops the
# configure instead of leaving its tests out.
test:
	@scripts/install-deps.sh build test desktops
	@$(AS_CALLER) cmake --preset default -DPORONKA_TEST_TOOLS_REQUIRED=ON >/dev/null
	@$(AS_CALLER) cmake --build --preset default -j $(JOBS)
	@$(AS_CALLER) ctest --preset default -j $(JOBS) $(CTEST_ARGS)

test-asan:
	@scripts/install-deps.sh build test desktops
	@$(AS_CALLER) cmake --preset asan -DPORONKA_TEST_TOOLS_REQUIRED=ON >/dev/null
	@$(AS_CALLER) cmake --build --preset asan -j $(JOBS)
	@$(AS_CALLER) ctest --preset asan -j $(JOBS) $(CTEST_ARGS)

# Random events from a child, N of them (the seed is printed; SEED=... replays).
soak: build
	@$(AS_CALLER) env QT_QPA_PLATFORM=offscreen:configfile=$(CURDIR)/tests/offscreen.json \
		build/default/tests/soak/soak $(N) $(SEED)

bench: build
	@scripts/install-deps.sh test
	@$(AS_CALLER) bench/run_all.sh build/default

# The Debian package, from the program alone: build/default/poronka_<version>_<arch>.deb
package:
	@scripts/install-deps.sh build run package
	@$(AS_CALLER) cmake --preset default >/dev/null
	@$(AS_CALLER) cmake --build --preset default -j $(JOBS) --target poronka
	@$(AS_CALLER) cpack --config build/default/CPackConfig.cmake -B build/default

# Every C++ file laid out by .clang-format; check-format only names those
# that are off (CI runs it).
format:
	@scripts/install-deps.sh format
	@$(AS_CALLER) scripts/check-format.sh --fix

check-format:
	@scripts/install-deps.sh format
	@$(AS_CALLER) scripts/check-format.sh

# Every generated file of assets/ made again from the sources in the
# repository (the drawings, tools/photos/, Debian's fonts); check-assets makes
# them in a temporary folder and compares them with the committed ones.
assets:
	@scripts/install-deps.sh assets
	@$(AS_CALLER) scripts/make-assets.sh

check-assets:
	@scripts/install-deps.sh assets
	@$(AS_CALLER) scripts/check-assets.sh

clean:
	rm -rf build
