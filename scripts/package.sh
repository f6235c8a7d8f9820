#!/usr/bin/env bash
# Builds Corvane's Debian source and binary packages from this working tree as dpkg-buildpackage does,
# checks them with lintian, installs the package into a scratch root and starts the installed program
# there with only the fonts its dependencies bring. With --twice it builds everything a second time in
# another folder, at another time, and the two builds must give the same checksums.
# Everything is left in build-package/.
set -euo pipefail
cd "$(dirname "$0")/.."
twice=false
case "${1:-}" in
  --twice) twice=true ;;
  "") ;;
  *) echo "Usage: scripts/package.sh [--twice]" >&2; exit 2 ;;
esac
fail() { echo "FAILED: $*" >&2; exit 1; }

# dpkg-dev and debhelper build, lintian, appstream and desktop-file-utils check; the build's own
# dependencies are those debian/control names.
bash scripts/install-deps.sh dpkg-dev debhelper lintian appstream desktop-file-utils
if ! dpkg-checkbuilddeps > /dev/null 2>&1; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get build-dep -y -qq ./
fi

name=$(dpkg-parsechangelog -S Source)
version=$(dpkg-parsechangelog -S Version)
upstream=${version%-*}
project=$(sed -n 's/^project(Corvane VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
[ "$upstream" = "$project" ] || fail "debian/changelog packages $upstream, the project is $project"
# Everything in the package gets the time of the newest Debian changelog entry.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -S Timestamp)
export SOURCE_DATE_EPOCH

out=$(realpath -m build-package)
rm -rf "$out"
mkdir -p "$out"

# tracked_files <prefix> <pathspec>...: the files git tracks there, as they stand in the working tree, as a
# tar stream with prefix before each name, whose times, owners, order and modes are fixed (644, or 755 for
# what is executable, as git records them), so that it comes out the same twice and from a clone made under
# any umask.
tracked_files() {
  local prefix=$1
  shift
  git ls-files -z --cached -- "$@" \
    | while IFS= read -r -d '' file; do [ ! -e "$file" ] || printf '%s\0' "$file"; done \
    | tar --create --null --files-from=- --sort=name --mtime="@$SOURCE_DATE_EPOCH" \
          --owner=0 --group=0 --numeric-owner --mode=u=rwX,go=rX --transform="s,^,$prefix,"
}

# The upstream tarball holds everything but debian/.
orig="$out/${name}_$upstream.orig.tar.gz"
tracked_files "$name-$upstream/" . ':!debian' | gzip -9n > "$orig"

# build <folder>: unpacks the tarball and debian/ there and builds the source and binary packages.
build() {
  local folder=$1
  mkdir -p "$folder"
  [ -f "$folder/$(basename "$orig")" ] || cp "$orig" "$folder/"
  tar -xzpf "$orig" -C "$folder"
  tracked_files "" debian | tar -xp -C "$folder/$name-$upstream"
  (cd "$folder/$name-$upstream" && dpkg-buildpackage -us -uc -j"$(nproc)" > "$folder/build.log" 2>&1) \
    || { tail -40 "$folder/build.log" >&2; fail "dpkg-buildpackage failed; see $folder/build.log"; }
}

echo "== dpkg-buildpackage (log in build-package/build.log)"
build "$out"
arch=$(dpkg-architecture -q DEB_HOST_ARCH)
deb="$out/${name}_${version}_$arch.deb"
dbgsym="$out/${name}-dbgsym_${version}_$arch.deb"
changes="$out/${name}_${version}_$arch.changes"
for file in "$deb" "$dbgsym" "$out/${name}_$version.dsc" "$changes"; do
  [ -f "$file" ] || fail "$(basename "$file") was not made"
done
dpkg-deb --field "$deb" Package Version Section Depends

echo "== lintian --pedantic"
lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$changes" \
  || fail "lintian has something to say"

echo "== dependencies"
depends=$(dpkg-deb --field "$deb" Depends)
# shlibdeps, from the program's own libraries
grep -q 'libqt6widgets6' <<< "$depends" || fail "the library dependencies were not worked out from the program"
# The X platform plugin is in libqt6gui6; the plugins package would only bring Qt's network library along.
! grep -q 'qt6-qpa-plugins' <<< "$depends" || fail "the package depends on qt6-qpa-plugins"
apt-get install --simulate -qq "$deb" > /dev/null || fail "the package manager cannot meet its dependencies"

echo "== installed into a scratch root"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root="$scratch/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
# The scratch root has no dependencies of its own installed: the running system provides them, and dpkg's
# complaints about them are only shown should it fail.
dpkg --root="$root" --force-depends,not-root --log=/dev/null --install "$deb" > "$scratch/dpkg.log" 2>&1 \
  || { cat "$scratch/dpkg.log" >&2; fail "dpkg could not install the package into a scratch root"; }
app_id=org.brindlemoor.corvane
for file in usr/games/corvane usr/share/corvane/corvane.HLP usr/share/corvane/corvane_de.HLP \
            usr/share/corvane/corvane_ja.HLP usr/share/corvane/corvane_ar.HLP "usr/share/applications/$app_id.desktop" \
            "usr/share/metainfo/$app_id.metainfo.xml" usr/share/doc/corvane/copyright \
            usr/share/doc/corvane/changelog.gz usr/share/doc/corvane/changelog.Debian.gz \
            usr/share/man/man6/corvane.6.gz "usr/share/icons/hicolor/32x32/apps/$app_id.png"; do
  [ -f "$root/$file" ] || fail "$file is not installed"
done
gunzip -c "$root/usr/share/man/man6/corvane.6.gz" > "$scratch/corvane.6"
bash scripts/check-metadata.sh "$root/usr/share/metainfo/$app_id.metainfo.xml" \
  "$root/usr/share/applications/$app_id.desktop" "$scratch/corvane.6"

# Only the fonts of the packages the package depends on: each font the window asks for must be among them.
fonts_conf="$scratch/fonts.conf"
{
  echo '<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd"><fontconfig>'
  for package in $(sed 's/([^)]*)//g; s/[|,]/ /g' <<< "$depends"); do
    dpkg-query -L "$package" 2> /dev/null | { grep -E '\.(ttf|otf|ttc|pfb)$' || true; } | xargs -r -n1 dirname
  done | sort -u | sed 's,.*,<dir>&</dir>,'
  echo "<cachedir>$scratch/fontcache</cachedir></fontconfig>"
} > "$fonts_conf"
cmake --build "$out/$name-$upstream/obj-$(dpkg-architecture -q DEB_HOST_GNU_TYPE)" \
      --target corvane_installed_probe > /dev/null
FONTCONFIG_FILE="$fonts_conf" bash scripts/check-installed.sh "$root/usr/games/corvane" \
  "$root/usr/share/corvane/corvane.HLP" \
  "$out/$name-$upstream/obj-$(dpkg-architecture -q DEB_HOST_GNU_TYPE)/packaging/libcorvane_installed_probe.so"

echo "== removed from the scratch root"
dpkg --root="$root" --force-depends,not-root --log=/dev/null --purge "$name" > "$scratch/dpkg.log" 2>&1 \
  || { cat "$scratch/dpkg.log" >&2; fail "dpkg could not remove the package from the scratch root"; }
left=$(cd "$root" && find . -path ./var/lib/dpkg -prune -o -type f -print)
[ -z "$left" ] || fail "removing the package left files behind: $left"

if $twice; then
  echo "== dpkg-buildpackage again, elsewhere and later (log in build-package/again/build.log)"
  (umask 0002 && TZ=Pacific/Kiritimati LC_ALL=C.UTF-8 build "$out/again")
  for file in "$deb" "$dbgsym" "$out/${name}_$version.dsc" "$out/${name}_$version.debian.tar.xz"; do
    cmp -s "$file" "$out/again/$(basename "$file")" || fail "$(basename "$file") came out different"
  done
  echo "the two builds gave the same packages: $(sha256sum "$deb" | cut -c1-16)..."
fi
echo "== $deb is ready: apt install $deb (as root)"
