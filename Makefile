# SPDX-FileCopyrightText: 2026 Orbelle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Thin wrapper over the CMake presets: `make run`, `make test`, `make check`, `make package`.
PRESET ?= dev
JOBS   ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test check clean package

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	./build/$(PRESET)/bin/Orbelle

test: build
	ctest --preset $(PRESET) -j $(JOBS)

check:
	$(MAKE) test PRESET=asan

# The Debian package of a release build: build/release/Orbelle-<version>-<arch>.deb
package:
	@scripts/install-deps.sh build package
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	cd build/release && cpack -G DEB
	lintian --pedantic --display-info --fail-on error,warning,info,pedantic build/release/Orbelle-*.deb

# libFuzzer: every target for FUZZ_SECONDS on its own working corpus in build/fuzz,
# seeded from fuzz/corpus; findings land in build/fuzz/findings/<target>/.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := fuzz_scramble fuzz_storeddate fuzz_initext
.PHONY: fuzz bench soak
fuzz:
	@scripts/install-deps.sh build fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	@set -e; for target in $(FUZZ_TARGETS); do \
	    mkdir -p build/fuzz/corpus/$$target build/fuzz/findings/$$target; \
	    cp fuzz/corpus/$$target/* build/fuzz/corpus/$$target/; \
	    echo "== $$target, $(FUZZ_SECONDS) s"; \
	    ./build/fuzz/bin/$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	        -artifact_prefix=build/fuzz/findings/$$target/ build/fuzz/corpus/$$target; \
	done

# Start-up time and peak memory against a bare Qt window (release build).
bench:
	@scripts/install-deps.sh build bench
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target orbelle_startbench orbelle_barewindow
	bench/startup.sh build/release/bin

# 500 whole tests and 500 learn walks in one process, and the start soak (copies killed
# while writing the settings, ten copies started at once): make soak [PRESET=asan]
soak: build
	ctest --preset $(PRESET) -L soak

# What a person sees: tst_byeye (part of `make test`) compares the real screens with the
# pictures in tests/app/references/. After an intended change of the look,
# `make references` rewrites the references that changed (review them in the diff);
# `make screenshots` renders the README's pictures in docs/screenshots/ the same way.
.PHONY: references screenshots
references screenshots: configure
	cmake --build --preset $(PRESET) -j $(JOBS) --target tst_byeye
	ORBELLE_BYEYE=$@ ctest --preset $(PRESET) -R '^tst_byeye$$'

# The program used by ear: the real Orca listens while tests/a11y/walk.py goes through a
# learn walk, a whole test and its report by keyboard; transcript and logs land in
# build/$(PRESET)/a11y/.
.PHONY: a11y
a11y:
	@scripts/install-deps.sh build a11y
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS) --target Orbelle orbelle_knowledge_dump
	python3 tests/a11y/walk.py build/$(PRESET)/bin/Orbelle build/$(PRESET)/bin/orbelle_knowledge_dump \
	    --out build/$(PRESET)/a11y

# Formatting as .clang-format says: `make format` rewrites the C++ files in place,
# `make format-check` (run by CI) fails on any file that would change.
CLANG_FORMAT ?= clang-format-14
FORMAT_FILES = $(shell find src tests bench fuzz tools -name '*.cpp' -o -name '*.h' | sort)
.PHONY: format format-check
format:
	@scripts/install-deps.sh format
	$(CLANG_FORMAT) -i $(FORMAT_FILES)
format-check:
	@scripts/install-deps.sh format
	$(CLANG_FORMAT) --dry-run --Werror $(FORMAT_FILES)

clean:
	rm -rf build
