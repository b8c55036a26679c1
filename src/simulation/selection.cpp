// Selection: each genotype's zygotes survive at its rate. The counts follow
// the rate fields live; Done checks the rates and fixes the juveniles.
#include "framework/desktop.h"
#include "framework/focus.h"
#include "framework/numbers.h"
#include "pond/window_pond.h"

namespace ulvarin {

void WindowPond::EditFieldSurvRate_TextChange() {
    NumJuveniles = SurvivingJuveniles(NumZygotes, RatesOf("EditFieldSurvRate"));
    ShowJuveniles();
    DrawHistogram(CanJuvenileHisto(), NumJuveniles, CMY(0, 0, 0));
}

void WindowPond::BBSelection_Action() {
    if (HoldRatesInRange("EditFieldSurvRate", 3)) {
        MsgBox("Survival Rates can't be greater than 1.0 or less than 0.0.");
        Refresh();
        return;
    }
    NumJuveniles = SurvivingJuveniles(NumZygotes, RatesOf("EditFieldSurvRate"));
    ShowJuveniles();
    DrawHistogram(CanJuvenileHisto(), NumJuveniles, CMY(0.2, 0.2, 0));
    DrawHistogram(CanZygoteHisto(), NumZygotes, CMY(0.1, 0.1, 0.1));
    EnterStage(Stage::Migration);
    ClearFocus();
}

}  // namespace ulvarin
