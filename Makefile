# Pelmora: the two set-up commands are `make run` and `make test`; each installs what is missing first
# (`make run` only what the program needs, and builds only the program).
SHELL := /bin/bash
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS ?= $(shell nproc)
BUILD_TYPE ?= RelWithDebInfo
FUZZ_SECONDS ?= 30
PREFIX ?= /usr/local
STARTUP_RUNS ?= 15
# WERROR=ON turns every compiler warning into an error (CI builds so).
WERROR ?= OFF
CTEST_FLAGS = --output-on-failure --no-tests=error -j $(JOBS)
# The C++ sources of the house style (.clang-format), as git knows them.
FORMAT_FILES = $(shell git ls-files '*.cpp' '*.h')

.PHONY: all bootstrap bootstrap-run configure configure-program build build-program run test test-asan bench \
        bench-startup screenshots fuzz install package format check-format clean

all: build

# The packages that building and running the program need; `bootstrap` adds the test tools.
bootstrap-run:
	@bash scripts/bootstrap.sh run

bootstrap:
	@bash scripts/bootstrap.sh test

# Configured on every build, so that a changed option (WERROR) always reaches the build tree.
configure: bootstrap
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DPELMORA_WERROR=$(WERROR) -DBUILD_TESTING=ON \
	  -DPELMORA_BENCH=ON

# A build tree configured here first leaves the tests and benchmarks out, whose packages `make run`
# does not install; one that has them (after `make test`) keeps them.
configure-program: bootstrap-run
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DPELMORA_WERROR=$(WERROR) \
	  $(if $(wildcard $(BUILD)/CMakeCache.txt),,-DBUILD_TESTING=OFF -DPELMORA_BENCH=OFF)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The program and what it needs (its help file beside it), none of the tests.
build-program: configure-program
	cmake --build $(BUILD) -j $(JOBS) --target pelmora

run: build-program
	$(BUILD)/app/pelmora

test: build
	ctest --test-dir $(BUILD) $(CTEST_FLAGS)

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer, but the exhaustive
# round trips of all 16,777,216 colours (label "slow"): they are arithmetic the plain run checks, and
# take minutes under the sanitizers. LeakSanitizer watches every test; tests/lsan.supp names the
# libraries whose own caches live until exit.
test-asan: bootstrap
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPELMORA_SANITIZE=ON -DPELMORA_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir $(ASAN_BUILD) $(CTEST_FLAGS) -LE slow

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -f "$$b" ] && [ -x "$$b" ] || continue; "$$b" --benchmark_min_time=0.2 || exit 1; done

# Start-up time, memory and idle CPU of the real program under a private Xvfb, beside a bare Qt window.
bench-startup: configure
	cmake --build $(BUILD) -j $(JOBS) --target pelmora bare_qt_window startup_probe
	bash bench/startup/measure.sh -n $(STARTUP_RUNS) --build $(BUILD) --name '^Pelmora by ' $(BUILD)/app/pelmora

# A PNG of every window, under a private Xvfb, into $(BUILD)/screenshots/.
screenshots: build
	bash scripts/screenshots.sh $(BUILD) $(BUILD)/screenshots

# The program, Help.rtf, the desktop entry, icons and metadata under PREFIX.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package of the program.
package: build
	cd $(BUILD) && cpack -G DEB

# libFuzzer targets, each run for FUZZ_SECONDS from its seed corpus with the options in
# fuzz/<target>.options (leaks inside third-party caches: fuzz/lsan.supp). The whole output goes to
# $(FUZZ_BUILD)/logs/<target>.log and its tail is shown; a crash, a timeout or any sanitizer report
# in the log fails the run.
FUZZ_REPORT = runtime error:|ERROR: AddressSanitizer|ERROR: LeakSanitizer|ERROR: libFuzzer|SUMMARY: [A-Za-z]*Sanitizer
fuzz: bootstrap
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELMORA_FUZZ=ON \
	  -DBUILD_TESTING=OFF -DPELMORA_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	@mkdir -p $(FUZZ_BUILD)/logs; failed=; \
	for f in $(FUZZ_BUILD)/fuzz/fuzz_*; do \
	  [ -f "$$f" ] && [ -x "$$f" ] || continue; name=$$(basename $$f); \
	  log=$(FUZZ_BUILD)/logs/$$name.log; options=; \
	  [ -f fuzz/$$name.options ] && options=$$(grep -v '^#' fuzz/$$name.options | tr '\n' ' '); \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$name; \
	  echo "== $$name for $(FUZZ_SECONDS) s $$options (log: $$log)"; \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/fuzz/lsan.supp:print_suppressions=0 \
	  "$$f" -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/ $$options \
	    $(FUZZ_BUILD)/corpus/$$name fuzz/corpus/$$name >"$$log" 2>&1; status=$$?; \
	  tail -n 12 "$$log"; \
	  echo "== $$name: $$(sed -n 's/^stat::number_of_executed_units: *//p' "$$log" | tail -n 1) executions, status $$status"; \
	  if [ $$status -ne 0 ] || grep -qE '$(FUZZ_REPORT)' "$$log"; then \
	    echo "== $$name FAILED:"; grep -m 5 -E '$(FUZZ_REPORT)' "$$log"; failed="$$failed $$name"; \
	  fi; \
	done; \
	if [ -n "$$failed" ]; then echo "make fuzz: failed:$$failed (logs in $(FUZZ_BUILD)/logs)"; exit 1; fi

# Rewrites every C++ file in the house style.
format: bootstrap
	clang-format -i $(FORMAT_FILES)

# Fails, naming the files, when a C++ file is not in the house style.
check-format: bootstrap
	clang-format --dry-run --Werror $(FORMAT_FILES)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
