// A main window built as the program builds it, with the test desktop in
// place, and the gestures a student makes on it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "pond/window_pond.h"
#include "recording_desktop.h"

namespace ulvarin::testing {

// Opaque black and white, as pictures hold them.
inline constexpr std::uint32_t kBlack = 0xFF000000u;
inline constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

class PondTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    WindowPond& Pond() { return WindowPond::Instance(); }

    // A click (press and release) on a canvas or a button.
    void Click(Canvas& canvas);
    void Click(PushButton& button);
    // Types each character as a key press, as a user would.
    void Type(EditField& field, const std::string& text);
    // Replaces the field's text and presses Return.
    void Enter(EditField& field, const std::string& text);
    void PressReturn(EditField& field);
    void PressEnter(EditField& field);
    // A whole zygote: two clicks on the pond, the second with its pause.
    void DrawZygote(double eggDraw, double spermDraw);
    // Brings the window from the gene pool to the mutation stage with these
    // adults, through Done, Done with the rates as they are, and migrants.
    void ReachMutation(const GenotypeCounts& adults);

    // Whether the five buttons show exactly this stage of the life cycle.
    bool StageIs(bool genePool, bool selection, bool migration, bool mutation);
    // How many of the pond's eggs, or of its sperm, carry the allele.
    int CountCarrying(const std::string& allele, bool eggs);
    // The texts of the frequency, the counts and the rate fields as the
    // window opens, and as Reset leaves it.
    void ExpectOpeningTexts();

    // The pixel at (x, y) of a canvas's backdrop picture.
    std::uint32_t BackdropPixel(Canvas& canvas, int x, int y);

    RecordingDesktop desktop;
};

}  // namespace ulvarin::testing
