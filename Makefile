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

bench: build
	./$(BUILD_DIR)/bench/chiffrarium-bench

# The pictures of the windows, then the main window once more on a screen scaled
# by 2, as a high-resolution display shows it.
screenshots: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/app/chiffrarium-screenshots docs
	scaled=$$(mktemp -d) && \
	QT_SCALE_FACTOR=2 QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/app/chiffrarium-screenshots $$scaled && \
	cp $$scaled/hauptfenster-schritte.png docs/hauptfenster-skaliert-2x.png; \
	status=$$?; rm -rf $$scaled; exit $$status

# build/chiffrarium_<version>_<arch>.deb, for `apt-get install ./build/chiffrarium_*.deb`.
package: build
	cmake --build --preset $(PRESET) --target package

clean:
	rm -rf build build-asan
