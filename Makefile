# Two entry points: "make run" and "make test". Everything else is a step of those two.
BUILD_DIR ?= build
BUILD_TYPE ?= Debug
DEMO_DIR ?= $(CURDIR)/demo-daten

.PHONY: run test bench deps configure build format

deps:
	@scripts/install-deps

configure: deps
	@if [ ! -f $(BUILD_DIR)/build.ninja ]; then \
		cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE); \
	fi

build: configure
	@cmake --build $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j2 --timeout 300

run: build
	@scripts/demo-vorbereiten $(BUILD_DIR) $(DEMO_DIR)
	@$(BUILD_DIR)/kivo

# Speed on a generated business with 1,000,000 bookings; not part of the tests.
bench: configure
	@cmake --build $(BUILD_DIR) --target bench

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i
