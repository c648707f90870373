# The README's commands. Every target installs what is missing first.
MAKEFLAGS  += --no-print-directory
BUILD      := build
ASAN_BUILD := build/asan
FUZZ_BUILD := build/fuzz
JOBS       := $(shell nproc)
FUZZ_SECONDS ?= 30

.PHONY: all deps build build-asan build-fuzz demo test test-normal test-asan fuzz format-check bench gui clean

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release > /dev/null
	@cmake --build $(BUILD) -j$(JOBS)

build-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSTANJOMER_SANITIZE=ON > /dev/null
	@cmake --build $(ASAN_BUILD) -j$(JOBS)

build-fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSTANJOMER_FUZZ=ON \
	    -DCMAKE_CXX_COMPILER=clang++ > /dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS)

demo: build
	@bash scripts/demo.sh $(BUILD)/bin

test: test-normal test-asan fuzz format-check

test-normal: build
	@echo "== tests (release build) =="
	@QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

test-asan: build-asan
	@echo "== tests (AddressSanitizer + UndefinedBehaviorSanitizer) =="
	@QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --test-dir $(ASAN_BUILD) --output-on-failure -j$(JOBS)

fuzz: build-fuzz
	@bash scripts/run-fuzzers.sh $(FUZZ_BUILD)/bin $(FUZZ_SECONDS)

format-check: deps
	@bash scripts/format-check.sh

bench: build
	@bash bench/run.sh $(BUILD)

gui: build
	@$(BUILD)/bin/stanjomer

clean:
	rm -rf $(BUILD) out
