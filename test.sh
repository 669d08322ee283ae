#!/usr/bin/env bash
# Installs what the build needs (Debian 12), builds everything into build/
# and runs every test, fuzzes the document and batch-file readers for 30
# seconds each, then runs the Qt-free libraries' tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/install-deps.sh
install_build_dependencies

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVISKORA_GUI=ON -DVISKORA_SANITIZE=OFF
cmake --build build
ctest --test-dir build --output-on-failure --timeout 600

# Half a minute of fuzzing of the document reader and recognition, starting
# from the checked-in corpus; new finds go to a scratch folder.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DVISKORA_FUZZ=ON -DVISKORA_GUI=OFF -DVISKORA_BENCH=OFF
cmake --build build-fuzz --target viskora_document_fuzzer viskora_csv_fuzzer \
    viskora_property_curves_document_fuzzer viskora_assay_document_fuzzer
fuzz_scratch="$(mktemp -d)"
build-fuzz/tests/documents/viskora_document_fuzzer -max_total_time=30 -rss_limit_mb=1024 \
    "$fuzz_scratch" tests/documents/fuzz_corpus
rm -rf "$fuzz_scratch"

# The same for the batch file reader: whatever it reads must write back unchanged.
fuzz_scratch="$(mktemp -d)"
build-fuzz/tests/cli/viskora_csv_fuzzer -max_total_time=30 -rss_limit_mb=1024 \
    "$fuzz_scratch" tests/cli/csv_corpus
rm -rf "$fuzz_scratch"

# Half a minute for the property curves reader: whatever it reads must write
# back and read again the same.
fuzz_scratch="$(mktemp -d)"
build-fuzz/tests/property_curves/viskora_property_curves_document_fuzzer -max_total_time=30 -rss_limit_mb=1024 \
    "$fuzz_scratch" tests/property_curves/property_curves_corpus
rm -rf "$fuzz_scratch"

# The same for the assay reader: whatever it reads must write back and read
# again the same.
fuzz_scratch="$(mktemp -d)"
build-fuzz/tests/assays/viskora_assay_document_fuzzer -max_total_time=30 -rss_limit_mb=1024 \
    "$fuzz_scratch" tests/assays/assay_corpus
rm -rf "$fuzz_scratch"

# Last, the Qt-free libraries' tests under the sanitizers.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVISKORA_SANITIZE=ON \
      -DVISKORA_GUI=OFF -DVISKORA_BENCH=OFF
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure --timeout 600
