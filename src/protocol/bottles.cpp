#include "protocol/bottles.h"

#include "catalogue/reagent.h"

namespace dosarium {

std::optional<Bottle> cupboardBottle(int index)
{
    const Reagent* reagent = Catalogue::reagent(index);
    if (!reagent)
        return std::nullopt;
    return Bottle{reagent->name, reagent->kind != ReagentKind::AqueousSolution,
                  reagent->kind != ReagentKind::PureSolid};
}

} // namespace dosarium
