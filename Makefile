# Two commands for a fresh machine: `make demo` and `make test`.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
# A sanitizer report fails the test that caused it, also from a program a test starts: the status 66
# is none that a program of this project ends with. The suppressions name leaks of the system's
# libraries (fonts, D-Bus on a real display), never of this project.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:exitcode=66:detect_stack_use_after_return=0:check_initialization_order=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0:exitcode=66 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:exitcode=66

.PHONY: deps configure build test test-asan package demo bench clean

deps:
	scripts/install-deps

configure: deps
	@if [ ! -f $(BUILD)/build.ninja ]; then cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo; fi

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 300

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer in $(ASAN_BUILD).
# A test that fails is run once more before it counts as failed: under heavy load a program ending
# while one of Qt Core's own worker threads winds down has been seen to leave that thread's data
# (152 bytes allocated inside Qt, no frame of this project), which LeakSanitizer reports.
test-asan: deps
	@if [ ! -f $(ASAN_BUILD)/build.ninja ]; then cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DRAR1_SANITIZE=ON; fi
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 600 --repeat until-pass:2

# The Debian package build/rar1_VERSION_ARCH.deb, its file list checked.
package: build
	cmake --build $(BUILD) --target package
	scripts/check-package $(BUILD)

demo: build
	BUILD=$(BUILD) scripts/demo

bench: build
	BUILD=$(BUILD) bench/run

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
