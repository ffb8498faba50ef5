#include "rack/rackcommands.h"

#include "rack/rackfile.h"
#include "rack/racklabels.h"
#include "rack/racktexts.h"
#include "ui/messageservice.h"
#include "ui/textdialogs.h"

#include <QFileInfo>

namespace dosarium {

RackCommands::RackCommands(RackModel& rack, MessageService& messages, TextDialogs& dialogs)
    : m_rack(rack), m_messages(messages), m_dialogs(dialogs)
{}

bool RackCommands::pourFromBench(const BenchModel& bench)
{
    QString refusal;
    switch (m_rack.pour(Tube::fromBench(bench))) {
    case PourOutcome::Poured:
        return true;
    case PourOutcome::NoResult:
        refusal = RackTexts::pourNoResult;
        break;
    case PourOutcome::Colourless:
        refusal = RackTexts::pourColourless;
        break;
    case PourOutcome::OtherSolution:
        refusal = RackTexts::pourOtherSolution;
        break;
    case PourOutcome::Full:
        refusal = RackTexts::pourFull;
        break;
    }
    m_messages.inform(refusal, RackTexts::pourTitle, MessageIcon::Information);
    return false;
}

void RackCommands::save()
{
    if (const std::optional<QString> path = m_dialogs.saveFileName(
            {RackTexts::fileFilter, RackTexts::filePattern}, RackTexts::fileSuffix))
        if (!QFileInfo::exists(*path) ||
            m_messages.confirmYes(RackTexts::replaceQuestion, RackTexts::saveTitle,
                                  MessageIcon::Question))
            saveTo(*path);
}

void RackCommands::open()
{
    if (const std::optional<QString> path =
            m_dialogs.openFileName({RackTexts::fileFilter, RackTexts::filePattern}, QString()))
        openFrom(*path);
}

bool RackCommands::saveTo(const QString& path)
{
    if (writeRackFile(path, m_rack.content()))
        return true;
    m_messages.inform(RackTexts::saveFailed, RackTexts::saveTitle, MessageIcon::Critical);
    return false;
}

bool RackCommands::openFrom(const QString& path)
{
    auto read = readRackFile(path);
    if (const RackFileError* error = std::get_if<RackFileError>(&read)) {
        m_messages.inform(rackFileMessage(*error), RackTexts::openTitle, MessageIcon::Critical);
        return false;
    }
    m_rack.restore(std::get<RackContent>(std::move(read)));
    return true;
}

QString RackCommands::verdictText() const
{
    const std::optional<BracketVerdict> verdict = m_rack.verdict();
    return verdict ? dosarium::verdictText(*verdict, m_rack.content()) : QString();
}

QString verdictText(BracketVerdict verdict, const RackContent& rack)
{
    switch (verdict) {
    case BracketVerdict::Right: {
        const Bracket b = rack.bracket.value_or(Bracket{});
        return RackTexts::verdictRight.arg(
            racklabels::concentrationText(rack.tubes.at(std::size_t(b.lower)).concentration),
            racklabels::concentrationText(rack.tubes.at(std::size_t(b.upper)).concentration));
    }
    case BracketVerdict::Wrong:
        return RackTexts::verdictWrong;
    case BracketVerdict::NotNeighbours:
        return RackTexts::verdictNotNeighbours;
    case BracketVerdict::TooCoarse:
        return RackTexts::verdictTooCoarse;
    case BracketVerdict::OtherSolution:
        return RackTexts::verdictOtherSolution;
    case BracketVerdict::SameTube:
        break;
    }
    return RackTexts::verdictSameTube;
}

} // namespace dosarium
