# SPDX-FileCopyrightText: 2026 Zelkor developers
# SPDX-License-Identifier: MIT
# Zelkor: the two commands that do all the set-up on a fresh Debian machine.
#   make run   installs what is missing, builds and starts the calculator
#   make test  installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer
#              and runs every test headless through CTest, then each fuzz target for a few seconds

JOBS        ?= $(shell nproc)
RELEASE_DIR ?= build/release
TEST_DIR    ?= build/test
BENCH_DIR   ?= build/bench
FUZZ_DIR    ?= build/fuzz
FUZZ_CXX    ?= clang++-14
FUZZ_TIME   ?= 60
FUZZ_CHECK_TIME ?= 5
PREFIX      ?= /usr/local

.PHONY: run test display deps build example bench fuzz fuzz-build mutate install package docs \
        abi-baseline symbols clean

# make run and make example need a desktop session: without one they say so before anything is
# installed or built (the check comes first of all their steps, also under make -j).
DISPLAY_GOALS = $(filter run example,$(MAKECMDGOALS))

display:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "make $(firstword $(DISPLAY_GOALS)): no display (neither DISPLAY nor WAYLAND_DISPLAY is set); it needs a desktop session." >&2; \
	    exit 1; \
	fi

deps: $(if $(DISPLAY_GOALS),display)
	@scripts/install-deps.sh

CONFIGURE_RELEASE = cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
	    -DZELKOR_BENCHMARKS=OFF -DCMAKE_INSTALL_PREFIX=$(PREFIX)

build: deps
	$(CONFIGURE_RELEASE)
	cmake --build $(RELEASE_DIR) -j$(JOBS)

run: build
	$(RELEASE_DIR)/app/zelkor

example: build
	$(RELEASE_DIR)/examples/numedit_example

# Every check is asked for (ON), so that a missing tool fails here rather than skipping a check.
test: deps fuzz-build
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DZELKOR_SANITIZE=ON -DZELKOR_WERROR=ON \
	    -DZELKOR_BENCHMARKS=OFF -DZELKOR_TESTS=ON -DZELKOR_DESIGNER_PLUGIN=ON \
	    -DZELKOR_METADATA_CHECKS=ON -DZELKOR_ABI_CHECK=ON -DZELKOR_REUSE_LINT=ON \
	    -DZELKOR_WAYLAND_CLIENT=ON
	cmake --build $(TEST_DIR) -j$(JOBS)
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	rm -rf $(FUZZ_DIR)/check
	FUZZ_WORK=$(FUZZ_DIR)/check fuzz/run.sh $(FUZZ_DIR) $(FUZZ_CHECK_TIME)

# The libFuzzer targets of fuzz/, with clang, AddressSanitizer and UndefinedBehaviorSanitizer.
fuzz-build: deps
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=$(FUZZ_CXX) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DZELKOR_FUZZ=ON -DZELKOR_WERROR=ON -DBUILD_TESTING=OFF -DZELKOR_BENCHMARKS=OFF \
	    -DZELKOR_EXAMPLES=OFF
	cmake --build $(FUZZ_DIR) -j$(JOBS) --target fuzzers

# Runs each fuzz target for FUZZ_TIME seconds (make fuzz FUZZ_TIME=600).
fuzz: fuzz-build
	fuzz/run.sh $(FUZZ_DIR) $(FUZZ_TIME)

bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZELKOR_BENCHMARKS=ON
	cmake --build $(BENCH_DIR) -j$(JOBS)
	cd $(BENCH_DIR) && for b in bench/bench_numedit bench/bench_paste bench/bench_extremes bench/bench_engine bench/bench_keypress bench/bench_form; do QT_QPA_PLATFORM=offscreen ./$$b || exit 1; done
	bench/startup.sh $(BENCH_DIR)

# Applies the faults of tests/mutants.txt one at a time and reports those no test catches
# (minutes, not part of make test). FILE= or MUTANT= runs one file's mutants or one mutant.
mutate: deps
	scripts/mutate.py --jobs $(JOBS) $(if $(FILE),--file $(FILE)) $(if $(MUTANT),--mutant $(MUTANT))

install: build
	cmake --install $(RELEASE_DIR)

# Rewrites the library's ABI baseline numedit/abi/RyNumEdit.abi from the optimised build with
# debug information (at a release: README, "Versions and the binary interface").
abi-baseline: build
	cmake --build $(RELEASE_DIR) --target abi-baseline

# The reference manual of the numeric edit control, in $(RELEASE_DIR)/docs: html/index.html and
# the Qt help file rynumedit.qch (make install installs both once built). Any Doxygen warning,
# such as an undocumented public member, fails it; the help file is then checked as Qt Assistant
# reads it.
docs:
	@scripts/install-deps.sh docs
	$(CONFIGURE_RELEASE)
	cmake --build $(RELEASE_DIR) --target docs
	docs/check-qch.sh $(RELEASE_DIR)/docs/rynumedit.qch

# Debian packages of the calculator, the library, its development files and the Designer
# plugin, checked by lintian, in build/packages.
package:
	@scripts/install-deps.sh package
	scripts/build-packages.sh

# Rewrites the Debian symbols file of librynumedit1 from a package build (README, "Versions and
# the binary interface"); VERSION= is the library version that first has the new symbols.
symbols:
	@scripts/install-deps.sh package
	scripts/build-packages.sh --symbols $(VERSION)

clean:
	rm -rf build
