# Zelkor: the two commands that do all the set-up on a fresh Debian machine.
#   make run   installs what is missing, builds and starts the calculator
#   make test  installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer
#              and runs every test headless through CTest

JOBS        ?= $(shell nproc)
RELEASE_DIR ?= build/release
TEST_DIR    ?= build/test
BENCH_DIR   ?= build/bench
PREFIX      ?= /usr/local

.PHONY: run test deps build example bench install clean

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
	    -DZELKOR_BENCHMARKS=OFF -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(RELEASE_DIR) -j$(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "make run: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); Zelkor needs a desktop session." >&2; \
	    exit 1; \
	fi
	$(RELEASE_DIR)/app/zelkor

example: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "make example: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2; \
	    exit 1; \
	fi
	$(RELEASE_DIR)/examples/numedit_example

test: deps
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DZELKOR_SANITIZE=ON -DZELKOR_WERROR=ON \
	    -DZELKOR_BENCHMARKS=OFF
	cmake --build $(TEST_DIR) -j$(JOBS)
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZELKOR_BENCHMARKS=ON
	cmake --build $(BENCH_DIR) -j$(JOBS)
	cd $(BENCH_DIR) && for b in bench/bench_numedit bench/bench_paste bench/bench_extremes bench/bench_engine; do QT_QPA_PLATFORM=offscreen ./$$b || exit 1; done
	bench/startup.sh $(BENCH_DIR)

install: build
	cmake --install $(RELEASE_DIR)

clean:
	rm -rf build
