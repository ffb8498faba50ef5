#include "configurations/saveconfigurationwindow.h"

#include "configurations/configurationcontroller.h"
#include "configurations/configurationtexts.h"
#include "configurations/locationlists.h"
#include "configurations/savename.h"
#include "ui/messageservice.h"
#include "ui/wholetextlineedit.h"

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
                                                 MessageService& messages, QWidget* workbench,
                                                 ListsStart start)
    : ConfigurationWindow(controller, messages, workbench, QStringLiteral("enregistrer"),
                          texts::saveWindowCaption, texts::saveButton, std::move(start)),
      m_name(new WholeTextLineEdit(this))
{
    m_name->setObjectName(QStringLiteral("Text1"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(labelFor(texts::nameLabel, m_name), 0, 0);
    layout->addWidget(m_name, 1, 0);
    placeLists(layout, texts::savedFilesLabel, texts::saveDirectoryLabel, 2);
    layout->addLayout(buttonRow(), 6, 0, 1, 2);
    m_lists->fileList()->setMinimumSize(200, 160);
    m_lists->directoryList()->setMinimumSize(200, 160);

    m_name->setText(controller.configPath());

    connect(m_command, &QPushButton::clicked, this, &SaveConfigurationWindow::saveCommand);
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
