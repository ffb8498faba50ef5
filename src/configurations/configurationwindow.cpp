#include "configurations/configurationwindow.h"

#include "configurations/configurationtexts.h"
#include "configurations/locationlists.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace dosarium {

ConfigurationWindow::ConfigurationWindow(ConfigurationController& controller,
                                         MessageService& messages, QWidget* workbench,
                                         const QString& name, const QString& caption,
                                         const QString& command, ListsStart start)
    : QDialog(workbench), m_controller(controller), m_messages(messages),
      m_lists(new LocationLists(this, configurationtexts::filePattern, std::move(start.drives),
                                start.directory)),
      m_command(new QPushButton(command, this)),
      m_cancel(new QPushButton(configurationtexts::cancelButton, this))
{
    setObjectName(name);
    setWindowTitle(caption);
    setModal(true);
    setFixedSize(460, 330);
    m_command->setObjectName(QStringLiteral("Command1"));
    m_cancel->setObjectName(QStringLiteral("Command2"));
    m_command->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    const QPoint corner = workbench ? workbench->frameGeometry().topLeft() : QPoint();
    move(corner + QPoint(20, 20));
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QLabel* ConfigurationWindow::labelFor(const QString& text, QWidget* box)
{
    auto* label = new QLabel(text, this);
    label->setBuddy(box);
    box->setAccessibleName(text);
    return label;
}

QHBoxLayout* ConfigurationWindow::buttonRow()
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_command);
    buttons->addWidget(m_cancel);
    return buttons;
}

void ConfigurationWindow::placeLists(QGridLayout* layout, const QString& filesLabel,
                                     const QString& directoryLabel, int filesRow)
{
    layout->addWidget(labelFor(filesLabel, m_lists->fileList()), filesRow, 0);
    layout->addWidget(m_lists->fileList(), filesRow + 1, 0, 3, 1);
    layout->addWidget(labelFor(directoryLabel, m_lists->directoryList()), 0, 1);
    layout->addWidget(m_lists->directoryList(), 1, 1, filesRow + 1, 1);
    layout->addWidget(labelFor(configurationtexts::driveLabel, m_lists->driveList()), filesRow + 2,
                      1);
    layout->addWidget(m_lists->driveList(), filesRow + 3, 1);
    layout->setRowStretch(filesRow + 1, 1);
}

} // namespace dosarium
