# Boardsmith: one command to install what is missing, build and run; one to build and test.
#   make run    installs the Debian packages it needs, builds, starts the program
#   make test   the same, then runs every test (normal build)
#   make test-sanitize   builds and runs every test under AddressSanitizer + UBSan
#   make fuzz   builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS (60)
#   make fuzz-ci   the same for 20 s each, when clang is there (CI)

BUILD ?= build
SANBUILD ?= build-sanitize
FUZZBUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)
PACKAGES = g++ cmake make pkg-config googletest libgtest-dev libgmock-dev libbenchmark-dev \
           qt6-base-dev libgif-dev fonts-dejavu-core xvfb xauth imagemagick chromium
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build run test test-sanitize fuzz fuzz-ci bench clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/run && ./boardsmith

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(SANBUILD) -DCMAKE_BUILD_TYPE=Debug -DBS_SANITIZE=ON
	cmake --build $(SANBUILD) -j $(JOBS)
	cd $(SANBUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# The fuzz build needs clang and its libFuzzer runtime as well.
fuzz: PACKAGES += clang libclang-rt-14-dev
fuzz: deps
	cmake -S . -B $(FUZZBUILD) -DBS_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZBUILD) -j $(JOBS) --target fuzzers
	tests/fuzz/run $(FUZZBUILD) $(FUZZ_SECONDS)

fuzz-ci:
	@if command -v clang++ >/dev/null; then $(MAKE) fuzz FUZZ_SECONDS=20; \
	else echo "fuzz-ci: no clang++, fuzzing skipped"; fi

bench: build
	$(BUILD)/bench

clean:
	rm -rf $(BUILD) $(SANBUILD) $(FUZZBUILD)
