// The rack's own file: UTF-8 text, one record a line, fields separated by tabs, numbers written
// with "." and enough digits to read back the same double.
//
//   DOSARIUM ECHELLE 1
//   tube <reagent index> <C, mol/L> <relative uncertainty, fraction> <origin text>
//   preparation <tool number> <flask position> <sample position> <mass position> <sampled mass, g>
//   inconnue <reagent index> <C, mol/L>
//   encadrement <tube> <tube>
//   fin <number of tubes>
//
// The header comes first and "fin" last, followed by nothing: a file that stops before "fin" was
// cut short. A "preparation" line belongs to the tube above it; "inconnue" and "encadrement" come
// at most once, the bracket's tubes numbered from 0 in the file's order. At most
// RackModel::capacity tubes.
#pragma once

#include "rack/rackmodel.h"

#include <QByteArray>
#include <QString>
#include <variant>

namespace dosarium {

enum class RackFileFault { Unreadable, Empty, TooLarge, Foreign, Truncated, Malformed };

struct RackFileError {
    RackFileFault fault = RackFileFault::Malformed;
    int line = 0; // the first line that cannot be read, counted from 1, for Malformed
};

// Files larger than this are refused before being read.
constexpr qint64 rackFileLimit = 64 * 1024;

QByteArray writeRackText(const RackContent& content);
std::variant<RackContent, RackFileError> parseRackText(const QByteArray& text);

std::variant<RackContent, RackFileError> readRackFile(const QString& path);
// Through the program's one safe write: the old file stays whole on failure.
bool writeRackFile(const QString& path, const RackContent& content);

// The French message for the student, saying that nothing changed.
QString rackFileMessage(const RackFileError& error);

} // namespace dosarium
