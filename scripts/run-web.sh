#!/usr/bin/env bash
# Serves build-web/site on 127.0.0.1 (WEB_PORT, 8000 unless set) until Ctrl+C.
set -euo pipefail
cd "$(dirname "$0")/.."
port=${WEB_PORT:-8000}
echo "The calculator: http://127.0.0.1:$port/"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/site
