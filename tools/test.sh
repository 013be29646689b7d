#!/usr/bin/env bash
# Runs every test: the Release suite (units, the chain, saved state, the built VST3 and LV2
# loaded through JUCE's hosting), the threaded tests under ThreadSanitizer, and the state
# fuzzer under AddressSanitizer and UndefinedBehaviorSanitizer for FERROX_FUZZ_SECONDS (60)
# with the editor's open-and-close test under LeakSanitizer beside it.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh --deps
jobs=$(nproc)

[ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$jobs"

[ -f build-tsan/CMakeCache.txt ] || cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFERROX_SANITIZER=thread >/dev/null
cmake --build build-tsan -j "$jobs" --target ferrox_thread_tests ferrox_editor_tests

[ -f build-fuzz/CMakeCache.txt ] || CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFERROX_SANITIZER=fuzzer >/dev/null
cmake --build build-fuzz -j "$jobs" --target ferrox_state_fuzzer ferrox_editor_tests
cmake -S . -B build-fuzz -DFERROX_FUZZ_SECONDS="${FERROX_FUZZ_SECONDS:-60}" >/dev/null

status=0
ctest --test-dir build --output-on-failure || status=1
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" ctest --test-dir build-tsan --output-on-failure || status=1
ctest --test-dir build-fuzz --output-on-failure || status=1
exit $status
