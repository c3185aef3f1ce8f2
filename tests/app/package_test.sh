#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages from the build tree and checks them with dpkg-deb: their names,
# contents and control fields (quillmere, and quillmere-preview where the preview module is built);
# then starts the packaged program as an ordinary user who cannot
# write to the program's folder and checks that it comes up with its skin engine from the
# package's library folder and writes nothing into the installed tree.
# Usage: package_test.sh <build dir> <version>
set -euo pipefail
build=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
problems=0
problem() { echo "PROBLEM: $*"; problems=$((problems + 1)); }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
arch=$(dpkg --print-architecture)
deb=$work/out/quillmere_${version}_${arch}.deb
preview=$work/out/quillmere-preview_${version}_${arch}.deb
[ -f "$deb" ] || { ls "$work/out"; echo "PROBLEM: no $(basename "$deb")"; exit 1; }

# Contents: exactly these files, all under /usr, none writable by others.
dpkg-deb -c "$deb" >"$work/listing"
files=$(awk '$1 !~ /^d/ {print $6}' "$work/listing" | sort)
expected=$(sort <<'LIST'
./usr/bin/quillmere
./usr/lib/quillmere/SkinH_EL.dll
./usr/share/applications/quillmere.desktop
./usr/share/doc/quillmere/copyright
./usr/share/icons/hicolor/scalable/apps/quillmere.svg
./usr/share/man/man1/quillmere.1.gz
./usr/share/metainfo/io.github.quillmere.Quillmere.metainfo.xml
LIST
)
[ "$files" = "$expected" ] || problem "contents differ:
$(diff <(echo "$expected") <(echo "$files"))"
awk '$1 ~ /^-/ && $1 ~ /w.$/ {print $6}' "$work/listing" | grep . && problem "files writable by others"
awk '$2 != "root/root" {print $6}' "$work/listing" | grep . && problem "files not owned by root"
awk '$6 == "./usr/bin/quillmere" && $1 != "-rwxr-xr-x" {print}' "$work/listing" | grep . && problem "executable's mode"
mkdir "$work/root"
dpkg-deb -x "$deb" "$work/root"
[ -f "$preview" ] && dpkg-deb -x "$preview" "$work/root"
zcat "$work/root/usr/share/man/man1/quillmere.1.gz" | grep -q '^\.SH OPTIONS' || problem "manual page unreadable"
readelf -S "$work/root/usr/bin/quillmere" | grep -q -E '\.(debug_info|symtab)' && problem "executable not stripped"

# The engine a root start writes beside the executable goes with the package.
dpkg-deb --ctrl-tarfile "$deb" | tar -tvf - | grep -q -- '-rwxr-xr-x .* ./postrm$' || problem "no executable postrm"
dpkg-deb -I "$deb" postrm | grep -q 'rm -f /usr/bin/SkinH_EL.dll' || problem "postrm leaves the engine behind"

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quillmere ] || problem "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || problem "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || problem "Architecture: $(field Architecture)"
[ "$(field Section)" = editors ] || problem "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || problem "no Maintainer"
[ "$(field Description | head -1)" = "editor for hand-written HTML, ASP and CSS" ] || problem "Description: $(field Description | head -1)"
depends=$(field Depends)
# Named ones, and what dpkg-shlibdeps derives from the libraries the executable links. The
# patched QScintilla is linked in; the system's is needed only by a build made with it.
for dep in fonts-noto-cjk qt6-translations-l10n libqt6svg6 'libc6 (>=' 'libqt6widgets6 (>=' 'libqt6core6 (>='; do
  [[ ", $depends" == *", $dep"* ]] || problem "Depends lacks $dep: $depends"
done
if ldd "$build/app/quillmere" 2>/dev/null | grep -q libqscintilla2; then
  [[ "$depends" == *"libqscintilla2-qt6-15 (>="* ]] || problem "Depends lacks libqscintilla2-qt6-15: $depends"
fi
ldd "$build/app/quillmere" | grep -i webengine && problem "the executable links Qt WebEngine"

# The preview module, a package of its own that the program's recommends, where it is built.
if [ -f "$build/app/quillmere-preview.so" ]; then
  [ "$(field Recommends)" = quillmere-preview ] || problem "Recommends: $(field Recommends)"
  if [ -f "$preview" ]; then
    files=$(dpkg-deb -c "$preview" | awk '$1 !~ /^d/ {print $6}' | sort)
    [ "$files" = "$(printf '%s\n' ./usr/lib/quillmere/quillmere-preview.so ./usr/share/doc/quillmere-preview/copyright)" ] ||
      problem "quillmere-preview holds: $files"
    pdepends=$(dpkg-deb -f "$preview" Depends)
    for dep in "quillmere (= $version)" libqt6webenginecore6-bin 'libqt6webenginewidgets6 (>='; do
      [[ ", $pdepends" == *", $dep"* ]] || problem "quillmere-preview's Depends lacks $dep: $pdepends"
    done
    [ "$(dpkg-deb -f "$preview" Section)" = editors ] || problem "quillmere-preview's Section"
  else
    problem "no $(basename "$preview")"
  fi
else
  [ -f "$preview" ] && problem "a preview package without a preview module"
  [ -z "$(field Recommends)" ] || problem "Recommends without a preview package: $(field Recommends)"
fi

# The installed program as an ordinary user. Needs root to become one; skipped (with the reason)
# where that is refused.
if [ "$(id -u)" -ne 0 ]; then
  echo "not checked: starting the program as an ordinary user needs root"
elif ! why=$(setpriv --reuid=nobody --regid=nogroup --clear-groups true 2>&1); then
  echo "not checked: no process as another user here: $why"
else
  home=$work/home
  mkdir -m 700 "$home" && chown nobody:nogroup "$home"
  printf '<p>\xc4\xe3\xba\xc3</p>\r\n' >"$work/page.html"
  chmod 644 "$work/page.html"
  find "$work/root" "$work/page.html" -printf '%p %s %T@ %m\n' | sort >"$work/before"
  status=0
  setpriv --reuid=nobody --regid=nogroup --clear-groups env -i PATH=/usr/bin:/bin HOME="$home" \
    XDG_RUNTIME_DIR="$home" QT_QPA_PLATFORM=offscreen LD_DEBUG=files LD_DEBUG_OUTPUT="$home/ld" \
    timeout 5 "$work/root/usr/bin/quillmere" "$work/page.html" >"$work/run.log" 2>&1 || status=$?
  # Still running when stopped: it came up (a missing skin engine ends it at once).
  [ "$status" -eq 124 ] || problem "the program ended with $status: $(cat "$work/run.log")"
  grep -q '无法找到' "$work/run.log" && problem "the skin engine was not found: $(cat "$work/run.log")"
  cat "$home"/ld.* | grep -q "calling init: $work/root/usr/bin/../lib/quillmere/SkinH_EL.dll" ||
    problem "the skin engine was not loaded from the package's library folder"
  # The preview's browser engine comes with the first F12, not before.
  cat "$home"/ld.* | grep -q -i "calling init: .*webengine" && problem "Qt WebEngine was loaded at start-up"
  find "$work/root" "$work/page.html" -printf '%p %s %T@ %m\n' | sort | diff "$work/before" - ||
    problem "the installed tree or the opened file changed"
fi

if [ "$problems" -gt 0 ]; then
  echo "$problems problem(s) with $(basename "$deb")"
  exit 1
fi
echo "$(basename "$deb"): $(wc -l <<<"$files") files, Depends: $depends"
