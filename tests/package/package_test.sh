#!/usr/bin/env bash
# Checks a Debian package of Vemla as Debian's tools and a user would see it:
# lintian, the desktop entry and AppStream validators, its listing and size,
# and the programs run from the unpacked package, which must find their texts
# and pictures there, away from any build tree.
# Usage: tests/package/package_test.sh build/package/vemla_VERSION_amd64.deb
set -uo pipefail
repo=$(realpath "$(dirname "$0")/../..")
deb=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
root=$scratch/root
dpkg-deb -x "$deb" "$root"
version=$(dpkg-deb -f "$deb" Version)
passed=0 failed=0

check() {  # NAME COMMAND...: the command's output is shown when it fails
  local out
  if out=$("${@:2}" 2>&1); then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAILED: %s\n%s\n' "$1" "$out" | sed '2,$s/^/    /'
  fi
}
in_package() {  # PATTERN (a path under $root, may hold wildcards)
  compgen -G "$root/$1" >/dev/null
}

only_under_usr() {
  dpkg-deb -c "$deb" | awk '{print $6}' | grep -v -E '^\./(usr(/.*)?)?$' && return 1
  dpkg-deb -c "$deb" | grep -E "build/|CMakeFiles|_CPack|$repo" && return 1
  grep -rl "$repo" "$root" && return 1  # nor inside the files
  return 0
}
check "every file under /usr, no build path in names or contents" only_under_usr
check "package under 10 MB" test "$(stat -c %s "$deb")" -lt $((10 * 1024 * 1024))

lintian_clean() {  # no errors, and every warning left is explained in the README
  local tags tag
  tags=$(lintian --fail-on error --tag-display-limit 0 "$deb") || { echo "$tags"; return 1; }
  echo "$tags"
  for tag in $(echo "$tags" | awk '/^W: /{print $3}' | sort -u); do
    grep -q "\`$tag\`" "$repo/README.md" || { echo "lintian warning $tag is not explained in README.md"; return 1; }
  done
}
check "lintian: no errors, warnings explained" lintian_clean

desktop=$(ls "$root"/usr/share/applications/*.desktop)
id=$(basename "$desktop" .desktop)
icon_by_name() {  # the entry names its icon by the application id, found in the theme
  grep -qx "Icon=$id" "$desktop" && ls "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" &&
    for size in 16 32 48 64 128 256; do ls "$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png" || return 1; done
}
check "desktop-file-validate" desktop-file-validate "$desktop"
check "desktop entry names its icon" icon_by_name
check "appstreamcli validate" appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
check "metainfo names this release" grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml"
check "icons are the drawing's" "$repo/tools/icons/make_icons.py" --check

export XDG_CONFIG_HOME=$scratch/config QT_QPA_PLATFORM=offscreen TZ=UTC
shows() {  # TEXT COMMAND...: the command succeeds and its output holds TEXT
  local out
  out=$("${@:2}" 2>&1) && grep -qF -- "$1" <<<"$out" || { echo "$out"; return 1; }
}
check "vemla-cli --version" shows "vemla-cli $version" "$root/usr/bin/vemla-cli" --version
# 2024-02-10 is the first day of the first month of cycle 79, year 41.
check "vemla-cli convert from the package" \
  shows "Chinese Lunar: 79-41-01-01 CHL" "$root/usr/bin/vemla-cli" convert "2024-02-10 CE"
check "vemla paints its window from the package" \
  shows "first paint: " env VEMLA_STARTUP_TIMING=1 timeout 60 "$root/usr/bin/vemla"

for file in man/man1/vemla.1.gz man/man1/vemla-cli.1.gz bash-completion/completions/vemla-cli \
  "doc/vemla/*.html"; do
  check "usr/share/$file in the package" in_package "usr/share/$file"
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
