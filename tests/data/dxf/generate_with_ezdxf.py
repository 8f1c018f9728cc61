#!/usr/bin/python3
# Writes the DXF fixtures of the tests with ezdxf (Debian package python3-ezdxf 0.18.1), so that the
# reader is tested on files another program wrote. Run from this folder; the files are committed.
# ezdxf marks new R2000 drawings as metres; these are millimetres, as the tests read them.
import ezdxf


def new_mm(version="R2000"):
    doc = ezdxf.new(version)
    doc.header["$INSUNITS"] = 4  # millimetres
    return doc


# DXF R12: the entities of the older reader.
doc = ezdxf.new("R12")
msp = doc.modelspace()
msp.add_line((0, 0), (10, 0))
msp.add_arc((20, 0), 5, 0, 90)
msp.add_circle((40, 0), 3)
msp.add_point((50, 5))
closed = msp.add_polyline2d([(0, 10), (10, 10), (10, 20), (0, 20)])
closed.close(True)
msp.add_polyline2d([(20, 10), (30, 10), (30, 20), (20, 20)])  # open: flags 0
msp.add_text("NOT GEOMETRY", dxfattribs={"insert": (0, -10), "height": 2})
doc.saveas("r12_entities.dxf")

# DXF R2000: an ellipse.
doc = new_mm()
doc.modelspace().add_ellipse((0, 0), major_axis=(10, 0), ratio=0.5)
doc.saveas("r2000_ellipse.dxf")

# DXF R2000: the entities current programs write.
import math

# LWPOLYLINE: a closed slot (two straight sides, two half circles from bulges) and an open
# contour with one bulged segment.
doc = new_mm()
msp = doc.modelspace()
msp.add_lwpolyline([(0, 0, 0, 0, 0), (20, 0, 0, 0, 1), (20, 10, 0, 0, 0), (0, 10, 0, 0, 1)],
                   format="xyseb", close=True)
msp.add_lwpolyline([(30, 0, 0, 0, 0), (40, 0, 0, 0, -0.41421356237309503), (50, 10, 0, 0, 0)],
                   format="xyseb")
doc.saveas("r2000_lwpolyline.dxf")

# A quarter of an ellipse and an arc and a circle drawn on the mirrored plane (extrusion -Z).
doc = new_mm()
msp = doc.modelspace()
msp.add_ellipse((0, 0), major_axis=(10, 0), ratio=0.5, start_param=0, end_param=math.pi / 2)
msp.add_arc((20, 0), 5, 0, 90, dxfattribs={"extrusion": (0, 0, -1)})
msp.add_circle((40, 5), 3, dxfattribs={"extrusion": (0, 0, -1)})
doc.saveas("r2000_ellipse_arc_extrusion.dxf")

# Blocks: a part (a line, a quarter arc, a circle) inserted plain, scaled and turned, mirrored,
# nested inside another block, and a block that is never inserted.
doc = new_mm()
part = doc.blocks.new("PART", base_point=(1, 1))
part.add_line((1, 1), (11, 1))
part.add_arc((1, 1), 10, 0, 90)
part.add_circle((6, 4), 2)
outer = doc.blocks.new("OUTER")
outer.add_blockref("PART", (100, 0))
unused = doc.blocks.new("UNUSED")
unused.add_line((0, 0), (5, 5))
msp = doc.modelspace()
msp.add_blockref("PART", (0, 0))
msp.add_blockref("PART", (50, 0), dxfattribs={"xscale": 2, "yscale": 2, "rotation": 90})
msp.add_blockref("PART", (0, 50), dxfattribs={"xscale": -1})
msp.add_blockref("OUTER", (0, 100))
doc.saveas("r2000_blocks.dxf")

# Splines: a cubic through control points and a rational quarter circle.
doc = new_mm()
msp = doc.modelspace()
msp.add_open_spline([(0, 0), (10, 20), (20, -20), (30, 0)], degree=3)
msp.add_rational_spline([(10, 0), (10, 10), (0, 10)], weights=[1, math.sqrt(0.5), 1], degree=2)
doc.saveas("r2000_splines.dxf")

# The same part as a binary DXF.
doc = new_mm()
doc.modelspace().add_line((0, 0), (1, 1))
doc.saveas("r2000_binary.dxf", fmt="bin")

# Round holes as exporters write them: a closed LWPOLYLINE and a closed 2D POLYLINE of two vertices
# whose bulges make two half circles.
doc = new_mm()
msp = doc.modelspace()
msp.add_lwpolyline([(0, 0, 0, 0, 1), (10, 0, 0, 0, 1)], format="xyseb", close=True)
hole = msp.add_polyline2d([(20, 0, 0, 0, 1), (30, 0, 0, 0, 1)], format="xyseb")
hole.close(True)
doc.saveas("r2000_bulge_circles.dxf")

# A drawing in inches: a 1 inch line and a circle of half an inch radius.
doc = ezdxf.new("R2000")
doc.header["$INSUNITS"] = 1  # inches
msp = doc.modelspace()
msp.add_line((0, 0), (1, 0))
msp.add_circle((2, 0), 0.5)
doc.saveas("r2000_inch.dxf")

# A block with an attribute definition, inserted with its attribute: texts, nothing to draw and
# nothing to list as skipped.
doc = new_mm()
tag = doc.blocks.new("TAG")
tag.add_line((0, 0), (5, 0))
tag.add_attdef("NAME", (0, 1), dxfattribs={"height": 1})
msp = doc.modelspace()
ref = msp.add_blockref("TAG", (10, 10))
ref.add_attrib("NAME", "bolt", (10, 11))
doc.saveas("r2000_attributes.dxf")
