#!/usr/bin/python3
# An independent reading of a DXF file, compared with what Veltrum32 imported from it.
# Usage: compare_with_ezdxf.py FILE.dxf DRAWING.vgm [TOLERANCE]
# ezdxf (Debian python3-ezdxf) reads the file, takes block references and polylines apart and
# flattens every curve; the drawing (Veltrum32's native file, from `veltrum32 --convert`) is read
# as text. Every point of either must lie within TOLERANCE (default 0.011, the importer's 0.01 mm
# and ezdxf's 0.001) of the other's geometry. Prints OK, or what differs, and exits with 1.
import math
import sys

import ezdxf
from ezdxf import disassemble, path

MM_PER_UNIT = {1: 25.4, 2: 304.8, 4: 1.0, 5: 10.0, 6: 1000.0}


def reference(dxf_file):
    doc = ezdxf.readfile(dxf_file)
    scale = MM_PER_UNIT.get(doc.header.get("$INSUNITS", 0), 1.0)
    polylines, points = [], []
    for e in disassemble.recursive_decompose(doc.modelspace()):
        kind = e.dxftype()
        if kind == "POINT":
            p = e.dxf.location
            points.append((p.x * scale, p.y * scale))
            continue
        try:
            pth = path.make_path(e)
        except (TypeError, ValueError):
            continue  # text and other things that are not geometry
        pts = [(v.x * scale, v.y * scale) for v in pth.flattening(0.001 / scale)]
        if len(pts) >= 2:
            polylines.append(pts)
    return polylines, points


def drawing(vgm_file):
    """The objects of a native drawing file: segments and sampled arcs as polylines, points."""
    with open(vgm_file, encoding="utf-8") as f:
        lines = [l.strip() for l in f]
    count = int(lines[6])
    polylines, points = [], []
    for l in lines[7:7 + count]:
        v = [float(x) for x in l.split(",")]
        typ, cx, cy, r, _, x1, y1, x2, y2 = int(v[0]), *v[1:]
        if typ == 1:
            polylines.append([(x1, y1), (x2, y2)])
        elif typ == 3:
            points.append((x1, y1))
        elif typ == 2:
            a1, a2 = (x1, y1) if x2 == 1 else (0.0, 0.0)
            if a1 == 0 and a2 == 0:
                a2 = 2 * math.pi
            while a2 <= a1:
                a2 += 2 * math.pi
            n = max(8, int((a2 - a1) / 0.01))
            polylines.append([(cx + r * math.cos(a1 + (a2 - a1) * i / n),
                               cy + r * math.sin(a1 + (a2 - a1) * i / n)) for i in range(n + 1)])
    return polylines, points


class Geometry:
    """Segments and points in a grid of cells, for the distance of a point to the nearest."""

    def __init__(self, polylines, points, reach):
        self.cell = max(reach * 50, 0.5)
        self.reach = reach
        self.grid = {}
        for q in points:
            self._add((q, q), q[0], q[1], q[0], q[1])
        for pl in polylines:
            for a, b in zip(pl, pl[1:]):
                self._add((a, b), min(a[0], b[0]), min(a[1], b[1]), max(a[0], b[0]),
                          max(a[1], b[1]))

    def _add(self, seg, x0, y0, x1, y1):
        c, r = self.cell, self.reach
        for i in range(math.floor((x0 - r) / c), math.floor((x1 + r) / c) + 1):
            for j in range(math.floor((y0 - r) / c), math.floor((y1 + r) / c) + 1):
                self.grid.setdefault((i, j), []).append(seg)

    def distance(self, p):
        best = math.inf
        for a, b in self.grid.get((math.floor(p[0] / self.cell), math.floor(p[1] / self.cell)), []):
            dx, dy = b[0] - a[0], b[1] - a[1]
            ll = dx * dx + dy * dy
            t = 0 if ll == 0 else max(0, min(1, ((p[0] - a[0]) * dx + (p[1] - a[1]) * dy) / ll))
            best = min(best, math.hypot(p[0] - a[0] - t * dx, p[1] - a[1] - t * dy))
        return best


def samples(polylines, points):
    out = list(points)
    for pl in polylines:
        for a, b in zip(pl, pl[1:]):
            out += [a, ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2), b]
    return out


def main():
    dxf_file, vgm_file = sys.argv[1], sys.argv[2]
    tolerance = float(sys.argv[3]) if len(sys.argv) > 3 else 0.011
    ref, ours = reference(dxf_file), drawing(vgm_file)
    problems = []
    for name, mine, other in (("ezdxf", ref, ours), ("Veltrum32", ours, ref)):
        if not (mine[0] or mine[1]):
            problems.append(name + " found nothing")
            continue
        geometry = Geometry(*other, tolerance)
        for p in samples(*mine):
            d = geometry.distance(p)
            if d > tolerance:
                problems.append("%s point (%.6g, %.6g) is %.3g from the other reading"
                                % (name, p[0], p[1], d))
                break
    print("\n".join(problems) if problems else "OK")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
