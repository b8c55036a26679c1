#include "window_pond.h"

#include <functional>
#include <string_view>
#include <variant>

#include "app/menu.h"
#include "app/pictures.h"
#include "framework/runtime.h"
#include "pond_layout.h"

namespace ulvarin {

namespace {

enum class Event { MouseUp, MouseDown, Paint, Action, KeyDown, TextChange };

using PointHandler = void (WindowPond::*)(std::int32_t, std::int32_t);
using PressHandler = bool (WindowPond::*)(std::int32_t, std::int32_t);
using PaintHandler = void (WindowPond::*)(Graphics&);
using PlainHandler = void (WindowPond::*)();
using KeyHandler = bool (WindowPond::*)(const std::string&);
using Handler = std::variant<PointHandler, PressHandler, PaintHandler, PlainHandler, KeyHandler>;

struct Hookup {
    std::string_view control;
    std::int32_t index;
    Event event;
    Handler handler;
};

// The control events the window handles, in the order they are hooked. The
// three survival-rate fields share one handler, as do the three migrant fields.
const std::array<Hookup, 18> kHookups{{
    {"CanFigure", kNoIndex, Event::MouseUp, &WindowPond::CanFigure_MouseUp},
    {"CanFigure", kNoIndex, Event::MouseDown, &WindowPond::CanFigure_MouseDown},
    {"CanGenePool", kNoIndex, Event::MouseUp, &WindowPond::CanGenePool_MouseUp},
    {"CanGenePool", kNoIndex, Event::MouseDown, &WindowPond::CanGenePool_MouseDown},
    {"CanGenePool", kNoIndex, Event::Paint, &WindowPond::CanGenePool_Paint},
    {"EggTimer", kNoIndex, Event::Action, &WindowPond::EggTimer_Action},
    {"EditFieldFreqA", kNoIndex, Event::KeyDown, &WindowPond::EditFieldFreqA_KeyDown},
    {"EditFieldSurvRate", 0, Event::TextChange, &WindowPond::EditFieldSurvRate_TextChange},
    {"EditFieldSurvRate", 1, Event::TextChange, &WindowPond::EditFieldSurvRate_TextChange},
    {"EditFieldSurvRate", 2, Event::TextChange, &WindowPond::EditFieldSurvRate_TextChange},
    {"EditFieldMigrants", 0, Event::TextChange, &WindowPond::EditFieldMigrants_TextChange},
    {"EditFieldMigrants", 1, Event::TextChange, &WindowPond::EditFieldMigrants_TextChange},
    {"EditFieldMigrants", 2, Event::TextChange, &WindowPond::EditFieldMigrants_TextChange},
    {"BBGenePool", kNoIndex, Event::Action, &WindowPond::BBGenePool_Action},
    {"BBSelection", kNoIndex, Event::Action, &WindowPond::BBSelection_Action},
    {"BBMigration", kNoIndex, Event::Action, &WindowPond::BBMigration_Action},
    {"BBMutation", kNoIndex, Event::Action, &WindowPond::BBMutation_Action},
    {"BBIdealPop", kNoIndex, Event::Action, &WindowPond::BBIdealPop_Action},
}};

std::unique_ptr<Control> NewControl(WindowPond& window, const ControlRow& row) {
    std::string name(row.name);
    std::string className(row.className);
    switch (row.kind) {
        case ControlKind::Canvas:
            return std::make_unique<Canvas>(window, name, row.index, className);
        case ControlKind::StaticText:
            return std::make_unique<StaticText>(window, name, row.index, className);
        case ControlKind::EditField:
            return std::make_unique<EditField>(window, name, row.index, className);
        case ControlKind::BevelButton:
            return std::make_unique<BevelButton>(window, name, row.index, className);
        case ControlKind::Timer:
            return std::make_unique<Timer>(window, name, row.index, className);
    }
    return nullptr;
}

Control& FindAgain(const WindowPond& window, std::string_view name, std::int32_t index) {
    return index == kNoIndex ? window.Find<Control>(name) : window.Find<Control>(name, index);
}

// The opening values of one control.
void ApplyOpeningValues(Control& control, const ControlRow& row) {
    if (auto* timer = dynamic_cast<Timer*>(&control)) {
        timer->SetMode(kEggTimerOpeningMode);
        timer->SetPeriod(kEggTimerOpeningPeriod);
        return;
    }
    auto& visible = dynamic_cast<RectControl&>(control);
    visible.SetBounds(row.left, row.top, row.width, row.height);
    visible.SetEnabled(row.enabled);
    visible.SetVisible(true);
    const std::string text(row.text);
    if (auto* label = dynamic_cast<StaticText*>(&control)) {
        label->SetTextSize(row.textSize);
        label->SetAlignment(row.align);
        label->SetMultiline(row.multiline);
        label->SetText(text);
    } else if (auto* field = dynamic_cast<EditField*>(&control)) {
        field->SetTextSize(row.textSize);
        field->SetText(text);
    } else if (auto* button = dynamic_cast<BevelButton*>(&control)) {
        button->SetTextSize(row.textSize);
        button->SetCaption(text);
    }
}

template <typename T>
T& ControlFor(const WindowPond& window, const Hookup& hookup) {
    auto* control = dynamic_cast<T*>(&FindAgain(window, hookup.control, hookup.index));
    if (control == nullptr) throw NilObjectException("cannot hook " + std::string(hookup.control));
    return *control;
}

void Hook(WindowPond& window, const Hookup& hookup) {
    WindowPond* w = &window;
    switch (hookup.event) {
        case Event::MouseUp:
            ControlFor<Canvas>(window, hookup).MouseUp =
                std::bind_front(std::get<PointHandler>(hookup.handler), w);
            break;
        case Event::MouseDown:
            ControlFor<Canvas>(window, hookup).MouseDown =
                std::bind_front(std::get<PressHandler>(hookup.handler), w);
            break;
        case Event::Paint:
            ControlFor<Canvas>(window, hookup).Paint =
                std::bind_front(std::get<PaintHandler>(hookup.handler), w);
            break;
        case Event::Action:
            if (auto* timer = dynamic_cast<Timer*>(&FindAgain(window, hookup.control, hookup.index))) {
                timer->Action = std::bind_front(std::get<PlainHandler>(hookup.handler), w);
            } else {
                ControlFor<PushButton>(window, hookup).Action =
                    std::bind_front(std::get<PlainHandler>(hookup.handler), w);
            }
            break;
        case Event::KeyDown:
            ControlFor<EditField>(window, hookup).KeyDown =
                std::bind_front(std::get<KeyHandler>(hookup.handler), w);
            break;
        case Event::TextChange:
            ControlFor<EditField>(window, hookup).TextChange =
                std::bind_front(std::get<PlainHandler>(hookup.handler), w);
            break;
    }
}

}  // namespace

WindowPond& WindowPond::Instance() { return ImplicitWindow<WindowPond>(); }

WindowPond::WindowPond() : Window(kClassName) {
    EggArray.resize(1);
    SpermArray.resize(1);
}

WindowPond::~WindowPond() = default;

void WindowPond::Layout() {
    SetMenuBar(Menu::Instance());
    WindowProperties properties;
    properties.width = 640;
    properties.height = 500;
    properties.frame = WindowFrame::Document;
    properties.hasBackColor = false;
    properties.title = "Ulvarin";
    properties.visible = true;
    properties.closeButton = true;
    properties.resizeable = false;
    properties.maximizeButton = false;
    properties.minimizeButton = false;
    SetProperties(properties);
}

// Each control is created, registered under its name, given its opening
// values and only then hooked to its handlers, so the opening values raise no
// handled event. Every step finds the control afresh by name.
void WindowPond::CreateControls() {
    for (const ControlRow& row : PondControls()) {
        AddControl(NewControl(*this, row));
        if (row.name == "CanFigure") Find<Canvas>("CanFigure").SetBackdrop(UrchinCycle());
        ApplyOpeningValues(FindAgain(*this, row.name, row.index), row);
        for (const Hookup& hookup : kHookups) {
            if (hookup.control == row.name && hookup.index == row.index) Hook(*this, hookup);
        }
    }
}

}  // namespace ulvarin
