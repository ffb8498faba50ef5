#include "configurations/configurationwindowframe.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace dosarium {

QPoint configurationWindowPosition(const QWidget* workbench)
{
    const QPoint corner = workbench ? workbench->frameGeometry().topLeft() : QPoint();
    return corner + QPoint(20, 20);
}

void frameConfigurationWindow(QDialog& window, const QString& name, const QString& caption,
                              QPushButton* command, QPushButton* cancel)
{
    window.setObjectName(name);
    window.setWindowTitle(caption);
    window.setModal(true);
    command->setObjectName(QStringLiteral("Command1"));
    cancel->setObjectName(QStringLiteral("Command2"));
    command->setAutoDefault(false);
    cancel->setAutoDefault(false);
}

QLabel* namingLabel(const QString& text, QWidget* box, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(box);
    box->setAccessibleName(text);
    return label;
}

} // namespace dosarium
