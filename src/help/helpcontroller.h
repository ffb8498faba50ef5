// The help and the course of the program: the two viewer windows and the F1 key.
#pragma once

#include "help/helpfilerule.h"

#include <QObject>
#include <QString>
#include <memory>

class QCoreApplication;

namespace dosarium {

class HelpWindow;
class MessageService;

class HelpController : public QObject {
    Q_OBJECT
  public:
    // The help and course files lie in the application directory. A missing or unreadable file
    // is reported through the message service, with its path, when it is asked for.
    HelpController(const QString& applicationDirectory, MessageService& messages,
                   QObject* parent = nullptr);
    ~HelpController() override;

    // "&Aide": the help file, on its contents.
    void showHelp();
    // "&Voir le cours": the course, which from now on is also what F1 opens.
    void showCourse();
    // F1 in any window of the program.
    void showForF1();
    QString helpFileForF1() const;

    // Makes F1 pressed anywhere in the application call showForF1(); the controller must
    // outlive the application's event loop or be destroyed first, which removes the filter.
    void installF1Handler(QCoreApplication& application);

    // The viewer of a file, once it has been shown successfully; null before.
    HelpWindow* window(HelpFile file) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void show(HelpFile file);

    QString m_applicationDirectory;
    MessageService& m_messages;
    HelpFileRule m_rule;
    std::unique_ptr<HelpWindow> m_helpWindow;
    std::unique_ptr<HelpWindow> m_courseWindow;
};

} // namespace dosarium
