#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks what a user's machine gets: the
# files in their places, the computed dependencies, a valid desktop entry and MIME type,
# manual pages that render cleanly, and no lintian errors.
set -u
BUILD=$1
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

(cd "$BUILD" && cpack -G DEB -B "$WORK/out" > "$WORK/cpack.log" 2>&1) \
  || { cat "$WORK/cpack.log"; echo "FAIL cpack"; exit 1; }
deb=$(ls "$WORK"/out/lumo_*_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAIL no lumo_VERSION_ARCH.deb"; exit 1; }
echo "package: $(basename "$deb")"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/lumo ./usr/bin/lumo-cli ./usr/bin/lumo-radio-sim \
         ./usr/share/lumo/LumoUserGuide.pdf ./usr/share/lumo/icons/btn-open-32.png \
         ./usr/share/applications/lumo.desktop ./usr/share/mime/packages/lumo.xml \
         ./usr/share/icons/hicolor/48x48/apps/lumo.png ./usr/share/icons/hicolor/128x128/apps/lumo.png \
         ./usr/share/icons/hicolor/256x256/apps/lumo.png ./usr/share/icons/hicolor/scalable/apps/lumo.svg \
         ./usr/share/man/man1/lumo.1.gz ./usr/share/man/man1/lumo-cli.1.gz \
         ./usr/share/man/man1/lumo-radio-sim.1.gz ./usr/share/doc/lumo/copyright \
         ./usr/share/doc/lumo/README.Debian; do
  grep -qxF "$f" <<< "$contents" || fail "missing $f"
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for d in libc6 libstdc++6 libwxbase3.2-1 libwxgtk3.2-1 libcairo2 xdg-utils; do
  tr ',' '\n' <<< "$depends" | awk '{print $1}' | grep -qxF "$d" || fail "Depends lacks $d"
done

dpkg-deb -x "$deb" "$WORK/root"
# One version for the package and the programs.
version=$(dpkg-deb -f "$deb" Version)
for prog in lumo lumo-cli lumo-radio-sim; do
  said=$(LD_LIBRARY_PATH= "$WORK/root/usr/bin/$prog" --version 2>&1)
  [ "$said" = "$prog $version" ] || fail "$prog --version says '$said', the package $version"
done
desktop-file-validate "$WORK/root/usr/share/applications/lumo.desktop" || fail "desktop entry"

# The MIME type as the desktop will see it: a *.lumo name and a LumoMem root element.
mkdir -p "$WORK/mime/packages"
cp "$WORK/root/usr/share/mime/packages/lumo.xml" "$WORK/mime/packages/"
update-mime-database "$WORK/mime" > "$WORK/mime.log" 2>&1 || { cat "$WORK/mime.log"; fail "MIME type"; }
grep -q 'application/x-lumo:\*\.lumo' "$WORK/mime/globs2" || fail "no *.lumo glob"
grep -q 'LumoMem application/x-lumo' "$WORK/mime/XMLnamespaces" || fail "no LumoMem root"

for page in "$WORK"/root/usr/share/man/man1/*.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done

lintian --fail-on error --suppress-tags-from-file /dev/null "$deb" > "$WORK/lintian.log" 2>&1 \
  || { cat "$WORK/lintian.log"; fail "lintian errors"; }
grep -c '^W:' "$WORK/lintian.log" | xargs echo "lintian warnings:"
exit $((failures > 0))
