# The everyday commands; CMake does the work.
BUILD_DIR ?= build
WINDOWS_BUILD_DIR ?= build-windows
ARGS ?= localhost 127.0.0.1

.PHONY: all build run test test-windows windows clean

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

clean:
	rm -rf $(BUILD_DIR) $(WINDOWS_BUILD_DIR)
