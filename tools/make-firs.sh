#!/usr/bin/env bash
# Writes data/firs.txt, the FIR boundaries corvane-feed gives each aircraft its area control codes
# with, from the VAT-Spy Client Data Update Project's Boundaries.geojson and VATSpy.dat
# (CC BY-SA 4.0). Needs python3 only.
#   tools/make-firs.sh [FOLDER]     # default ../shared/data/fir-boundaries beside the project
set -euo pipefail
cd "$(dirname "$0")/.."

source="${1:-../shared/data/fir-boundaries}"
for file in Boundaries.geojson VATSpy.dat; do
    [ -r "$source/$file" ] || { echo "make-firs: no $source/$file" >&2; exit 1; }
done

python3 - "$source/Boundaries.geojson" "$source/VATSpy.dat" data/firs.txt <<'PY'
import json, math, re, sys

boundaries_path, vatspy_path, target = sys.argv[1:]

# Thousandths of a degree: a border moves by at most 0.0005 degrees (56 m) through the rounding
# and by at most 0.001 degrees more through the simplification; an area's own sampling of the
# map is coarser than that.
SCALE = 1000
TOLERANCE = 1.0  # in thousandths of a degree
SAMPLE_STEP = 0.2  # degrees, for telling whether a sector reaches beyond the whole FIRs

def sections(path):
    section = None
    with open(path, encoding='utf-8', errors='replace') as lines:
        for line in lines:
            line = line.rstrip('\r\n')
            if line.startswith('['):
                section = line
            elif section and line.strip() and not line.startswith(';'):
                yield section, line.split('|')

names = {}
aerodromes = []  # (longitude, latitude, FIR) in thousandths, as VATSpy assigns them
for section, fields in sections(vatspy_path):
    if section == '[FIRs]' and len(fields) >= 4:
        names.setdefault(fields[3], fields[1].strip())
    elif section == '[Airports]' and len(fields) >= 7 and fields[6].strip() == '0':
        try:
            aerodromes.append((float(fields[3]) * SCALE, float(fields[2]) * SCALE, fields[5]))
        except ValueError:
            pass
aerodrome_firs = {fir for _, _, fir in aerodromes}

def simplified(ring):
    """Douglas-Peucker on a closed ring of integer points, keeping its first point."""
    if len(ring) < 4:
        return ring
    keep = [False] * len(ring)
    keep[0] = keep[-1] = True
    stack = [(0, len(ring) - 1)]
    while stack:
        first, last = stack.pop()
        (x1, y1), (x2, y2) = ring[first], ring[last]
        length = math.hypot(x2 - x1, y2 - y1)
        worst, at = -1.0, -1
        for k in range(first + 1, last):
            x, y = ring[k]
            if length == 0:
                d = math.hypot(x - x1, y - y1)
            else:
                d = abs((x2 - x1) * (y1 - y) - (x1 - x) * (y2 - y1)) / length
            if d > worst:
                worst, at = d, k
        if at >= 0 and worst > TOLERANCE:
            keep[at] = True
            stack += [(first, at), (at, last)]
    return [p for p, k in zip(ring, keep) if k]

def area(rings):
    """Square degrees with longitudes shrunk by the cosine of the latitude."""
    total = 0.0
    for ring in rings:
        lat = sum(p[1] for p in ring) / len(ring) / SCALE
        scale = math.cos(math.radians(lat))
        total += abs(sum(x1 * y2 - x2 * y1 for (x1, y1), (x2, y2)
                         in zip(ring, ring[1:] + ring[:1]))) / 2 * scale
    return total / SCALE / SCALE

def inside(ring, x, y):
    crossing = False
    for (x1, y1), (x2, y2) in zip(ring, ring[1:] + ring[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            crossing = not crossing
    return crossing

def box(rings):
    xs = [p[0] for r in rings for p in r]
    ys = [p[1] for r in rings for p in r]
    return min(xs), min(ys), max(xs), max(ys)

with open(boundaries_path, encoding='utf-8') as f:
    features = json.load(f)['features']

areas = []
for feature in features:
    ident = feature['properties']['id']
    match = re.fullmatch(r'([A-Z]{4})(-[A-Z0-9]+)?', ident)
    if not match:
        continue  # NAT, ADR, UKR, TEH-1 ...: no ICAO FIR a centre callsign begins with
    rings = []
    for polygon in feature['geometry']['coordinates']:
        ring = []
        for lon, lat in ((p[0], p[1]) for p in polygon[0]):
            point = (round(lon * SCALE), round(lat * SCALE))
            if not ring or ring[-1] != point:
                ring.append(point)
        if len(ring) > 1 and ring[0] == ring[-1]:
            ring.pop()
        ring = simplified(ring + [ring[0]])[:-1] if len(ring) >= 3 else ring
        if len(ring) >= 3:
            rings.append(ring)
    if not rings:
        continue
    whole = match.group(2) is None
    rank = 0 if whole and ident in aerodrome_firs else 1 if whole else 2
    areas.append({'id': ident, 'rank': rank, 'rings': rings, 'area': area(rings),
                  'box': box(rings)})

# A sector counts only where no whole FIR holds the point; keep those that reach beyond them.
wholes = [a for a in areas if a['rank'] < 2]
def in_whole(x, y):
    return any(w['box'][0] <= x <= w['box'][2] and w['box'][1] <= y <= w['box'][3] and
               any(inside(r, x, y) for r in w['rings']) for w in wholes)
def needed(sector):
    x0, y0, x1, y1 = sector['box']
    step = SAMPLE_STEP * SCALE
    y = y0 + step / 2
    while y < y1:
        x = x0 + step / 2
        while x < x1:
            if any(inside(r, x, y) for r in sector['rings']) and not in_whole(x, y):
                return True
            x += step
        y += step
    return False
areas = [a for a in areas if a['rank'] < 2 or needed(a)]
areas.sort(key=lambda a: (a['rank'], a['area'], a['id']))

# Where two aerodrome FIRs overlap (a layer above another, as LFEE over Paris), the one VATSpy
# gives the aerodromes in the overlap to comes first, whatever the sizes.
prefer = {}
by_id = {a['id']: a for a in areas if a['rank'] == 0}
for x, y, fir in aerodromes:
    holders = [a['id'] for a in by_id.values()
               if a['box'][0] <= x <= a['box'][2] and a['box'][1] <= y <= a['box'][3] and
               any(inside(r, x, y) for r in a['rings'])]
    if fir in holders:
        for other in holders:
            if other != fir:
                prefer[(fir, other)] = prefer.get((fir, other), 0) + 1
def wins(a, b):
    return prefer.get((a['id'], b['id']), 0) > prefer.get((b['id'], a['id']), 0)
for _ in range(len(areas)):  # bounded: a cycle of preferences cannot loop for ever
    moved = False
    for j, later in enumerate(areas):
        earlier = next((i for i in range(j) if wins(later, areas[i])), None)
        if earlier is not None:
            areas.insert(earlier, areas.pop(j))
            moved = True
            break
    if not moved:
        break

with open(target, 'w', encoding='utf-8', newline='\n') as out:
    out.write('# FIR boundaries for corvane-feed, written by tools/make-firs.sh from the VAT-Spy\n'
              '# Client Data Update Project (github.com/vatsimnetwork/vatspy-data-project), CC BY-SA\n'
              '# 4.0. "AREA" and the boundary (the FIR code, a sector after "-") begin an area,\n'
              '# "RING" one of its rings, then one vertex a line: latitude and longitude in\n'
              '# thousandths of a degree. The first area that holds a point gives its code.\n')
    for a in areas:
        name = names.get(a['id'], '')
        out.write(f"AREA {a['id']} {name}".rstrip() + '\n')
        for ring in a['rings']:
            out.write('RING\n')
            out.writelines(f'{y} {x}\n' for x, y in ring)
PY
echo "make-firs: wrote data/firs.txt"
