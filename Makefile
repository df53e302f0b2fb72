# Quorvel: `make run` builds and starts the editor, `make test` builds and runs every test.
BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_BENCH?= build-bench
BUILD_COVERAGE ?= build-coverage
# REST_CPU=0 skips the 25 s measurement of the editor at rest that follows the benchmarks.
REST_CPU   ?= 1
JOBS       ?= 2
CMAKE_GEN  := -G Ninja

.PHONY: run test test-asan coverage bench build bootstrap install clean

bootstrap:
	@scripts/bootstrap

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: bootstrap $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: bootstrap $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target quorvel
	@scripts/run $(BUILD)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: bootstrap
	cmake -S . -B $(BUILD_ASAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=ON
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	cd $(BUILD_ASAN) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# Line coverage of the program's own code by the test suite: summary on the
# terminal, the full report in $(BUILD_COVERAGE)/html/index.html.
coverage: bootstrap
	cmake -S . -B $(BUILD_COVERAGE) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_COVERAGE=ON
	cmake --build $(BUILD_COVERAGE) -j $(JOBS)
	lcov --quiet --zerocounters --directory $(BUILD_COVERAGE)
	cd $(BUILD_COVERAGE) && QT_QPA_PLATFORM=offscreen ctest -j $(JOBS) >/dev/null || true
	lcov --quiet --capture --directory $(BUILD_COVERAGE) --output-file $(BUILD_COVERAGE)/all.info
	lcov --quiet --extract $(BUILD_COVERAGE)/all.info '$(CURDIR)/*' --output-file $(BUILD_COVERAGE)/ours.info
	lcov --quiet --remove $(BUILD_COVERAGE)/ours.info '$(CURDIR)/tests/*' '$(CURDIR)/bench/*' \
	  '$(CURDIR)/build*' --output-file $(BUILD_COVERAGE)/coverage.info
	genhtml --quiet $(BUILD_COVERAGE)/coverage.info --output-directory $(BUILD_COVERAGE)/html
	lcov --summary $(BUILD_COVERAGE)/coverage.info

bench: bootstrap
	cmake -S . -B $(BUILD_BENCH) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF -DQUORVEL_BENCH=ON
	cmake --build $(BUILD_BENCH) -j $(JOBS) --target quorvel_bench quorvel
	QT_QPA_PLATFORM=offscreen $(BUILD_BENCH)/bench/quorvel_bench $(BENCH_ARGS)
	@if [ "$(REST_CPU)" != 0 ]; then scripts/rest-cpu $(BUILD_BENCH)/app/quorvel; fi

install: bootstrap $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target quorvel
	cmake --install $(BUILD) --prefix $(or $(PREFIX),/usr/local)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_BENCH) $(BUILD_COVERAGE)
