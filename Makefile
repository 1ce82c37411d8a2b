# The two commands of the README; both install what is missing first.
BUILD := build
CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test bench build deps

deps:
	@bash scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) > /dev/null
	@cmake --build $(BUILD)

run: build
	@mkdir -p data
	@cd data && ../$(BUILD)/kasavel

test: build
	@cd $(BUILD) && ctest --output-on-failure -j 8

bench: build
	@bash bench/run.sh $(BUILD)
