# make run   installs what is missing, builds the program alone and starts it
# make test  installs what is missing, builds and runs every test, plain and
#            under AddressSanitizer + UndefinedBehaviorSanitizer
# make install [PREFIX=/usr/local] [DESTDIR=/staging]
#            builds and installs the program, its data, help, desktop entry,
#            icon and document type (CMAKE_INSTALL_PREFIX= works as PREFIX=)
# make package
#            builds umbrafex_<version>_<arch>.deb in $(BUILD)/package, with
#            Debian's hardening flags and without tests or benchmarks
JOBS ?= 2
BUILD ?= build
ARGS ?=
PREFIX ?= $(or $(CMAKE_INSTALL_PREFIX),/usr/local)

.PHONY: deps build run install package test test-plain test-asan fuzz

deps:
	bash scripts/install-deps

build: deps
	cmake -S . -B $(BUILD)/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD)/release -j$(JOBS)

# Only the program and its data: a first run need not wait for the tests.
run: deps
	cmake -S . -B $(BUILD)/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD)/release -j$(JOBS) --target umbrafex
	$(BUILD)/release/bin/umbrafex $(ARGS)

package: deps
	CFLAGS="$$(dpkg-buildflags --get CFLAGS)" CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	  LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	  cmake -S . -B $(BUILD)/package -DCMAKE_BUILD_TYPE=Release -DUMBRAFEX_BENCH=OFF \
	  -DUMBRAFEX_TESTS=OFF
	cmake --build $(BUILD)/package -j$(JOBS) --target umbrafex umbrafex_package_files
	cd $(BUILD)/package && cpack -G DEB
	@ls $(BUILD)/package/umbrafex_*.deb

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD)/release --prefix "$(PREFIX)"

test: deps test-plain test-asan

test-plain:
	cmake -S . -B $(BUILD)/test -DCMAKE_BUILD_TYPE=Debug -DUMBRAFEX_WERROR=ON
	cmake --build $(BUILD)/test -j$(JOBS)
	ctest --test-dir $(BUILD)/test --output-on-failure

test-asan:
	cmake -S . -B $(BUILD)/asan -DCMAKE_BUILD_TYPE=Debug -DUMBRAFEX_WERROR=ON \
	  -DUMBRAFEX_SANITIZE=ON -DUMBRAFEX_BENCH=OFF
	cmake --build $(BUILD)/asan -j$(JOBS)
	ctest --test-dir $(BUILD)/asan --output-on-failure

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(BUILD)/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DUMBRAFEX_FUZZ=ON -DUMBRAFEX_BENCH=OFF
	cmake --build $(BUILD)/fuzz -j$(JOBS)
