# Boardsmith: one command to install what is missing, build and run; one to build and test.
# On a fresh machine start with ./setup.sh, which installs make first and then calls these.
#   make run     installs the Debian packages building and running need, builds, starts the program
#   make test    installs the test packages as well, builds, runs every test
#   make test-sanitize   builds and runs every test under AddressSanitizer + UBSan
#   make install PREFIX=/usr/local    installs the program (bin/, share/)
#   make deb     builds the Debian package boardsmith_*.deb in build/
#   make fuzz   builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS (60)
#   make fuzz-ci   the same for 20 s each, when clang is there (CI)

BUILD ?= build
SANBUILD ?= build-sanitize
FUZZBUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

# The Debian packages, the one list of them (setup.sh and CI use these targets).
# Building and running:
RUN_PACKAGES = g++ cmake make pkg-config help2man fonts-dejavu-core fonts-freefont-ttf \
               qt6-base-dev libgif-dev libpng-dev libcairo2-dev libpotrace-dev libmicrohttpd-dev \
               libfreetype-dev libfontconfig-dev
# Tests, benchmarks, packaging and CI, on top of those:
TEST_PACKAGES = googletest libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev \
                xvfb xauth imagemagick chromium poppler-utils librsvg2-bin default-jre-headless \
                desktop-file-utils appstream shared-mime-info man-db dpkg-dev hyperfine pgn-extract xdotool xclip curl wrk \
                time
# From the npm registry, for the tests:
TEST_NPM = vnu-jar

# Root installs directly; anyone else through sudo.
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)
# Developer builds treat warnings as errors.
CONFIGURE = -DBS_WERROR=ON

.PHONY: all deps deps-test build build-run run test test-sanitize test-clang fuzz fuzz-ci bench install deb clean

all: build

# Installs the listed packages that are missing.
define install-missing
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install-missing,$(RUN_PACKAGES))

deps-test: deps
	$(call install-missing,$(TEST_PACKAGES))
	@# npm comes with some Node.js builds; Debian's own nodejs needs the npm package beside it.
	@command -v npm >/dev/null 2>&1 || { $(SUDO) apt-get update && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends npm; }
	@for p in $(TEST_NPM); do \
	  [ -d "$$(npm root -g)/$$p" ] || $(SUDO) npm install -g $$p; \
	done

# The program alone (no tests): what make run needs. A user's build: warnings stay warnings
# (unless the folder was set up by a developer target).
build-run: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
	cmake --build $(BUILD) -j $(JOBS)

build: deps-test
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON $(CONFIGURE)
	cmake --build $(BUILD) -j $(JOBS)

run: build-run
	cd $(BUILD)/run && ./boardsmith

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-sanitize: deps-test
	cmake -S . -B $(SANBUILD) -DCMAKE_BUILD_TYPE=Debug -DBS_SANITIZE=ON $(CONFIGURE)
	cmake --build $(SANBUILD) -j $(JOBS)
	cd $(SANBUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# A Release build with clang, so that both compilers stay free of warnings.
test-clang: deps-test
	cmake -S . -B build-clang -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ $(CONFIGURE)
	cmake --build build-clang -j $(JOBS)

# The libFuzzer targets, built with clang (a test package), each run FUZZ_SECONDS from its seeds.
fuzz: deps-test
	cmake -S . -B $(FUZZBUILD) -DBS_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ $(CONFIGURE)
	cmake --build $(FUZZBUILD) -j $(JOBS) --target fuzzers
	tests/fuzz/run $(FUZZBUILD) $(FUZZ_SECONDS)

fuzz-ci:
	@if command -v clang++ >/dev/null; then $(MAKE) fuzz FUZZ_SECONDS=20; \
	else echo "fuzz-ci: no clang++, fuzzing skipped"; fi

bench: build
	$(BUILD)/bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	bench/startup.sh $(BUILD)
	bench/serve_load.sh $(BUILD)
	bench/png_vs_peer.sh $(BUILD)

# Through sudo only when PREFIX cannot be written otherwise.
install: build-run
	@if mkdir -p "$(PREFIX)" 2>/dev/null && [ -w "$(PREFIX)" ]; then \
	  cmake --install $(BUILD) --prefix "$(PREFIX)"; \
	else $(SUDO) cmake --install $(BUILD) --prefix "$(PREFIX)"; fi

# The package installs under /usr; its Depends come from dpkg-shlibdeps (dpkg-dev).
deb: build-run
	$(call install-missing,dpkg-dev)
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(SANBUILD) build-clang $(FUZZBUILD)
