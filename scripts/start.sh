#!/usr/bin/env bash
# Starts the program; on a machine without a display it runs under Xvfb.
set -euo pipefail
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Pelmor on a virtual X display (Xvfb)." >&2
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
fi
exec "$@"
