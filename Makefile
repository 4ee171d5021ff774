# Talvik软件安装路径修改器 — build and test entry points. See README.md.
#   make run    install what is missing, build, start the program under Wine
#   make test   install what is missing, build every tree, run every test
#   make bench  benchmarks (native, built with the program's own flags)
#   make fuzz   libFuzzer targets (FUZZ_SECONDS each)
SHELL := /bin/bash
JOBS ?= $(shell nproc)
BUILD := build
# Optimised without debug info keeps a full build short on two cores; the sanitizer tree only needs
# to run the tests, so it is built at -O1.
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG"
SAN_FLAGS := -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O1 -DNDEBUG" -DCMAKE_C_FLAGS_RELEASE="-O1 -DNDEBUG"
FUZZ_SECONDS ?= 60

.PHONY: all deps native san win64 dist test run bench fuzz clean

all: win64

deps:
	@tools/setup/install-deps.sh

# Native tree: portable code, its tests and the host tools the Windows tree uses (pictures, skins).
native: deps
	@cmake -S . -B $(BUILD)/native $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD)/native -j$(JOBS) -- --no-print-directory

san: deps
	@cmake -S . -B $(BUILD)/native-san $(SAN_FLAGS) -DTALVIK_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD)/native-san -j$(JOBS) -- --no-print-directory

win64: native
	@cmake -S . -B $(BUILD)/win64 $(CMAKE_FLAGS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DTALVIK_HOST_BIN=$(CURDIR)/$(BUILD)/native/bin >/dev/null
	@cmake --build $(BUILD)/win64 -j$(JOBS) -- --no-print-directory

dist: win64

# One CTest run over the three trees gives one summary; it ends with CTest's summary lines.
test: native san win64
	@printf 'subdirs("native" "native-san" "win64")\n' > $(BUILD)/CTestTestfile.cmake
	@tools/wine/make-template.sh
	@cd $(BUILD) && ctest -j$(JOBS) --output-on-failure --timeout 600

run: win64
	@tools/run-program.sh

bench: deps
	@cmake -S . -B $(BUILD)/bench $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD)/bench -j$(JOBS) -- --no-print-directory
	@tools/run-benches.sh $(BUILD)/bench

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD)/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTALVIK_FUZZ=ON -DTALVIK_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD)/fuzz -j$(JOBS) -- --no-print-directory
	@tools/run-fuzzers.sh $(BUILD)/fuzz $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD)
