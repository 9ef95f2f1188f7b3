#!/usr/bin/env bash
# The layer check passes on a tree that keeps the layers and on the project itself, and fails,
# naming the file, on each kind of include that breaks them.
# Usage: check_layers_test.sh CHECK_SCRIPT PROJECT_ROOT
set -uo pipefail
check="$1"
project="$2"
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
failures=0

fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

put() {  # put FILE LINE...: writes a source file into the scratch tree
  local file="$tree/$1"
  shift
  mkdir -p "$(dirname "$file")"
  printf '%s\n' "$@" >"$file"
}

put platform/core/strings.h '#pragma once' '#include <string>'
put platform/graphics/canvas.h '#pragma once' '#include "platform/core/strings.h"'
put platform/graphics/canvas.cpp '#include "platform/graphics/canvas.h"' '#include <QImage>' '#include <queue>'
put platform/backend/window.cpp '#include <QtGui/QWindow>' '#include "platform/controls/form.h"'
put platform/controls/form.h '#pragma once' '#include "platform/windows/window.h"'
put platform/windows/window.h '#pragma once' '#include "platform/graphics/canvas.h"'
put gridlib/grid/grid.cpp '#include "gridlib/controls/edit.h"' '#include "platform/data/dataset.h"'
put examples/showcase/main.cpp '#include "platform/backend/window.h"' '#include "skin/form.h"'
put bench/grid_bench.cpp '#include <QPainter>' '#include "tests/grid/support.h"'
put tests/grid/grid_test.cpp '#include <QTest>' '#include "platform/backend/window.h"'

if ! out=$("$check" "$tree" 2>&1); then fail "a tree that keeps the layers was refused: $out"; fi
if ! out=$("$check" "$project" 2>&1); then fail "the project breaks its layers: $out"; fi

# file | include line | what the report must name
bad_cases=(
  'platform/core/format.cpp|#include "platform/graphics/canvas.h"|platform/core/format.cpp:1:'
  'platform/windows/window.cpp|#include "platform/controls/form.h"|to platform/controls'
  'platform/data/dataset.cpp|#include "platform/graphics/canvas.h"|to platform/graphics'
  'skin/form.cpp|#include "sidebar/bar.h"|from skin to sidebar'
  'sidebar/bar.cpp|#include "platform/backend/window.h"|to platform/backend'
  'gridlib/controls/edit.cpp|#include "gridlib/grid/grid.h"|to gridlib/grid'
  'platform/controls/form.cpp|#include <QImage>|toolkit header <QImage>'
  'platform/graphics/canvas_qt.h|#include <QImage>|toolkit header <QImage>'
  'skin/theme.cpp|#  include <QtGui/QColor>|toolkit header <QtGui/QColor>'
  'sidebar/look.cpp|#include "../skin/form.h"|climbs out of its folder'
  'platform/core/lists.cpp|#include "tests/core/support.h"|test or benchmark code'
)
for c in "${bad_cases[@]}"; do
  IFS='|' read -r file include expected <<<"$c"
  put "$file" "$include"
  if out=$("$check" "$tree" 2>&1); then
    fail "$file with '$include' passed"
  elif ! grep -qF -- "$expected" <<<"$out"; then
    fail "$file with '$include': the report does not say '$expected': $out"
  fi
  rm "$tree/$file"
done

if [ "$failures" -ne 0 ]; then exit 1; fi
echo "layer check: ${#bad_cases[@]} wrong includes refused, good trees passed"
