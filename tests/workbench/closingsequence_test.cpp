#include "scriptedmessageservice.h"
#include "workbench/closingsequence.h"

#include <gtest/gtest.h>

using namespace dosarium;

TEST(ClosingSequence, WithoutEditedTextOnlyAsksToClose)
{
    ScriptedMessageService messages;
    EXPECT_TRUE(ClosingSequence::confirm(messages, false));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Fermer Dosarium ?"));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Fermer"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::OkCancel);

    messages.shown.clear();
    messages.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(ClosingSequence::confirm(messages, false));
}

TEST(ClosingSequence, EditedTextIsAskedAboutFirst)
{
    ScriptedMessageService messages;
    messages.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(ClosingSequence::confirm(messages, true));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("Attention: perte des modifications du texte."));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Abandon des données?"));

    messages.shown.clear();
    messages.answers = {MessageAnswer::Ok, MessageAnswer::Cancel};
    EXPECT_FALSE(ClosingSequence::confirm(messages, true));
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("Fermer Dosarium ?"));

    messages.answers = {MessageAnswer::Ok, MessageAnswer::Ok};
    EXPECT_TRUE(ClosingSequence::confirm(messages, true));
}
