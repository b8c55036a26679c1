#include "pond_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

#include "app/app.h"
#include "app/menu.h"
#include "app/startup.h"
#include "framework/runtime.h"

namespace ulvarin::testing {

void PondTest::SetUp() {
    InstallDesktop(&desktop);
    NewAppInstance();
    ApplicationAddMenuHandlers();
}

void PondTest::TearDown() {
    ReleaseAllWindows();
    ReleaseAppObject();
    Menu::Release();
    InstallDesktop(nullptr);
}

void PondTest::Click(Canvas& canvas) {
    QTest::mouseClick(canvas.Widget(), Qt::LeftButton, {}, QPoint(canvas.Width() / 2, canvas.Height() / 2));
}

void PondTest::Click(PushButton& button) {
    QTest::mouseClick(button.Widget(), Qt::LeftButton, {}, QPoint(button.Width() / 2, button.Height() / 2));
}

void PondTest::Type(EditField& field, const std::string& text) {
    // One key press per character, any character: what a keyboard (or an
    // input method) delivers to the field.
    const QString typed = QString::fromStdString(text);
    for (qsizetype i = 0; i < typed.size(); ++i) {
        QString character = typed.mid(i, 1);
        if (typed.at(i).isHighSurrogate() && i + 1 < typed.size()) character = typed.mid(i++, 2);
        const QChar first = character.at(0);
        const int key = first.unicode() < 128 ? first.toUpper().unicode() : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, character);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, character);
        QApplication::sendEvent(field.Widget(), &press);
        QApplication::sendEvent(field.Widget(), &release);
    }
}

void PondTest::Enter(EditField& field, const std::string& text) {
    field.SetText(text);
    PressReturn(field);
}

void PondTest::PressReturn(EditField& field) { QTest::keyClick(field.Widget(), Qt::Key_Return); }

void PondTest::PressEnter(EditField& field) { QTest::keyClick(field.Widget(), Qt::Key_Enter); }

void PondTest::DrawZygote(double eggDraw, double spermDraw) {
    desktop.randoms.push_back(eggDraw);
    desktop.randoms.push_back(spermDraw);
    Click(Pond().CanGenePool());
    Click(Pond().CanGenePool());
}

void PondTest::ReachMutation(const GenotypeCounts& adults) {
    WindowPond& pond = Pond();
    Click(pond.BBGenePool());
    Click(pond.BBSelection());
    // Migrants make up the difference between the juveniles and the adults wanted.
    for (int k = 0; k < 3; ++k) {
        pond.EditFieldMigrants(k).SetText(std::to_string(adults[k + 1] - pond.NumJuveniles[k + 1]));
    }
    Click(pond.BBMigration());
}

bool PondTest::StageIs(bool genePool, bool selection, bool migration, bool mutation) {
    WindowPond& pond = Pond();
    return pond.BBGenePool().Enabled() == genePool && pond.BBIdealPop().Enabled() == genePool &&
           pond.BBSelection().Enabled() == selection && pond.BBMigration().Enabled() == migration &&
           pond.BBMutation().Enabled() == mutation;
}

int PondTest::CountCarrying(const std::string& allele, bool eggs) {
    WindowPond& pond = Pond();
    int count = 0;
    if (eggs) {
        for (std::size_t i = 1; i < pond.EggArray.size(); ++i) count += pond.EggArray[i]->Genotype == allele;
    } else {
        for (std::size_t i = 1; i < pond.SpermArray.size(); ++i) count += pond.SpermArray[i]->Genotype == allele;
    }
    return count;
}

void PondTest::ExpectOpeningTexts() {
    WindowPond& pond = Pond();
    EXPECT_EQ(pond.STFreqA().Text(), "0.5");
    EXPECT_EQ(pond.EditFieldFreqA().Text(), "");
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(pond.EditFieldSurvRate(k).Text(), "1.0");
        EXPECT_EQ(pond.EditFieldMigrants(k).Text(), "0");
        EXPECT_EQ(pond.STNumZygs(k).Text(), "0");
        EXPECT_EQ(pond.STNumJuvs(k).Text(), "0");
        EXPECT_EQ(pond.STNumAds(k).Text(), "0");
    }
    EXPECT_EQ(pond.EditFieldMutRate(0).Text(), "0.0");
    EXPECT_EQ(pond.EditFieldMutRate(1).Text(), "0.0");
}

std::uint32_t PondTest::BackdropPixel(Canvas& canvas, int x, int y) {
    return canvas.Backdrop() ? canvas.Backdrop()->Pixel(x, y) : 0;
}

}  // namespace ulvarin::testing
