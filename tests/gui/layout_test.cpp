// The main window as it opens: every control where the layout puts it, with
// its opening value, and nothing handled on the way.
#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "artifacts.h"
#include "pond/pond_layout.h"
#include "pond_fixture.h"
#include "windows/window_about.h"

namespace ulvarin::testing {
namespace {

using LayoutTest = PondTest;

Control& Lookup(WindowPond& pond, const ControlRow& row) {
    return row.index == kNoIndex ? pond.Find<Control>(row.name) : pond.Find<Control>(row.name, row.index);
}

TEST_F(LayoutTest, EveryControlOfTheTableIsBuiltInOrderWithItsOpeningValues) {
    WindowPond& pond = Pond();
    const auto rows = PondControls();
    ASSERT_EQ(pond.ControlCount(), 68u);
    for (std::size_t position = 0; position < rows.size(); ++position) {
        const ControlRow& row = rows[position];
        SCOPED_TRACE(std::string(row.name) + " " + std::to_string(row.index));
        Control& control = Lookup(pond, row);
        EXPECT_EQ(&control, &pond.ControlAt(position));
        EXPECT_EQ(control.ClassName(), row.className);
        EXPECT_EQ(control.Index(), row.index);
        if (auto* rect = dynamic_cast<RectControl*>(&control)) {
            EXPECT_EQ(rect->Left(), row.left);
            EXPECT_EQ(rect->Top(), row.top);
            EXPECT_EQ(rect->Width(), row.width);
            EXPECT_EQ(rect->Height(), row.height);
            EXPECT_EQ(rect->Enabled(), row.enabled);
            EXPECT_TRUE(rect->Visible());
        }
        if (auto* label = dynamic_cast<StaticText*>(&control)) {
            EXPECT_EQ(label->Text(), row.text);
        }
        if (auto* button = dynamic_cast<BevelButton*>(&control)) {
            EXPECT_EQ(button->Caption(), row.text);
        }
    }
}

TEST_F(LayoutTest, OpeningStateIsTheStartOfASimulation) { ExpectOpeningTexts(); }

TEST_F(LayoutTest, ControlArraysAreFoundByNameAndIndex) {
    WindowPond& pond = Pond();
    EXPECT_EQ(pond.ControlByNameIndex("EditFieldMutRate", 2), nullptr);
    EXPECT_EQ(pond.ControlByName("NoSuchControl"), nullptr);
    EXPECT_THROW(pond.Find<Canvas>("STFreqA"), NilObjectException);
    for (const char* array : {"STNumZygs", "STNumJuvs", "STNumAds", "EditFieldSurvRate", "EditFieldMigrants"}) {
        for (int i = 0; i < 3; ++i) {
            Control* member = pond.ControlByNameIndex(array, i);
            ASSERT_NE(member, nullptr) << array << i;
            EXPECT_EQ(member->Index(), i);
            EXPECT_EQ(member->ClassName(), std::string("WindowPond.") + array);
        }
    }
    // The columns of each array run left to right: AA, Aa, aa.
    EXPECT_LT(pond.STNumZygs(0).Left(), pond.STNumZygs(1).Left());
    EXPECT_LT(pond.STNumZygs(1).Left(), pond.STNumZygs(2).Left());
}

TEST_F(LayoutTest, OnlyTheNineFieldsTakeTheFocusInTabOrder) {
    WindowPond& pond = Pond();
    std::vector<QWidget*> expected{pond.EditFieldFreqA().Widget()};
    for (int k = 0; k < 3; ++k) expected.push_back(pond.EditFieldSurvRate(k).Widget());
    for (int k = 0; k < 3; ++k) expected.push_back(pond.EditFieldMigrants(k).Widget());
    for (int k = 0; k < 2; ++k) expected.push_back(pond.EditFieldMutRate(k).Widget());

    std::vector<QWidget*> focusable;
    for (std::size_t i = 0; i < pond.ControlCount(); ++i) {
        if (auto* rect = dynamic_cast<RectControl*>(&pond.ControlAt(i)); rect && rect->TakesFocus()) {
            focusable.push_back(rect->Widget());
        }
    }
    EXPECT_EQ(focusable, expected);

    // Tab walks the same way, back round to the first field.
    QWidget* at = expected.front();
    std::vector<QWidget*> walked;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        walked.push_back(at);
        do at = at->nextInFocusChain(); while (!(at->focusPolicy() & Qt::TabFocus));
    }
    EXPECT_EQ(walked, expected);
    EXPECT_EQ(at, expected.front());
}

TEST_F(LayoutTest, TheWindowIsBuiltOnceAndOpeningValuesRaiseNoHandler) {
    WindowPond& first = Pond();
    EXPECT_EQ(&first, &Pond());
    EXPECT_TRUE(desktop.messages.empty());
    // A TextChange raised by the opening texts would have drawn the juvenile
    // histogram; it stays white.
    EXPECT_EQ(BackdropPixel(first.CanJuvenileHisto(), 20, 118), kWhite);
    EXPECT_EQ(first.Title(), "Ulvarin");
    EXPECT_FALSE(first.Properties().resizeable);
    EXPECT_EQ(first.Content()->width(), 640);
    EXPECT_EQ(first.Content()->height(), 500);
}

// The field that has the keyboard focus, or nullptr when none has it.
EditField* FocusedField(WindowPond& pond) {
    for (std::size_t i = 0; i < pond.ControlCount(); ++i) {
        auto* field = dynamic_cast<EditField*>(&pond.ControlAt(i));
        if (field != nullptr && field->Widget() == QApplication::focusWidget()) return field;
    }
    return nullptr;
}

// A key as the desktop delivers it: to the window, which hands it on to
// whatever has the focus there.
void PressKey(WindowPond& pond, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(pond.Frame()->windowHandle(), key, modifiers);
}

TEST_F(LayoutTest, NoFieldHasTheFocusAtOpeningNorOnceClearedWhenTheWindowComesBack) {
    WindowPond& pond = Pond();
    QApplication::setActiveWindow(pond.Frame());
    EXPECT_EQ(FocusedField(pond), nullptr) << "the window opens as Reset leaves it";
    PressKey(pond, Qt::Key_Return);
    EXPECT_EQ(pond.STFreqA().Text(), "0.5") << "a stray Return takes nothing";

    pond.EditFieldSurvRate(1).SetFocus();
    ASSERT_EQ(FocusedField(pond), &pond.EditFieldSurvRate(1));
    Click(pond.BBIdealPop());  // clears the focus
    EXPECT_EQ(FocusedField(pond), nullptr);

    // The window loses and regains activation, as after a message box ...
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(pond.Frame());
    EXPECT_EQ(FocusedField(pond), nullptr);
    // ... and with another of the program's windows active in between.
    WindowAbout::Instance();
    QApplication::processEvents();
    ASSERT_NE(QApplication::activeWindow(), pond.Frame());
    QApplication::setActiveWindow(pond.Frame());
    EXPECT_EQ(FocusedField(pond), nullptr);

    // The window still takes its keys: Return commits nothing, Ctrl+R resets.
    PressKey(pond, Qt::Key_Return);
    EXPECT_TRUE(StageIs(false, true, false, false));
    PressKey(pond, Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(StageIs(true, false, false, false));
    EXPECT_EQ(pond.STFreqA().Text(), "0.5");

    // A field the user clicks or tabs into takes the focus as ever.
    PressKey(pond, Qt::Key_Tab);
    EXPECT_EQ(FocusedField(pond), &pond.EditFieldFreqA());
    EXPECT_TRUE(desktop.messages.empty());
}

// The lines of text a label shows on screen, top to bottom: each band of
// rows with ink, as the span of columns the ink covers.
std::vector<std::pair<int, int>> RenderedLines(const StaticText& label) {
    const QImage image = label.Widget()->grab().toImage();
    // The paper is the colour of most pixels; ink stands out from it.
    std::map<QRgb, int> seen;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) ++seen[image.pixel(x, y)];
    }
    const int paper = qGray(std::ranges::max_element(seen, {}, &std::pair<const QRgb, int>::second)->first);
    std::vector<std::pair<int, int>> lines;
    bool inLine = false;
    for (int y = 0; y < image.height(); ++y) {
        int left = image.width();
        int right = -1;
        for (int x = 0; x < image.width(); ++x) {
            if (std::abs(qGray(image.pixel(x, y)) - paper) > 80) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        if (right < 0) {
            inLine = false;
            continue;
        }
        if (!inLine) lines.emplace_back(left, right);
        lines.back() = {std::min(lines.back().first, left), std::max(lines.back().second, right)};
        inLine = true;
    }
    return lines;
}

TEST_F(LayoutTest, MultiLineLabelsBreakAtCarriageReturns) {
    WindowPond& pond = Pond();
    const auto& zygotes = pond.Find<StaticText>("StaticText4");
    EXPECT_TRUE(zygotes.Multiline());
    EXPECT_EQ(zygotes.Alignment(), TextAlign::Center);
    const auto& prompt = pond.Find<StaticText>("StaticText31");
    EXPECT_EQ(prompt.Alignment(), TextAlign::Right);
    EXPECT_EQ(prompt.Text(), "Enter new value,\rthen hit return key:");
    EXPECT_EQ(pond.Find<StaticText>("StaticText12").Text(), "Total = ");

    // On screen each carriage return starts a line: "Number", "of" and the
    // stage each on its own, where wrapping alone would give two lines.
    for (const char* name : {"StaticText4", "StaticText17", "StaticText26"}) {
        EXPECT_EQ(RenderedLines(pond.Find<StaticText>(name)).size(), 3u) << name;
    }
    // The prompt breaks after "value,": its first line is the shorter one.
    const auto promptLines = RenderedLines(prompt);
    ASSERT_EQ(promptLines.size(), 2u);
    EXPECT_LT(promptLines[0].second - promptLines[0].first, promptLines[1].second - promptLines[1].first);
}

TEST_F(LayoutTest, RenderedWindowShowsItsControls) {
    WindowPond& pond = Pond();
    QApplication::processEvents();
    const QString path = SaveArtifact(pond.Frame(), QStringLiteral("main-window.png"));
    const QImage shot = pond.Content()->grab().toImage();
    ASSERT_EQ(shot.width() / shot.devicePixelRatio(), 640);
    const QColor background = shot.pixelColor(630, 490);
    // The pond is drawn in its background colour, black.
    EXPECT_EQ(shot.pixelColor(45, 70), QColor(0, 0, 0)) << path.toStdString();
    // The histograms are white pictures.
    EXPECT_EQ(shot.pixelColor(560, 60), QColor(255, 255, 255));
    // The buttons are drawn where the layout puts them: their faces differ
    // from the window around them.
    for (auto* button : {&pond.BBGenePool(), &pond.BBIdealPop(), &pond.BBSelection()}) {
        const QColor face = shot.pixelColor(button->Left() + 4, button->Top() + 4);
        EXPECT_NE(face, background) << button->Name();
    }
}

}  // namespace
}  // namespace ulvarin::testing
