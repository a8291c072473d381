#!/usr/bin/env bash
# Fails when a production folder includes a folder the table below does not
# allow it, when a folder is missing from the table, or when folders include
# each other in a cycle (which a careless table could allow). A folder is a
# file's own directory ("runtime" for the runtime's root files); an include
# is looked for beside its file and under the repository root, as the
# compilers look for it.
# Usage: scripts/check_layers.sh [repository root]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# Each folder, then the folders it may include. A new folder gets its row
# here, at its place in the layers.
layers='
platform:
platform/common:    platform
platform/posix:     platform platform/common
platform/win32:     platform platform/common
runtime:            platform
runtime/sys:        platform runtime
runtime/base:       runtime
runtime/value:      platform runtime runtime/base
runtime/regex:      platform runtime runtime/base
runtime/lib:        runtime runtime/base
runtime/ops:        runtime runtime/lib runtime/value
runtime/parse:      runtime runtime/ops runtime/sys runtime/value
runtime/image:      platform runtime runtime/base runtime/sys runtime/value
runtime/format:     platform runtime runtime/value
runtime/tree:       runtime runtime/base runtime/lib runtime/ops runtime/value
runtime/rxlib:      platform runtime runtime/base runtime/lib runtime/regex runtime/sys runtime/tree runtime/value
runtime/json:       runtime runtime/base runtime/format runtime/parse runtime/tree runtime/value
runtime/compile:    platform runtime runtime/base runtime/parse runtime/sys runtime/tree runtime/value
runtime/callback:   runtime runtime/base runtime/lib runtime/tree
runtime/objlib:     runtime runtime/base runtime/json runtime/lib runtime/tree
runtime/treeimage:  runtime runtime/base runtime/compile runtime/image runtime/rxlib runtime/tree runtime/value
runtime/builtin:    platform runtime runtime/base runtime/compile runtime/format runtime/json runtime/lib runtime/parse
                    runtime/rxlib runtime/sys runtime/tree runtime/value
runtime/startup:    runtime runtime/builtin runtime/callback runtime/compile runtime/lib runtime/objlib runtime/parse
                    runtime/rxlib runtime/sys runtime/treeimage
host:               platform runtime runtime/base runtime/builtin runtime/callback runtime/lib runtime/sys runtime/tree
                    runtime/value
host/com:           host platform runtime runtime/base runtime/builtin runtime/callback runtime/lib runtime/sys
                    runtime/tree runtime/value
host/kit:           host runtime runtime/base
host/activex:       host host/com host/kit runtime runtime/base runtime/sys
host/browser:       host host/activex host/com host/kit runtime runtime/base
host/ui:            host host/browser host/kit runtime runtime/base runtime/builtin runtime/lib runtime/startup
                    runtime/tree runtime/value
host/startup:       host host/com host/ui platform runtime runtime/base runtime/builtin runtime/callback runtime/lib
                    runtime/startup runtime/tree
runner:             host host/startup platform runtime runtime/base runtime/builtin runtime/compile runtime/lib
                    runtime/parse runtime/startup runtime/sys runtime/tree runtime/value
toolkit/core:
toolkit/graphics:   toolkit/core
toolkit/controls:   toolkit/core toolkit/graphics
toolkit/headless:   toolkit/core toolkit/graphics toolkit/controls
toolkit/win32:      toolkit/core toolkit/graphics toolkit/controls
editor:             platform toolkit/core toolkit/graphics toolkit/controls
treeview:           toolkit/core toolkit/graphics toolkit/controls
ide:                editor platform toolkit/core toolkit/graphics toolkit/controls
'

folders=""
for top in runtime host runner platform toolkit editor treeview ide; do
  [ -d "$top" ] && folders="$folders $top"
done
files=$(find $folders \( -name '*.h' -o -name '*.cpp' -o -name '*.inc' \) | sort)
{
  echo "$layers" | awk '
    /^[^ ]+:/ { row = $1; sub(/:$/, "", row); print "row " row; start = 2 }
    /^ / { start = 1 }
    NF { for (i = start; i <= NF; i++) print "allow " row " " $i }'
  echo "$files" | sed 's/^/file /'
  echo "$files" | xargs grep -H '^#include "' | sed 's/^\([^:]*\):#include "\([^"]*\)".*/include \1 \2/'
} | awk '
function normal(path,   parts, n, i, out, k) {
  n = split(path, parts, "/"); k = 0
  for (i = 1; i <= n; i++) {
    if (parts[i] == "." || parts[i] == "") continue
    if (parts[i] == "..") { if (k > 0) k--; continue }
    out[++k] = parts[i]
  }
  path = out[1]
  for (i = 2; i <= k; i++) path = path "/" out[i]
  return path
}
function folder(path) {
  sub(/\/[^\/]*$/, "", path)
  return path
}
function visit(node,   i, next_node, path, j) {
  state[node] = 1; stack[++depth] = node
  for (i = 1; i <= count[node]; i++) {
    next_node = to[node, i]
    if (state[next_node] == 1) {
      path = next_node
      for (j = depth; stack[j] != next_node; j--) path = stack[j] " -> " path
      print "  " next_node " -> " path; cycles++
    } else if (!state[next_node]) visit(next_node)
  }
  depth--; state[node] = 2
}
$1 == "row" { listed[$2] = 1; next }
$1 == "allow" { allowed[$2, $3] = 1; next }
$1 == "file" {
  exists[$2] = 1
  if (!(folder($2) in listed) && !(folder($2) in unlisted)) {
    unlisted[folder($2)] = 1
    print "  " folder($2) ": not in the table of layers (scripts/check_layers.sh)"; faults++
  }
  next
}
{
  dir = folder($2)
  target = ""
  if (normal(dir "/" $3) in exists) target = normal(dir "/" $3)
  else if (normal($3) in exists) target = normal($3)
  if (target == "") next
  from = folder($2); into = folder(target)
  if (from == into) next
  if ((from in listed) && !((from, into) in allowed)) {
    print "  " $2 " includes " $3 ": " from " may not include " into; faults++
  }
  if (seen[from, into]++) next
  to[from, ++count[from]] = into; nodes[from] = 1; nodes[into] = 1
}
END {
  for (node in nodes) if (!state[node]) visit(node)
  if (faults) print "Includes the table of layers does not allow (above)." > "/dev/stderr"
  if (cycles) print "Folders that include each other in a cycle (above)." > "/dev/stderr"
  if (faults || cycles) exit 1
  n = 0; for (node in nodes) n++
  print "Every include follows the table of layers; no cycle between " n " folders."
}'
