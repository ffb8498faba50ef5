// Test double for message boxes: records every message and answers from a script.
#pragma once

#include "ui/messageservice.h"

#include <QList>
#include <functional>

namespace dosarium {

class ScriptedMessageService : public MessageService {
  public:
    // Answers given in order; once the script is used up, the first button of the box answers.
    QList<MessageAnswer> answers;
    QList<Message> shown;
    // Runs as each box would appear, for a test that looks at what the screen shows then.
    std::function<void(const Message&)> onShow;

    MessageAnswer show(const Message& message) override
    {
        shown.append(message);
        if (onShow)
            onShow(message);
        if (!answers.isEmpty())
            return answers.takeFirst();
        switch (message.buttons) {
        case MessageButtons::OkCancel:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
            return MessageAnswer::Yes;
        case MessageButtons::Ok:
            break;
        }
        return MessageAnswer::Ok;
    }
};

} // namespace dosarium
