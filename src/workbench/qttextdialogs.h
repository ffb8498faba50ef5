// The save, open and printer dialogs of the exercise commands, as Qt's own dialogs (in French
// whatever the desktop).
#pragma once

#include "ui/textdialogs.h"

#include <QPointer>
#include <QPrinter>
#include <QWidget>
#include <memory>

namespace dosarium {

class QtTextDialogs : public TextDialogs {
  public:
    explicit QtTextDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    std::optional<QString> saveFileName(const FileFilter& filter,
                                        const QString& defaultSuffix) override;
    std::optional<QString> openFileName(const FileFilter& filter,
                                        const QString& initialName) override;
    QPagedPaintDevice* choosePrinter(const QString& documentName) override;

  private:
    QPointer<QWidget> m_parent;
    // Made on the first print: setting up a printer loads the print system.
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace dosarium
