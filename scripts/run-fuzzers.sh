#!/usr/bin/env bash
# Runs every built fuzz target for a bounded time, one after the other.
# Usage: scripts/run-fuzzers.sh BIN_DIR SECONDS [TARGET...]
# Each target starts from its seed corpus in fuzz/corpus/<name> (copied, so the tree stays
# clean) and uses fuzz/dict/<name>.dict when there is one. A finding ends the script with
# status 1 and leaves the input that triggered it in WORK_DIR/<name>/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bin="$1"
seconds="$2"
shift 2
work="${WORK_DIR:-$bin/../fuzz-work}"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for t in "$bin"/fuzz_*; do targets+=("$(basename "$t")"); done
fi

failed=0
for name in "${targets[@]}"; do
  corpus="$work/$name/corpus"
  mkdir -p "$corpus"
  if [ -d "$root/fuzz/corpus/$name" ]; then cp -n "$root/fuzz/corpus/$name"/* "$corpus/" 2>/dev/null || true; fi
  args=(-max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1
        -artifact_prefix="$work/$name/")
  if [ -f "$root/fuzz/dict/$name.dict" ]; then args+=(-dict="$root/fuzz/dict/$name.dict"); fi
  echo "== $name (${seconds}s)"
  if ! "$bin/$name" "${args[@]}" "$corpus" >"$work/$name/log.txt" 2>&1; then
    echo "FINDING in $name: see $work/$name/log.txt"
    tail -n 40 "$work/$name/log.txt"
    failed=1
  else
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$work/$name/log.txt" |
      sed 's/^/   /' || true
    grep -E '#[0-9]+.*DONE.*cov:' "$work/$name/log.txt" | tail -n 1 | sed 's/^/   /' || true
  fi
done
exit $failed
