#!/usr/bin/python3
# An independent reading of a DXF file the program wrote: ezdxf (Debian python3-ezdxf) reads it,
# audits it, and prints its version, $INSUNITS, the audit's errors and every entity of the model
# space with full precision, one per line:
#   LINE layer x1 y1 x2 y2 | CIRCLE layer cx cy r | ARC layer cx cy r start end | POINT layer x y
# Usage: dump_with_ezdxf.py FILE.dxf
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print("VERSION", doc.dxfversion)
print("INSUNITS", doc.header.get("$INSUNITS", "none"))
print("ERRORS", len(auditor.errors))
for e in auditor.errors:
    print("ERROR", e.message)
for e in doc.modelspace():
    kind, d = e.dxftype(), e.dxf
    if kind == "LINE":
        v = (d.start.x, d.start.y, d.end.x, d.end.y)
    elif kind == "CIRCLE":
        v = (d.center.x, d.center.y, d.radius)
    elif kind == "ARC":
        v = (d.center.x, d.center.y, d.radius, d.start_angle, d.end_angle)
    elif kind == "POINT":
        v = (d.location.x, d.location.y)
    else:
        v = ()
    print(kind, d.layer, " ".join(repr(float(x)) for x in v))
