#!/usr/bin/env bash
# The translations are current and complete: lupdate finds no text of src/
# that a .ts file lacks (nor one it holds in vain) and reads every text
# without a warning, and lrelease reports no unfinished or untranslated entry.
# `make translations` brings the .ts files up to date for the translators.
set -euo pipefail
cd "$(dirname "$0")/.."
QT_BIN=${QT_BIN:-/usr/lib/qt6/bin}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
for ts in translations/zeitnahme_*.ts; do
  name=$(basename "$ts")
  cp "$ts" "$tmp/$name"
  if ! "$QT_BIN/lupdate" -silent -I src -source-language de -no-obsolete -locations none src -ts "$tmp/$name" \
      >"$tmp/lupdate.log" 2>&1; then
    cat "$tmp/lupdate.log"; status=1
  fi
  if grep -v '^$' "$tmp/lupdate.log" | grep -q .; then
    echo "$name: lupdate warns:"; cat "$tmp/lupdate.log"; status=1
  fi
  if ! cmp -s "$ts" "$tmp/$name"; then
    echo "$name is not current with the texts in src/ (make translations):"
    diff -u "$ts" "$tmp/$name" | head -40 || true
    status=1
  fi
  report=$("$QT_BIN/lrelease" "$ts" -qm "$tmp/${name%.ts}.qm" 2>&1)
  if ! grep -q ' 0 unfinished' <<<"$report" || grep -q 'untranslated' <<<"$report"; then
    echo "$name is not complete:"; echo "$report"; status=1
  else
    echo "$name: $(grep -o 'Generated [0-9]* translation(s)' <<<"$report")"
  fi
done
exit $status
