// Writing a whole file so that no failure leaves it half written.
#pragma once

#include <QByteArray>
#include <QString>

namespace dosarium {

// Writes `bytes` as the whole content of the file at `path`, through a temporary file renamed over
// the old one: false on any failure (a missing or read-only folder, a file the user may not
// replace, a folder, a full disk), and the old file is then left whole. A device such as
// /dev/full cannot be replaced by a renamed file: it is written in place.
bool safeWrite(const QString& path, const QByteArray& bytes);

} // namespace dosarium
