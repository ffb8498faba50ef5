// The running program: French translations, the message service and the workbench window.
#pragma once

#include "ui/qtmessageservice.h"
#include "ui/startuppreparation.h"
#include "workbench/qtfrench.h"
#include "workbench/workbenchwindow.h"

class QApplication;

namespace dosarium {

class Program {
  public:
    // Loads the translations and builds the workbench; start() shows it.
    explicit Program(QApplication& application);

    WorkbenchWindow& workbench() { return m_workbench; }

    // Runs the workbench's start-up and shows it.
    void start();

  private:
    // Started first: it works while the window is being built.
    StartupPreparation m_preparation;
    // Installed before any window exists.
    QtFrench m_qtFrench;
    QtMessageService m_messages;
    WorkbenchWindow m_workbench;
};

} // namespace dosarium
