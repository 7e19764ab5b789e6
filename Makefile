# The two everyday commands: `make run` opens the game, `make test` runs the whole test suite.
# Both install the Debian packages they need first.
BUILD ?= build
SANITIZE ?= OFF
BUILD_TYPE ?= RelWithDebInfo

.PHONY: run test test-sanitized fuzz bench map build deps format format-check

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DZOA_SANITIZE=$(SANITIZE)
	cmake --build $(BUILD)

run: build
	@scripts/run-game $(BUILD)/zoa

test: build
	cd $(BUILD) && ctest --output-on-failure -j$$(nproc)

test-sanitized:
	$(MAKE) test BUILD=build-sanitized SANITIZE=ON BUILD_TYPE=Debug

fuzz:
	@scripts/install-deps clang libclang-rt-14-dev
	scripts/run-fuzzers

bench: build
	cmake --build $(BUILD) --target bench

map: build
	$(BUILD)/zoa-content map $(BUILD) -o $(BUILD)/story.svg
	@echo "The demo's story map: $(BUILD)/story.svg"

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

format-check:
	@scripts/install-deps clang-format
	clang-format --dry-run -Werror $$(git ls-files '*.cpp' '*.h')
