#include "help/helpcontroller.h"
#include "help/helpwindow.h"
#include "qstringprinter.h"
#include "scriptedmessageservice.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace dosarium;

namespace {

class HelpControllerTest : public testing::Test {
  protected:
    void SetUp() override { m_controller.installF1Handler(*qApp); }

    bool showing(HelpFile file) const
    {
        const HelpWindow* window = m_controller.window(file);
        return window != nullptr && window->isVisible();
    }

    void pressF1(QWidget* widget) { QTest::keyClick(widget, Qt::Key_F1); }

    ScriptedMessageService m_messages;
    HelpController m_controller{QStringLiteral(DOSARIUM_BUILD_ROOT), m_messages};
};

} // namespace

TEST_F(HelpControllerTest, F1OpensTheHelpUntilTheCourseButtonThenTheCourse)
{
    QLineEdit field;
    field.show();
    EXPECT_EQ(m_controller.helpFileForF1(), QStringLiteral(DOSARIUM_BUILD_ROOT "/HX4.chm"));

    pressF1(&field);
    EXPECT_TRUE(showing(HelpFile::Help));
    EXPECT_FALSE(showing(HelpFile::Course));
    EXPECT_EQ(m_controller.window(HelpFile::Help)->filePath(), m_controller.helpFileForF1());
    // The key went to the viewer, not to the field.
    EXPECT_TRUE(field.text().isEmpty());

    m_controller.showCourse();
    EXPECT_TRUE(showing(HelpFile::Course));
    EXPECT_EQ(m_controller.helpFileForF1(), QStringLiteral(DOSARIUM_BUILD_ROOT "/Voirlecours.chm"));
    m_controller.window(HelpFile::Course)->close();
    m_controller.window(HelpFile::Help)->close();

    pressF1(&field);
    EXPECT_TRUE(showing(HelpFile::Course));
    EXPECT_FALSE(showing(HelpFile::Help));

    // The help button still opens the help, and F1 stays on the course.
    m_controller.showHelp();
    EXPECT_TRUE(showing(HelpFile::Help));
    m_controller.window(HelpFile::Course)->close();
    pressF1(m_controller.window(HelpFile::Help));
    EXPECT_TRUE(showing(HelpFile::Course));
    EXPECT_TRUE(m_messages.shown.isEmpty());
}

TEST_F(HelpControllerTest, F1InAModalWindowOpensAViewerThatCanBeUsed)
{
    m_controller.showCourse();
    m_controller.window(HelpFile::Course)->close();
    EXPECT_FALSE(m_controller.window(HelpFile::Course)->isModal());

    QDialog calculator;
    calculator.setModal(true);
    calculator.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &calculator);
    pressF1(&calculator);
    HelpWindow* course = m_controller.window(HelpFile::Course);
    ASSERT_TRUE(showing(HelpFile::Course));
    EXPECT_TRUE(course->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), course);
    course->close();
    calculator.close();

    m_controller.showCourse();
    EXPECT_FALSE(m_controller.window(HelpFile::Course)->isModal());
}

TEST_F(HelpControllerTest, ShortcutsWithF1AndOtherKeysAreLeftAlone)
{
    QLineEdit field;
    field.show();
    QTest::keyClick(&field, Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyClick(&field, Qt::Key_F2);
    QTest::keyClicks(&field, "ok");
    EXPECT_FALSE(showing(HelpFile::Help));
    EXPECT_EQ(field.text(), "ok");
}

TEST(HelpControllerFiles, MissingFilesAreReportedWithTheirPathAndTheCourseRuleStillHolds)
{
    QTemporaryDir dir;
    ScriptedMessageService messages;
    HelpController controller(dir.path(), messages);

    controller.showHelp();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.endsWith(dir.filePath("HX4.chm")));
    EXPECT_EQ(controller.window(HelpFile::Help), nullptr);

    controller.showCourse();
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown[1].text.endsWith(dir.filePath("Voirlecours.chm")));
    EXPECT_EQ(controller.helpFileForF1(), dir.filePath("Voirlecours.chm"));

    controller.showForF1();
    ASSERT_EQ(messages.shown.size(), 3);
    EXPECT_TRUE(messages.shown[2].text.endsWith(dir.filePath("Voirlecours.chm")));

    // A file put in place afterwards is found at the next request.
    ASSERT_TRUE(QFile::copy(QStringLiteral(DOSARIUM_BUILD_ROOT "/Voirlecours.chm"),
                            dir.filePath("Voirlecours.chm")));
    controller.showForF1();
    EXPECT_EQ(messages.shown.size(), 3);
    ASSERT_NE(controller.window(HelpFile::Course), nullptr);
    EXPECT_TRUE(controller.window(HelpFile::Course)->isVisible());
}
