# Thin wrapper over the CMake presets. `make demo` and `make test` are the two
# commands of the README; everything else is a step of theirs.

PRESETS_TESTED := linux linux-asan
JOBS ?= $(shell nproc)

.PHONY: all linux linux-asan win32 win64 windows fuzz build test unit-tests script-tests e2e \
        fuzz-run wine-arch wine-services wine-fileset wine-numbers wine-scripts wine-signed \
        demo demo-wine \
        bench format reproducible \
        deps clean grammar editor-deps editor-tests vsix

all: build

build: linux linux-asan windows

# Every build first makes sure the toolchains are there (quick when they are).
linux linux-asan win32 win64 fuzz: deps
	cmake --preset $@ >/dev/null
	cmake --build build/$@ -j $(JOBS)

## Every test: unit tests on both Linux presets, script tests, the editor tests and the
## packaging of the VS Code extension, the choice of Windows build for Wine, Wine
## end-to-end, a short fuzz run.
test: unit-tests script-tests editor-tests vsix wine-arch e2e wine-services wine-fileset \
      wine-numbers wine-scripts wine-signed fuzz-run reproducible

# The Windows builds. The Wine suites run win32, the runtime that ships, or,
# where Wine cannot start 32-bit programs, win64 under the 64-bit loader
# (tests/wine/wine_arch.sh; VORNA_WINE_ARCH=32 or 64 forces the choice).
# win64 is built everywhere: it costs a few minutes, keeps the 64-bit build
# compiling on every machine, and lets wine-arch try both answers.
windows: win32 win64

## Which Windows build the Wine suites run, tried both ways.
wine-arch: windows
	tests/wine/wine_arch_test.sh build/win32

## A second build of the runtime and the packer in another folder, compared
## byte for byte with the first.
reproducible: win32 linux
	tests/reproducible/same_bytes.sh build/win32 build/linux

unit-tests: linux linux-asan
	for preset in $(PRESETS_TESTED); do ctest --preset $$preset -j $(JOBS) || exit 1; done

## The Windows vorna-pack extracting a file set under Wine: files and times.
## The Windows build prints every number exactly as the Linux build does.
wine-numbers: windows linux
	tests/wine/format_number.sh build/win32 build/linux

wine-fileset: windows linux
	tests/wine/fileset_extract.sh build/win32 build/linux

## The Windows registry, shortcut and library registration services under Wine.
wine-services: windows
	tests/wine/services.sh build/win32

## Signed setups (openssl, osslsigncode) and damaged ones, in the sandbox and under Wine.
wine-signed: windows linux
	tests/wine/signed_image.sh build/win32 build/linux

## The golden scripts through the real runtime, unattended under Wine.
wine-scripts: windows
	tests/scripts/run.sh --wine build/win32

script-tests: linux linux-asan
	@if [ -x tests/scripts/run.sh ]; then \
	  for preset in $(PRESETS_TESTED); do tests/scripts/run.sh build/$$preset || exit 1; done; \
	fi

# The end-to-end tests pack images with the Linux build of vorna-pack.
e2e: windows linux
	@if [ -x tests/e2e/run.sh ]; then tests/e2e/run.sh build/win32; fi

fuzz-run: fuzz
	@if [ -x tests/fuzz/run.sh ]; then tests/fuzz/run.sh build/fuzz; fi

VSCODE := editors/vscode
GRAMMAR := $(VSCODE)/syntaxes/vorna.tmLanguage.json

## The editor grammar, printed from the keyword table (not kept in git).
grammar: linux
	@mkdir -p $(dir $(GRAMMAR))
	build/linux/tools/grammar/vorna-grammar > $(GRAMMAR).tmp && mv $(GRAMMAR).tmp $(GRAMMAR)

## The extension's npm packages, exactly as package-lock.json pins them.
editor-deps: deps
	@if [ ! -f $(VSCODE)/node_modules/.package-lock.json ] || \
	    [ $(VSCODE)/package-lock.json -nt $(VSCODE)/node_modules/.package-lock.json ]; then \
	  cd $(VSCODE) && npm ci --no-audit --no-fund --omit=optional; \
	fi

## The VS Code extension's tests: grammar scopes, folding, problem matcher, tasks.
editor-tests: grammar editor-deps
	cd $(VSCODE) && VORNA_BUILD=$(CURDIR)/build/linux npm test

## The VS Code extension, packaged as build/vorna-script.vsix.
vsix: grammar editor-deps
	cd $(VSCODE) && npx vsce package --no-dependencies --allow-missing-repository --skip-license \
	  --out $(CURDIR)/build/vorna-script.vsix
	@unzip -l build/vorna-script.vsix | grep -q extension/syntaxes/vorna.tmLanguage.json || \
	  { echo "vsix: the grammar is missing from build/vorna-script.vsix" >&2; exit 1; }

## Packs the sample product behind vorna.exe and runs it in the sandbox.
demo: linux win32
	examples/demo.sh build/linux build/win32

demo-wine: windows linux
	@if [ -x examples/demo-wine.sh ]; then examples/demo-wine.sh; fi

## The table of what a setup costs, on a many-file mix copied from this machine
## (bench/README.md), then the interpreter's benchmarks.
bench: linux win32
	bench/setup_table.sh build/linux build/win32
	build/linux/bench/bench_interpreter
	build/linux/bench/bench_keywords

## Installs the toolchains and tools on a fresh Debian machine (as root or via sudo).
deps:
	@.ci/install-deps

format:
	find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | xargs clang-format -i

clean:
	rm -rf build
