# Thin wrapper over the CMake presets: `make run`, `make test`, `make check`.
PRESET ?= dev
JOBS   ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test check clean

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

clean:
	rm -rf build
