# Boardsmith: one command to install what is missing, build and run; one to build and test.
#   make run    installs the Debian packages it needs, builds, starts the program
#   make test   the same, then runs every test (normal build)
#   make test-sanitize   builds and runs every test under AddressSanitizer + UBSan

BUILD ?= build
SANBUILD ?= build-sanitize
JOBS ?= $(shell nproc)
PACKAGES = g++ cmake make pkg-config googletest libgtest-dev libgmock-dev libbenchmark-dev \
           qt6-base-dev libgif-dev fonts-dejavu-core xvfb xauth imagemagick xdotool chromium \
           libpng-dev libcairo2-dev libpotrace-dev \
           pgn-extract hyperfine
# What only the tests use: PDF and SVG renderers, the HTML checker (vnu, from npm, on Java), and
# a clipboard owner for the program under Xvfb.
TEST_PACKAGES = poppler-utils librsvg2-bin default-jre-headless nodejs xclip
NPM_TEST_PACKAGES = vnu-jar
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps test-deps build run test test-sanitize bench clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

test-deps: deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(TEST_PACKAGES)"
	@command -v npm >/dev/null 2>&1 || $(MAKE) --no-print-directory deps PACKAGES=npm
	@command -v vnu >/dev/null 2>&1 || $(SUDO) npm install -g $(NPM_TEST_PACKAGES)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/run && ./boardsmith

test: test-deps build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-sanitize: test-deps
	cmake -S . -B $(SANBUILD) -DCMAKE_BUILD_TYPE=Debug -DBS_SANITIZE=ON
	cmake --build $(SANBUILD) -j $(JOBS)
	cd $(SANBUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench

clean:
	rm -rf $(BUILD) $(SANBUILD)
