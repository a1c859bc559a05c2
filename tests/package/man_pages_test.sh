#!/usr/bin/env bash
# The man pages render without a single groff warning, and the page of
# orvane-cli names every option its --help lists.
# Usage: man_pages_test.sh SOURCE_DIR ORVANE_CLI
set -euo pipefail
source_dir=$1
cli=$2
status=0
for page in "$source_dir"/docs/orvane.1 "$source_dir"/docs/orvane-cli.1; do
  warnings=$(groff -ww -man -Tutf8 "$page" 2>&1 >/dev/null)
  if [[ -n "$warnings" ]]; then
    echo "FAIL: $page renders with warnings:" >&2
    echo "$warnings" >&2
    status=1
  fi
done
# Every option of --help in the page (as groff writes it, with plain hyphens).
text=$(groff -man -Tascii -P-cbou "$source_dir/docs/orvane-cli.1" 2>/dev/null)
for option in $("$cli" --help | grep -oE '^  --[a-z][a-z-]*'); do
  if ! grep -qF -- "$option" <<<"$text"; then
    echo "FAIL: the man page of orvane-cli does not describe $option" >&2
    status=1
  fi
done
exit $status
