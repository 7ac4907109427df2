# The two everyday commands: `make run` and `make test`. Both install what is
# missing (Debian packages), configure and build first.
BUILD_DIR ?= build
SANITIZE ?= 0
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
BUILD_TYPE ?= RelWithDebInfo
# CI builds treat warnings as errors.
WERROR ?= $(if $(CI),1,0)

# Sanitizer builds run test binaries while building (test discovery) and in
# the tests; leaks inside system libraries are suppressed, ours are not.
export LSAN_OPTIONS := suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS := print_stacktrace=1:halt_on_error=1

CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
  -DQUILLBOX_SANITIZE=$(if $(filter 1,$(SANITIZE)),ON,OFF) \
  -DQUILLBOX_WERROR=$(if $(filter 1,$(WERROR)),ON,OFF)

.PHONY: all deps build run test bench fuzz wincheck wintest format format-check clean screenshots \
  package package-check translations

all: build

deps:
	@scripts/install-deps.sh $(if $(CI),ci,)

build: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	scripts/run.sh $(BUILD_DIR)/quillbox

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j$(JOBS) --timeout 600

bench: build
	scripts/bench.sh $(BUILD_DIR)

fuzz:
	@scripts/install-deps.sh ci
	scripts/fuzz.sh build-fuzz $(FUZZ_SECONDS)

# PNGs of the real program with a sample history, for the README.
screenshots: build
	scripts/screenshots.sh $(BUILD_DIR)

# The two Debian packages, quillbox and quillbox-syncd, in build-package/
# (installed under /usr, so built apart from the everyday build).
PACKAGE_DIR ?= build-package
package: export DEB_BUILD_MAINT_OPTIONS = hardening=+all
package: deps
	cmake -S . -B $(PACKAGE_DIR) $(CMAKE_FLAGS) \
	  -DCMAKE_INSTALL_PREFIX=/usr -DQUILLBOX_TESTS=OFF -DQUILLBOX_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"
	cmake --build $(PACKAGE_DIR) -j$(JOBS) --target package

# The packages through lintian, installed on this machine, the service
# started, and removed again (root only: it changes the system).
package-check: package build
	scripts/package-check.sh $(PACKAGE_DIR) $(BUILD_DIR)/tests/sync/sync_login_probe

# Refreshes resources/translations/*.ts from the sources (lupdate): new texts
# come in unfinished, texts gone from the sources leave.
translations: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) --target translations

wincheck:
	@scripts/install-deps.sh ci
	scripts/check-win.sh

# The Windows layer's tests (tests/win/) built with MinGW and run under Wine
# on a private Xvfb display; the Wine prefix lives in build-win/prefix.
wintest:
	@scripts/install-deps.sh ci
	scripts/win-test.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails on any source file that clang-format would change.
format-check:
	@scripts/install-deps.sh ci
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf build build-asan build-fuzz build-win build-package
