#include "pond_layout.h"

#include <array>

namespace ulvarin {

namespace {

using enum ControlKind;
constexpr auto L = TextAlign::Left;
constexpr auto C = TextAlign::Center;
constexpr auto R = TextAlign::Right;
constexpr auto N = kNoIndex;

// clang-format off
constexpr std::array<ControlRow, 68> kControls{{
    // kind        class                             name                 index left top  w    h    text                                     size align multi  enabled
    {Canvas,      "Canvas",                         "CanFigure",          N, 239, 189, 180, 140, "",                                        0, L, false, true},
    {Canvas,      "Canvas",                         "CanGenePool",        N,  41,  67, 160, 120, "",                                        0, L, false, true},
    {StaticText,  "StaticText",                     "StaticText36",       N, 147, 184,  58,  20, "Gene pool",                              10, L, false, true},
    {Canvas,      "Canvas",                         "CanZygoteHisto",     N, 500,  47, 121, 120, "",                                        0, L, false, true},
    {StaticText,  "StaticText",                     "StaticText1",        N, 514, 171,  19,  20, "AA",                                     12, L, false, true},
    {StaticText,  "StaticText",                     "StaticText2",        N, 553, 171,  17,  20, "Aa",                                     12, L, false, true},
    {StaticText,  "StaticText",                     "StaticText3",        N, 592, 171,  19,  20, "aa",                                     12, L, false, true},
    {StaticText,  "StaticText",                     "StaticText4",        N, 419,  82,  72,  48, "Number\rof\rzygotes",                    12, C, true,  true},
    {Timer,       "WindowPond.EggTimer",            "EggTimer",           N,   0,   0,   0,   0, "",                                        0, L, false, true},
    {EditField,   "EditField",                      "EditFieldFreqA",     N, 151,  42,  35,  20, "",                                       10, L, false, true},
    {StaticText,  "StaticText",                     "StaticText6",        N,  55,  14, 101,  21, "Frequency of A:",                        12, L, false, true},
    {StaticText,  "StaticText",                     "StaticText7",        N, 300,  46,  33,  20, "Egg:",                                   10, L, false, true},
    {StaticText,  "StaticText",                     "StaticText8",        N, 288,  66,  48,  20, "Sperm:",                                 10, L, false, true},
    {StaticText,  "StaticText",                     "StaticText9",        N, 285,  87,  53,  20, "Zygote:",                                10, L, false, true},
    {StaticText,  "StaticText",                     "STEgg",              N, 337,  46,  20,  20, "",                                       12, L, false, true},
    {StaticText,  "StaticText",                     "STSperm",            N, 337,  66,  20,  20, "",                                       12, L, false, true},
    {StaticText,  "StaticText",                     "STZygote",           N, 334,  87,  20,  20, "",                                       12, L, false, true},
    {StaticText,  "WindowPond.STNumZygs",           "STNumZygs",          0, 506,  24,  30,  20, "0",                                      12, C, false, true},
    {StaticText,  "WindowPond.STNumZygs",           "STNumZygs",          1, 545,  24,  30,  20, "0",                                      12, C, false, true},
    {StaticText,  "WindowPond.STNumZygs",           "STNumZygs",          2, 584,  24,  30,  20, "0",                                      12, C, false, true},
    {StaticText,  "StaticText",                     "StaticText12",       N, 434, 131,  35,  20, "Total = ",                               10, L, false, true},
    {StaticText,  "StaticText",                     "STTotZygs",          N, 470, 131,  24,  20, "0",                                      10, L, false, true},
    {EditField,   "WindowPond.EditFieldSurvRate",   "EditFieldSurvRate",  0, 510, 234,  35,  20, "1.0",                                    10, L, false, true},
    {EditField,   "WindowPond.EditFieldSurvRate",   "EditFieldSurvRate",  1, 549, 234,  35,  20, "1.0",                                    10, L, false, true},
    {EditField,   "WindowPond.EditFieldSurvRate",   "EditFieldSurvRate",  2, 588, 234,  35,  20, "1.0",                                    10, L, false, true},
    {StaticText,  "StaticText",                     "StaticText5",        N, 519, 259,  19,  20, "AA",                                     10, L, false, true},
    {StaticText,  "StaticText",                     "StaticText10",       N, 558, 259,  17,  20, "Aa",                                     10, L, false, true},
    {StaticText,  "StaticText",                     "StaticText11",       N, 597, 259,  19,  20, "aa",                                     10, L, false, true},
    {StaticText,  "StaticText",                     "StaticText13",       N, 434, 234, 100,  20, "Survival rates:",                        10, L, false, true},
    {Canvas,      "Canvas",                         "CanJuvenileHisto",   N, 500, 344, 121, 120, "",                                        0, L, false, true},
    {StaticText,  "StaticText",                     "StaticText14",       N, 514, 468,  19,  20, "AA",                                     12, L, false, true},
    {StaticText,  "StaticText",                     "StaticText15",       N, 553, 468,  17,  20, "Aa",                                     12, L, false, true},
    {StaticText,  "StaticText",                     "StaticText16",       N, 592, 468,  19,  20, "aa",                                     12, L, false, true},
    {StaticText,  "StaticText",                     "StaticText17",       N, 419, 379,  72,  48, "Number\rof\rjuveniles",                  12, C, true,  true},
    {StaticText,  "WindowPond.STNumJuvs",           "STNumJuvs",          0, 506, 321,  30,  20, "0",                                      12, C, false, true},
    {StaticText,  "WindowPond.STNumJuvs",           "STNumJuvs",          1, 545, 321,  30,  20, "0",                                      12, C, false, true},
    {StaticText,  "WindowPond.STNumJuvs",           "STNumJuvs",          2, 584, 321,  30,  20, "0",                                      12, C, false, true},
    {StaticText,  "StaticText",                     "StaticText18",       N, 434, 428,  35,  20, "Total = ",                               10, L, false, true},
    {StaticText,  "StaticText",                     "STTotJuvs",          N, 470, 428,  24,  20, "0",                                      10, L, false, true},
    {EditField,   "WindowPond.EditFieldMigrants",   "EditFieldMigrants",  0, 262, 390,  35,  20, "0",                                      10, L, false, true},
    {EditField,   "WindowPond.EditFieldMigrants",   "EditFieldMigrants",  1, 301, 390,  35,  20, "0",                                      10, L, false, true},
    {EditField,   "WindowPond.EditFieldMigrants",   "EditFieldMigrants",  2, 340, 390,  35,  20, "0",                                      10, L, false, true},
    {StaticText,  "StaticText",                     "StaticText19",       N, 271, 415,  19,  20, "AA",                                     10, L, false, true},
    {StaticText,  "StaticText",                     "StaticText20",       N, 312, 415,  17,  20, "Aa",                                     10, L, false, true},
    {StaticText,  "StaticText",                     "StaticText21",       N, 353, 415,  19,  20, "aa",                                     10, L, false, true},
    {StaticText,  "StaticText",                     "StaticText22",       N, 262, 365, 100,  20, "Add migrants:",                          10, L, false, true},
    {Canvas,      "Canvas",                         "CanAdHisto",         N,  88, 344, 121, 120, "",                                        0, L, false, true},
    {StaticText,  "StaticText",                     "StaticText23",       N, 102, 468,  19,  20, "AA",                                     12, L, false, true},
    {StaticText,  "StaticText",                     "StaticText24",       N, 141, 468,  17,  20, "Aa",                                     12, L, false, true},
    {StaticText,  "StaticText",                     "StaticText25",       N, 180, 468,  19,  20, "aa",                                     12, L, false, true},
    {StaticText,  "StaticText",                     "StaticText26",       N,   7, 379,  72,  48, "Number\rof\radults",                     12, C, true,  true},
    {StaticText,  "WindowPond.STNumAds",            "STNumAds",           0,  94, 321,  30,  20, "0",                                      12, C, false, true},
    {StaticText,  "WindowPond.STNumAds",            "STNumAds",           1, 133, 321,  30,  20, "0",                                      12, C, false, true},
    {StaticText,  "WindowPond.STNumAds",            "STNumAds",           2, 172, 321,  30,  20, "0",                                      12, C, false, true},
    {StaticText,  "StaticText",                     "StaticText27",       N,  22, 428,  35,  20, "Total = ",                               10, L, false, true},
    {StaticText,  "StaticText",                     "STTotAdults",        N,  58, 428,  24,  20, "0",                                      10, L, false, true},
    {EditField,   "WindowPond.EditFieldMutRate",    "EditFieldMutRate",   0, 110, 234,  50,  20, "0.0",                                    10, L, false, true},
    {EditField,   "WindowPond.EditFieldMutRate",    "EditFieldMutRate",   1, 164, 234,  50,  20, "0.0",                                    10, L, false, true},
    {StaticText,  "StaticText",                     "StaticText29",       N, 122, 259,  35,  20, "A to a",                                 10, L, false, true},
    {StaticText,  "StaticText",                     "StaticText30",       N, 169, 259,  35,  20, "a to A",                                 10, L, false, true},
    {StaticText,  "StaticText",                     "StaticText32",       N,  28, 234,  80,  20, "Mutation rates:",                        10, L, false, true},
    {BevelButton, "BevelButton",                    "BBGenePool",         N, 289, 118,  60,  22, "Done",                                   10, L, false, true},
    {BevelButton, "BevelButton",                    "BBSelection",        N, 438, 259,  60,  22, "Done",                                   10, L, false, false},
    {BevelButton, "BevelButton",                    "BBMigration",        N, 287, 439,  60,  22, "Done",                                   10, L, false, false},
    {BevelButton, "BevelButton",                    "BBMutation",         N,  35, 259,  60,  22, "Done",                                   10, L, false, false},
    {StaticText,  "StaticText",                     "STFreqA",            N, 160,  14,  36,  20, "0.5",                                    12, L, false, true},
    {StaticText,  "StaticText",                     "StaticText31",       N,  38,  35, 105,  25, "Enter new value,\rthen hit return key:", 10, R, true,  true},
    {BevelButton, "BevelButton",                    "BBIdealPop",         N, 289, 145,  60,  22, "Ideal",                                  10, L, false, true},
}};
// clang-format on

}  // namespace

std::span<const ControlRow> PondControls() { return kControls; }

}  // namespace ulvarin
