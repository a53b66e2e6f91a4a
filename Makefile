# Front door. `make` installs what is missing, builds the three targets and
# collects the programs in dist/; `make test` runs every test suite.
#   dist/sfxpack                      native builder tool
#   dist/x64/, dist/x86/              the Windows programs of each target
JOBS ?= $(shell nproc)

.PHONY: all bootstrap build native win64 win32 test test-native test-win64 demo clean

all: build

bootstrap:
	@sh scripts/bootstrap

build: bootstrap native win64 win32

native win64 win32:
	cmake --preset $@ >/dev/null
	cmake --build --preset $@ -j $(JOBS)
	cmake --install build/$@ --prefix dist/$(if $(filter native,$@),,$(if $(filter win64,$@),x64,x86)) >/dev/null

test: build test-native test-win64

test-native:
	ctest --preset native -j $(JOBS)

# The Windows tests open real windows, so they run inside a virtual X display.
test-win64:
	xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset win64

clean:
	rm -rf build dist
