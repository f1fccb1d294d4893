#!/usr/bin/env bash
# Installs what is missing, builds Kestrova and starts it in its working folder:
# the folder given as the first argument, else $KESTROVA_DIR, else ~/Kestrova.
# The folder is made when it is missing; designs, plot files and the report
# land there, never in the checkout.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="${1:-${KESTROVA_DIR:-${HOME:?HOME is not set}/Kestrova}}"
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build/release" --target kestrova
mkdir -p -- "$work"
cd -- "$work"
echo "Kestrova works in $(pwd)"
exec "$root/build/release/kestrova"
