# Two commands matter: `make run` and `make test`. Both install what is missing first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
FUZZ_BUILD ?= build-fuzz
# Seconds each fuzz target runs in `make fuzz`.
FUZZ_SEKUND ?= 100
JOBS       ?= $(shell nproc)
RUNDIR     ?= $(BUILD)/run

.PHONY: all deps build test test-plain test-asan run bench fuzz package clean

all: build

deps:
	bash scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

test: test-plain test-asan

test-plain: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# The same suite once more, built with AddressSanitizer and UndefinedBehaviorSanitizer;
# any report fails the test that produced it.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTALVO_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

run: build
	bash scripts/prepare-run $(RUNDIR) $(BUILD)/talvoPrehled
	cd $(RUNDIR) && exec $(CURDIR)/$(BUILD)/talvo

bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DTALVO_BENCH=ON
	cmake --build $(BENCH_BUILD) -j$(JOBS) --target talvo_bench talvo_bench_okna talvo_bench_hra talvo_bench_hry_okno talvo_bench_signaly talvo_mereni_startu
	$(BENCH_BUILD)/bench/talvo_bench --benchmark_repetitions=3
	$(BENCH_BUILD)/bench/talvo_bench_okna --benchmark_repetitions=3
	$(BENCH_BUILD)/bench/talvo_bench_hra --benchmark_repetitions=3
	$(BENCH_BUILD)/bench/talvo_bench_hry_okno --benchmark_repetitions=3
	$(BENCH_BUILD)/bench/talvo_bench_signaly --benchmark_repetitions=3
	$(BENCH_BUILD)/bench/talvo_mereni_startu

# The libFuzzer targets of fuzz/, built with clang, each run for FUZZ_SEKUND seconds (scripts/fuzz).
# `make test` runs them once over their saved inputs in both of its builds.
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALVO_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzz_vse
	bash scripts/fuzz $(FUZZ_BUILD) $(FUZZ_SEKUND)

# A Debian package of the program, build/talvo_<version>_<arch>.deb, checked for what it must hold.
package: build
	cmake --build $(BUILD) --target package
	bash scripts/check-package $(BUILD) $(BUILD)/talvo_*.deb

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
