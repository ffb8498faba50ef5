// A configuration file or a preparation replayed, as loading replays it, on a bench of its own that
// no window shows: the workbench, `configPath` and the file stay as they are.
#pragma once

#include "protocol/preparation.h"
#include "protocol/preparationcomparison.h"
#include "ui/messageservice.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <optional>

namespace dosarium {

struct ConfigurationTrial {
    BenchPreparation preparation;
    // What the bench and the loading would have shown, in order: refusals, warning, file errors.
    QList<Message> messages;
    // Why the file could not be read, when it could not: then nothing was played.
    std::optional<Message> loadFailure;
};

ConfigurationTrial tryConfiguration(const QString& path, const QLocale& locale);
ConfigurationTrial tryPreparation(const Preparation& preparation, const QLocale& locale);

} // namespace dosarium
