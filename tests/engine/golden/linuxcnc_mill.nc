%
(Program 1234)
g21 g17 g40 g49 g80 g90 g94
t1 m6
s1000 m3
g0 g43 h1 z5
x10 y0 (P1)
M8
g90
g1 z-1 f100
x10 y10 f200 (P3)
g2 x20 y0 i0 j-10 (P4)
g91
g1 x10 (P5)
g3 x0 y0 i5 j0 (P6)
g0 z6
g98 g81 x10.1234 y2.5 z-6 r0 f100 (P7)
g80
g90
g0 x0 y0 (P8)
m5
m2
%
