// Drawing zygotes from the gene pool, one click for the egg's allele and one
// for the sperm's.
#include "framework/desktop.h"
#include "framework/focus.h"
#include "framework/numbers.h"
#include "framework/runtime.h"
#include "pond/window_pond.h"

namespace ulvarin {

namespace {
// How long a formed zygote stays shown, in seconds past the whole second in
// which it was formed.
constexpr double kZygotePause = 1.5;
}  // namespace

bool WindowPond::CanGenePool_MouseDown(std::int32_t, std::int32_t) { return true; }

void WindowPond::CanGenePool_MouseUp(std::int32_t, std::int32_t) {
    if (!GenePoolActive) return;
    ClearFocus();
    const bool eggDrawn = !STEgg().Text().empty();
    const bool zygoteShown = !STSperm().Text().empty() || !STZygote().Text().empty();
    if (!eggDrawn && !zygoteShown) {
        const double r = Rnd();
        STEgg().SetText(DrawAllele(r, Val(STFreqA().Text())));
        return;
    }
    if (zygoteShown) return;  // only during the pause of an earlier zygote

    const double r = Rnd();
    STSperm().SetText(DrawAllele(r, Val(STFreqA().Text())));
    const int genotype = ZygoteOf(STEgg().Text(), STSperm().Text());
    STZygote().SetText(GenotypeText(genotype));
    NumZygotes[genotype] = SaturatingAdd(NumZygotes[genotype], 1);
    STNumZygs(genotype - 1).SetText(Str(NumZygotes[genotype]));
    STTotZygs().SetText(Str(TotalOf(NumZygotes)));
    DrawHistogram(CanZygoteHisto(), NumZygotes, CMY(0, 0, 0));

    // The pause lets other events through: anything may happen to the counts
    // and the pool meanwhile, so nothing is held across it and afterwards
    // only the three labels are emptied. It ends early when the window
    // closes or the program quits.
    const std::int32_t start = ToInt32(Ticks() / 60.0);
    do {
        WaitingTurn();
        if (Closed() || Quitting()) break;
    } while (!(start + kZygotePause < Ticks() / 60.0));
    EmptyDrawLabels();
}

}  // namespace ulvarin
