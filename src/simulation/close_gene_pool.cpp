// Ending the gene-pool stage: with the zygotes drawn by clicks (Done) or with
// the ideal Hardy-Weinberg counts for 100 zygotes (Ideal).
#include "framework/focus.h"
#include "framework/numbers.h"
#include "pond/window_pond.h"

namespace ulvarin {

void WindowPond::BBGenePool_Action() {
    GenePoolActive = false;
    EmptyDrawLabels();
    ReleaseGametes();
    ClearFocus();
    DrawHistogram(CanZygoteHisto(), NumZygotes, CMY(0.4, 0, 0.4));
    EnterStage(Stage::Selection);
}

void WindowPond::BBIdealPop_Action() {
    GenePoolActive = false;
    EmptyDrawLabels();
    ReleaseGametes();
    ClearFocus();
    NumZygotes = IdealCounts(Val(STFreqA().Text()));
    ShowZygotes();
    DrawHistogram(CanZygoteHisto(), NumZygotes, CMY(0.4, 0, 0.4));
    EnterStage(Stage::Selection);
}

}  // namespace ulvarin
