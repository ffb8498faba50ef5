// What the open and save windows share: a modal window beside the workbench, its two buttons, and
// labels that name their boxes.
#pragma once

#include <QPoint>
#include <QString>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

namespace dosarium {

// Where a configuration window stands: 20 pixels right of and below the workbench's corner.
QPoint configurationWindowPosition(const QWidget* workbench);

// Names the modal window and its caption, and its buttons `Command1` and `Command2`, which the
// Return key does not press.
void frameConfigurationWindow(QDialog& window, const QString& name, const QString& caption,
                              QPushButton* command, QPushButton* cancel);

// A label for `box` that also names the box, so that a screen reader says what the box is for
// (lists take no name from a buddy label).
QLabel* namingLabel(const QString& text, QWidget* box, QWidget* parent);

} // namespace dosarium
