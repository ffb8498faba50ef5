// The rack's commands that talk to the student: pouring the bench's solution, saving and opening
// the rack's file, each with its message.
#pragma once

#include "rack/rackmodel.h"

#include <QString>

namespace dosarium {

class BenchModel;
class MessageService;
class TextDialogs;

class RackCommands {
  public:
    RackCommands(RackModel& rack, MessageService& messages, TextDialogs& dialogs);

    RackModel& rack() { return m_rack; }

    // Pours the solution the bench shows into a new tube; a refusal says why. True when poured.
    bool pourFromBench(const BenchModel& bench);
    // Through the file dialogs; a refused file changes nothing and says why.
    void save();
    void open();
    bool saveTo(const QString& path);
    bool openFrom(const QString& path);

    // What the verdict line says about the rack's bracket; empty without one.
    QString verdictText() const;

  private:
    RackModel& m_rack;
    MessageService& m_messages;
    TextDialogs& m_dialogs;
};

QString verdictText(BracketVerdict verdict, const RackContent& rack);

} // namespace dosarium
