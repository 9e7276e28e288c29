# VORNEL: the two everyday commands are `make run` and `make test`.
#   make deps      install the Debian packages the build needs (only those that are missing)
#                  and a locale with a decimal comma for the locale test
#   make build     configure and build everything in build/
#   make run       build the program, the engine and the runner only, analyse the bundled
#                  example and print its summary; with a display ($DISPLAY or
#                  $WAYLAND_DISPLAY) also open it, analysed, in the program
#   make test      build everything and run every test through ctest
#   make test-asan build the tests with the address and undefined-behaviour sanitizers in
#                  build-asan/ and run them
#   make test-engine  configure, build and test the engine alone, without Qt, in build-engine/
#   make bench     build and run the benchmarks (they are built only when asked for; the
#                  Python one too, when the package is built)
#   make install   build and install into $(PREFIX) (DESTDIR is honoured, for packages)

BUILD      ?= build
ASAN_BUILD ?= build-asan
ENGINE_BUILD ?= build-engine
# Extra configure options, for example CMAKE_FLAGS=-DVORNEL_WERROR=ON.
CMAKE_FLAGS ?=
JOBS       ?= $(shell nproc)
EXAMPLE    ?= examples/cantilever_layered.vn5d
PREFIX     ?= /usr/local

PACKAGES = cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
           qt6-base-dev qt6-svg-dev libqt6opengl6-dev libgl-dev libglu1-mesa-dev \
           libxlsxwriter-dev xvfb xauth unzip locales ccache
PACKAGES += pybind11-dev python3-dev python3-numpy python3-pandas python3-pytest
PACKAGES += poppler-utils xdotool openbox imagemagick
PACKAGES += libzip-dev clang-format
PACKAGES += python3-dask python3-distributed python3-tqdm python3-scipy python3-matplotlib
PACKAGES += libcli11-dev nlohmann-json3-dev
PACKAGES += xdg-utils

# A locale whose decimal separator is a comma: the test that numbers are read the same under
# such a host locale runs instead of skipping.
COMMA_LOCALE ?= de_DE.UTF-8

# What `make run` needs: the runner, the engine library and, once it exists, the program.
RUN_TARGETS = vornel-run Vornel2015_DLL $(if $(wildcard app/main.cpp),Vornel2015)

MAKEFLAGS += --no-print-directory

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps locale build build-run run test test-asan test-engine bench install clean

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
	@$(MAKE) locale

locale:
	@if ! locale -a 2>/dev/null | grep -qix "$$(echo $(COMMA_LOCALE) | sed 's/UTF-8/utf8/')"; then \
	  echo "Generating the locale $(COMMA_LOCALE)"; \
	  grep -qx "$(COMMA_LOCALE) UTF-8" /etc/locale.gen 2>/dev/null || \
	    echo "$(COMMA_LOCALE) UTF-8" | $(SUDO) tee -a /etc/locale.gen >/dev/null; \
	  $(SUDO) locale-gen >/dev/null; \
	fi

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

build-run: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target $(RUN_TARGETS)

# With a display the example is copied into the build folder and analysed there, so that the
# program opens it with its results beside it; without one the headless summary is all.
run: build-run
	@mkdir -p $(BUILD)/examples
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  deck=$(BUILD)/examples/$(notdir $(EXAMPLE)); \
	  cp $(EXAMPLE) $$deck && chmod u+w $$deck && \
	  $(BUILD)/bin/vornel-run $$deck; \
	  $(BUILD)/bin/Vornel2015 $$deck; \
	else \
	  $(BUILD)/bin/vornel-run --out $(BUILD)/examples $(EXAMPLE); \
	fi

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVORNEL_SANITIZE=ON -DVORNEL_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

test-engine:
	cmake -S . -B $(ENGINE_BUILD) -DCMAKE_BUILD_TYPE=Release -DVORNEL_ENGINE_ONLY=ON $(CMAKE_FLAGS)
	cmake --build $(ENGINE_BUILD) -j $(JOBS)
	ctest --test-dir $(ENGINE_BUILD) --output-on-failure -j $(JOBS)

bench: deps $(BUILD)/CMakeCache.txt
	cmake -S . -B $(BUILD) -DVORNEL_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS)
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b; done
	@if [ -d $(BUILD)/python/vornel ]; then echo "== bench/python_analyse.py"; \
	  PYTHONPATH=$(BUILD)/python /usr/bin/python3 bench/python_analyse.py; \
	  echo "== bench/python_study.py"; PYTHONPATH=$(BUILD)/python \
	  VORNEL_RUN=$(BUILD)/bin/vornel-run /usr/bin/python3 bench/python_study.py; fi

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(ENGINE_BUILD)
