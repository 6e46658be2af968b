#!/usr/bin/env bash
# Renders the live page with the example competition in headless Chromium and
# saves it as docs/live_page.png. Builds nothing: point it at a build folder
# that holds bin/zeitnahme-live-demo (default: build).
#   scripts/screenshot_live.sh [build-folder] [port]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
port="${2:-18080}"
demo="$build/bin/zeitnahme-live-demo"
out="$root/docs/live_page.png"

if [[ ! -x "$demo" ]]; then
  echo "$demo fehlt: erst bauen (cmake --build $build --target zeitnahme-live-demo)" >&2
  exit 1
fi
browser="$(command -v chromium || command -v chromium-browser || true)"
if [[ -z "$browser" ]]; then
  echo "chromium ist nicht installiert: kein Bild" >&2
  exit 0
fi

"$demo" --port "$port" --seconds 30 &
demo_pid=$!
trap 'kill "$demo_pid" 2>/dev/null || true' EXIT

# The demo prints its address once it listens.
for _ in $(seq 50); do
  if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then break; fi
  sleep 0.1
done

# The virtual time budget lets the page's first polls and clock frames run.
"$browser" --headless --disable-gpu --no-sandbox --hide-scrollbars --window-size=1280,800 \
  --virtual-time-budget=2000 --screenshot="$out" "http://127.0.0.1:$port/" 2>/dev/null
echo "$out"
