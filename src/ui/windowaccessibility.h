// Screen readers announce a window by its role: the program's own top-level widgets are windows.
#pragma once

namespace dosarium {

// Makes every top-level widget of the program that Qt would call a mere "client" area report
// itself as a window, so that assistive technologies announce its title when it opens.
void announceTopLevelWidgetsAsWindows();

} // namespace dosarium
