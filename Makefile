# The two commands of the README; both install what is missing first.
BUILD := build
CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
# A test that hangs fails after this many seconds instead of holding up the run.
TEST_TIMEOUT := 600
# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer, in
# a build folder of their own; any report of either ends the test with a failure.
SANITIZE_BUILD := build-sanitize
# GCC's "undefined" leaves out float-cast-overflow (a double too large for its integer), which
# amounts and report settings could meet; it is asked for by name.
SANITIZE_FLAGS := -fsanitize=address,undefined,float-cast-overflow \
  -fno-sanitize-recover=undefined,float-cast-overflow -fno-omit-frame-pointer
# Leaks are still reported, except those that Qt, fontconfig and the other
# system libraries keep on purpose until the process ends (tests/sanitize.supp).
SANITIZE_ENV := ASAN_OPTIONS=detect_stack_use_after_return=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize.supp:print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# The same build's tests once more on another day, in another time zone and in a
# locale that writes a decimal comma: no test may depend on when or where it runs.
# The clock starts seconds before a new year, so the run crosses midnight.
MOVED_CLOCK := 2031-12-31 23:59:50
MOVED_ENV := TZ=Pacific/Kiritimati LC_ALL=mk_MK.UTF-8

.PHONY: run test test-moved-clock test-sanitize bench build deps

deps:
	@bash scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) > /dev/null
	@cmake --build $(BUILD)

run: build
	@mkdir -p data
	@cd data && ../$(BUILD)/kasavel

test: build
	@cd $(BUILD) && ctest --output-on-failure -j 8 --timeout $(TEST_TIMEOUT)

test-moved-clock: build
	@cd $(BUILD) && faketime '$(MOVED_CLOCK)' env $(MOVED_ENV) ctest --output-on-failure -j 8 --timeout $(TEST_TIMEOUT)

test-sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) $(CMAKE_FLAGS) -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DKASAVEL_BENCHMARKS=OFF > /dev/null
	@$(SANITIZE_ENV) cmake --build $(SANITIZE_BUILD)
	@cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure -j 8 --timeout $(TEST_TIMEOUT)

bench: build
	@bash bench/run.sh $(BUILD)
