#!/usr/bin/env bash
# Makes every file a release ships, from the committed source alone, into
# build/release/NAME-VERSION (its path printed last): the Debian package, the page, the site as
# one archive, the source as a tarball, BUILDINFO naming the commit and the Debian packages of
# the compiler, emscripten, Qt and CMake that built them, and SHA256SUMS over them all. Two runs
# on the same commit give the same bytes wherever the clone stands, however it was checked out,
# whenever and whoever runs it: every time stamp is the commit's (SOURCE_DATE_EPOCH), every
# archive lists its files in order with fixed owners and modes, the build names its folders by
# fixed names, and the builds run in a clean environment, where the caller's compiler, flags,
# locale and dpkg build-flags file change nothing. They keep Debian's hardening flags, not
# warnings as errors: a new warning of a newer compiler is no reason to refuse a release.
#
# usage: tools/release.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/quietly.sh
tools/install-deps.sh run package web
export LC_ALL=C TZ=UTC
umask 022
# Everything from one commit, HEAD when the script starts: its name, version, time and tree.
commit=$(git rev-parse HEAD)
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct "$commit")
export SOURCE_DATE_EPOCH
name=$(git show "$commit:CMakeLists.txt" | sed -n 's/^set(CPACK_PACKAGE_NAME \(.*\))$/\1/p')
version=$(git show "$commit:CMakeLists.txt" | sed -n 's/^    VERSION \([0-9.]*\)$/\1/p')
if [[ -z $name || -z $version ]]; then
    echo "$0: no package name or version in the committed CMakeLists.txt" >&2
    exit 1
fi
release=$name-$version
out=$PWD/build/release/$release
rm -rf "$out"
mkdir -p "$out"

# A tree of the commit alone, built where no earlier build stands, its line ends as committed
# whatever the clone's core.autocrlf and the caller's own attributes file say.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
git -c core.autocrlf=false -c core.attributesFile=/dev/null -c tar.umask=022 \
    archive --format=tar --prefix="$release/" "$commit" | gzip -9n >"$out/$release.tar.gz"
tar -xzf "$out/$release.tar.gz" -C "$scratch"
cd "$scratch/$release"

# Only what the builds need, each fixed: the system's programs, Debian's g++, a home of their own
# (no dpkg build-flags file), the locale, the time zone and the commit's time.
mkdir "$scratch/home"
clean=(env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME="$scratch/home" LC_ALL=C TZ=UTC
       SOURCE_DATE_EPOCH="$SOURCE_DATE_EPOCH" CXX=g++)
quietly "${clean[@]}" cmake --preset ci -DBUILD_TESTING=OFF -DVEXLET_BUILD_BENCHMARKS=OFF \
    -DVEXLET_WARNINGS_AS_ERRORS=OFF
quietly "${clean[@]}" cmake --build --preset ci
quietly "${clean[@]}" cpack --preset deb
quietly "${clean[@]}" cmake --preset web -DBUILD_TESTING=OFF -DVEXLET_WARNINGS_AS_ERRORS=OFF
quietly "${clean[@]}" cmake --build --preset web --target page

cp build/package/"${name}"_*.deb build/web/web/"$name".html "$out"/
tar --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner \
    --mode=u=rwX,go=rX --format=gnu -C build/web/web -cf - site | gzip -9n >"$out/$release-site.tar.gz"
compiler=$(dpkg-query -S "$(readlink -f /usr/bin/g++)" | head -n 1 | cut -d: -f1)
{
    echo "$release"
    echo "commit $commit"
    echo "built by tools/release.sh with these Debian packages:"
    dpkg-query -W -f='${Package} ${Version}\n' "$compiler" emscripten qt6-base-dev cmake
} >"$out/BUILDINFO"
cd "$out"
sha256sum -- BUILDINFO *.deb *.html *.tar.gz >SHA256SUMS
echo "$out"
