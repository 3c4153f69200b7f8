#!/usr/bin/env bash
# Fails when a folder of the core includes a folder above it. The core is built in layers, each
# folder using only the ones before it in this list; app/ at the top wires every feature in.
set -euo pipefail
cd "$(dirname "$0")/.."

layers=(common platform window snapshot feed settings station traffic clearance flightplan
        reference app)

rank() {
    local i
    for i in "${!layers[@]}"; do
        [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }
    done
    echo -1
}

status=0
for dir in src/core/*/; do
    folder=$(basename "$dir")
    own=$(rank "$folder")
    if [ "$own" -lt 0 ]; then
        echo "src/core/$folder: a folder without a layer; add it to tools/check-layers.sh"
        status=1
        continue
    fi
    # file:line:#include "folder/Name.h"
    while IFS=: read -r file line include; do
        used=$(sed -E 's/#include "([^/"]+)\/.*/\1/' <<<"$include")
        used_rank=$(rank "$used")
        if [ "$used_rank" -gt "$own" ]; then
            echo "$file:$line: $folder includes $used, a layer above it: $include"
            status=1
        fi
    done < <(grep -rnE --include='*.h' --include='*.cpp' '^#include "[a-z]+/' "$dir" || true)
done
[ "$status" -eq 0 ] && echo "layers: no upward include in src/core"
exit "$status"
