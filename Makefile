# make run   installs what is missing, builds and starts umbrafex
# make test  installs what is missing, builds and runs every test, plain and
#            under AddressSanitizer + UndefinedBehaviorSanitizer
# make install [PREFIX=/usr/local] [DESTDIR=/staging]
#            builds and installs the program, its data, help, desktop entry,
#            icon and document type (CMAKE_INSTALL_PREFIX= works as PREFIX=)
JOBS ?= 2
BUILD ?= build
ARGS ?=
PREFIX ?= $(or $(CMAKE_INSTALL_PREFIX),/usr/local)

.PHONY: deps build run install test test-plain test-asan fuzz

deps:
	bash scripts/install-deps

build: deps
	cmake -S . -B $(BUILD)/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD)/release -j$(JOBS)

run: build
	$(BUILD)/release/bin/umbrafex $(ARGS)

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
