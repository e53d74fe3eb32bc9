# make run   - set up, build and start the program (in ~/.local/share/zorsaar)
# make test  - set up, build and run every test
# make test-sanitize - the same in build-san/, built with AddressSanitizer, UndefinedBehavior-
#              Sanitizer and LeakSanitizer (no benchmarks): any report fails its test
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
MAKEFLAGS += --no-print-directory
RUN_DIR ?= $(HOME)/.local/share/zorsaar
SAN_BUILD ?= build-san

.PHONY: setup configure build run test test-sanitize bench clean format

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

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(BUILD).configure.log $(SAN_BUILD) $(SAN_BUILD).configure.log
