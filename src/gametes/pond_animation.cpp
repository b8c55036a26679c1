// The living pond: every tick bounces and moves each gamete, redraws the
// whole frame off screen and shows it in one copy, so no half-drawn frame is
// ever seen.
#include "framework/desktop.h"
#include "framework/errors.h"
#include "framework/numbers.h"
#include "pond/window_pond.h"

namespace ulvarin {

namespace {

template <typename Gamete>
void Swim(std::vector<std::unique_ptr<Gamete>>& pool, const Extent& pond) {
    for (std::size_t i = 1; i < pool.size(); ++i) {
        if (Gamete* gamete = pool[i].get()) {
            gamete->Bounce(&pond);
            gamete->Move();
        }
        BackgroundTurn();
    }
}

template <typename Gamete>
void Draw(const std::vector<std::unique_ptr<Gamete>>& pool, Graphics& g) {
    for (std::size_t i = 1; i < pool.size(); ++i) {
        if (const Gamete* gamete = pool[i].get()) {
            g.SetForeColor(gamete->SkinColor);
            g.FillOval(ToInt32(gamete->xLoc), ToInt32(gamete->yLoc), gamete->width, gamete->height);
        }
        BackgroundTurn();
    }
}

}  // namespace

void WindowPond::EggTimer_Action() {
    try {
        if (!GenePoolActive) return;
        const Canvas& pond = CanGenePool();
        Swim(EggArray, pond);
        Swim(SpermArray, pond);
        if (!GenePoolImage) throw NilObjectException("no pond picture");
        Picture& frame = *GenePoolImage;
        frame.Graphics().SetForeColor(CMY(100, 100, 100));
        frame.Graphics().FillRect(0, 0, frame.Width(), frame.Height());
        // Sperm are drawn over eggs, and a higher index over a lower one.
        Draw(EggArray, frame.Graphics());
        Draw(SpermArray, frame.Graphics());
        CanGenePool().Graphics().DrawPicture(frame, 0, 0);
    } catch (const std::exception&) {
        // The timer goes on firing under a message box; one box at a time.
        if (timerMessageShowing_) return;
        timerMessageShowing_ = true;
        MsgBox("Error during timer action. Please report to Dravek.");
        timerMessageShowing_ = false;
    }
}

void WindowPond::CanGenePool_Paint(Graphics& g) {
    // Before the window's opening step has made the frame there is nothing to show.
    if (GenePoolImage) g.DrawPicture(*GenePoolImage, 0, 0);
}

}  // namespace ulvarin
