#!/usr/bin/env bash
# Fails when production folders include each other in a cycle. A folder is
# runtime/<name> (the runtime's own root files count as "runtime") or a
# top-level folder; an include is looked for beside its file and under the
# repository root, as the compilers look for it.
# Usage: scripts/check_layers.sh [repository root]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

files=$(find runtime host runner platform toolkit editor \( -name '*.h' -o -name '*.cpp' \) | sort)
{
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
function folder(path,   parts) {
  split(path, parts, "/")
  if (parts[1] == "runtime") return index(substr(path, 9), "/") ? "runtime/" parts[2] : "runtime"
  return parts[1]
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
$1 == "file" { exists[$2] = 1; next }
{
  dir = $2; sub(/\/[^\/]*$/, "", dir)
  target = ""
  if (normal(dir "/" $3) in exists) target = normal(dir "/" $3)
  else if (normal($3) in exists) target = normal($3)
  if (target == "") next
  from = folder($2); into = folder(target)
  if (from == into || seen[from, into]++) next
  to[from, ++count[from]] = into; nodes[from] = 1; nodes[into] = 1
}
END {
  for (node in nodes) if (!state[node]) visit(node)
  if (cycles) { print "Folders that include each other in a cycle (above)." > "/dev/stderr"; exit 1 }
  n = 0; for (node in nodes) n++
  print "No cycle between " n " folders."
}'
