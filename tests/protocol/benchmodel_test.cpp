#include "protocol/benchmodel.h"
#include "protocol/benchnames.h"
#include "protocol/protocoltexts.h"
#include "scriptedmessageservice.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace dosarium;

namespace {

class BenchModelTest : public ::testing::Test {
  protected:
    ScriptedMessageService messages;
    BenchModel model{messages, QLocale(QLocale::French, QLocale::France)};

    QStringList bottles() const
    {
        QStringList names;
        for (int i = 0; i < bench::bottleCount; ++i)
            names << bench::bottle(i);
        return names;
    }
};

} // namespace

TEST_F(BenchModelTest, StartsWithTheBottlesAndTheFirstGuidance)
{
    EXPECT_EQ(model.visibleWidgets(), QStringList{bench::conseil} + bottles());
    EXPECT_EQ(model.widget(bench::conseil).caption, texts::chooseReagent);
    EXPECT_FALSE(model.isUndoEnabled());
    EXPECT_FALSE(model.isSaveEnabled());
    EXPECT_EQ(model.state(), PreparationState{});
    EXPECT_EQ(model.widget(bench::Labelmasse).caption, QStringLiteral("0,00 g"));
    EXPECT_EQ(model.widget(bench::bottle(5)).position, QPoint(468, 40));
    EXPECT_EQ(model.widget(bench::bottle(1)).size, QSize(52, 148));
    for (int i = 0; i < bench::bottleCount; ++i)
        EXPECT_TRUE(model.widget(bench::bottle(i)).pointingHand) << i;
}

TEST_F(BenchModelTest, HoverShowsTheLabelAndRepaintsOnlyWhenTheReagentChanges)
{
    QSignalSpy repaints(&model, &BenchModel::labelRepaintRequested);
    model.liquide_MouseMove(0);
    EXPECT_EQ(repaints.count(), 0) << "bottle 0 is already the reagent at start-up";
    EXPECT_EQ(model.label1(), QStringLiteral("Ethanol absolu"));
    EXPECT_EQ(model.label2(), QStringLiteral("Liquide pur"));
    EXPECT_EQ(model.visiblePictogram(), Hazard::Flammable);
    EXPECT_EQ(model.info(), texts::bottleHint);

    model.liquide_MouseMove(3);
    model.liquide_MouseMove(4);
    ASSERT_EQ(repaints.count(), 2);
    EXPECT_EQ(repaints.at(1).at(0).toInt(), 4);
    EXPECT_EQ(model.state().reagentIndex, 4);
    EXPECT_EQ(model.label1(), QStringLiteral("Glucose"));
    EXPECT_EQ(model.label2(), QStringLiteral("Solide pur"));
    EXPECT_EQ(model.visiblePictogram(), Hazard::None);

    model.setInfo(QStringLiteral("autre"));
    model.liquide_MouseMove(4);
    EXPECT_EQ(repaints.count(), 2);
    EXPECT_EQ(model.info(), texts::bottleHint);

    model.liquide_MouseMove(2);
    EXPECT_EQ(model.visiblePictogram(), Hazard::Corrosive);
    model.liquide_MouseMove(7);
    EXPECT_EQ(model.visiblePictogram(), Hazard::Harmful);
    EXPECT_EQ(model.label2(), QStringLiteral("Solution aqueuse"));
    EXPECT_EQ(repaints.count(), 4);

    // Outside the cupboard only the hint changes.
    model.liquide_MouseMove(9);
    EXPECT_EQ(model.state().reagentIndex, 7);
    EXPECT_EQ(repaints.count(), 4);
}

TEST_F(BenchModelTest, OneChangeNotificationPerHandler)
{
    QSignalSpy changes(&model, &BenchModel::changed);
    model.liquide_MouseMove(3);
    model.liquide_Click(3);
    EXPECT_EQ(changes.count(), 2);
}
