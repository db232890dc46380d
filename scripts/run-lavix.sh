#!/usr/bin/env bash
# Sets up the machine, builds lavix and opens it on the bundled example data.
# Without a display it says so and runs the headless batch demo instead.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/install-deps.sh"
bash "$here/scripts/build.sh" build
bin="$here/build/bin"
example="$bin/Data Files/atacazo-ninahuilca.txt"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$bin/lavix" "$example"
fi
echo "No display found: running the headless batch demo (examples/demo.lvb) instead."
exec "$bin/lavix" --batch "$here/examples/demo.lvb" "$example"
