# Two entry points: `make run` starts the window program, `make test` runs every test.
# Both install missing Debian packages first. `make install` puts both programs into
# PREFIX (default ~/.local) for the user alone; `make uninstall` takes them out again. `make tsan` runs the tests that start
# threads under ThreadSanitizer; `make tidy` runs clang-tidy over src/ as CI does.

JOBS ?= 2
TEST_BUILD := build
RUN_BUILD := build-release
PREFIX ?= $(HOME)/.local
TSAN_BUILD := build-tsan

.PHONY: all deps run test tsan tidy build-test build-run install uninstall bench screenshots deb clean

all: build-run

deps:
	@./scripts/install-deps.sh

# Line tables only (-g1): the files and lines a sanitizer's report shows, without the
# full debug information's size.
build-test: deps
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DMORVANE_SANITIZE=ON -DCMAKE_CXX_FLAGS_DEBUG=-g1
	cmake --build $(TEST_BUILD) -j$(JOBS)

test: build-test
	cd $(TEST_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# The tests that start threads (label "threads" in tests/CMakeLists.txt) built with
# ThreadSanitizer, and only the executable they are in. GCC 12's ThreadSanitizer stops at
# start ("unexpected memory mapping") where the kernel randomizes addresses over more
# than 28 bits; there the tests run without that randomization.
tsan: deps
	cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DMORVANE_SANITIZE_THREAD=ON -DCMAKE_CXX_FLAGS_DEBUG=-g1
	cmake --build $(TSAN_BUILD) -j$(JOBS) --target morvane_window_tests
	cd $(TSAN_BUILD) && \
	  if [ "$$(cat /proc/sys/vm/mmap_rnd_bits 2>/dev/null || echo 0)" -gt 28 ]; then fixed="setarch $$(uname -m) -R"; fi; \
	  QT_QPA_PLATFORM=offscreen $$fixed ctest -L threads --output-on-failure -j$(JOBS)

# clang-tidy over every C++ file of src/ with the checks .clang-tidy lists, in build-tidy
# (scripts/check-tidy.sh); any finding fails.
tidy:
	JOBS=$(JOBS) ./scripts/check-tidy.sh

build-run: deps
	cmake -S . -B $(RUN_BUILD) -DCMAKE_BUILD_TYPE=Release -DMORVANE_BUILD_TESTS=OFF
	cmake --build $(RUN_BUILD) -j$(JOBS)

run: build-run
	@./scripts/run.sh $(RUN_BUILD)

# The optimized build installed with every file a package holds (see cmake/install.cmake).
# The programs installed so keep their settings in ~/.config/morvane.
install: build-run
	cmake --install $(RUN_BUILD) --prefix "$(PREFIX)" --strip
	@case ":$$PATH:" in *":$(PREFIX)/bin:"*) ;; \
	  *) echo "$(PREFIX)/bin is not on your PATH yet; for this shell: export PATH=\"$(PREFIX)/bin:\$$PATH\"" ;; esac

# Removes what the last `make install` installed (CMake's list of it), and the folders
# only Morvane uses; the settings in ~/.config/morvane stay.
uninstall:
	@[ -f $(RUN_BUILD)/install_manifest.txt ] || { echo "nothing to uninstall: $(RUN_BUILD)/install_manifest.txt is missing"; exit 1; }
	xargs -d '\n' rm -f <$(RUN_BUILD)/install_manifest.txt
	@sed -n 's#/share/morvane/installed$$#/share/morvane#p; s#/share/doc/morvane/copyright$$#/share/doc/morvane#p' \
	  $(RUN_BUILD)/install_manifest.txt | xargs -r -d '\n' rmdir --ignore-fail-on-non-empty
	rm -f $(RUN_BUILD)/install_manifest.txt

# Every speed-and-scale goal, each figure beside its reference measured in the same run
# (bench/run_all.sh; about a quarter of an hour). The other benchmarks:
# ./build-bench/bench/morvane_benchmarks.
bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DMORVANE_BUILD_TESTS=OFF -DMORVANE_BUILD_BENCHMARKS=ON
	cmake --build build-bench -j$(JOBS) --target morvane_benchmarks morvane_window_run_bench morvane_gui_bench
	./bench/run_all.sh build-bench

# Renders the main window offscreen in each of its six modes, and its dialogs and help
# window, into build/screenshots/.
screenshots: build-run
	@./scripts/screenshots.sh $(RUN_BUILD) $(TEST_BUILD)/screenshots

# The Debian package morvane_<version>_<arch>.deb in build-deb/, from an optimized build
# below /usr of the packaged programs alone, checked as the install test checks it. The
# compiler and linker take Debian's hardening flags from dpkg-buildflags (fortify, stack
# protector, relro, bind-now), without -g: the programs are stripped. DEBFULLNAME and
# DEBEMAIL name the maintainer (cmake/maintainer.cmake).
deb: deps
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g; \
	cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DMORVANE_BUILD_TESTS=OFF -DMORVANE_BUILD_TOOLS=OFF \
	  -DCMAKE_INSTALL_PREFIX=/usr \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"
	cmake --build build-deb -j$(JOBS)
	cd build-deb && cpack -G DEB
	./tests/install/check_package.sh build-deb/morvane_*.deb
	@echo "Install it with: sudo apt-get install ./$$(ls build-deb/morvane_*.deb)"

clean:
	rm -rf $(TEST_BUILD) $(RUN_BUILD) $(TSAN_BUILD) build-bench build-deb build-tidy
