#!/usr/bin/env bash
# Checks the built desktop entry and metainfo against the catalogues in po/:
# every catalogue complete and listed, and every language of LINGUAS present
# in both files, so that a dropped, stale or half-done catalogue does not
# leave a language's menu entry and software-centre page in English.
#
#   check_translated_metadata.sh PO_FOLDER DESKTOP_FILE METAINFO_FILE
set -u
po_dir=$1
desktop=$2
metainfo=$3
failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

for po in "$po_dir"/*.po; do
  grep -qx "$(basename "$po" .po)" "$po_dir/LINGUAS" || fail "LINGUAS lacks $(basename "$po")"
done
while read -r language; do
  if ! stats=$(LC_ALL=C msgfmt --check --statistics -o /dev/null "$po_dir/$language.po" 2>&1); then
    fail "$language.po: $stats"
  fi
  case $stats in *untranslated* | *fuzzy*) fail "$language.po: $stats" ;; esac
  for key in Name GenericName Comment Keywords; do
    grep -q "^$key\[$language\]=." "$desktop" || fail "the desktop entry has no $key[$language]"
  done
  # Each desktop action's name, in its own group after the entry's.
  for action in $(sed -n 's/^Actions=//p' "$desktop" | tr ';' ' '); do
    sed -n "/^\[Desktop Action $action\]/,/^\[/p" "$desktop" | grep -q "^Name\[$language\]=." ||
      fail "the desktop action $action has no Name[$language]"
  done
  # A list's last item needs its ';' too, though desktop-file-validate lets it pass.
  grep -q "^Keywords\[$language\]=.*;$" "$desktop" || fail "Keywords[$language] does not end in ;"
  for element in summary p li; do
    grep -q "<$element xml:lang=\"$language\">" "$metainfo" ||
      fail "the metainfo has no <$element> in $language"
  done
done <"$po_dir/LINGUAS"

echo "== $failures failed"
[ "$failures" -eq 0 ]
