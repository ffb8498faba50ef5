#include "protocol/benchmodel.h"
#include "protocol/benchnames.h"
#include "protocol/benchview.h"
#include "scriptedmessageservice.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QLabel>
#include <QTest>
#include <QWidget>
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

TEST_F(BenchViewTest, CreatesEveryNamedWidgetWhereTheModelPutsIt)
{
    for (const QString& name : model.widgetNames()) {
        QWidget* child = placard.findChild<QWidget*>(name);
        ASSERT_NE(child, nullptr) << name.toStdString();
        EXPECT_EQ(child->isVisible(), model.widget(name).visible) << name.toStdString();
        EXPECT_EQ(child->geometry(), QRect(model.widget(name).position, model.widget(name).size))
            << name.toStdString();
    }
    EXPECT_FALSE(placard.findChild<QWidget*>(bench::bottle(4))->accessibleName().isEmpty());
}

TEST_F(BenchViewTest, AClickOnABottleReachesTheHandler)
{
    auto* bottle = placard.findChild<QAbstractButton*>(bench::bottle(6));
    ASSERT_NE(bottle, nullptr);
    QTest::mouseMove(bottle, QPoint(20, 20));
    QTest::mouseClick(bottle, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(model.state().reagentIndex, 6);
    EXPECT_EQ(model.state().protocolStep, ProtocolStep::Sampling);
    EXPECT_FALSE(bottle->isVisible());
    EXPECT_TRUE(placard.findChild<QWidget*>(bench::choisi)->isVisible());
    EXPECT_TRUE(placard.findChild<QWidget*>(bench::pipjaug)->isVisible());
}
