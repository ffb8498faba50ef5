// The message-box adapter answered through the real QMessageBox, by its buttons and by Escape.
#include "namedcase.h"
#include "ui/qtmessageservice.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace dosarium {
namespace {

struct Case {
    const char* name;
    MessageButtons buttons;
    QMessageBox::StandardButton pressed; // NoButton: Escape
    MessageAnswer expected;
};

class QtMessageServiceAnswers : public ::testing::TestWithParam<Case> {};

// Presses a button of the box once it is shown, from inside its event loop.
void answerWhenShown(QMessageBox::StandardButton pressed)
{
    QTimer::singleShot(0, qApp, [pressed] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (pressed == QMessageBox::NoButton)
            box->reject();
        else
            box->button(pressed)->click();
    });
}

TEST_P(QtMessageServiceAnswers, ReadsTheButtonPressed)
{
    const Case c = GetParam();
    QtMessageService service;
    answerWhenShown(c.pressed);
    EXPECT_EQ(service.show({"Fermer ?", "Titre", MessageIcon::Question, c.buttons}), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllButtons, QtMessageServiceAnswers,
    ::testing::Values(
        Case{"OkAlone", MessageButtons::Ok, QMessageBox::Ok, MessageAnswer::Ok},
        Case{"Ok", MessageButtons::OkCancel, QMessageBox::Ok, MessageAnswer::Ok},
        Case{"Cancel", MessageButtons::OkCancel, QMessageBox::Cancel, MessageAnswer::Cancel},
        Case{"OkCancelClosed", MessageButtons::OkCancel, QMessageBox::NoButton,
             MessageAnswer::Cancel},
        Case{"Yes", MessageButtons::YesNo, QMessageBox::Yes, MessageAnswer::Yes},
        Case{"No", MessageButtons::YesNo, QMessageBox::No, MessageAnswer::No},
        Case{"YesNoClosed", MessageButtons::YesNo, QMessageBox::NoButton, MessageAnswer::No}),
    dosarium::test::caseName);

} // namespace
} // namespace dosarium
