# The everyday commands; CMake does the work.
BUILD_DIR ?= build
ARGS ?= localhost 127.0.0.1

.PHONY: all build run test clean

all: build

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release

build: $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) --parallel

run: build
	$(BUILD_DIR)/twoway $(ARGS)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure

clean:
	rm -rf $(BUILD_DIR)
