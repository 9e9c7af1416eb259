# Entry points: every target first installs what is missing, then builds in build/.
# SANITIZE=1 builds and tests everything under ASan and UBSan instead, in build-sanitize/.
ifeq ($(SANITIZE),1)
BUILD_DIR ?= build-sanitize
CMAKE_FLAGS += -DVELMO_SANITIZE=ON -DVELMO_BUILD_BENCH=OFF
endif
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: all deps configure build test test-windows web run-web test-web bench-web walk walk-windows walk-web mutate-windows mutate-web package windows-release package-windows run bench bench-windows fuzz lint install uninstall clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) --log-level=WARNING

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# The Windows program, the engine's tests and the program's driver, built with mingw-w64 and
# run under wine on a private display (build-windows/).
test-windows:
	@bash scripts/install-deps.sh --windows
	@bash scripts/test-windows.sh

# The browser version: the site in build-web/site, served on 127.0.0.1, and its tests in
# headless Chromium.
web:
	@bash scripts/install-deps.sh --web
	@bash scripts/build-web.sh

run-web: web
	@bash scripts/run-web.sh

test-web: web
	@bash scripts/test-web.sh

# The site's gzipped size, its start against a floor page, and one "＝" (docs/performance.md).
bench-web: test-web
	@NODE_PATH=build-web/node/node_modules node bench/web-start.js build-web/site build-web/ui/web/made/floor.html
	@NODE_PATH=build-web/node/node_modules node bench/web-transfer.js build-web/site

# A longer random walk on any seed, against the model (tests/support/Walk.h): on the Qt window
# offscreen, on the Windows program under wine, or on the page in headless Chromium.
SEED ?= 32
walk: STEPS ?= 100000
walk: build
	@VELMO_WALK_SEED=$(SEED) VELMO_WALK_STEPS=$(STEPS) QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tests/ui/window_tests walk
walk-windows: STEPS ?= 2000
walk-windows:
	@bash scripts/install-deps.sh --windows
	@VELMO_WALK_SEED=$(SEED) VELMO_WALK_STEPS=$(STEPS) bash scripts/test-windows.sh --walk
walk-web: STEPS ?= 10000
walk-web: web
	@VELMO_WALK_SEED=$(SEED) VELMO_WALK_STEPS=$(STEPS) bash scripts/test-web.sh -R '^web_walk$$'

# Mutation of the Windows front end, each mutant driven under wine (scripts/mutate-windows.sh).
MUTATION_SEED ?= 1
MUTATION_SAMPLE ?= 30
mutate-windows:
	@bash scripts/install-deps.sh --windows
	@bash scripts/mutate-windows.sh $(MUTATION_SEED) $(MUTATION_SAMPLE)

# Mutation of the browser version, each mutant's site driven in headless Chromium (scripts/mutate-web.sh).
mutate-web:
	@bash scripts/install-deps.sh --web
	@bash scripts/mutate-web.sh $(MUTATION_SEED) $(MUTATION_SAMPLE)

# build/velmo-calc_<version>_amd64.deb, checked with lintian.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB
	@lintian --fail-on error,warning $(BUILD_DIR)/velmo-calc_*_amd64.deb

# The Windows program as it ships: Release, for 64-bit Windows in build-windows/x86_64-release,
# for 32-bit Windows in build-windows/i686-release.
WINDOWS_RELEASE := build-windows/x86_64-release
WINDOWS_RELEASE_32 := build-windows/i686-release
windows-release:
	@bash scripts/install-deps.sh --windows
	@cmake -S . -B $(WINDOWS_RELEASE) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
		-DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVELMO_BUILD_BENCH=ON --log-level=WARNING

# velmo-calc-<version>-win64.zip in $(WINDOWS_RELEASE); velmo-calc-<version>-win32.zip and the
# installer for both, velmo-calc-<version>-setup.exe (NSIS), in $(WINDOWS_RELEASE_32).
package-windows: windows-release
	@cmake --build $(WINDOWS_RELEASE) -j $(JOBS) --target package-windows
	@cmake -S . -B $(WINDOWS_RELEASE_32) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-i686.cmake \
		-DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVELMO_BUILD_BENCH=OFF --log-level=WARNING \
		-DVELMO_PROGRAM_64=$(CURDIR)/$(WINDOWS_RELEASE)/app/velmo-calc.exe
	@cmake --build $(WINDOWS_RELEASE_32) -j $(JOBS) --target package-windows
	@ls $(WINDOWS_RELEASE)/velmo-calc-*-win64.zip $(WINDOWS_RELEASE_32)/velmo-calc-*-win32.zip \
		$(WINDOWS_RELEASE_32)/velmo-calc-*-setup.exe

run: build
	@bash scripts/run.sh $(BUILD_DIR)

bench: build
	@$(BUILD_DIR)/bench/velmo-bench
	@$(BUILD_DIR)/bench/velmo-window-bench
	@bash scripts/cold-start.sh $(BUILD_DIR)

# The Windows program's size, cold start under wine against the floor window, and memory.
bench-windows: windows-release
	@bash scripts/cold-start-windows.sh $(WINDOWS_RELEASE)

lint: build
	@bash scripts/install-deps.sh --windows
	@bash scripts/lint.sh $(BUILD_DIR)

# Fuzzes the engine for FUZZ_SECONDS with clang's libFuzzer under ASan and UBSan; fails on
# any finding, which is left in build-fuzz/tests/fuzz/findings/.
FUZZ_SECONDS ?= 60
fuzz: deps
	@CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMO_FUZZ=ON \
		-DVELMO_FUZZ_SECONDS=$(FUZZ_SECONDS) -DVELMO_SANITIZE=ON -DVELMO_BUILD_QT=OFF -DVELMO_BUILD_BENCH=OFF \
		-DBUILD_TESTING=OFF --log-level=WARNING
	@cmake --build build-fuzz -j $(JOBS) --target evaluate-fuzz
	@ctest --test-dir build-fuzz --output-on-failure

# The list of installed files is kept apart from install_manifest.txt, which the
# install test overwrites with its temporary prefix.
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)
	@cp $(BUILD_DIR)/install_manifest.txt $(BUILD_DIR)/installed-files.txt

uninstall:
	@xargs -r rm -f < $(BUILD_DIR)/installed-files.txt

clean:
	@rm -rf build build-sanitize build-fuzz build-windows build-web
