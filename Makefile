# The commands of the project: `make test`, `make demo`, `make package`, `make bench` and `make fuzz`.
BUILD ?= build
JOBS ?= $(shell nproc)
export WINEPREFIX := $(abspath $(BUILD))/wineprefix

.PHONY: all bootstrap configure build test demo package bench fuzz clean

all: build

bootstrap:
	@scripts/bootstrap.sh

# The build speaks only when it fails: its output goes to a log that is shown then. The toolchain is
# named on the first configure only; the cache keeps it.
BUILD_LOG = $(BUILD)/build.log
TOOLCHAIN = $(if $(wildcard $(BUILD)/CMakeCache.txt),,-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake)
quietly = >$(BUILD_LOG) 2>&1 || { cat $(BUILD_LOG); echo "build failed (log: $(BUILD_LOG))"; exit 1; }

configure: bootstrap
	@mkdir -p $(BUILD)
	@cmake -S . -B $(BUILD) $(TOOLCHAIN) -DCMAKE_BUILD_TYPE=Release $(quietly)

build: configure
	@echo "building in $(BUILD) (log: $(BUILD_LOG))"
	@cmake --build $(BUILD) -j $(JOBS) $(quietly)

test: build
	@scripts/run-tests.sh $(BUILD)

clean:
	rm -rf $(BUILD)

demo: build
	@scripts/demo.sh $(BUILD)

package: configure
	@cmake --build $(BUILD) -j $(JOBS) --target brivane_msi
	@ls $(BUILD)/package/Brivane-*-x64.msi

bench: build
	@cmake --build $(BUILD) -j $(JOBS) --target bench_programs
	@scripts/bench.sh $(BUILD)

# Every fuzz target for FUZZ_SECONDS each; built natively in $(BUILD)/fuzz.
FUZZ_SECONDS ?= 60
fuzz: configure
	@echo "building the fuzz targets in $(BUILD)/fuzz (log: $(BUILD_LOG))"
	@cmake --build $(BUILD) --target fuzz_targets $(quietly)
	@scripts/fuzz.sh run $(BUILD)/fuzz $(FUZZ_SECONDS)
