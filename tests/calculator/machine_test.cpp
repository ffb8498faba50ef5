#include "calculator/machine.h"
#include "qstringprinter.h"

#include <QAccessible>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using dosarium::CalculatorSession;
using dosarium::Machine;

struct ExpectedKey {
    const char* name;
    const char* label;
    const char* toolTip;
};

// The keypad as the student sees it, row by row from the top, left to right.
const ExpectedKey keypad[7][7] = {
    {{"invsin", "INV S&IN", "Inverse sinus"},
     {"bsin", "&SIN", "Sinus"},
     {"Command5", "1/x", "Inverse"},
     {"Command1", "M+", "Ajouter à la méoire"},
     {"Command2", "M-", "Soustraire à la mémoire"},
     {"Command3", "RM", "Rappel mémoire"},
     {"Command4", "CM", "Effacer la mémoire"}},
    {{"invcos", "INV C&OS", "Inverse cosinus"},
     {"Bcos", "&COS", "Cosinus"},
     {"racine", "√", "Racine carré"},
     {"btcarre", "", ""},
     {"puissance", "", ""},
     {"Blog", "&Log", ""},
     {"B10x", "", ""}},
    {{"Btoncommande3", "INV T&AN", "Inverse tangente"},
     {"Btan", "&TAN", "Tangente"},
     {"Bpo", "(", ""},
     {"bpf", ")", ""},
     {"pi", "π", "3.1415927"},
     {"Bln", "l&n", ""},
     {"Bexp", "", ""}},
    {{"pico", "p", "pico"},
     {"tera", "T", "Téra"},
     {"B7", "7", ""},
     {"B8", "8", ""},
     {"B9", "9", ""},
     {"EFFACE", "←", "Effacer dernier caractère"},
     {"RAZ", "AC", "Tout effacer"}},
    {{"nano", "n", "nano"},
     {"giga", "G", "Giga"},
     {"B4", "4", ""},
     {"B5", "5", ""},
     {"B6", "6", ""},
     {"multip", "x", ""},
     {"div", "÷", ""}},
    {{"micro", "µ", "micro"},
     {"mega", "M", "Méga"},
     {"B1", "1", ""},
     {"B2", "2", ""},
     {"B3", "3", ""},
     {"plus", "+", ""},
     {"moins", "-", ""}},
    {{"mil", "m", "milli"},
     {"kilo", "k", "kilo"},
     {"B0", "0", ""},
     {"Bpoint", ".", ""},
     {"BtoEXP", "EXP", "x 10ª"},
     {"ANS", "ANS", "Dernière réponse"},
     {"EXE", "EXE", "Calculer"}},
};
const int tops[7] = {192, 224, 256, 296, 328, 360, 392};
const int upperLefts[7] = {16, 80, 120, 152, 184, 216, 256};
const int lowerLefts[7] = {16, 48, 88, 128, 168, 216, 256};

class MachineWindow : public testing::Test {
  protected:
    MachineWindow() { open(); }
    void open()
    {
        machine = std::make_unique<Machine>(session);
        machine->setBeep([this] { ++beeps; });
        machine->show();
        machine->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(machine.get()));
        z1 = machine->findChild<QPlainTextEdit*>(QStringLiteral("z1"));
        ASSERT_NE(z1, nullptr);
    }
    QPushButton* key(const char* name) const
    {
        return machine->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QRadioButton* option(const char* name, int index) const
    {
        for (QRadioButton* b : machine->findChildren<QRadioButton*>(QString::fromLatin1(name))) {
            if (b->property("index").toInt() == index)
                return b;
        }
        return nullptr;
    }
    QString display() const { return z1->toPlainText(); }

    CalculatorSession session;
    std::unique_ptr<Machine> machine;
    QPlainTextEdit* z1 = nullptr;
    int beeps = 0;
};

TEST_F(MachineWindow, WindowAndDisplay)
{
    EXPECT_EQ(machine->windowTitle(), "Machine à calculer");
    EXPECT_EQ(machine->size(), QSize(301, 430));
    EXPECT_EQ(machine->minimumSize(), machine->maximumSize());
    EXPECT_EQ(z1->geometry(), QRect(16, 16, 273, 89));
    EXPECT_EQ(z1->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(z1->palette().color(QPalette::Text), QColor(0, 255, 0));
    EXPECT_TRUE(z1->hasFocus());
    QWidget* strip = machine->findChild<QWidget*>(QStringLiteral("Picture1"));
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->geometry(), QRect(16, 120, 273, 65));
}

TEST_F(MachineWindow, FortyNineKeysInSevenRows)
{
    EXPECT_EQ(machine->findChildren<QPushButton*>().size(), 49);
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 7; ++column) {
            const ExpectedKey& expected = keypad[row][column];
            SCOPED_TRACE(expected.name);
            QPushButton* button = key(expected.name);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->x(), (row < 3 ? upperLefts : lowerLefts)[column]);
            EXPECT_EQ(button->y(), tops[row]);
            EXPECT_TRUE(button->height() == 24 || button->height() == 25);
            EXPECT_EQ(button->text(), QString::fromUtf8(expected.label));
            EXPECT_EQ(button->toolTip(), QString::fromUtf8(expected.toolTip));
            EXPECT_EQ(button->icon().isNull(), *expected.label != '\0');
            // Keys of a row do not overlap and stay inside the window.
            if (column < 6) {
                const int nextLeft = (row < 3 ? upperLefts : lowerLefts)[column + 1];
                EXPECT_LT(button->geometry().right(), nextLeft);
            }
            EXPECT_LE(button->geometry().right(), 289);
        }
    }
}

TEST_F(MachineWindow, KeyColours)
{
    const auto colour = [this](const char* name) {
        return key(name)->palette().color(QPalette::Button);
    };
    EXPECT_EQ(colour("invcos"), QColor(128, 255, 255));
    EXPECT_EQ(colour("Btan"), QColor(192, 255, 255));
    EXPECT_EQ(colour("giga"), QColor(255, 255, 192));
    EXPECT_EQ(colour("BtoEXP"), QColor(255, 255, 192));
    EXPECT_EQ(colour("B5"), QColor(255, 224, 192));
    EXPECT_EQ(colour("Bpoint"), QColor(255, 224, 192));
    EXPECT_EQ(colour("div"), QColor(0, 128, 128));
    EXPECT_EQ(colour("racine"), QColor(0, 128, 128));
    EXPECT_EQ(colour("Bln"), QColor(0, 128, 128));
    EXPECT_EQ(colour("pi"), QColor(192, 192, 192));
    EXPECT_EQ(colour("B10x"), QColor(192, 192, 192));
    EXPECT_EQ(colour("EXE"), QColor(192, 192, 192));
    EXPECT_EQ(colour("EFFACE"), QColor(255, 128, 128));
    EXPECT_EQ(colour("RAZ"), QColor(255, 128, 128));
    EXPECT_EQ(colour("Command1"), machine->palette().color(QPalette::Button));
}

TEST_F(MachineWindow, ClickedKeysWriteTheDisplayAndKeepItsFocus)
{
    for (const char* name : {"B2", "bsin", "B3", "B0"})
        QTest::mouseClick(key(name), Qt::LeftButton);
    EXPECT_EQ(display(), "2 * sin 30");
    EXPECT_TRUE(z1->hasFocus());
    EXPECT_EQ(z1->textCursor().position(), display().size());
    QTest::mouseClick(key("EXE"), Qt::LeftButton);
    EXPECT_EQ(display(), " 1");
    QTest::mouseClick(key("Command1"), Qt::LeftButton);
    EXPECT_TRUE(z1->hasFocus());
    EXPECT_EQ(session.memoryValue, 1);
}

TEST_F(MachineWindow, TypedKeysAct)
{
    QTest::keyClicks(z1, QStringLiteral("12*(3+1)"));
    EXPECT_EQ(display(), "12 * (3 + 1)");
    QTest::keyClick(z1, Qt::Key_Backspace);
    QTest::keyClicks(z1, QStringLiteral(")x= "));
    EXPECT_EQ(display(), "12 * (3 + 1)");
    QTest::keyClick(z1, Qt::Key_Return);
    EXPECT_EQ(display(), " 48");
    QTest::keyClicks(z1, QStringLiteral("^2"));
    QTest::keyClick(z1, Qt::Key_Enter);
    EXPECT_EQ(display(), " 2304");
    QTest::keyClicks(z1, QStringLiteral("1/0"));
    QTest::keyClick(z1, Qt::Key_Return);
    EXPECT_EQ(display(), "Calcul impossible");
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(machine->isVisible());
}

TEST_F(MachineWindow, AccessKeys)
{
    // An access key clicks its button after the short press animation.
    QTest::keyClick(z1, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return display() == "sin "; }));
    QTest::keyClick(z1, Qt::Key_I, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return display() == "sin invSIN "; }));
    QTest::keyClick(z1, Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return display() == "sin invSIN ln "; }));
    EXPECT_TRUE(z1->hasFocus());
}

TEST_F(MachineWindow, EveryKeyHasItsOwnSpokenFrenchName)
{
    QSet<QString> names;
    for (QPushButton* button : machine->findChildren<QPushButton*>()) {
        SCOPED_TRACE(button->objectName().toStdString());
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(accessible, nullptr);
        const QString name = accessible->text(QAccessible::Name);
        // Symbols, pictures and "&" marks are not words a screen reader can say.
        static const QRegularExpression spoken(QStringLiteral("^[\\p{L}0-9][\\p{L}0-9 ]*$"));
        EXPECT_TRUE(spoken.match(name).hasMatch()) << name.toStdString();
        EXPECT_FALSE(names.contains(name)) << name.toStdString();
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 49);
    const std::pair<const char*, const char*> spokenNames[] = {
        {"btcarre", "x au carré"},
        {"puissance", "x puissance y"},
        {"racine", "racine carrée"},
        {"div", "diviser"},
        {"EFFACE", "effacer le dernier caractère"},
        {"B7", "7"}};
    for (const auto& [name, spoken] : spokenNames) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(key(name))->text(QAccessible::Name),
                  QString::fromUtf8(spoken))
            << name;
    }
}

TEST_F(MachineWindow, OptionsReturnToDegreesAndStandardAtEachOpening)
{
    QRadioButton* degrees = option("angle", 0);
    QRadioButton* standard = option("C", 1);
    ASSERT_NE(degrees, nullptr);
    ASSERT_NE(standard, nullptr);
    EXPECT_EQ(degrees->text(), "Degrés");
    EXPECT_EQ(option("angle", 1)->text(), "Radians");
    EXPECT_EQ(option("C", 0)->text(), "Scientifique");
    EXPECT_EQ(standard->text(), "Standard");
    EXPECT_TRUE(degrees->isChecked());
    EXPECT_TRUE(standard->isChecked());

    QTest::mouseClick(option("angle", 1), Qt::LeftButton);
    QTest::keyClicks(z1, QStringLiteral("1234"));
    QTest::keyClick(z1, Qt::Key_Return);
    QTest::mouseClick(option("C", 0), Qt::LeftButton);
    EXPECT_EQ(display(), "1.234E+03");
    EXPECT_TRUE(z1->hasFocus());

    machine.reset();
    open();
    EXPECT_TRUE(option("angle", 0)->isChecked());
    EXPECT_TRUE(option("C", 1)->isChecked());
    EXPECT_EQ(display(), "");
    // The answer is what EXE displayed, not what the format switch wrote afterwards.
    QTest::mouseClick(key("ANS"), Qt::LeftButton);
    EXPECT_EQ(display(), "1234");
}

TEST_F(MachineWindow, PaintsTheGradientAndTheFrames)
{
    const QImage image = machine->grab().toImage();
    EXPECT_EQ(QColor(image.pixel(0, 150)), QColor(200, 250, 250));
    EXPECT_EQ(QColor(image.pixel(300, 150)), QColor(50, 100, 100));
    EXPECT_EQ(QColor(image.pixel(1, 150)), QColor(Qt::black));
    EXPECT_EQ(QColor(image.pixel(150, 1)), QColor(Qt::black));
    EXPECT_EQ(QColor(image.pixel(299, 150)), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(150, 428)), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(81, 350)), QColor(0, 128, 128));
    EXPECT_EQ(QColor(image.pixel(82, 350)), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(206, 350)), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(120, 420)), QColor(0, 128, 128));
    EXPECT_EQ(QColor(image.pixel(120, 421)), QColor(Qt::white));
}

} // namespace
