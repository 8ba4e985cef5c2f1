# The README's commands. Each installs what the machine lacks and builds what is out of date.
JOBS := $(shell nproc)
NATIVE := build/native
WINDOWS := build/windows

.PHONY: deps native windows build test run bench

deps:
	@scripts/install-deps

native: deps
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(NATIVE) -j$(JOBS)

windows: deps
	@cmake -S . -B $(WINDOWS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -Wno-dev >/dev/null
	@cmake --build $(WINDOWS) -j$(JOBS)

build: native windows

# Native tests on the fakes, then the Windows build under Wine.
test: build
	cd $(NATIVE) && ctest --output-on-failure -j$(JOBS)
	cd $(WINDOWS) && ctest --output-on-failure

run: build
	@scripts/run

bench: build
	@scripts/bench
