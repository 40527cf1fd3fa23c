BUILD ?= build
GENERATOR := Ninja

.PHONY: all deps configure build test run bench screenshots format clean

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
	@$(BUILD)/host/zelk $(ARGS)

bench: build
	@$(BUILD)/bench/zelk_bench

# Every built window as a PNG in $(BUILD)/screenshots (offscreen, on a fresh demo database), and
# the designer with a selection as an X screen (Xvfb) shows it.
screenshots: build
	@scripts/screenshots $(BUILD)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD)
