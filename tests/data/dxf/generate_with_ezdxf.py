#!/usr/bin/python3
# Writes the DXF fixtures of the tests with ezdxf (Debian package python3-ezdxf 0.18.1), so that the
# reader is tested on files another program wrote. Run from this folder; the files are committed.
import ezdxf

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
doc = ezdxf.new("R2000")
doc.modelspace().add_ellipse((0, 0), major_axis=(10, 0), ratio=0.5)
doc.saveas("r2000_ellipse.dxf")
