# Thin wrapper over CMake. Every target first installs the Debian packages it needs.
BUILD      ?= build
SAN_BUILD  ?= build-sanitize
BENCH_BUILD?= build-bench
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)

PACKAGES := build-essential cmake ninja-build pkg-config qt6-base-dev qt6-image-formats-plugins \
            libsqlite3-dev libxcb1-dev libgtest-dev libgmock-dev libbenchmark-dev \
            xvfb xauth x11-utils xdotool imagemagick faketime sqlite3 fonts-dejavu-core
FUZZ_PACKAGES := clang libclang-rt-14-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
export DEBIAN_FRONTEND := noninteractive

.PHONY: all deps build run test sanitize bench fuzz clean

all: build

# Installs only what is missing; a fresh machine has empty package lists, hence the update.
deps:
	@missing=""; for p in $(PACKAGES) $(EXTRA_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

$(BUILD)/build.ninja: CMakeLists.txt | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/dist && ./L_Organizer

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

sanitize: deps
	cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLARKSPUR_SANITIZE=ON
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DLARKSPUR_TESTS=OFF -DLARKSPUR_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target benchmarks
	@for b in $(BENCH_BUILD)/bench/*_bench; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b || exit 1; done

# libFuzzer needs clang. Each target runs for FUZZ_SECONDS on a working corpus in the build
# folder, seeded from fuzz/corpus/<target>/ (which stays as committed); a crash, a hang over
# five seconds or a sanitizer report fails the run and leaves its input in $(FUZZ_BUILD)/.
fuzz:
	$(MAKE) deps EXTRA_PACKAGES="$(FUZZ_PACKAGES)"
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DLARKSPUR_TESTS=OFF -DLARKSPUR_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	@for f in $(FUZZ_BUILD)/fuzz/*_fuzz; do \
	  name=$$(basename $$f); mkdir -p $(FUZZ_BUILD)/corpus/$$name; echo "== $$name"; \
	  TMPDIR=$$([ -d /dev/shm ] && echo /dev/shm || echo /tmp) QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1 LSAN_OPTIONS=suppressions=fuzz/lsan.supp $$f -max_total_time=$(FUZZ_SECONDS) -timeout=5 \
	    -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/$$name- \
	    $(FUZZ_BUILD)/corpus/$$name fuzz/corpus/$$name || exit 1; \
	done

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
