// Qt reads its scale once, when the application object is made: the program chooses it before.
#pragma once

namespace dosarium {

// Chooses the scale for the screen the workbench opens on, from what the display server says,
// and sets it for Qt when it is larger than 1. Leaves a scale the user set for Qt alone. Call it
// before the application object is made, with the program's arguments.
void chooseScreenScale(int argc, char* argv[]);

} // namespace dosarium
