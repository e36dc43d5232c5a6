# Morvaine: make (build), make test, make run [FILE=path.mrv], make package, make bench,
# make fuzz, make sanitize, make translations.
BUILD      ?= build
JOBS       ?= $(shell nproc)
SAMPLE     := examples/house.mrv
FILE       ?= $(SAMPLE)
FUZZ_TIME  ?= 60
FUZZ_RUNS  ?= -1
CMAKE_GEN  := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")
# A developer's machine with ccache reuses objects across build folders and clones.
CMAKE_GEN  += $(shell command -v ccache >/dev/null 2>&1 && echo "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")

.PHONY: all deps configure build test run package bench fuzz sanitize install clean translations

all: build

deps:
	bash scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: deps
	$(MAKE) build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Builds the program only (no tests). Project files hold dates in the writer's short
# date format, so the sample is written afresh in this machine's format (into the
# build folder) before it is opened.
run: deps
	$(MAKE) configure
	cmake --build $(BUILD) -j $(JOBS) --target morvaine
ifeq ($(FILE),$(SAMPLE))
	./$(BUILD)/morvaine --write-sample $(BUILD)/house.mrv
	./$(BUILD)/morvaine $(BUILD)/house.mrv
else
	./$(BUILD)/morvaine $(FILE)
endif

bench: deps
	cmake -S . -B build-bench $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DMORVAINE_TESTS=OFF -DMORVAINE_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	cd build-bench && for b in bench/bench_*; do \
		if [ -f "$$b" ] && [ -x "$$b" ]; then QT_QPA_PLATFORM=offscreen LC_ALL=de_DE.UTF-8 ./$$b || exit 1; fi; \
	done

# libFuzzer run of a reader for FUZZ_TIME seconds (0: no limit) or FUZZ_RUNS inputs,
# seeded with the fixtures, under AddressSanitizer and UBSan (every finding fatal):
# FUZZ_TARGET=project_file (the default) or ms_project_xml. Project files may reach
# 64 KiB, so mutations of the 200-task fixture (about 19 KB) are whole multi-task files;
# MS Project XML inputs go through the whole import and may reach 1 MiB, and one that
# takes over 5 seconds is a finding.
FUZZ_TARGET ?= project_file
FUZZ_SEEDS_project_file   := tests/fixtures/*.mrv
FUZZ_SEEDS_ms_project_xml := tests/fixtures/ms_project/*.xml
FUZZ_OPTS_project_file    := -max_len=65536
FUZZ_OPTS_ms_project_xml  := -max_len=1048576 -timeout=5 -dict=fuzz/ms_project_xml.dict
fuzz:
	bash scripts/install-deps.sh clang libclang-rt-14-dev
	CXX=clang++ cmake -S . -B build-fuzz $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVAINE_TESTS=OFF -DMORVAINE_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS) --target fuzz_$(FUZZ_TARGET)
	mkdir -p build-fuzz/corpus-$(FUZZ_TARGET)
	cp $(FUZZ_SEEDS_$(FUZZ_TARGET)) build-fuzz/corpus-$(FUZZ_TARGET)/
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:suppressions=$(CURDIR)/tests/ubsan.supp \
	./build-fuzz/fuzz/fuzz_$(FUZZ_TARGET) $(FUZZ_OPTS_$(FUZZ_TARGET)) -max_total_time=$(FUZZ_TIME) \
		-runs=$(FUZZ_RUNS) -print_final_stats=1 build-fuzz/corpus-$(FUZZ_TARGET)

# Every test under AddressSanitizer and UBSan, in build-asan/.
sanitize: deps
	cmake -S . -B build-asan $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVAINE_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ctest --output-on-failure -j $(JOBS)

# A Debian package of what make install installs, by CPack: $(BUILD)/morvaine_*.deb.
package: deps
	$(MAKE) build
	cd $(BUILD) && cpack -G DEB

# Reads every source file for new or changed texts and writes them into
# translations/*.ts (texts gone from the sources leave the files); the build turns the
# .ts files into the program's translations.
translations: deps
	$(MAKE) configure
	cmake --build $(BUILD) --target update_translations

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD) build-bench build-fuzz build-asan
