# The two commands of the project: `make test` and, once the extension exists, `make demo`.
BUILD ?= build
JOBS ?= $(shell nproc)
export WINEPREFIX := $(abspath $(BUILD))/wineprefix

.PHONY: all bootstrap configure build test demo bench clean

all: build

bootstrap:
	@scripts/bootstrap.sh

configure: bootstrap
	@cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@scripts/run-tests.sh $(BUILD)

clean:
	rm -rf $(BUILD)

demo: build
	@scripts/demo.sh $(BUILD)

bench: build
	@cmake --build $(BUILD) -j $(JOBS) --target bench_programs
	@scripts/bench.sh $(BUILD)
