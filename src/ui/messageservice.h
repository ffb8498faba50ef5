// Modal message boxes behind an interface, so that tests can read and answer them.
#pragma once

#include <QString>

namespace dosarium {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

class MessageService {
  public:
    virtual ~MessageService() = default;
    virtual MessageAnswer show(const Message& message) = 0;

    void inform(const QString& text, const QString& title, MessageIcon icon)
    {
        show({text, title, icon, MessageButtons::Ok});
    }
    bool confirmOk(const QString& text, const QString& title, MessageIcon icon)
    {
        return show({text, title, icon, MessageButtons::OkCancel}) == MessageAnswer::Ok;
    }
    bool confirmYes(const QString& text, const QString& title, MessageIcon icon)
    {
        return show({text, title, icon, MessageButtons::YesNo}) == MessageAnswer::Yes;
    }
};

} // namespace dosarium
