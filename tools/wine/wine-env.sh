# Sourced by the Wine scripts: the environment every Wine call of ours runs with.
talvik_root=$(readlink -f "$(dirname "${BASH_SOURCE[0]}")/../..")
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=;mshtml="
# Code page 936: the program's ANSI text is GBK.
export LC_ALL=zh_CN.UTF-8
export LANG=zh_CN.UTF-8
TALVIK_WINE_DIR=${TALVIK_WINE_DIR:-$talvik_root/build/wine}
TALVIK_WINE_TEMPLATE=$TALVIK_WINE_DIR/template
wine_bin=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)
