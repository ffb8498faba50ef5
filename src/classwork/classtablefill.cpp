#include "classwork/classtablefill.h"

namespace dosarium {

int fillClassTable(ClassTableModel& table, const QStringList& files,
                   const ConfigurationTrial& correction, const QLocale& locale,
                   const std::function<bool(int done)>& keepGoing)
{
    int done = 0;
    for (const QString& path : files) {
        if (!keepGoing(done))
            break;
        table.append(handInRow(path, correction, locale));
        ++done;
    }
    return done;
}

} // namespace dosarium
