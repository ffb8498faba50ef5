// Resource paths of every picture the bench shows; a renamed file is one edit here.
#pragma once

#include <QString>
#include <iterator>

namespace dosarium::pictures {

inline QString bottle(int index)
{
    static const char* const names[] = {"ethanol",
                                        "acetone",
                                        "acetic-acid",
                                        "saccharose",
                                        "glucose",
                                        "sodium-hydroxide",
                                        "potassium-permanganate",
                                        "copper-sulfate",
                                        "hydrochloric-acid"};
    if (index < 0 || index >= int(std::size(names)))
        return {};
    return QStringLiteral(":/pictures/bottles/%1.svg").arg(QLatin1String(names[index]));
}

inline const QString balance = QStringLiteral(":/pictures/instruments/balance.svg");
inline const QString watchGlass = QStringLiteral(":/pictures/instruments/watch-glass.svg");
inline const QString solidHeap = QStringLiteral(":/pictures/instruments/solid-heap.svg");
// The two pictures of the beaker: empty, then with the weighed liquid.
inline const QString beakerEmpty = QStringLiteral(":/pictures/instruments/beaker-empty.svg");
inline const QString beakerFilled = QStringLiteral(":/pictures/instruments/beaker-filled.svg");
inline const QString volumetricFlask =
    QStringLiteral(":/pictures/instruments/volumetric-flask.svg");
inline const QString graduatedCylinder =
    QStringLiteral(":/pictures/instruments/graduated-cylinder.svg");
inline const QString volumetricPipette =
    QStringLiteral(":/pictures/instruments/volumetric-pipette.svg");
inline const QString graduatedPipette =
    QStringLiteral(":/pictures/instruments/graduated-pipette.svg");
inline const QString washBottle = QStringLiteral(":/pictures/instruments/wash-bottle.svg");

inline const QString pointingHand = QStringLiteral(":/pictures/cursors/pointing-hand.svg");

} // namespace dosarium::pictures
