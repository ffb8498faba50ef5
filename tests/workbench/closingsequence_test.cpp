#include "scriptedmessageservice.h"
#include "workbench/closingsequence.h"

#include <gtest/gtest.h>

using namespace dosarium;

TEST(ClosingSequence, AsksToCloseOnceTheTextLossIsAccepted)
{
    ScriptedMessageService messages;
    int guardAsked = 0;
    const auto accepted = [&] { return ++guardAsked > 0; };
    EXPECT_TRUE(ClosingSequence::confirm(messages, accepted));
    EXPECT_EQ(guardAsked, 1);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Fermer Dosarium ?"));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Fermer"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::OkCancel);

    messages.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(ClosingSequence::confirm(messages, accepted));
}

TEST(ClosingSequence, RefusedTextLossAsksNothingMore)
{
    ScriptedMessageService messages;
    EXPECT_FALSE(ClosingSequence::confirm(messages, [] { return false; }));
    EXPECT_TRUE(messages.shown.isEmpty());
}
