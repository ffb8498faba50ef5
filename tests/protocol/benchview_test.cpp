#include "protocol/benchmodel.h"
#include "protocol/benchview.h"
#include "protocol/protocoltexts.h"
#include "scriptedmessageservice.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace dosarium;

namespace {

class BenchViewTest : public ::testing::Test {
  protected:
    ScriptedMessageService messages;
    BenchModel model{messages, QLocale(QLocale::French, QLocale::France)};
    QWidget placard;
    BenchView view{&placard, model};

    void SetUp() override
    {
        placard.resize(769, 225);
        placard.show();
    }
};

} // namespace

TEST_F(BenchViewTest, ShowsEveryPartWhereTheModelPutsIt)
{
    const auto expectShownPartsInPlace = [this] {
        for (int i = 0; i < bench::partCount; ++i) {
            const BenchWidget& state = model.widget(bench::Part(i));
            QWidget* child = view.widget(bench::Part(i));
            if (!state.visible) {
                EXPECT_TRUE(!child || child->isHidden()) << bench::table[i].name;
                continue;
            }
            ASSERT_NE(child, nullptr) << bench::table[i].name;
            EXPECT_EQ(child->objectName(), QLatin1String(bench::table[i].name));
            EXPECT_TRUE(child->isVisible()) << bench::table[i].name;
            EXPECT_EQ(child->geometry(), QRect(state.position, state.size)) << bench::table[i].name;
        }
    };
    expectShownPartsInPlace();
    EXPECT_FALSE(view.widget(bench::bottle(4))->accessibleName().isEmpty());
    // The parts of later steps are made when first shown.
    EXPECT_EQ(view.widget(bench::resultat), nullptr);
    model.liquide_Click(3);
    expectShownPartsInPlace();
    model.Command3_Click();
    model.liquide_Click(1);
    model.Label3_Click(0);
    expectShownPartsInPlace();
}

TEST_F(BenchViewTest, AClickOnABottleReachesTheHandler)
{
    QTest::mouseMove(&placard, QPoint(5, 40));
    EXPECT_EQ(model.info(), texts::hintNoPreparation);
    auto* bottle = qobject_cast<QAbstractButton*>(view.widget(bench::bottle(6)));
    ASSERT_NE(bottle, nullptr);
    QTest::mouseMove(bottle, QPoint(20, 20));
    // The hover over the bottle is the bottle's own, not the cupboard's.
    EXPECT_EQ(model.info(), texts::bottleHint);
    EXPECT_EQ(model.state().reagentIndex, 6);
    QTest::mouseClick(bottle, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(model.state().reagentIndex, 6);
    EXPECT_EQ(model.state().protocolStep, ProtocolStep::Sampling);
    EXPECT_FALSE(bottle->isVisible());
    EXPECT_TRUE(view.widget(bench::choisi)->isVisible());
    EXPECT_TRUE(view.widget(bench::pipjaug)->isVisible());
}

TEST_F(BenchViewTest, SelectorsAndChoicesDriveTheModel)
{
    model.liquide_MouseMove(0);
    model.liquide_Click(0);
    auto* volumeChoice = qobject_cast<QLabel*>(view.widget(bench::measureChoice(1)));
    ASSERT_NE(volumeChoice, nullptr);
    QTest::mouseClick(volumeChoice, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(model.widget(bench::conseil).caption, texts::chooseGlassware);

    auto* cylinder = qobject_cast<QAbstractButton*>(view.widget(bench::eprouvette));
    QTest::mouseClick(cylinder, Qt::LeftButton, {}, QPoint(10, 50));
    EXPECT_EQ(model.state().samplingTool, SamplingTool::GraduatedCylinder);

    // The upper arrow adds one step, the lower one takes it back.
    QWidget* selector = view.widget(bench::UpDown2);
    QTest::mouseClick(selector, Qt::LeftButton, {}, QPoint(8, 4));
    EXPECT_EQ(model.state().sampledVolume, 51.0f);
    QTest::mouseClick(selector, Qt::LeftButton, {}, QPoint(8, 26));
    QTest::mouseClick(selector, Qt::LeftButton, {}, QPoint(8, 26));
    EXPECT_EQ(model.state().sampledVolume, 49.0f);
    EXPECT_EQ(qobject_cast<QLabel*>(view.widget(bench::Labelprel))->text(),
              QStringLiteral("49 mL"));

    QTest::mouseClick(qobject_cast<QAbstractButton*>(view.widget(bench::validprel)),
                      Qt::LeftButton);
    EXPECT_EQ(model.state().protocolStep, ProtocolStep::FlaskChoice);

    // Assistive technologies read and set the flask selector's position.
    QAccessibleInterface* flask =
        QAccessible::queryAccessibleInterface(view.widget(bench::UpDown1));
    ASSERT_NE(flask, nullptr);
    ASSERT_NE(flask->valueInterface(), nullptr);
    EXPECT_EQ(flask->role(), QAccessible::SpinBox);
    EXPECT_EQ(flask->text(QAccessible::Name), texts::flaskSelectorAccessible);
    EXPECT_EQ(flask->valueInterface()->currentValue().toInt(), 3);
    EXPECT_EQ(flask->valueInterface()->maximumValue().toInt(), 6);
    flask->valueInterface()->setCurrentValue(5);
    EXPECT_EQ(model.state().flaskVolume, 500.0f);

    QTest::mouseClick(qobject_cast<QAbstractButton*>(view.widget(bench::validvol)), Qt::LeftButton);
    EXPECT_TRUE(view.widget(bench::resultat)->isVisible());
    EXPECT_EQ(model.state().protocolStep, ProtocolStep::Prepared);
}

TEST_F(BenchViewTest, TheMassSliderIsReadAndSetThroughAccessibility)
{
    model.liquide_MouseMove(4);
    model.liquide_Click(4);
    QAccessibleInterface* slider =
        QAccessible::queryAccessibleInterface(view.widget(bench::HScroll1));
    ASSERT_NE(slider, nullptr);
    ASSERT_NE(slider->valueInterface(), nullptr);
    EXPECT_EQ(slider->valueInterface()->maximumValue().toInt(), 20000);
    slider->valueInterface()->setCurrentValue(1234);
    EXPECT_EQ(model.state().sampledMass, 12.34f);
    EXPECT_EQ(qobject_cast<QLabel*>(view.widget(bench::Labelmasse))->text(),
              QStringLiteral("12,34 g"));
    EXPECT_TRUE(view.widget(bench::sucre)->isVisible());
}

TEST_F(BenchViewTest, ABottlePressedWithoutAHoverIsTheOneChosen)
{
    auto* bottle = qobject_cast<QAbstractButton*>(view.widget(bench::bottle(8)));
    ASSERT_NE(bottle, nullptr);
    ASSERT_EQ(model.state().reagentIndex, 0);
    bottle->click();
    EXPECT_EQ(model.state().reagentIndex, 8);
    EXPECT_EQ(model.label1(), Catalogue::reagent(8)->name);
    EXPECT_EQ(model.widget(bench::conseil).caption, texts::chooseGlassware);
}

TEST_F(BenchViewTest, TheKeyboardAloneMakesAPreparation)
{
    placard.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&placard));
    const auto focused = [] {
        const QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    };
    const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    const auto tabTo = [&](bench::Part part, int presses = 1) {
        for (int i = 0; i < presses && focused() != bench::name(part); ++i)
            press(Qt::Key_Tab);
        return focused() == bench::name(part);
    };
    // Past a choice or a validation the focus is on the first control the step brought.
    const auto focusedOn = [&](bench::Part part) { return tabTo(part, 0); };
    // Tab to a control and choose it with Space, as a student without a mouse does.
    const auto choose = [&](bench::Part part, int presses = 1) {
        const bool reached = tabTo(part, presses);
        if (reached)
            press(Qt::Key_Space);
        return reached;
    };

    // A bottle reached with Tab shows its label, as under the pointer.
    ASSERT_TRUE(tabTo(bench::bottle(1), 2));
    EXPECT_EQ(model.label1(), Catalogue::reagent(1)->name);
    press(Qt::Key_Backtab);
    EXPECT_EQ(model.label1(), Catalogue::reagent(0)->name);

    // Ethanol, weighed in the beaker.
    ASSERT_TRUE(focusedOn(bench::bottle(0)));
    press(Qt::Key_Space);
    ASSERT_TRUE(focusedOn(bench::measureChoice(0))) << focused().toStdString();
    press(Qt::Key_Space);
    EXPECT_EQ(model.widget(bench::conseil).caption, texts::setMass);
    ASSERT_TRUE(focusedOn(bench::HScroll1)) << focused().toStdString();
    EXPECT_EQ(model.info(), texts::hintSlider);
    press(Qt::Key_Right);
    EXPECT_EQ(model.state().sampledMass, 0.01f);
    press(Qt::Key_PageUp);
    EXPECT_EQ(qobject_cast<QLabel*>(view.widget(bench::Labelmasse))->text(),
              QStringLiteral("1,01 g"));
    press(Qt::Key_Left);
    press(Qt::Key_PageDown);
    press(Qt::Key_PageUp);
    EXPECT_EQ(model.state().sampledMass, 1.0f);
    ASSERT_TRUE(choose(bench::masse)) << focused().toStdString();
    EXPECT_EQ(model.state().protocolStep, ProtocolStep::FlaskChoice);
    ASSERT_TRUE(focusedOn(bench::UpDown1)) << focused().toStdString();
    press(Qt::Key_Up);
    EXPECT_EQ(model.state().flaskVolume, 250.0f);
    ASSERT_TRUE(choose(bench::validvol)) << focused().toStdString();
    EXPECT_EQ(model.state().protocolStep, ProtocolStep::Prepared);
    EXPECT_TRUE(view.widget(bench::resultat)->isVisible());
    EXPECT_TRUE(focusedOn(bench::resultat)) << focused().toStdString();

    // A copper sulfate solution, taken with the volumetric pipette.
    model.Command3_Click();
    ASSERT_TRUE(choose(bench::bottle(7), bench::bottleCount)) << focused().toStdString();
    ASSERT_TRUE(focusedOn(bench::fiole)) << focused().toStdString();
    ASSERT_TRUE(tabTo(bench::eprouvette));
    ASSERT_TRUE(choose(bench::pipjaug));
    EXPECT_EQ(model.state().samplingTool, SamplingTool::VolumetricPipette);
    ASSERT_TRUE(tabTo(bench::UpDown2)) << focused().toStdString();
    press(Qt::Key_Down);
    EXPECT_EQ(model.state().sampledVolume, 5.0f);
    ASSERT_TRUE(choose(bench::validprel)) << focused().toStdString();
    ASSERT_TRUE(focusedOn(bench::UpDown1)) << focused().toStdString();
}

TEST_F(BenchViewTest, AClickGivesTheSliderTheFocusAndItsHint)
{
    placard.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&placard));
    model.liquide_MouseMove(3);
    model.liquide_Click(3);
    QWidget* slider = view.widget(bench::HScroll1);
    placard.setFocus();
    ASSERT_FALSE(slider->hasFocus());
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() - 4, 8));
    EXPECT_TRUE(slider->hasFocus());
    EXPECT_EQ(model.info(), texts::hintSlider);
    EXPECT_EQ(model.state().sampledMass, 0.01f);
}

TEST_F(BenchViewTest, EveryControlOfTheBenchShowsTheKeyboardFocus)
{
    placard.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&placard));
    // Pixels that a glance tells apart: one colour channel changed by a third of its range.
    const auto plainlyChanged = [](const QImage& a, const QImage& b) {
        int count = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
                count += std::abs(p.red() - q.red()) > 85 || std::abs(p.green() - q.green()) > 85 ||
                         std::abs(p.blue() - q.blue()) > 85;
            }
        return count;
    };
    const auto expectFocusSeen = [&](bench::Part part) {
        QWidget* widget = view.widget(part);
        ASSERT_NE(widget, nullptr) << bench::name(part).toStdString();
        placard.setFocus();
        const QImage unfocused = widget->grab().toImage();
        widget->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(widget->hasFocus());
        const QImage focusedImage = widget->grab().toImage();
        EXPECT_GE(plainlyChanged(unfocused, focusedImage), widget->width())
            << bench::name(part).toStdString();
    };
    expectFocusSeen(bench::bottle(2));
    model.liquide_MouseMove(0);
    model.liquide_Click(0);
    expectFocusSeen(bench::measureChoice(0));
    model.Label3_Click(0);
    expectFocusSeen(bench::HScroll1);
    model.setHScroll1Position(100);
    model.masse_Click();
    expectFocusSeen(bench::UpDown1);
}
