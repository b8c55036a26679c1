// The two halves of an animation tick over a pool of gametes: swimming (a
// bounce, then a step) and drawing. Index 0 is never used and nil elements
// are skipped; each pass gives the framework its background turn.
#pragma once

#include <memory>
#include <vector>

#include "framework/desktop.h"
#include "framework/extent.h"
#include "framework/graphics.h"
#include "framework/numbers.h"

namespace ulvarin {

template <typename Gamete>
void SwimAll(std::vector<std::unique_ptr<Gamete>>& pool, const Extent& pond) {
    for (std::size_t i = 1; i < pool.size(); ++i) {
        if (Gamete* gamete = pool[i].get()) {
            gamete->Bounce(&pond);
            gamete->Move();
        }
        BackgroundTurn();
    }
}

// Each gamete as an oval of its colour at its unrounded place; a later one
// covers an earlier one.
template <typename Gamete>
void DrawAll(const std::vector<std::unique_ptr<Gamete>>& pool, Graphics& g) {
    for (std::size_t i = 1; i < pool.size(); ++i) {
        if (const Gamete* gamete = pool[i].get()) {
            g.SetForeColor(gamete->SkinColor);
            g.FillOval(ToInt32(gamete->xLoc), ToInt32(gamete->yLoc), gamete->width, gamete->height);
        }
        BackgroundTurn();
    }
}

}  // namespace ulvarin
