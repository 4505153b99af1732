# The front door. Every target first makes sure the Debian packages are there.
BUILD ?= build
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
CMAKE_FLAGS ?=

.PHONY: deps build run test test-asan bench fuzz format clean

deps:
	@bash tools/deps.sh

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./bodger-thump

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	@cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBODGER_SANITIZE=ON -DBODGER_BENCH=OFF >/dev/null
	@cmake --build build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

bench: build
	cd $(BUILD) && ./bodger-bench

fuzz: deps
	@if ! command -v clang++ >/dev/null 2>&1; then echo "clang++ not found: skipping the fuzz targets"; exit 0; fi; \
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBODGER_FUZZ=ON >/dev/null && \
	cmake --build build-fuzz -j $(JOBS) && \
	bash tools/run-fuzz.sh build-fuzz $(FUZZ_SECONDS)

format:
	clang-format -i $$(find src tests bench fuzz tools -name '*.cpp' -o -name '*.h')

clean:
	rm -rf build build-asan build-fuzz
