// Where an arrow head's points lie, free of any drawing: the tip P, the other
// end of the shaft Q, and a wing point at an angle to the shaft.
#pragma once

struct ArrowPoint {
    long x;
    long y;
    bool operator==(const ArrowPoint& o) const { return x == o.x && y == o.y; }
};

// W(a, r): the point r away from the tip at a degrees from the direction
// towards the tail, in screen coordinates (y down). Each offset has one half
// added before it is truncated toward zero, whatever its sign, and the angle
// is turned to radians with 3.14159: stored marks were drawn so. P when P
// equals Q.
ArrowPoint ArrowWing(ArrowPoint tip, ArrowPoint tail, double degrees, double length);
