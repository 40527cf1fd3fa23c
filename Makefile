BUILD ?= build
GENERATOR := Ninja

.PHONY: all deps configure build test run bench format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G $(GENERATOR) >/dev/null

build: configure
	@cmake --build $(BUILD)

test: build
	@scripts/run-tests $(BUILD)

run: build
	@$(BUILD)/host/zelk

bench: build
	@$(BUILD)/bench/zelk_bench

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD)
