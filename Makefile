# Chiffrarium: `make run` starts the program, `make test` runs every test,
# `make package` builds the Debian package. Each first installs what a fresh
# Debian machine lacks, then builds.

PACKAGES := g++ make cmake pkg-config qt6-base-dev qt6-translations-l10n libgtest-dev \
            fonts-liberation fonts-wine librsvg2-bin desktop-file-utils appstream
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PRESET ?= default
BUILD_DIR := $(if $(filter asan,$(PRESET)),build-asan,build)

.PHONY: run test build deps bench screenshots package clean

run: build
	./$(BUILD_DIR)/app/chiffrarium

test: build
	ctest --preset $(PRESET)

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

# Installs the Debian packages that are missing; does nothing when all are there.
deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${db:Status-Abbrev}' $$p 2>/dev/null | grep -q '^ii' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

# The benchmark and the screenshot tool are no part of a plain build: each
# target builds its own program first.
bench: build
	cmake --build --preset $(PRESET) --target chiffrarium-bench
	./$(BUILD_DIR)/bench/chiffrarium-bench

# The pictures of the windows that the README shows.
screenshots: build
	cmake --build --preset $(PRESET) --target chiffrarium-screenshots
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/tools/chiffrarium-screenshots docs

# build/chiffrarium_<version>_<arch>.deb, for `apt-get install ./build/chiffrarium_*.deb`.
package: build
	cmake --build --preset $(PRESET) --target package

clean:
	rm -rf build build-asan
