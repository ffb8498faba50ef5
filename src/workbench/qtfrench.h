// Qt's own French for its standard buttons and dialogs, completed with the words its catalogue
// lacks (the file dialogs' file types).
#pragma once

#include <QTranslator>

namespace dosarium {

class QtFrench {
  public:
    // Installs the translations into the application; they stay installed while this lives.
    QtFrench();

  private:
    QTranslator m_qtbase;
    QTranslator m_complement;
};

} // namespace dosarium
