// Migration: migrants of each genotype join (or, negative, leave) the
// juveniles; no count falls below 0.
#include "framework/focus.h"
#include "pond/window_pond.h"

namespace ulvarin {

void WindowPond::EditFieldMigrants_TextChange() {
    NumAdults = AdultsAfterMigration(NumJuveniles, RatesOf("EditFieldMigrants"));
    ShowAdults();
    DrawHistogram(CanAdHisto(), NumAdults, CMY(0, 0, 0));
}

void WindowPond::BBMigration_Action() {
    NumAdults = AdultsAfterMigration(NumJuveniles, RatesOf("EditFieldMigrants"));
    ShowAdults();
    DrawHistogram(CanAdHisto(), NumAdults, CMY(0.4, 0.4, 0.0));
    DrawHistogram(CanJuvenileHisto(), NumJuveniles, CMY(0.1, 0.1, 0.1));
    ClearFocus();
    EnterStage(Stage::Mutation);
}

}  // namespace ulvarin
