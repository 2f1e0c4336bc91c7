#!/usr/bin/env bash
# Fails when the committed table differs from what the generator writes now.
#   generated_tables_test.sh GENERATOR TABLE
set -euo pipefail
generator=$1
table=$2
diff -u "$table" <("$generator" | clang-format --assume-filename="$table")
echo "$table is up to date"
