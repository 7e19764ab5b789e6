#!/usr/bin/env bash
# Builds the Debian packages from the sources as a distribution does and checks them: what each
# holds, the story's bytes installed once, the dependencies, one version everywhere, lintian, the
# hardening of both programs and, where this test may install packages, the autopkgtests.
set -euo pipefail
source_dir="$1"
build="$2"
fail() {
    echo "FAIL: $*"
    exit 1
}

# A copy of the sources (as git lists them) in a fixed place, so a compiler cache finds the same
# paths again; dpkg-buildpackage writes the packages beside it. The tests are left out of the
# package build: the suite that runs this test runs them.
work="$build/package"
rm -rf "$work"
mkdir -p "$work/zoa"
git -C "$source_dir" ls-files -z --cached --others --exclude-standard \
    | (cd "$source_dir" && tar --null --ignore-failed-read -T - -cf - 2> /dev/null) \
    | tar -xf - -C "$work/zoa"
(cd "$work/zoa" && DEB_BUILD_OPTIONS=nocheck DEB_BUILD_PROFILES=nocheck \
    dpkg-buildpackage -us -uc -b -j"$(nproc)") > "$work/build.log" 2>&1 \
    || { tail -40 "$work/build.log"; fail "dpkg-buildpackage (log: $work/build.log)"; }

debian="$source_dir/debian"
version=$(dpkg-parsechangelog -l "$debian/changelog" -S Version)
changes="$work/zoa_${version}_$(dpkg --print-architecture).changes"
game="$work/zoa_${version}_$(dpkg --print-architecture).deb"
data="$work/zoa-data_${version}_all.deb"
[ -f "$changes" ] && [ -f "$game" ] && [ -f "$data" ] || fail "not built: $(ls "$work")"

# What each package holds: "path" or "path -> link target".
listing() { dpkg-deb -c "$1" | sed -E 's/^([^ ]+ +){5}\.//'; }
game_files=$(listing "$game")
data_files=$(listing "$data")
while read -r package entry; do
    files="${package}_files"
    grep -qxF -- "$entry" <<< "${!files}" || fail "the $package package lacks $entry"
done << 'ROWS'
game /usr/lib/zoa/zoa
game /usr/games/zoa -> ../lib/zoa/zoa
game /usr/lib/zoa/dat1 -> ../../share/games/zoa/dat1
game /usr/lib/zoa/dat2 -> ../../share/games/zoa/dat2
game /usr/bin/zoa-content
game /usr/share/applications/org.zoagame.Zoa.desktop
game /usr/share/metainfo/org.zoagame.Zoa.metainfo.xml
game /usr/share/icons/hicolor/48x48/apps/zoa.png
game /usr/share/man/man6/zoa.6.gz
game /usr/share/man/man1/zoa-content.1.gz
data /usr/share/games/zoa/dat1/zoa.txt
data /usr/share/games/zoa/dat2/opn.bmp -> ../demo/pictures/opn.bmp
data /usr/share/games/zoa/dat2/bgm.wav -> ../demo/sounds/bgm.wav
data /usr/share/games/zoa/demo/story/zoa.txt
data /usr/share/games/zoa/demo/pictures/opn.bmp
data /usr/share/games/zoa/demo/sounds/bgm.wav
ROWS
if grep -q "^/usr/share/games/" <<< "$game_files"; then fail "story files in the zoa package"; fi
# No two files of the two packages hold the same bytes (each package's copyright and changelog
# apart): the story's pictures and sounds are installed once.
copies=$(for deb in "$game" "$data"; do dpkg-deb -I "$deb" md5sums; done \
    | grep -v " usr/share/doc/" | awk '{print $1}' | sort | uniq -d)
[ -z "$copies" ] || fail "files installed twice: $copies"

depends=$(dpkg-deb -f "$game" Depends)
for needed in "zoa-data (= $version)" libqt6widgets6 libsdl2-mixer-2.0-0 fonts-ipafont-gothic; do
    grep -qF "$needed" <<< "$depends" || fail "zoa does not depend on $needed"
done
[ "$(dpkg-deb -f "$game" Recommends)" = qt6-wayland ] \
    || fail "zoa does not recommend qt6-wayland, the native Wayland platform"
[ "$(dpkg-deb -f "$data" Architecture)" = all ] || fail "zoa-data is not Architecture: all"

# One version and one release date: the package's changelog, the build's and the metainfo's.
metainfo="$source_dir/packaging/org.zoagame.Zoa.metainfo.xml"
release=$(grep -o '<release version="[^"]*" date="[^"]*"' "$metainfo" | head -1)
released=$(date -u -d "$(dpkg-parsechangelog -l "$debian/changelog" -S Date)" +%F)
[ "$release" = "<release version=\"$version\" date=\"$released\"" ] \
    || fail "the metainfo's newest release is $release, the changelog's $version of $released"
grep -q "^project(zoa VERSION $version " "$source_dir/CMakeLists.txt" \
    || fail "CMakeLists.txt's project version is not $version"
screenshot=$(grep -o '<image>[^<]*</image>' "$metainfo" | sed -E 's|.*/([^/<]*)</image>|\1|')
[ -f "$source_dir/packaging/screenshots/$screenshot" ] \
    || fail "the metainfo's screenshot $screenshot is not in packaging/screenshots/"
echo "zoa installs $(dpkg-deb -f "$game" Installed-Size) kB, zoa-data $(dpkg-deb -f "$data" Installed-Size) kB"

if command -v lintian > /dev/null; then
    status=0
    lintian -I --pedantic --fail-on error,warning,info,pedantic "$changes" > "$work/lintian.log" \
        2>&1 || status=$?
    grep -v "running with root privileges" "$work/lintian.log" || true
    [ "$status" -eq 0 ] || fail "lintian finds tags in the packages"
fi

# The C library of Debian 12 brings no control-flow protection marks (x86 IBT and shadow stack)
# in its start files, so no program linked on it has them: that one check is left out.
if command -v hardening-check > /dev/null; then
    dpkg-deb -x "$game" "$work/unpacked"
    hardening-check --nocfprotection "$work/unpacked/usr/lib/zoa/zoa" \
        "$work/unpacked/usr/bin/zoa-content" || fail "hardening-check"
fi

# The autopkgtests with the null runner install both packages on this machine: only as root,
# where neither is installed already, one run at a time, and both removed again afterwards.
installed() { dpkg-query -W -f='${Status}' "$1" 2> /dev/null | grep -q "install ok installed"; }
if command -v autopkgtest > /dev/null && [ "$(id -u)" -eq 0 ] \
    && ! installed zoa && ! installed zoa-data; then
    (
        flock 9
        trap 'apt-get purge -y -qq zoa zoa-data > /dev/null 2>&1' EXIT
        autopkgtest "$game" "$data" "$work/zoa/" -- null > "$work/autopkgtest.log" 2>&1 \
            || { tail -40 "$work/autopkgtest.log"; fail "the autopkgtests"; }
        sed -n '/@@@@ summary/,$p' "$work/autopkgtest.log" | grep -E "PASS|FAIL|SKIP"
    ) 9> /tmp/zoa-autopkgtest.lock
else
    echo "autopkgtest not run: it needs root and neither package installed"
fi
echo "Debian packages built, lintian and hardening-check clean"
