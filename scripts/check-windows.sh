#!/usr/bin/env bash
# Compiles every source for Windows with MinGW-w64, syntax only, so that the code behind _WIN32
# (registry, shell, code page, file reading, console) stays buildable on the users' platform.
# The machine's own ICU, SQLite, CLI11, nlohmann-json and Qt headers stand in for Windows ones.
#   scripts/check-windows.sh        prints each file with an error or warning; exit 1 if any
set -euo pipefail
cd "$(dirname "$0")/.."

cxx=x86_64-w64-mingw32-g++-posix
if ! command -v "$cxx" >/dev/null; then
  if [ "$(id -u)" -eq 0 ]; then
    apt-get install -y g++-mingw-w64-x86-64-posix
  else
    echo "MinGW-w64 is missing: run 'sudo apt-get install g++-mingw-w64-x86-64-posix'." >&2
    exit 2
  fi
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Only the libraries' headers: the compiler's own Windows headers must not meet glibc's.
mkdir -p "$work/include"
for header in unicode CLI nlohmann sqlite3.h; do ln -s "/usr/include/$header" "$work/include/$header"; done
sed -e 's/@PROJECT_VERSION@/0.0.0.0/; s/@PROJECT_VERSION_[A-Z]*@/0/' ui/AppVersion.h.in >"$work/AppVersion.h"

qt=$(dirname "$(find /usr/include -maxdepth 3 -type d -name QtCore -path '*qt6*' | head -n 1)")
flags=(-std=c++20 -fsyntax-only -Wall -Wextra -DUNICODE -D_UNICODE -Ianalyser -Isearch -Icli -Iui
  -I"$work" -I"$work/include" -I"$qt" -I"$qt/QtCore" -I"$qt/QtGui" -I"$qt/QtWidgets"
  -I"$qt/QtConcurrent")
# Qt's Linux headers declare their exports without dllimport; that is not ours to fix.
flags+=(-Wno-attributes)

failed=0
for file in analyser/*.cpp search/*.cpp cli/*.cpp ui/*.cpp; do
  if ! output=$("$cxx" "${flags[@]}" "$file" 2>&1) || [ -n "$output" ]; then
    echo "== $file"
    echo "$output" | head -n 20
    failed=1
  fi
done
[ "$failed" -eq 0 ] && echo "All sources compile for Windows (syntax only)."
exit "$failed"
