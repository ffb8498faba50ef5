#include "configurations/configurationtrial.h"

#include "configurations/configurationload.h"
#include "protocol/benchmodel.h"

namespace dosarium {
namespace {

// Keeps the messages instead of showing them: loading and the bench only ever show OK boxes.
class RecordedMessages : public MessageService {
  public:
    MessageAnswer show(const Message& message) override
    {
        shown.append(message);
        return MessageAnswer::Ok;
    }

    QList<Message> shown;
};

} // namespace

ConfigurationTrial tryConfiguration(const QString& path, const QLocale& locale)
{
    RecordedMessages messages;
    BenchModel model(messages, locale);
    const ConfigurationLoad read = readConfiguration(path);
    const std::optional<Preparation> preparation = resetForLoad(model, messages, read);
    if (!preparation)
        return {benchPreparation(model), messages.shown, read.failure};
    preparation->play(model);
    return {benchPreparation(model), messages.shown, std::nullopt};
}

ConfigurationTrial tryPreparation(const Preparation& preparation, const QLocale& locale)
{
    RecordedMessages messages;
    BenchModel model(messages, locale);
    model.Command3_Click();
    preparation.play(model);
    return {benchPreparation(model), messages.shown, std::nullopt};
}

} // namespace dosarium
