#!/usr/bin/env bash
# Renders the live page with the example competition in headless Chromium, as
# a PC shows it (1280 x 800, docs/live_page.png) and as a phone does (390 x 844,
# docs/live_page_phone.png). Builds nothing: point it at a build folder that
# holds bin/zeitnahme-live-demo (default: build).
#   scripts/screenshot_live.sh [build-folder] [port]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
port="${2:-18080}"
demo="$build/bin/zeitnahme-live-demo"

if [[ ! -x "$demo" ]]; then
  echo "$demo fehlt: erst bauen (cmake --build $build --target zeitnahme-live-demo)" >&2
  exit 1
fi
browser="$(command -v chromium || command -v chromium-browser || true)"
if [[ -z "$browser" ]]; then
  echo "chromium ist nicht installiert: kein Bild" >&2
  exit 0
fi

"$demo" --port "$port" --seconds 60 &
demo_pid=$!
trap 'kill "$demo_pid" 2>/dev/null || true' EXIT

# The demo prints its address once it listens.
for _ in $(seq 50); do
  if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then break; fi
  sleep 0.1
done

# The virtual time budget lets the page's first polls and clock frames run.
shoot() {
  "$browser" --headless --disable-gpu --no-sandbox --hide-scrollbars --window-size="$1" \
    --virtual-time-budget=2000 --screenshot="$2" "http://127.0.0.1:$port/" 2>/dev/null
  echo "$2"
}
shoot 1280,800 "$root/docs/live_page.png"
shoot 390,844 "$root/docs/live_page_phone.png"
