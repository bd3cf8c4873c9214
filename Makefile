# Chiffrarium: `make run` starts the program, `make test` runs every test,
# `make package` builds the Debian package, `make fuzz` fuzzes the UTF-8
# decoder and the reader of drive A:. Each first installs what a fresh Debian
# machine lacks, then builds.

PACKAGES := g++ make cmake pkg-config qt6-base-dev qt6-translations-l10n libgtest-dev \
            fonts-liberation fonts-wine fonts-dejavu-core librsvg2-bin desktop-file-utils appstream
# The worksheet tests read the PDFs they write with poppler's tools.
TEST_PACKAGES := poppler-utils
FUZZ_PACKAGES := clang libfuzzer-14-dev
# The start-up scenario of the benchmark starts whole processes on an X display.
BENCH_PACKAGES := libx11-dev xvfb
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PRESET ?= default
BUILD_DIR := $(if $(filter asan,$(PRESET)),build-asan,build)
# How long each fuzz target runs, in seconds.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := utf8 first_line

.PHONY: run test build deps test-deps fuzz-deps bench-deps fuzz bench screenshots package clean

# Installs those of the Debian packages $(1) that are missing; does nothing
# when all are there.
define install-missing
@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${db:Status-Abbrev}' $$p 2>/dev/null | grep -q '^ii' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi
endef

run: build
	./$(BUILD_DIR)/app/chiffrarium

test: test-deps build
	ctest --preset $(PRESET)

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

deps:
	$(call install-missing,$(PACKAGES))

test-deps: deps
	$(call install-missing,$(TEST_PACKAGES))

fuzz-deps: deps
	$(call install-missing,$(FUZZ_PACKAGES))

bench-deps: deps
	$(call install-missing,$(BENCH_PACKAGES))

# Builds the libFuzzer targets of fuzz/ with clang in build-fuzz and runs each
# for FUZZ_SECONDS, starting from the seeds in fuzz/seeds; the inputs found on
# the way stay in build-fuzz/corpus for the next run. A finding stops with the
# input that caused it saved as build-fuzz/crash-*.
fuzz: fuzz-deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p build-fuzz/corpus/$$t && \
	  echo "== fuzz_$$t for $(FUZZ_SECONDS) s" && \
	  ./build-fuzz/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	    -print_final_stats=1 -artifact_prefix=build-fuzz/ \
	    build-fuzz/corpus/$$t fuzz/seeds/$$t || exit 1; \
	done

# The benchmark and the screenshot tool are no part of a plain build: each
# target builds its own program first.
bench: bench-deps build
	cmake --build --preset $(PRESET) --target chiffrarium-bench
	./$(BUILD_DIR)/bench/chiffrarium-bench

# The pictures of the windows that the README shows.
screenshots: test-deps build
	cmake --build --preset $(PRESET) --target chiffrarium-screenshots
	QT_QPA_PLATFORM=offscreen:configfile=tests/support/offscreen-fullhd.json ./$(BUILD_DIR)/tools/chiffrarium-screenshots docs
	pdftoppm -r 60 -f 1 -l 1 -singlefile -png docs/arbeitsblatt.pdf docs/arbeitsblatt
	rm docs/arbeitsblatt.pdf

# build/chiffrarium_<version>_<arch>.deb, for `apt-get install ./build/chiffrarium_*.deb`.
package: build
	cmake --build --preset $(PRESET) --target package

clean:
	rm -rf build build-asan build-fuzz
