# make run   - set up, build and start the program (in ~/.local/share/zorsaar)
# make test  - set up, build and run every test
# make test-sanitize - the same in build-san/, built with AddressSanitizer, UndefinedBehavior-
#              Sanitizer and LeakSanitizer (no benchmarks): any report fails its test
# make fuzz  - the fuzz target of the ADIF reader (clang with libFuzzer) for FUZZ_SECONDS
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
MAKEFLAGS += --no-print-directory
RUN_DIR ?= $(HOME)/.local/share/zorsaar
FUZZ_SECONDS ?= 60
SAN_BUILD ?= build-san

.PHONY: setup configure build run test test-sanitize bench fuzz clean format

# The ADIF readers some tests use are installed beside the build that runs them.
setup:
	@ZOR_NODE_DIR=$(BUILD)/node bash scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) > $(BUILD).configure.log 2>&1 || (cat $(BUILD).configure.log; exit 1)

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@mkdir -p "$(RUN_DIR)"
	cd "$(RUN_DIR)" && exec "$(CURDIR)/$(BUILD)/zorsaar"

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 300

# A report ends the test program at once and fails its test; leaks are reported when it
# ends.
test-sanitize:
	@ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  $(MAKE) test BUILD=$(SAN_BUILD) CMAKE_FLAGS="$(CMAKE_FLAGS) -DZOR_SANITIZE=ON -DZOR_BUILD_BENCH=OFF"

bench: build
	@for b in $(BUILD)/bench/*; do echo "== $$b"; $$b; done

fuzz: setup
	@cmake -S . -B $(BUILD)-fuzz -DCMAKE_CXX_COMPILER=clang++ -DZOR_FUZZ=ON > $(BUILD)-fuzz.configure.log 2>&1 || (cat $(BUILD)-fuzz.configure.log; exit 1)
	@cmake --build $(BUILD)-fuzz -j $(JOBS)
	@mkdir -p $(BUILD)-fuzz/corpus
	$(BUILD)-fuzz/fuzz/fuzz_adifreader -dict=fuzz/adif.dict -max_total_time=$(FUZZ_SECONDS) $(BUILD)-fuzz/corpus

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(BUILD).configure.log $(SAN_BUILD) $(SAN_BUILD).configure.log \
	  $(BUILD)-fuzz $(BUILD)-fuzz.configure.log
