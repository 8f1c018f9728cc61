%
(Veltrum32 program 1234)
g90
g0 x10 y0 (P1)
M3 S1000
g1 y10 (P3)
g2 x20 y0 i0 j-10 (P4)
g91
g1 x10 (P5)
g3 x0 y0 i5 j0 (P6)
g0 x10.1234 y2.5 (P7)
g90
x0 y0 (P8)
m2
%
