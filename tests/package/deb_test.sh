#!/usr/bin/env bash
# Builds the Debian package, unpacks it into an empty root and checks that it
# holds everything, declares its dependencies, that every library of both
# programs resolves, and that the unpacked orvane-cli runs: --version and
# the default chart, the same bytes as the program of the build.
# Usage: deb_test.sh BUILD_DIR ORVANE_CLI
set -uo pipefail
build_dir=$1
built_cli=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() {
  echo "FAIL: $*" >&2
  status=1
}

if ! (cd "$work" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1); then
  cat "$work/cpack.log" >&2
  fail "cpack -G DEB"
  exit 1
fi
debs=("$work"/out/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || { fail "no single .deb in $work/out"; exit 1; }
deb=${debs[0]}

# Declared dependencies: the Qt libraries (found from the linked libraries),
# the fonts, the zone database and the Swiss Ephemeris' data files.
depends=$(dpkg-deb -f "$deb" Depends)
declared=$(sed 's/, /\n/g' <<<"$depends" | awk '{print $1}')
for package in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 fonts-liberation fonts-noto-core tzdata swe-basic-data; do
  grep -qxF "$package" <<<"$declared" || fail "Depends does not name $package: $depends"
done
[[ $(dpkg-deb -f "$deb" Recommends) == *swe-standard-data* ]] || fail "Recommends does not name swe-standard-data"

root="$work/root"
dpkg -x "$deb" "$root" || { fail "dpkg -x"; exit 1; }
for file in usr/bin/orvane usr/bin/orvane-cli \
  usr/share/applications/orvane.desktop usr/share/icons/hicolor/scalable/apps/orvane.svg \
  usr/share/mime/packages/orvane.xml usr/share/man/man1/orvane.1 usr/share/man/man1/orvane-cli.1 \
  usr/share/bash-completion/completions/orvane-cli; do
  [[ -f "$root/$file" ]] || fail "the package lacks /$file"
done
# The translations of the desktop program, one file a language.
for language in hi ta te bn mr kn ml gu; do
  [[ -s "$root/usr/share/orvane/translations/orvane_$language.qm" ]] || fail "the package lacks the $language translation"
done

# Every library of both programs resolves.
for program in orvane orvane-cli; do
  libraries=$(ldd "$root/usr/bin/$program" 2>&1) || fail "ldd $program: $libraries"
  if grep -q "not found" <<<"$libraries"; then
    fail "$program: libraries not found:"
    grep "not found" <<<"$libraries" >&2
  fi
done

# The unpacked program runs and prints what the program of the build prints.
cli="$root/usr/bin/orvane-cli"
version=$("$cli" --version) || fail "orvane-cli --version"
grep -q "^orvane-cli [0-9]" <<<"$version" || fail "--version printed: $version"
printf '4\n4\n1970\n17.5000\n-5.30\n-81.12\n16.15' >"$work/default.orv"
for args in "" "--section basic-info" "--json"; do
  # shellcheck disable=SC2086
  packaged=$("$cli" $args "$work/default.orv") || fail "packaged orvane-cli $args"
  # shellcheck disable=SC2086
  built=$("$built_cli" $args "$work/default.orv")
  [[ -n "$packaged" && "$packaged" == "$built" ]] || fail "packaged orvane-cli $args differs from the build's"
done
grep -q "Ascdt" <<<"$("$cli" "$work/default.orv")" || fail "the default chart lists no ascendant"
exit $status
