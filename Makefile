# Two commands do everything on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and starts the console
#   make test   installs what is missing, builds with sanitizers and runs every test
.PHONY: run test build deps screenshot translations bench package lint format format-check clean

BUILD ?= build
TEST_BUILD ?= build-test
JOBS ?= $(shell nproc)

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZN_TESTS=OFF
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/bin && ./zeitnahme

test: deps
	cmake -S . -B $(TEST_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZN_SANITIZE=ON -DZN_TESTS=ON
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS)

# Picture of the main window at its design size, made offscreen, in German
# with the board, then once per other language.
SCREENSHOT_LANGUAGES = en cs pl
screenshot: build
	cd $(BUILD)/bin && QT_QPA_PLATFORM=offscreen ./zeitnahme-screenshot $(CURDIR)/docs/main_window.png $(CURDIR)/docs/board.png
	cd $(BUILD)/bin && QT_QPA_PLATFORM=offscreen ./zeitnahme-screenshot --next-round $(CURDIR)/data/naechste_runde.png
	cd $(BUILD)/bin && for l in $(SCREENSHOT_LANGUAGES); do \
	  QT_QPA_PLATFORM=offscreen ./zeitnahme-screenshot --language $$l $(CURDIR)/docs/main_window_$$l.png || exit 1; done

# The .ts files brought up to date with the texts in src/ (for the
# translators); scripts/check_translations.sh checks that they are, in CI.
QT_BIN ?= /usr/lib/qt6/bin
translations: deps
	for ts in translations/zeitnahme_*.ts; do \
	  $(QT_BIN)/lupdate -silent -I src -source-language de -no-obsolete -locations none src -ts $$ts || exit 1; done

# The Debian package build-pkg/zeitnahme_<version>_<arch>.deb, installed under /usr.
PKG_BUILD ?= build-pkg
PKG_FLAGS = -D_FORTIFY_SOURCE=2 -fstack-protector-strong
package: deps
	cmake -S . -B $(PKG_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DZN_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr \
	  -DCMAKE_CXX_FLAGS="$(PKG_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro,-z,now" -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
	cmake --build $(PKG_BUILD) -j $(JOBS) --target zeitnahme zeitnahme-kontakt zeitnahme-mappe zeitnahme-docs
	cd $(PKG_BUILD) && cpack -G DEB

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZN_TESTS=OFF -DZN_BENCH=ON
	cmake --build build-bench -j $(JOBS)

# The sources in the repository's .clang-format, with clang-format 14 (Debian 12's):
# another version lays some lines out differently.
CLANG_FORMAT ?= $(shell command -v clang-format-14 || echo clang-format)
FORMATTED = $(shell find src tests bench tools -name '*.cpp' -o -name '*.h')
format-check: deps
	$(CLANG_FORMAT) --dry-run -Werror $(FORMATTED)

format:
	$(CLANG_FORMAT) -i $(FORMATTED)

# clang-tidy with the checks of .clang-tidy over src/, through the compile
# database of a configure of its own (nothing is built). Not part of CI.
LINT_BUILD ?= build-lint
lint: deps
	cmake -S . -B $(LINT_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZN_TESTS=OFF -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
	run-clang-tidy -quiet -j $(JOBS) -p $(LINT_BUILD) '^$(CURDIR)/src/'

clean:
	rm -rf $(BUILD) $(TEST_BUILD) build-bench $(PKG_BUILD) $(LINT_BUILD)
