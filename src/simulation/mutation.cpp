// Mutation closes a generation: the new frequency of A, from the adults and
// the two mutation rates, builds the next gene pool.
#include "framework/desktop.h"
#include "framework/focus.h"
#include "framework/numbers.h"
#include "pond/window_pond.h"

namespace ulvarin {

void WindowPond::BBMutation_Action() {
    if (HoldRatesInRange("EditFieldMutRate", 2)) {
        MsgBox("A mutation rate can't be greater than 1.0 or less than 0.0.");
        return;
    }

    const double u = Val(EditFieldMutRate(0).Text());
    const double v = Val(EditFieldMutRate(1).Text());
    if (const auto next = NextFrequencyOfA(NumAdults, u, v)) {
        STFreqA().SetText(Str(*next));
    } else {
        // The old frequency stays, so the new simulation starts from it.
        MsgBox("Your population is extinct. A new simulation will start.");
    }

    ClearHistogram(CanAdHisto(), false);
    NumAdults = {};
    ShowAdults();
    SetUpGenePool();
    GenePoolActive = true;
    ClearFocus();
    EnterStage(Stage::GenePool);
}

}  // namespace ulvarin
