// Qt reads its scale once, when the application object is made: the program chooses it before.
#pragma once

#include <memory>

namespace dosarium {

// The connection the scale was asked on, to keep until the application object has opened its own:
// an X server with no other client resets itself when the last one leaves, and Qt would wait for
// the reset to end.
using DisplayHold = std::shared_ptr<void>;

// Chooses the scale for the screen the workbench opens on, from what the display server says,
// and sets it for Qt when it is larger than 1. Leaves a scale the user set for Qt alone. Call it
// before the application object is made, with the program's arguments.
[[nodiscard]] DisplayHold chooseScreenScale(int argc, char* argv[]);

} // namespace dosarium
