// The bottles of the cupboard as the bench offers them: the reagent's name and how it is measured.
#pragma once

#include <QString>
#include <optional>

namespace dosarium {

struct Bottle {
    QString reagentName;
    // A pure liquid or solid is weighed on the balance; a liquid or a solution is measured with the
    // glassware. A pure liquid offers both, and its label asks which.
    bool weighed = false;
    bool measured = false;
};

// Nothing for an index that names no bottle of the cupboard.
std::optional<Bottle> cupboardBottle(int index);

} // namespace dosarium
