// The eggs and sperm that swim in the gene pool. They are decoration: the
// zygote draw never looks at them. Each tick bounces and then moves every one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/color.h"
#include "framework/extent.h"

namespace ulvarin {

// The constants of the motion, kept as the eight-decimal values the motion
// has always used rather than full-precision pi.
inline constexpr double kHalfTurn = 3.14159265;
inline constexpr double kFullTurn = 6.2831853;

class Gamete {
public:
    virtual ~Gamete() = default;

    // A random heading and place inside the canvas, then the kind's speed and
    // size, the allele and its colour. The three Rnd draws come in this
    // order: heading, x, y. A nil canvas raises NilObjectException after the
    // heading and speed are set.
    void Construct(const Extent* canvas, std::string_view allele);
    // One step of Speed along Direction; x and y follow.
    void Move();
    // Turns back from any edge the gamete is beyond and heading out of, then
    // brings Direction back into 0..kFullTurn with at most one correction.
    void Bounce(const Extent* canvas);

    double Speed = 0.0;
    double xLoc = 0.0;  // left edge of the bounding box
    double yLoc = 0.0;  // top edge, growing downwards
    double Direction = 0.0;  // radians; 0 moves right, a positive sine moves down
    std::string Genotype;    // the allele, "A" or "a"
    double x = 0.0;          // xLoc rounded
    double y = 0.0;          // yLoc rounded
    Color SkinColor{};
    std::int32_t width = 0;
    std::int32_t height = 0;

protected:
    Gamete(double speed, std::int32_t size) : kindSpeed_(speed), kindSize_(size) {}

private:
    double kindSpeed_;
    std::int32_t kindSize_;
};

// Slow and large.
class Egg : public Gamete {
public:
    Egg() : Gamete(0.5, 12) {}
};

// Quick and small.
class Sperm : public Gamete {
public:
    Sperm() : Gamete(2.0, 4) {}
};

}  // namespace ulvarin
