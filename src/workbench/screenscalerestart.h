// Qt reads its scale once, when the application object is made: a run that needs one starts again.
#pragma once

namespace dosarium {

// Chooses the scale for the screen the workbench opens on and, when it is larger than 1, replaces
// the process with the same program and arguments under that scale. Returns when no scale is
// needed, when the user set one for Qt, or when the program cannot be started again.
void restartAtScreenScale(char* const arguments[]);

} // namespace dosarium
