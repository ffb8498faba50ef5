#include "calculator/calculatorkeys.h"

#include <algorithm>
#include <utility>

namespace dosarium {

namespace {

const QColor inverseTrigonometry(128, 255, 255);
const QColor trigonometry(192, 255, 255);
const QColor prefix(255, 255, 192);
const QColor digit(255, 224, 192);
const QColor operation(0, 128, 128);
const QColor grey(192, 192, 192);
const QColor erase(255, 128, 128);
const QColor plain;

constexpr std::array<int, 7> rowTops = {192, 224, 256, 296, 328, 360, 392};
// The function rows and the digit rows have their own columns.
constexpr std::array<int, 7> functionLefts = {16, 80, 120, 152, 184, 216, 256};
constexpr std::array<int, 7> functionWidths = {57, 33, 25, 25, 25, 33, 33};
constexpr std::array<int, 7> digitLefts = {16, 48, 88, 128, 168, 216, 256};
constexpr std::array<int, 7> digitWidths = {25, 25, 33, 33, 33, 33, 33};
constexpr int functionHeight = 25;
constexpr int digitHeight = 24;

const QSize smallPicture(20, 16);
const QSize widePicture(28, 16);

using K = CalculatorKey;

const std::array<CalculatorKeyDefinition, calculatorKeyCount> keys = {{
    {K::invsin, "invsin", "INV S&IN", "Inverse sinus", 0, 0, inverseTrigonometry, nullptr, {}},
    {K::bsin, "bsin", "&SIN", "Sinus", 0, 1, trigonometry, nullptr, {}},
    {K::Command5, "Command5", "1/x", "Inverse", 0, 2, plain, nullptr, {}},
    {K::Command1, "Command1", "M+", "Ajouter à la méoire", 0, 3, plain, nullptr, {}},
    {K::Command2, "Command2", "M-", "Soustraire à la mémoire", 0, 4, plain, nullptr, {}},
    {K::Command3, "Command3", "RM", "Rappel mémoire", 0, 5, plain, nullptr, {}},
    {K::Command4, "Command4", "CM", "Effacer la mémoire", 0, 6, plain, nullptr, {}},

    {K::invcos, "invcos", "INV C&OS", "Inverse cosinus", 1, 0, inverseTrigonometry, nullptr, {}},
    {K::Bcos, "Bcos", "&COS", "Cosinus", 1, 1, trigonometry, nullptr, {}},
    {K::racine, "racine", "√", "Racine carré", 1, 2, operation, nullptr, {}},
    {K::btcarre, "btcarre", "", "", 1, 3, grey, ":/pictures/calculator/key-square.svg",
     smallPicture},
    {K::puissance, "puissance", "", "", 1, 4, grey, ":/pictures/calculator/key-power.svg",
     smallPicture},
    {K::Blog, "Blog", "&Log", "", 1, 5, operation, nullptr, {}},
    {K::B10x, "B10x", "", "", 1, 6, grey, ":/pictures/calculator/key-ten-power.svg", widePicture},

    {K::Btoncommande3,
     "Btoncommande3",
     "INV T&AN",
     "Inverse tangente",
     2,
     0,
     inverseTrigonometry,
     nullptr,
     {}},
    {K::Btan, "Btan", "&TAN", "Tangente", 2, 1, trigonometry, nullptr, {}},
    {K::Bpo, "Bpo", "(", "", 2, 2, operation, nullptr, {}},
    {K::bpf, "bpf", ")", "", 2, 3, operation, nullptr, {}},
    {K::pi, "pi", "π", "3.1415927", 2, 4, grey, nullptr, {}},
    {K::Bln, "Bln", "l&n", "", 2, 5, operation, nullptr, {}},
    {K::Bexp, "Bexp", "", "", 2, 6, grey, ":/pictures/calculator/key-exp.svg", smallPicture},

    {K::pico, "pico", "p", "pico", 3, 0, prefix, nullptr, {}},
    {K::tera, "tera", "T", "Téra", 3, 1, prefix, nullptr, {}},
    {K::B7, "B7", "7", "", 3, 2, digit, nullptr, {}},
    {K::B8, "B8", "8", "", 3, 3, digit, nullptr, {}},
    {K::B9, "B9", "9", "", 3, 4, digit, nullptr, {}},
    {K::EFFACE, "EFFACE", "←", "Effacer dernier caractère", 3, 5, erase, nullptr, {}},
    {K::RAZ, "RAZ", "AC", "Tout effacer", 3, 6, erase, nullptr, {}},

    {K::nano, "nano", "n", "nano", 4, 0, prefix, nullptr, {}},
    {K::giga, "giga", "G", "Giga", 4, 1, prefix, nullptr, {}},
    {K::B4, "B4", "4", "", 4, 2, digit, nullptr, {}},
    {K::B5, "B5", "5", "", 4, 3, digit, nullptr, {}},
    {K::B6, "B6", "6", "", 4, 4, digit, nullptr, {}},
    {K::multip, "multip", "x", "", 4, 5, operation, nullptr, {}},
    {K::div, "div", "÷", "", 4, 6, operation, nullptr, {}},

    {K::micro, "micro", "µ", "micro", 5, 0, prefix, nullptr, {}},
    {K::mega, "mega", "M", "Méga", 5, 1, prefix, nullptr, {}},
    {K::B1, "B1", "1", "", 5, 2, digit, nullptr, {}},
    {K::B2, "B2", "2", "", 5, 3, digit, nullptr, {}},
    {K::B3, "B3", "3", "", 5, 4, digit, nullptr, {}},
    {K::plus, "plus", "+", "", 5, 5, operation, nullptr, {}},
    {K::moins, "moins", "-", "", 5, 6, operation, nullptr, {}},

    {K::mil, "mil", "m", "milli", 6, 0, prefix, nullptr, {}},
    {K::kilo, "kilo", "k", "kilo", 6, 1, prefix, nullptr, {}},
    {K::B0, "B0", "0", "", 6, 2, digit, nullptr, {}},
    {K::Bpoint, "Bpoint", ".", "", 6, 3, digit, nullptr, {}},
    {K::BtoEXP, "BtoEXP", "EXP", "x 10ª", 6, 4, prefix, nullptr, {}},
    {K::ANS, "ANS", "ANS", "Dernière réponse", 6, 5, grey, nullptr, {}},
    {K::EXE, "EXE", "EXE", "Calculer", 6, 6, grey, nullptr, {}},
}};

// What a screen reader speaks: the labels are abbreviations, symbols or pictures.
const std::array<std::pair<CalculatorKey, const char*>, calculatorKeyCount> spokenNames = {{
    {K::invsin, "arc sinus"},
    {K::bsin, "sinus"},
    {K::Command5, "un sur x"},
    {K::Command1, "ajouter à la mémoire"},
    {K::Command2, "soustraire de la mémoire"},
    {K::Command3, "rappel de la mémoire"},
    {K::Command4, "effacer la mémoire"},
    {K::invcos, "arc cosinus"},
    {K::Bcos, "cosinus"},
    {K::racine, "racine carrée"},
    {K::btcarre, "x au carré"},
    {K::puissance, "x puissance y"},
    {K::Blog, "logarithme décimal"},
    {K::B10x, "dix puissance x"},
    {K::Btoncommande3, "arc tangente"},
    {K::Btan, "tangente"},
    {K::Bpo, "parenthèse ouvrante"},
    {K::bpf, "parenthèse fermante"},
    {K::pi, "pi"},
    {K::Bln, "logarithme népérien"},
    {K::Bexp, "e puissance x"},
    {K::pico, "pico"},
    {K::tera, "téra"},
    {K::B7, "7"},
    {K::B8, "8"},
    {K::B9, "9"},
    {K::EFFACE, "effacer le dernier caractère"},
    {K::RAZ, "tout effacer"},
    {K::nano, "nano"},
    {K::giga, "giga"},
    {K::B4, "4"},
    {K::B5, "5"},
    {K::B6, "6"},
    {K::multip, "multiplier"},
    {K::div, "diviser"},
    {K::micro, "micro"},
    {K::mega, "méga"},
    {K::B1, "1"},
    {K::B2, "2"},
    {K::B3, "3"},
    {K::plus, "plus"},
    {K::moins, "moins"},
    {K::mil, "milli"},
    {K::kilo, "kilo"},
    {K::B0, "0"},
    {K::Bpoint, "point décimal"},
    {K::BtoEXP, "fois dix puissance"},
    {K::ANS, "dernière réponse"},
    {K::EXE, "calculer"},
}};

} // namespace

const std::array<CalculatorKeyDefinition, calculatorKeyCount>& calculatorKeys()
{
    return keys;
}

const CalculatorKeyDefinition& calculatorKey(CalculatorKey key)
{
    return *std::find_if(keys.begin(), keys.end(),
                         [key](const CalculatorKeyDefinition& d) { return d.key == key; });
}

QString calculatorKeySpokenName(CalculatorKey key)
{
    const auto found = std::find_if(spokenNames.begin(), spokenNames.end(),
                                    [key](const auto& entry) { return entry.first == key; });
    return found == spokenNames.end() ? QString() : QString::fromUtf8(found->second);
}

QRect calculatorKeyGeometry(int row, int column)
{
    const bool functionRow = row < 3;
    return {functionRow ? functionLefts[std::size_t(column)] : digitLefts[std::size_t(column)],
            rowTops[std::size_t(row)],
            functionRow ? functionWidths[std::size_t(column)] : digitWidths[std::size_t(column)],
            functionRow ? functionHeight : digitHeight};
}

} // namespace dosarium
