#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The translators' files as gettext and Debian check them: every catalogue compiles
# with msgfmt --check and has every text translated, none fuzzy; i18nspector finds no
# error and no warning in any of them or in the template; and the template holds
# exactly the texts the sources mark translatable today (po/extract makes it anew).
# Usage: check-catalogues.sh SOURCE-DIR VERSION
set -euo pipefail
source_dir=$1 version=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for catalogue in "$source_dir"/po/*.po; do
    name=${catalogue#"$source_dir"/}
    if ! statistics=$(LC_ALL=C msgfmt --check --statistics --output-file=/dev/null "$catalogue" 2>&1); then
        fail "msgfmt --check $name: $statistics"
    elif [[ $statistics == *untranslated* || $statistics == *fuzzy* ]]; then
        fail "$name is not complete: $statistics"
    fi
done

findings=$(i18nspector "$source_dir"/po/rovalin.pot "$source_dir"/po/*.po | grep -E '^[EW]: ' || true)
[ -z "$findings" ] || fail "i18nspector: $findings"

"$source_dir/po/extract" "$version" "$work/rovalin.pot"
without_date() { grep -v '^"POT-Creation-Date:' "$1"; }
if ! difference=$(diff <(without_date "$source_dir/po/rovalin.pot") <(without_date "$work/rovalin.pot")); then
    fail "po/rovalin.pot lags behind the sources; run po/extract $version po/rovalin.pot and msgmerge:"
    echo "$difference"
fi

[ "$failures" -eq 0 ] && echo "catalogues checked"
exit "$failures"
