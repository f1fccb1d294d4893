#!/usr/bin/env bash
# Installs what is missing, builds Kestrova and starts it in the current directory.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build/release" --target kestrova
exec "$root/build/release/kestrova"
