# Marrowmere: the two promised commands are `make run` and `make test`.
# Both install any missing Debian packages first, so a fresh Debian 12 machine needs nothing else.

BUILD_DIR ?= build/release
ASAN_DIR  ?= build/asan
GAME      := $(BUILD_DIR)/bin/marrowmere
JOBS      ?= $(shell nproc)
HEADLESS  := QT_QPA_PLATFORM=offscreen SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
PREFIX    ?= /usr/local
# ccache, where the machine has it, makes rebuilds of unchanged sources instant.
LAUNCHER  := $(if $(shell command -v ccache 2>/dev/null),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)

.PHONY: all deps build run install test test-asan bench clean

all: build

deps:
	@./scripts/install-deps

$(BUILD_DIR)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER)

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	"$(GAME)"

# The program, its libraries, the desktop entry and the icon under $(PREFIX) (sudo for /usr/local).
install: build
	cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

test: build
	$(HEADLESS) ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# The sanitizer build does not make the content again: it copies the normal build's libraries.
test-asan: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS) --target content_libraries
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMARROWMERE_SANITIZE=ON -DMARROWMERE_BENCHMARKS=OFF $(LAUNCHER) \
	  -DMARROWMERE_CONTENT_DIR=$(abspath $(BUILD_DIR))/bin
	cmake --build $(ASAN_DIR) -j $(JOBS)
	$(HEADLESS) ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(abspath tests/lsan.supp) UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS)

bench: build
	@for program in $(BUILD_DIR)/bin/bench_*; do \
	  [ -x "$$program" ] || continue; \
	  echo "== $$program"; $(HEADLESS) "$$program" || exit 1; \
	done

clean:
	rm -rf build
