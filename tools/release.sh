#!/usr/bin/env bash
# Makes every file a release ships, from the committed source alone, into
# build/release/NAME-VERSION (its path printed last): the Debian package, the page, the site as
# one archive, the source as a tarball, and SHA256SUMS over them. Two runs on the same commit give
# the same bytes wherever the clone stands and whenever, whatever the caller's umask and locale:
# every time stamp is the commit's (SOURCE_DATE_EPOCH), every archive lists its files in order
# with fixed owners and modes, and the build names its folders by fixed names.
#
# usage: tools/release.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/quietly.sh
tools/install-deps.sh run package web
export LC_ALL=C TZ=UTC
umask 022
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH
name=$(sed -n 's/^set(CPACK_PACKAGE_NAME \(.*\))$/\1/p' CMakeLists.txt)
version=$(sed -n 's/^    VERSION \([0-9.]*\)$/\1/p' CMakeLists.txt)
release=$name-$version
out=$PWD/build/release/$release
rm -rf "$out"
mkdir -p "$out"

# A tree of the commit alone, built where no earlier build stands.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
git -c tar.umask=022 archive --format=tar --prefix="$release/" HEAD | gzip -9n >"$out/$release.tar.gz"
tar -xzf "$out/$release.tar.gz" -C "$scratch"
cd "$scratch/$release"
quietly cmake --preset ci -DBUILD_TESTING=OFF -DVEXLET_BUILD_BENCHMARKS=OFF
quietly cmake --build --preset ci
quietly cpack --preset deb
quietly cmake --preset web -DBUILD_TESTING=OFF
quietly cmake --build --preset web --target page

cp build/package/"${name}"_*.deb build/web/web/"$name".html "$out"/
tar --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner \
    --mode=u=rwX,go=rX --format=gnu -C build/web/web -cf - site | gzip -9n >"$out/$release-site.tar.gz"
cd "$out"
sha256sum -- *.deb *.html *.tar.gz >SHA256SUMS
echo "$out"
