#include "configurations/openconfigurationwindow.h"

#include "configurations/configurationcontroller.h"
#include "configurations/configurationtexts.h"
#include "configurations/locationlists.h"
#include "ui/messageservice.h"
#include "ui/svgpixmap.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace dosarium {

namespace texts = configurationtexts;

OpenConfigurationWindow::OpenConfigurationWindow(ConfigurationController& controller,
                                                 MessageService& messages, QWidget* workbench,
                                                 ListsStart start)
    : ConfigurationWindow(controller, messages, workbench, QStringLiteral("ouvrir"),
                          texts::openWindowCaption, texts::openButton, std::move(start)),
      m_path(new QLineEdit(this)), m_notice(new QFrame(this))
{
    m_path->setObjectName(QStringLiteral("ficharge"));
    m_notice->setObjectName(QStringLiteral("Frame1"));
    m_path->setAccessibleName(texts::pathBoxName);
    auto* layout = new QGridLayout(this);
    placeLists(layout, texts::filesLabel, texts::openDirectoryLabel, 0);
    layout->addWidget(m_path, 4, 0, 1, 2);
    layout->addLayout(buttonRow(), 5, 0, 1, 2);
    m_lists->fileList()->setMinimumSize(200, 180);
    m_lists->directoryList()->setMinimumSize(200, 130);

    // The waiting notice covers the lists while a file loads.
    m_notice->setFrameShape(QFrame::Box);
    m_notice->setAutoFillBackground(true);
    auto* noticeLayout = new QHBoxLayout(m_notice);
    auto* picture = new QLabel(m_notice);
    picture->setPixmap(svgPixmap(QStringLiteral(":/pictures/configurations/loading.svg"),
                                 QSize(32, 32), devicePixelRatioF()));
    noticeLayout->addStretch();
    noticeLayout->addWidget(picture);
    noticeLayout->addSpacing(8);
    noticeLayout->addWidget(new QLabel(texts::loadingNotice, m_notice));
    noticeLayout->addStretch();
    m_notice->setGeometry(90, 120, 280, 60);
    m_notice->hide();

    connect(m_command, &QPushButton::clicked, this, &OpenConfigurationWindow::openCommand);
    connect(m_lists, &LocationLists::fileClicked, this, &OpenConfigurationWindow::fileClicked);
    connect(m_lists, &LocationLists::fileDoubleClicked, this,
            &OpenConfigurationWindow::openCommand);
}

void OpenConfigurationWindow::fileClicked(const QString& name)
{
    QString path = m_lists->directory();
    QDir::setCurrent(path);
    if (!path.endsWith(u'/'))
        path += u'/';
    m_path->setText(path + name);
}

void OpenConfigurationWindow::openCommand()
{
    if (m_path->text().trimmed().isEmpty())
        return;
    const QString path = m_path->text();
    m_controller.setConfigPath(path);
    const QFileInfo file(path);
    if (!file.exists() || file.isDir()) {
        m_messages.inform(texts::noSuchFile, texts::noSuchFileTitle, MessageIcon::Critical);
        return;
    }
    m_notice->show();
    m_notice->raise();
    repaint();
    if (const std::optional<Preparation> preparation =
            m_controller.reset(readConfiguration(path))) {
        hide();
        if (QWidget* workbench = parentWidget())
            workbench->repaint();
        m_controller.apply(*preparation, path);
    }
    accept();
}

} // namespace dosarium
