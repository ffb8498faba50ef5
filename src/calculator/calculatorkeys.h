// The calculator's 49 keys: what each is called, what it shows and where it stands.
#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>

namespace dosarium {

// Named after the window's buttons.
enum class CalculatorKey {
    B0,
    B1,
    B2,
    B3,
    B4,
    B5,
    B6,
    B7,
    B8,
    B9,
    Bpoint,
    BtoEXP,
    pico,
    nano,
    micro,
    mil,
    kilo,
    mega,
    giga,
    tera,
    bpf,
    Bpo,
    bsin,
    Bcos,
    Btan,
    invsin,
    invcos,
    Btoncommande3,
    Blog,
    Bln,
    Bexp,
    B10x,
    racine,
    Command5,
    pi,
    puissance,
    btcarre,
    multip,
    div,
    plus,
    moins,
    ANS,
    EFFACE,
    RAZ,
    EXE,
    Command1,
    Command2,
    Command3,
    Command4,
};

struct CalculatorKeyDefinition {
    CalculatorKey key;
    const char* objectName;
    const char* label;   // UTF-8, "&" before the access key; empty for picture keys
    const char* toolTip; // UTF-8, empty when the key has none
    int row;             // 0 to 6, top to bottom
    int column;          // 0 to 6, left to right
    QColor colour;       // invalid for the plain keys
    const char* picture; // resource path of a picture key, nullptr otherwise
    QSize pictureSize;
};

constexpr int calculatorKeyCount = 49;

const std::array<CalculatorKeyDefinition, calculatorKeyCount>& calculatorKeys();
const CalculatorKeyDefinition& calculatorKey(CalculatorKey key);
// The French name a screen reader speaks for the key; its label stays as it is.
QString calculatorKeySpokenName(CalculatorKey key);
// Position and size in the window's client area.
QRect calculatorKeyGeometry(int row, int column);

} // namespace dosarium
