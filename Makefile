# SPDX-FileCopyrightText: 2026 The Brontel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Front door: `make run` builds and opens Brontel (the program alone), `make web` builds the page
# (build-web/brontel.html and build-web/site/), `make test` builds and runs every test, the
# page's included, `make test-sanitize` runs them again under the address and undefined-behaviour
# sanitizers, `make bench` builds and runs the benchmarks. Each installs the Debian packages it
# lacks first.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps test-deps bench-deps web-deps build run web test test-sanitize install package \
	bench check-arm64 clean

all: build

deps:
	@scripts/install-deps.sh build

test-deps:
	@scripts/install-deps.sh test

bench-deps:
	@scripts/install-deps.sh bench

web-deps:
	@scripts/install-deps.sh web

# The program alone: no tests, no benchmarks.
build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DBUILD_TESTING=OFF
	cmake --build $(BUILD_DIR) -j $(JOBS) --target brontel

run: build
	$(BUILD_DIR)/brontel

# The page: the core compiled to WebAssembly, the TypeScript bundled, both ways to ship it. Node
# does not look in Debian's folder of its modules, where Emscripten's tools need it to.
WEB_DIR ?= build-web
WEB_ENV = NODE_PATH=/usr/share/nodejs
# The saved pictures' letters come from the desktop program's font rasteriser (brontel-glyphs).
web: deps web-deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target brontel-glyphs
	mkdir -p $(WEB_DIR)
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/brontel-glyphs $(WEB_DIR)/glyphs.bin
	$(WEB_ENV) emcmake cmake -S web/core -B $(WEB_DIR)/core -DCMAKE_BUILD_TYPE=Release
	$(WEB_ENV) cmake --build $(WEB_DIR)/core -j $(JOBS)
	cd web && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund
	cd web && node build.mjs --core ../$(WEB_DIR)/core/brontel_core.mjs \
		--glyphs ../$(WEB_DIR)/glyphs.bin --out ../$(WEB_DIR)

test: test-deps web
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DBUILD_TESTING=ON \
		-DBRONTEL_WEB_DIR=$(CURDIR)/$(WEB_DIR)
	cmake --build $(BUILD_DIR) -j $(JOBS)
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer; any report fails them.
SANITIZE_DIR ?= build-asan
# A failed allocation gives null, as the C library's does, so that the program's own handling of
# it (a picture too large for memory is refused) is what runs.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1:halt_on_error=1:abort_on_error=0:detect_stack_use_after_return=1:check_initialization_order=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0

test-sanitize: test-deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DBRONTEL_SANITIZE=ON \
		-DBUILD_TESTING=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

# Installs under PREFIX (default /usr/local): the program, its menu entry, icon and metainfo.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The Debian package, build/brontel_<version>_<arch>.deb.
package: build
	cmake --build $(BUILD_DIR) --target package

bench: deps bench-deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DBRONTEL_BENCHMARKS=ON
	cmake --build $(BUILD_DIR) -j $(JOBS) --target benchmarks
	$(BUILD_DIR)/bench/brontel-bench
	$(BUILD_DIR)/bench/brontel-picture-bench
	$(BUILD_DIR)/bench/brontel-explore-bench
	$(BUILD_DIR)/bench/brontel-raster-bench

# The Qt-free sums cross-compiled for arm64 with SLEEF and run under qemu-aarch64, checked against
# the plain loop and the worked values. Needs neither Qt for arm64 nor an ARM machine.
ARM64_DIR ?= build-arm64
ARM64_CXX ?= aarch64-linux-gnu-g++
ARM64_SYSROOT ?= /usr/aarch64-linux-gnu
ARM64_CORE = $(addprefix experiment/,ScalarSums.cpp SweepSums.cpp RunParameters.cpp Curves.cpp)
# As in experiment/CMakeLists.txt: no contraction into fused multiply-adds anywhere, and the
# kernel built for vector speed.
ARM64_CXXFLAGS = -std=c++20 -O2 -g -Wall -Wextra -Wpedantic -ffp-contract=off -pthread \
	-DBRONTEL_HAVE_SLEEF -Iexperiment -Isettings
ARM64_KERNEL_FLAGS = -O3 -fno-math-errno -fopenmp-simd
# The loader and C library come from the cross sysroot, SLEEF from Debian's arm64 multiarch
# package; the multiarch libc6:arm64 that SLEEF pulls in may be a different build, and mixing
# it with the cross loader hangs the first thread.
ARM64_RUN = qemu-aarch64 -L $(ARM64_SYSROOT) \
	-E LD_LIBRARY_PATH=$(ARM64_SYSROOT)/lib:/usr/lib/aarch64-linux-gnu

check-arm64:
	@scripts/install-deps.sh arm64
	@mkdir -p $(ARM64_DIR)
	$(ARM64_CXX) $(ARM64_CXXFLAGS) $(ARM64_KERNEL_FLAGS) -c experiment/ChainSums.cpp \
		-o $(ARM64_DIR)/ChainSums.o
	$(ARM64_CXX) $(ARM64_CXXFLAGS) -o $(ARM64_DIR)/check-sums $(ARM64_DIR)/ChainSums.o \
		$(ARM64_CORE) tests/arm64/check_sums.cpp -lsleef
	$(ARM64_RUN) $(ARM64_DIR)/check-sums

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(ARM64_DIR) $(WEB_DIR)
