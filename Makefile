# The everyday commands; CMake does the work, each kind of build in a folder of its own.
SHELL := /bin/bash
BUILD_DIR ?= build
WINDOWS_BUILD_DIR ?= build-windows
SANITIZE_BUILD_DIR ?= build-sanitize
CLANG_BUILD_DIR ?= build-clang
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 120
FUZZ_TARGETS := address_text classify command_line driver escape
ARGS ?= localhost 127.0.0.1
PREFIX ?= /usr/local

.PHONY: all build run test test-windows windows test-sanitize test-clang analyze fuzz bench install package \
  clean

all: build

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release

build: $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) --parallel

run: build
	$(BUILD_DIR)/twoway $(ARGS)

# Everything: the unit and end-to-end tests of the Linux build, then the Windows build under Wine.
test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure
	@$(MAKE) --no-print-directory test-windows

# The native Windows console build, cross-compiled with mingw-w64.
$(WINDOWS_BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(WINDOWS_BUILD_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DCMAKE_BUILD_TYPE=Release

windows: $(WINDOWS_BUILD_DIR)/CMakeCache.txt
	cmake --build $(WINDOWS_BUILD_DIR) --parallel

test-windows:
	@if command -v x86_64-w64-mingw32-g++ >/dev/null && command -v wine >/dev/null; then \
	  $(MAKE) --no-print-directory windows && \
	  ctest --test-dir $(WINDOWS_BUILD_DIR) --output-on-failure; \
	elif [ "$$CI" = true ]; then \
	  echo "FAILED: the Windows tests need mingw-w64 and wine (CI must run them)"; exit 1; \
	else \
	  echo "skipped: the Windows tests (install g++-mingw-w64-x86-64, wine and wine64 to run them)"; \
	fi

# The whole Linux suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize:
	cmake -S . -B $(SANITIZE_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTWOWAY_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD_DIR) --parallel
	ctest --test-dir $(SANITIZE_BUILD_DIR) --output-on-failure

# The whole Linux suite built with clang++ (the folder keeps the compiler of its first configure).
test-clang:
	CXX=clang++ cmake -S . -B $(CLANG_BUILD_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(CLANG_BUILD_DIR) --parallel
	ctest --test-dir $(CLANG_BUILD_DIR) --output-on-failure

# Formatting, clang-tidy and cppcheck over the tool's own sources (the test files are compiled
# warning-free by both compilers). The Windows files are checked against mingw-w64's headers where
# those are installed.
TOOL_SOURCES = $(wildcard app/*.cc console/*.cc resolve/*.cc tests/fakes/*.cc)
POSIX_SOURCES = $(filter-out %_win32.cc,$(TOOL_SOURCES))
WINDOWS_SOURCES = $(filter %_win32.cc,$(TOOL_SOURCES))
MINGW_CXX_INCLUDE = $(firstword $(wildcard /usr/lib/gcc/x86_64-w64-mingw32/*-win32/include/c++))
analyze: $(BUILD_DIR)/CMakeCache.txt
	clang-format --dry-run --Werror $(wildcard app/*.[ch]* console/*.[ch]* resolve/*.[ch]* \
	  tests/*.cc tests/fakes/*.[ch]* tests/fuzz/*.cc tests/e2e/*.cc bench/*.cc)
	clang-tidy -p $(BUILD_DIR) --quiet $(POSIX_SOURCES)
	@if [ -n "$(MINGW_CXX_INCLUDE)" ]; then \
	  $(MAKE) --no-print-directory $(WINDOWS_BUILD_DIR)/CMakeCache.txt && \
	  clang-tidy -p $(WINDOWS_BUILD_DIR) --quiet --extra-arg=-isystem$(MINGW_CXX_INCLUDE) \
	    --extra-arg=-isystem$(MINGW_CXX_INCLUDE)/x86_64-w64-mingw32 $(WINDOWS_SOURCES); \
	else \
	  echo "skipped: clang-tidy of the Windows files (install g++-mingw-w64-x86-64)"; \
	  test "$$CI" != true; \
	fi
	cppcheck --enable=warning,style,performance,portability --error-exitcode=1 --inline-suppr \
	  --std=c++17 --quiet -I . --suppress=missingIncludeSystem app console resolve tests/fakes bench

# Each libFuzzer target for FUZZ_SECONDS, from the committed seeds; a finding fails the run and leaves
# its input in $(FUZZ_BUILD_DIR)/findings.
fuzz:
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTWOWAY_FUZZ=ON \
	  -DBUILD_TESTING=OFF
	cmake --build $(FUZZ_BUILD_DIR) --parallel
	@mkdir -p $(FUZZ_BUILD_DIR)/findings
	@for target in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD_DIR)/corpus/$$target; \
	  echo "fuzzing $$target for $(FUZZ_SECONDS) s"; \
	  $(FUZZ_BUILD_DIR)/tests/fuzz/$${target}_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD_DIR)/findings/$$target- \
	    $(FUZZ_BUILD_DIR)/corpus/$$target tests/fuzz/corpus/$$target 2>&1 | \
	    grep -E '^(stat::number_of_executed_units|==[0-9]+==|SUMMARY|artifact_prefix|Test unit written)' ; \
	  test $${PIPESTATUS[0]} -eq 0 || { echo "fuzzing $$target found a fault"; exit 1; }; \
	done

# Single shot and many arguments against getent and a floor program, in the test namespace.
bench: build
	bench/run $(BUILD_DIR)

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX) --strip

# A Debian package of the binary and its manual page: $(BUILD_DIR)/twoway_VERSION_ARCH.deb.
package: build
	cd $(BUILD_DIR) && cpack

clean:
	rm -rf $(BUILD_DIR) $(WINDOWS_BUILD_DIR) $(SANITIZE_BUILD_DIR) $(CLANG_BUILD_DIR) $(FUZZ_BUILD_DIR)
