# SPDX-License-Identifier: MIT
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)
# Extra CMake arguments for every configuration, e.g. CMAKE_FLAGS=-DMENSURIO_WERROR=ON as CI does.
CMAKE_FLAGS ?=

PREFIX ?= /usr/local

.PHONY: all deps configure build run test test-sanitize fuzz bench format format-check clean install uninstall deb

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/mensurio

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The same suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DMENSURIO_SANITIZE=ON -DMENSURIO_BUILD_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

# Every libFuzzer target in fuzz/ for FUZZ_SECONDS each (clang, ASan and UBSan).
fuzz:
	@scripts/install-deps.sh fuzz
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMENSURIO_FUZZ=ON \
		-DMENSURIO_BUILD_TESTS=OFF -DMENSURIO_BUILD_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	scripts/run-fuzzers.sh $(FUZZ_BUILD)/bin $(FUZZ_SECONDS)

# Installs under PREFIX (default /usr/local) with stripped binaries (those in $(BUILD)/bin keep
# their debug symbols); DESTDIR is honoured for staging. `make uninstall` with the same PREFIX
# and DESTDIR removes what the install put there.
install: build
	scripts/install.sh install $(BUILD) $(PREFIX)

uninstall:
	scripts/install.sh uninstall $(BUILD) $(PREFIX)

# A Debian package in build/: mensurio_<version>_<arch>.deb.
deb: build
	cd $(BUILD) && cpack -G DEB

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b; done

format:
	@scripts/install-deps.sh format
	git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h' \
		'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h' | xargs clang-format -i

# Fails when a source file differs from .clang-format (CI runs it first).
format-check:
	@scripts/install-deps.sh format
	@scripts/check-format.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
