// The compiled-in pictures of the workbench window.
#pragma once

#include "catalogue/reagent.h"

#include <QString>

namespace dosarium::WorkbenchPictures {

inline const QString information = QStringLiteral(":/pictures/workbench/info.svg");
inline const QString exerciseButton = QStringLiteral(":/pictures/workbench/exercise-button.svg");

inline QString hazard(Hazard hazard)
{
    switch (hazard) {
    case Hazard::Flammable:
        return QStringLiteral(":/pictures/hazards/flammable.svg");
    case Hazard::Corrosive:
        return QStringLiteral(":/pictures/hazards/corrosive.svg");
    case Hazard::Harmful:
        return QStringLiteral(":/pictures/hazards/harmful.svg");
    case Hazard::None:
        break;
    }
    return {};
}

// A pictogram drawn beside the label's first one, smaller; empty for one no reagent shows there.
inline QString besidePictogram(Pictogram pictogram)
{
    switch (pictogram) {
    case Pictogram::Flammable:
        return QStringLiteral(":/pictures/hazards/flammable-52.svg");
    case Pictogram::Harmful:
        return QStringLiteral(":/pictures/hazards/harmful-52.svg");
    case Pictogram::HealthHazard:
        return QStringLiteral(":/pictures/hazards/health-hazard-52.svg");
    case Pictogram::Environment:
        return QStringLiteral(":/pictures/hazards/environment-52.svg");
    default:
        break;
    }
    return {};
}

} // namespace dosarium::WorkbenchPictures
