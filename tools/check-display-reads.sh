#!/usr/bin/env bash
# Fails when code of the core reads what a value field of the window shows. The core decides on
# its own values and the window is written from them; a field's text can be read only through
# window/ShownText.h, which is for the window, the driver's dump and the tests.
set -euo pipefail
cd "$(dirname "$0")/.."

readers=$(grep -rlE '#include "window/ShownText.h"' src/core || true)
if [ -n "$readers" ]; then
    echo "the core reads shown texts back (window/ShownText.h) in:"
    echo "$readers"
    exit 1
fi
echo "display reads: no code under src/core reads a shown text"
