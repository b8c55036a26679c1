#include "gamete.h"

#include "framework/desktop.h"
#include "framework/errors.h"
#include "framework/numbers.h"

namespace ulvarin {

namespace {

const Extent& Require(const Extent* canvas) {
    if (canvas == nullptr) throw NilObjectException("a gamete needs a canvas");
    return *canvas;
}

Color ColorOfAllele(std::string_view allele) {
    if (StrComp(allele, "A", 1) == 0) return CMY(1.0, 0.4, 0.0);
    if (StrComp(allele, "a", 1) == 0) return CMY(0.5, 0.2, 0.0);
    return CMY(0.1, 0.1, 0.1);
}

}  // namespace

void Gamete::Construct(const Extent* canvas, std::string_view allele) {
    Direction = Rnd() * 2.0 * kHalfTurn;
    Speed = kindSpeed_;
    const Extent& pond = Require(canvas);
    // The margins are worked out in 32-bit integers first, as sizes are.
    xLoc = 20.0 + Rnd() * static_cast<double>(SaturatingAdd(pond.Width(), -40));
    yLoc = 20.0 + Rnd() * static_cast<double>(SaturatingAdd(pond.Height(), -40));
    x = Round(xLoc);
    y = Round(yLoc);
    width = kindSize_;
    height = kindSize_;
    Genotype = std::string(allele);
    SkinColor = ColorOfAllele(allele);
}

void Gamete::Move() {
    xLoc = xLoc + Speed * Cos(Direction);
    yLoc = yLoc + Speed * Sin(Direction);
    x = Round(xLoc);
    y = Round(yLoc);
}

void Gamete::Bounce(const Extent* canvas) {
    const Extent& pond = Require(canvas);
    const double pondWidth = pond.Width();
    const double pondHeight = pond.Height();
    // Each test sees Direction as the tests before it left it; the sine or
    // cosine is taken only when the gamete is beyond that edge.
    if (xLoc < 0 && Cos(Direction) < 0) Direction = kHalfTurn - Direction;
    if (pondWidth < xLoc + width && Cos(Direction) > 0) Direction = kHalfTurn - Direction;
    if (yLoc < 0 && Sin(Direction) < 0) Direction = -1.0 * Direction;
    if (pondHeight < yLoc + height && Sin(Direction) > 0) Direction = -1.0 * Direction;
    if (Direction > kFullTurn) {
        Direction = Direction - kFullTurn;
    } else if (Direction < 0) {
        Direction = Direction + kFullTurn;
    }
}

}  // namespace ulvarin
