#include "configurations/saveconfigurationwindow.h"

#include "configurations/configurationcontroller.h"
#include "configurations/configurationtexts.h"
#include "configurations/configurationwindowframe.h"
#include "configurations/locationlists.h"
#include "configurations/savename.h"
#include "ui/messageservice.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace dosarium {

namespace texts = configurationtexts;

SaveConfigurationWindow::SaveConfigurationWindow(ConfigurationController& controller,
                                                 MessageService& messages, QWidget* workbench)
    : SaveConfigurationWindow(controller, messages, workbench, LocationListsModel::mountedDrives(),
                              QDir::currentPath())
{}

SaveConfigurationWindow::SaveConfigurationWindow(ConfigurationController& controller,
                                                 MessageService& messages, QWidget* workbench,
                                                 QList<Drive> drives, const QString& directory)
    : QDialog(workbench), m_controller(controller), m_messages(messages),
      m_lists(new LocationLists(this, texts::filePattern, std::move(drives), directory)),
      m_name(new QLineEdit(this)), m_save(new QPushButton(texts::saveButton, this)),
      m_cancel(new QPushButton(texts::cancelButton, this))
{
    frameConfigurationWindow(*this, QStringLiteral("enregistrer"), texts::saveWindowCaption, m_save,
                             m_cancel);
    m_name->setObjectName(QStringLiteral("Text1"));
    const auto labelFor = [this](const QString& text, QWidget* box) {
        return namingLabel(text, box, this);
    };
    auto* layout = new QGridLayout(this);
    layout->addWidget(labelFor(texts::nameLabel, m_name), 0, 0);
    layout->addWidget(m_name, 1, 0);
    layout->addWidget(labelFor(texts::savedFilesLabel, m_lists->fileList()), 2, 0);
    layout->addWidget(m_lists->fileList(), 3, 0, 3, 1);
    layout->addWidget(labelFor(texts::saveDirectoryLabel, m_lists->directoryList()), 0, 1);
    layout->addWidget(m_lists->directoryList(), 1, 1, 3, 1);
    layout->addWidget(labelFor(texts::driveLabel, m_lists->driveList()), 4, 1);
    layout->addWidget(m_lists->driveList(), 5, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons, 6, 0, 1, 2);
    layout->setRowStretch(3, 1);
    m_lists->fileList()->setMinimumSize(200, 160);
    m_lists->directoryList()->setMinimumSize(200, 160);
    setFixedSize(460, 330);
    move(configurationWindowPosition(workbench));

    m_name->setText(controller.configPath());

    connect(m_save, &QPushButton::clicked, this, &SaveConfigurationWindow::saveCommand);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_name, &QLineEdit::returnPressed, this, &SaveConfigurationWindow::saveCommand);
    connect(m_lists, &LocationLists::directoryChanged, this,
            [this] { m_name->setText(SaveName::withoutDirectory(m_name->text())); });
    connect(m_lists, &LocationLists::fileDoubleClicked, this, [this](const QString& name) {
        m_name->setText(name);
        saveCommand();
    });
}

void SaveConfigurationWindow::saveCommand()
{
    setCursor(Qt::WaitCursor);
    const std::optional<QString> path = SaveName::resolve(m_name->text(), m_lists->directory());
    if (!path) {
        unsetCursor();
        m_messages.inform(texts::nameMissing, texts::saveImpossibleTitle, MessageIcon::Critical);
        return;
    }
    m_name->setText(*path);
    m_controller.setConfigPath(*path);
    QDir::setCurrent(m_lists->directory());

    if (QFileInfo::exists(*path) &&
        !m_messages.confirmYes(texts::overwriteQuestion, texts::overwriteTitle,
                               MessageIcon::Exclamation)) {
        unsetCursor();
        return;
    }
    const bool saved = m_controller.write(*path);
    unsetCursor();
    if (saved)
        accept();
}

} // namespace dosarium
