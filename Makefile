# make run   - install what is missing, build, start Pelmor
# make test  - install what is missing, build with sanitizers, run the fuzzers and every test
# make bench - build optimised and run the benchmarks
# make soak  - 1,000 round trips with faults through the link, 200 through the window (not in CI)
# make screenshots - render the window and the dialogs into docs/screenshots
# make package - build the Debian package (build/package/pelmor_VERSION_ARCH.deb)
# make package-check - lintian, desktop-file-validate, appstreamcli and an install test of that package
# make windows - build pelmor.exe, pelmor-cli.exe, the installer and the zip for Windows (build/windows)
# make windows-test - run the Windows build's tests under Wine
JOBS ?= $(shell nproc)
FUZZ_RUNS ?= 300000
# Debian's hardening for the packaged programs.
PACKAGE_CXXFLAGS ?= -D_FORTIFY_SOURCE=2 -fstack-protector-strong -fcf-protection
PACKAGE_LDFLAGS ?= -Wl,-z,relro -Wl,-z,now

.PHONY: run test build bench soak screenshots fuzz clean package package-check windows windows-test

build:
	scripts/deps.sh run
	cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELMOR_TESTS=OFF -DPELMOR_BENCH=OFF >/dev/null
	cmake --build build -j $(JOBS) --target pelmor pelmor-cli

run: build
	scripts/start.sh build/bin/pelmor

test:
	scripts/deps.sh test
	cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPELMOR_SANITIZE=ON -DPELMOR_BENCH=OFF >/dev/null
	cmake --build build/sanitize -j $(JOBS)
	$(MAKE) --no-print-directory fuzz
	cd build/sanitize && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

fuzz:
	CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELMOR_FUZZ=ON >/dev/null
	cmake --build build/fuzz -j $(JOBS)
	scripts/run-fuzzers.sh build/fuzz/bin $(FUZZ_RUNS)

bench:
	scripts/deps.sh test
	cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELMOR_TESTS=OFF >/dev/null
	cmake --build build/release -j $(JOBS)
	scripts/run-benchmarks.sh build/release/bin

soak:
	scripts/deps.sh test
	cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELMOR_TESTS=OFF >/dev/null
	cmake --build build/release -j $(JOBS) --target soak
	QT_QPA_PLATFORM=offscreen build/release/bin/soak

screenshots:
	scripts/deps.sh run
	scripts/screenshots.sh docs/screenshots
	cmake --build build -j $(JOBS) --target dialogshots
	QT_QPA_PLATFORM=offscreen build/bin/dialogshots docs/screenshots

package:
	scripts/deps.sh package
	cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DPELMOR_TESTS=OFF -DPELMOR_BENCH=OFF -DCMAKE_CXX_FLAGS="$(PACKAGE_CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$(PACKAGE_LDFLAGS)" >/dev/null
	cmake --build build/package -j $(JOBS)
	cd build/package && cpack -G DEB

package-check: package
	scripts/package-check.sh build/package

windows:
	scripts/windows.sh

windows-test:
	scripts/windows-test.sh

clean:
	rm -rf build
