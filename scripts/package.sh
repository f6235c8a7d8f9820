#!/usr/bin/env bash
# Builds the Debian package of Corvane, checks it with lintian, and starts the program as the package installs it.
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-dev works out the package's dependencies, file finds the programs among the installed files,
# lintian, appstream and desktop-file-utils check the package, its metadata and its menu entry.
bash scripts/install-deps.sh dpkg-dev file lintian appstream desktop-file-utils

dir=build-package
launcher=()
command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
echo "== Release build, without tests and benchmarks"
# Debian's own compiler and linker flags, every hardening feature included, and its folder for games.
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DCORVANE_SANITIZE=OFF -DBUILD_TESTING=OFF \
      -DCORVANE_BUILD_BENCHMARKS=OFF "${launcher[@]}" -DCMAKE_INSTALL_BINDIR=games \
      -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" \
      -DCMAKE_MODULE_LINKER_FLAGS="$(flags LDFLAGS)" > /dev/null
cmake --build "$dir" -j"$(nproc)"
cmake --build "$dir" --target corvane_help_probe -j"$(nproc)"

echo "== cpack"
rm -f "$dir"/corvane_*.deb
(cd "$dir" && cpack -G DEB > /dev/null)
deb=$(echo "$dir"/corvane_*.deb)
dpkg-deb --field "$deb" Package Version Section Maintainer Depends

fail() { echo "FAILED: $*" >&2; exit 1; }
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 || fail "the dependencies were not worked out from the program"
apt-get install --simulate -qq "./$deb" > /dev/null || fail "the package manager cannot meet its dependencies"

echo "== lintian"
lintian --fail-on error,warning --display-info "$deb" || fail "lintian found errors or warnings"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root="$scratch/root"
dpkg-deb --extract "$deb" "$root"
root=$(realpath "$root")
app_id=org.brindlemoor.Corvane
echo "== contents"
for file in usr/games/corvane usr/share/corvane/corvane.HLP "usr/share/applications/$app_id.desktop" \
            "usr/share/metainfo/$app_id.metainfo.xml" usr/share/doc/corvane/copyright \
            usr/share/doc/corvane/changelog.gz usr/share/man/man6/corvane.6.gz; do
  [ -f "$root/$file" ] || fail "$file is not in the package"
done
for size in 16 32 64 128; do
  [ -f "$root/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png" ] || fail "no $size-pixel icon"
done
desktop-file-validate "$root/usr/share/applications/$app_id.desktop" || fail "the menu entry is not valid"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$app_id.metainfo.xml" || fail "the metadata is not valid"

echo "== the installed program, offscreen"
bash scripts/check-installed.sh "$root/usr/games/corvane" "$root/usr/share/corvane/corvane.HLP" \
     "$dir/packaging/libcorvane_help_probe.so"
echo "== $deb is ready: sudo apt install ./$deb"
