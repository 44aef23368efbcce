#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that everything lands where the program
# looks for it: programs in bin/, images and the user guide in share/lumo/.
set -u
BUILD=$1
PREFIX=$(mktemp -d)
trap 'rm -rf "$PREFIX"' EXIT
cmake --install "$BUILD" --prefix "$PREFIX" > /dev/null || { echo "install failed"; exit 1; }
failures=0
for f in bin/lumo-cli bin/lumo-radio-sim; do
  if [ -e "$PREFIX/$f" ]; then echo "ok   $f"; else echo "FAIL $f"; failures=$((failures + 1)); fi
done
if [ -e "$BUILD/bin/lumo" ]; then
  for f in bin/lumo share/lumo/LumoUserGuide.pdf share/lumo/icons/btn-open-32.png \
           share/lumo/icons/LICENSE.icons; do
    if [ -e "$PREFIX/$f" ]; then echo "ok   $f"; else echo "FAIL $f"; failures=$((failures + 1)); fi
  done
fi
"$PREFIX/bin/lumo-cli" --version | grep -q "^lumo-cli [0-9]" || { echo "FAIL installed lumo-cli"; failures=$((failures + 1)); }
exit $((failures > 0))
