// The living pond: every tick bounces and moves each gamete, redraws the
// whole frame off screen and shows it in one copy, so no half-drawn frame is
// ever seen.
#include "framework/desktop.h"
#include "framework/errors.h"
#include "pond_frame.h"
#include "pond/window_pond.h"

namespace ulvarin {

void WindowPond::EggTimer_Action() {
    try {
        if (!GenePoolActive) return;
        const Canvas& pond = CanGenePool();
        SwimAll(EggArray, pond);
        SwimAll(SpermArray, pond);
        if (!GenePoolImage) throw NilObjectException("no pond picture");
        Picture& frame = *GenePoolImage;
        frame.Graphics().SetForeColor(CMY(100, 100, 100));
        frame.Graphics().FillRect(0, 0, frame.Width(), frame.Height());
        // Sperm are drawn over eggs, and a higher index over a lower one.
        DrawAll(EggArray, frame.Graphics());
        DrawAll(SpermArray, frame.Graphics());
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
