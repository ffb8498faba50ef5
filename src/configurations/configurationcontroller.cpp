#include "configurations/configurationcontroller.h"

#include "configurations/configurationtexts.h"
#include "configurations/configurationtrial.h"
#include "configurations/correctioncomparison.h"
#include "protocol/benchmodel.h"

namespace dosarium {

namespace texts = configurationtexts;

ConfigurationController::ConfigurationController(BenchModel& bench, MessageService& messages)
    : m_bench(bench), m_messages(messages)
{}

QString ConfigurationController::captionFor(const QString& path)
{
    return texts::captionPrefix + path;
}

std::optional<Preparation> ConfigurationController::reset(const ConfigurationLoad& load)
{
    return resetForLoad(m_bench, m_messages, load);
}

void ConfigurationController::apply(const Preparation& preparation, const QString& path)
{
    m_configPath = path;
    const QString caption = captionFor(path);
    preparation.play(m_bench);
    m_bench.setWindowCaption(caption);
    m_bench.requestLabelRepaint();
}

void ConfigurationController::load(const QString& path)
{
    // Everything of the file is settled here before the bench is driven: from there on the
    // preparation goes down to the bench and nothing comes back.
    m_configPath = path;
    const ConfigurationLoad read = readConfiguration(path);
    if (const std::optional<Preparation> preparation = resetForLoad(m_bench, m_messages, read))
        apply(*preparation, path);
}

std::optional<KeptPreparation> ConfigurationController::finishedPreparation() const
{
    // "Enregistrer" is enabled exactly while an accepted result is on the bench.
    if (!m_bench.isSaveEnabled())
        return std::nullopt;
    return KeptPreparation{Preparation::of(m_bench), m_bench.windowCaption(), m_configPath};
}

void ConfigurationController::restore(const KeptPreparation& kept)
{
    m_configPath = kept.configPath;
    m_bench.Command3_Click();
    kept.preparation.play(m_bench);
    m_bench.setWindowCaption(kept.caption);
    m_bench.requestLabelRepaint();
}

bool ConfigurationController::refuseUnsavable()
{
    if (!Preparation::of(m_bench).mother())
        return false;
    m_messages.show({texts::motherSolutionNotSaved, texts::saveImpossibleTitle,
                     MessageIcon::Information, MessageButtons::Ok});
    return true;
}

bool ConfigurationController::write(const QString& path)
{
    if (refuseUnsavable())
        return false;
    m_configPath = path;
    if (path.isEmpty() ||
        !ConfigurationFile::write(path, configurationValues(Preparation::of(m_bench)))) {
        m_messages.show({texts::writeFailure, texts::saveImpossibleTitle, MessageIcon::Critical,
                         MessageButtons::Ok});
        return false;
    }
    m_bench.setWindowCaption(captionFor(path));
    return true;
}

ComparisonReport ConfigurationController::compareWith(const QString& path) const
{
    const BenchPreparation student = benchPreparation(m_bench);
    // Nothing of the correction is shown to a student who has no result yet.
    const ConfigurationTrial correction =
        student.result ? tryConfiguration(path, m_bench.locale()) : ConfigurationTrial{};
    return buildComparisonReport(student, correction, m_bench.locale());
}

ComparisonReport ConfigurationController::compareKeptWith(const std::optional<Preparation>& kept,
                                                          const QString& path) const
{
    if (!kept)
        return nothingKeptReport();
    return buildComparisonReport(tryPreparation(*kept, m_bench.locale()).preparation,
                                 tryConfiguration(path, m_bench.locale()), m_bench.locale(),
                                 ComparedPreparation::KeptBeforeCorrection);
}

} // namespace dosarium
