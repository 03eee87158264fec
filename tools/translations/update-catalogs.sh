#!/bin/sh
# Extracts every text the program writes (each Text("...") and Plural("...", "...", n)
# in core/) into translations/vantrell.pot, then brings each catalog that
# translations/LINGUAS names in step with it: new texts come in untranslated,
# texts no longer written are kept only as obsolete comments.
# Run by hand after changing a text, then translate what is new; CTest's
# translations.template_current fails until the template is current.
# Usage: tools/translations/update-catalogs.sh [template output]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
template=${1:-$root/translations/vantrell.pot}
cd "$root"
find core -name '*.h' -o -name '*.cpp' | LC_ALL=C sort | xgettext --files-from=- --language=C++ --from-code=UTF-8 \
    --keyword= --keyword=Text --keyword=Plural:1,2 --add-comments --no-location --sort-by-file --no-wrap \
    --package-name=Vantrell --msgid-bugs-address=vantrell@example.org --output="$template"
# The creation date alone would make every run a change.
sed -i '/^"POT-Creation-Date:/d' "$template"
[ "$#" -gt 0 ] && exit 0
grep -v '^#' translations/LINGUAS | while read -r code; do
    [ -n "$code" ] && msgmerge --quiet --update --backup=none --no-fuzzy-matching --no-wrap "translations/$code.po" "$template"
done
