#!/usr/bin/env bash
# Builds Debian's libjpeg-turbo source package as a static MinGW-w64 library.
# usage: build-libjpeg-mingw.sh TOOLCHAIN_FILE WORK_DIR
# Result: WORK_DIR/prefix/{include,lib/libjpeg.a}. Reruns are no-ops once the library exists.
set -euo pipefail
toolchain=$(readlink -f "$1")
work=$(mkdir -p "$2" && readlink -f "$2")
prefix=$work/prefix
[ -f "$prefix/lib/libjpeg.a" ] && exit 0

# A private apt configuration made from the machine's own Debian sources, with deb-src entries,
# so the system's apt state stays untouched.
apt_dir=$work/apt
rm -rf "$apt_dir" && mkdir -p "$apt_dir/sources" "$apt_dir/lists/partial"
found=0
for f in /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] || continue
  sed -e 's/^Types:.*/Types: deb-src/' "$f" > "$apt_dir/sources/$(basename "$f")"
  found=1
done
if [ -f /etc/apt/sources.list ]; then
  grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' > "$apt_dir/sources/legacy.list" || true
  [ -s "$apt_dir/sources/legacy.list" ] && found=1
fi
[ $found -eq 1 ] || { echo "no Debian package sources configured on this machine" >&2; exit 1; }

apt_opts=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt_dir/sources"
          -o Dir::State::Lists="$apt_dir/lists" -o Debug::NoLocking=1 -qq)
src=$work/src
rm -rf "$src" && mkdir -p "$src"
apt-get "${apt_opts[@]}" update
(cd "$src" && apt-get "${apt_opts[@]}" source --download-only libjpeg-turbo)

# Unpack the original tarball and apply Debian's patches in series order.
orig=$(ls "$src"/libjpeg-turbo_*.orig.tar.* | head -n 1)
deb=$(ls "$src"/libjpeg-turbo_*.debian.tar.* | head -n 1)
mkdir -p "$src/tree" && tar -xf "$orig" -C "$src/tree" --strip-components=1
tar -xf "$deb" -C "$src/tree"
if [ -f "$src/tree/debian/patches/series" ]; then
  while read -r p; do
    case "$p" in ''|\#*) continue ;; esac
    patch -s -d "$src/tree" -p1 < "$src/tree/debian/patches/$p"
  done < "$src/tree/debian/patches/series"
fi

cmake -S "$src/tree" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=0 -DENABLE_STATIC=1 -DWITH_SIMD=0 -DWITH_TURBOJPEG=0 \
  -DCMAKE_INSTALL_PREFIX="$prefix" >/dev/null
cmake --build "$work/build" --target jpeg-static -j"$(nproc)" >/dev/null
mkdir -p "$prefix/include" "$prefix/lib"
cp "$work/build/libjpeg.a" "$prefix/lib/"
cp "$work/build/jconfig.h" "$src/tree/jpeglib.h" "$src/tree/jmorecfg.h" "$src/tree/jerror.h" "$prefix/include/"
rm -rf "$work/build" "$src" "$apt_dir"
echo "libjpeg-turbo for MinGW-w64 built in $prefix"
