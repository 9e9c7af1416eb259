# Entry points: every target first installs what is missing, then builds in build/.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: all deps configure build test run bench install uninstall clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) --log-level=WARNING

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD_DIR)

bench: build
	@$(BUILD_DIR)/bench/velmo-bench

install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

uninstall:
	@xargs -r rm -f < $(BUILD_DIR)/install_manifest.txt

clean:
	@rm -rf $(BUILD_DIR)
