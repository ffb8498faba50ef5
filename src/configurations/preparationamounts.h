// A preparation given by its amounts, as an exercise's author writes it, and the configuration
// values that set the bench to it.
#pragma once

#include "configurations/configurationfile.h"

#include <QString>
#include <optional>

namespace dosarium {

struct PreparationAmounts {
    qint16 reagentIndex = -1;
    qint16 tool = 0;     // the sampling instrument, numbered as ConfigurationValues stores it
    double mass = 0.0;   // g, for the balance
    double volume = 0.0; // mL, for the glassware
    double flask = 0.0;  // mL
};

// The values, selector positions included, that give those amounts; nothing, with `error` set,
// when the bench cannot be set to them (a volume the glassware does not offer, a mass out of the
// balance's range...).
std::optional<ConfigurationValues> configurationFor(const PreparationAmounts& amounts,
                                                    QString* error);

} // namespace dosarium
