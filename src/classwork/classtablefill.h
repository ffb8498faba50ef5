// Filling the class's table from a folder's hand-ins, one file at a time so that the window can
// show its progress and stop when asked.
#pragma once

#include "classwork/classtablemodel.h"

#include <functional>

namespace dosarium {

// Appends one row per file, in order; `keepGoing(done)` is asked before each file and stops the
// filling when it answers false. Returns the number of rows appended.
int fillClassTable(ClassTableModel& table, const QStringList& files,
                   const ConfigurationTrial& correction, const QLocale& locale,
                   const std::function<bool(int done)>& keepGoing);

} // namespace dosarium
