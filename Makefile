# Front door. `make` installs what is missing, builds the three targets and
# collects the programs in dist/; `make test` runs every test suite.
#   dist/sfxpack                        native builder tool (both stubs built in)
#   dist/x86/, dist/x64/                per Windows target: BxSetup.exe (the
#                                       installer), stub/BxSetup.exe, payload/,
#                                       sfxpack.exe
# Order: the two installer stubs first, then the native sfxpack that carries
# them and appends the payload, then the complete Windows builds.
JOBS ?= $(shell nproc)

.PHONY: all bootstrap build stubs native win64 win32 test test-native test-win64 demo clean

all: build

bootstrap:
	@sh scripts/bootstrap

build: win64 win32

stubs: bootstrap
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 -j $(JOBS) --target bxsetup_stub
	cmake --preset win64 >/dev/null
	cmake --build --preset win64 -j $(JOBS) --target bxsetup_stub

native: stubs
	cmake --preset native >/dev/null
	cmake --build --preset native -j $(JOBS)
	cmake --install build/native --prefix dist >/dev/null

win64 win32: native
	cmake --preset $@ >/dev/null
	cmake --build --preset $@ -j $(JOBS)
	cmake --install build/$@ --prefix dist/$(if $(filter win64,$@),x64,x86) >/dev/null

test: build test-native test-win64

test-native:
	ctest --preset native -j $(JOBS)

# The Windows tests open real windows, so they run inside a virtual X display.
test-win64:
	xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset win64

# Runs the 64-bit installer under Wine and saves a screenshot of every page.
demo: build
	sh scripts/demo

clean:
	rm -rf build dist
