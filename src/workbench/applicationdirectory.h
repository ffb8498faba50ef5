// The directory of the running program, symlinks resolved, ending with "/".
#pragma once

#include <QString>

namespace dosarium {

QString applicationDirectory();

} // namespace dosarium
