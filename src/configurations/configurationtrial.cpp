#include "configurations/configurationtrial.h"

#include "configurations/benchmodeladapter.h"
#include "configurations/configurationcontroller.h"
#include "protocol/benchmodel.h"

namespace dosarium {
namespace {

// Keeps the messages instead of showing them; every box is answered by its first button.
class RecordedMessages : public MessageService {
  public:
    MessageAnswer show(const Message& message) override
    {
        shown.append(message);
        return message.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }

    QList<Message> shown;
};

} // namespace

ConfigurationTrial tryConfiguration(const QString& path, const QLocale& locale)
{
    RecordedMessages messages;
    BenchModel model(messages, locale);
    BenchModelAdapter bench(model);
    ConfigurationController controller(bench, messages);
    controller.setConfigPath(path);
    controller.loadConfiguration();
    return {benchPreparation(model), messages.shown};
}

} // namespace dosarium
