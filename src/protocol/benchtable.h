// Every part of the bench inside the cupboard, declared once: its object name, its kind of widget,
// the place it starts at, its size and the picture it shows. The model, the view and the tests all
// read this table; the enumerators are in stacking order (later ones on top).
#pragma once

#include "protocol/preparationstate.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <array>
#include <cstddef>

namespace dosarium {

enum class WidgetKind { Picture, Label, Button, Slider, SpinSelector, RichText };

namespace bench {

inline constexpr int bottleCount = 9;

// Named after the widgets' object names, which saved and replayed preparations never see but
// which stay fixed for whoever inspects the window.
enum Part {
    conseil,
    firstBottle,
    lastBottle = firstBottle + bottleCount - 1,
    flaconmere, // a solution prepared on the bench, kept to be diluted again
    choisi,
    firstMeasureChoice, // by mass
    lastMeasureChoice,  // by volume
    balance,
    vdemont,
    sucre,
    becher,
    Labelmasse,
    HScroll1,
    masse,
    fiole,
    eprouvette,
    pipjaug,
    pipgrad,
    Labelprel,
    UpDown2,
    validprel,
    fiolefinale,
    labelvol,
    UpDown1,
    validvol,
    pissette,
    resultat,
    partCount
};

// The bottle of the reagent at index in the catalogue, and the two ways of measuring a liquid.
constexpr Part bottle(int index)
{
    return Part(firstBottle + index);
}
constexpr Part measureChoice(int index)
{
    return Part(firstMeasureChoice + index);
}

struct Place {
    const char* name;
    WidgetKind kind;
    QPoint home;
    QSize size;
    const char* picture; // under ":/pictures/", nullptr for none
};

inline constexpr std::array<Place, partCount> table = {{
    {"conseil", WidgetKind::Label, {16, 8}, {737, 17}, nullptr},
    {"liquide(0)", WidgetKind::Picture, {40, 56}, {67, 152}, "bottles/ethanol.svg"},
    {"liquide(1)", WidgetKind::Picture, {100, 40}, {52, 148}, "bottles/acetone.svg"},
    {"liquide(2)", WidgetKind::Picture, {160, 56}, {67, 152}, "bottles/acetic-acid.svg"},
    {"liquide(3)", WidgetKind::Picture, {272, 80}, {67, 117}, "bottles/saccharose.svg"},
    {"liquide(4)", WidgetKind::Picture, {336, 88}, {67, 117}, "bottles/glucose.svg"},
    {"liquide(5)", WidgetKind::Picture, {468, 40}, {67, 152}, "bottles/sodium-hydroxide.svg"},
    {"liquide(6)", WidgetKind::Picture, {528, 64}, {67, 145}, "bottles/potassium-permanganate.svg"},
    {"liquide(7)", WidgetKind::Picture, {592, 56}, {67, 145}, "bottles/copper-sulfate.svg"},
    {"liquide(8)", WidgetKind::Picture, {664, 56}, {67, 152}, "bottles/hydrochloric-acid.svg"},
    // Between the sugars and the stock solutions, where the prepared flask stands on the bench; it
    // shows the flask the solution was made in.
    {"flaconmere", WidgetKind::Picture, {406, 76}, {57, 129}, nullptr},
    // Shows the chosen bottle, at that bottle's size.
    {"choisi", WidgetKind::Picture, {24, 53}, {67, 152}, nullptr},
    {"Label3(0)", WidgetKind::Label, {112, 80}, {150, 17}, nullptr},
    {"Label3(1)", WidgetKind::Label, {112, 112}, {150, 17}, nullptr},
    {"balance", WidgetKind::Picture, {160, 136}, {128, 64}, "instruments/balance.svg"},
    // The watch glass lies on the balance plate, the weighed solid on the watch glass.
    {"vdemont", WidgetKind::Picture, {176, 124}, {96, 16}, "instruments/watch-glass.svg"},
    {"sucre", WidgetKind::Picture, {196, 106}, {56, 24}, "instruments/solid-heap.svg"},
    // The beaker stands on the balance plate.
    {"becher", WidgetKind::Picture, {180, 84}, {64, 56}, "instruments/beaker-empty.svg"},
    // The read-out lies in the balance's display window.
    {"Labelmasse", WidgetKind::Label, {178, 165}, {56, 17}, nullptr},
    {"HScroll1", WidgetKind::Slider, {104, 204}, {200, 17}, nullptr},
    {"masse", WidgetKind::Button, {320, 200}, {65, 23}, nullptr},
    // The tall glassware stands below the guidance line (8 to 24), which stays readable above it.
    {"fiole", WidgetKind::Picture, {136, 56}, {57, 129}, "instruments/volumetric-flask.svg"},
    {"eprouvette", WidgetKind::Picture, {192, 26}, {41, 177}, "instruments/graduated-cylinder.svg"},
    {"pipjaug", WidgetKind::Picture, {256, 26}, {25, 185}, "instruments/volumetric-pipette.svg"},
    {"pipgrad", WidgetKind::Picture, {288, 26}, {25, 185}, "instruments/graduated-pipette.svg"},
    {"Labelprel", WidgetKind::Label, {260, 88}, {64, 17}, nullptr},
    {"UpDown2", WidgetKind::SpinSelector, {262, 107}, {17, 30}, nullptr},
    {"validprel", WidgetKind::Button, {270, 150}, {65, 23}, nullptr},
    // Shows the flask of the sample's picture.
    {"fiolefinale", WidgetKind::Picture, {392, 32}, {57, 129}, nullptr},
    {"labelvol", WidgetKind::Label, {392, 168}, {64, 17}, nullptr},
    {"UpDown1", WidgetKind::SpinSelector, {392, 192}, {17, 30}, nullptr},
    {"validvol", WidgetKind::Button, {416, 196}, {65, 23}, nullptr},
    {"pissette", WidgetKind::Picture, {464, 112}, {56, 96}, "instruments/wash-bottle.svg"},
    {"resultat", WidgetKind::RichText, {536, 8}, {217, 209}, nullptr},
}};

constexpr const Place& place(Part part)
{
    return table[std::size_t(part)];
}

// The sampling instruments: the part that is clicked to take one (the balance is not clicked: the
// bottle or the label's first choice brings it), the selector that sets its sample, and the
// choice a pure liquid's label offers for it. The glassware's click handlers are named after their
// part.
struct Instrument {
    SamplingTool tool;
    Part part;
    Part selector;
    int measureChoice;

    constexpr bool weighs() const { return selector == HScroll1; }
};

inline constexpr std::array<Instrument, 5> instruments = {{
    {SamplingTool::Balance, balance, HScroll1, 0},
    {SamplingTool::VolumetricFlask, fiole, UpDown2, 1},
    {SamplingTool::GraduatedCylinder, eprouvette, UpDown2, 1},
    {SamplingTool::VolumetricPipette, pipjaug, UpDown2, 1},
    {SamplingTool::GraduatedPipette, pipgrad, UpDown2, 1},
}};

// The row of a tool, or of the number a file stores for it; null for a number that names none.
constexpr const Instrument* instrumentNumbered(int number)
{
    for (const Instrument& row : instruments) {
        if (int(row.tool) == number)
            return &row;
    }
    return nullptr;
}
constexpr const Instrument& instrument(SamplingTool tool)
{
    return *instrumentNumbered(int(tool));
}
// The row of the piece of glassware a part shows; null for any other part.
constexpr const Instrument* glasswareAt(Part part)
{
    for (const Instrument& row : instruments) {
        if (row.part == part && !row.weighs())
            return &row;
    }
    return nullptr;
}

// The second picture of the beaker, with the weighed liquid; the same size as the first.
inline constexpr const char* beakerFilled = "instruments/beaker-filled.svg";

// The flask of a volume offered, drawn in proportion to the others within the flask's place.
inline QString flaskPicturePath(float volume)
{
    return QStringLiteral(":/pictures/instruments/volumetric-flask-%1.svg").arg(qRound(volume));
}

// Where a chosen piece of glassware and its sample selector stand while the sample is set.
inline constexpr QPoint flaskChosen{196, 32};
inline constexpr QPoint flaskSampleReadout{203, 160};
inline constexpr QPoint cylinderSampleReadout = place(Labelprel).home;
inline constexpr QPoint cylinderSampleSelector = place(UpDown2).home;
inline constexpr int pipetteChosenLeft = 222;
inline constexpr QPoint pipetteSampleReadout{250, 108};
inline constexpr QPoint pipetteSampleSelector{252, 127};
// The chosen bottle stands this far above the cupboard's floor.
inline constexpr int cupboardHeight = 225;
inline constexpr int chosenBottleMargin = 20;

inline QString name(Part part)
{
    return QLatin1String(place(part).name);
}
// The resource path of a picture of the table; empty for none.
inline QString picturePath(const char* picture)
{
    return picture ? QStringLiteral(":/pictures/") + QLatin1String(picture) : QString();
}

} // namespace bench
} // namespace dosarium
