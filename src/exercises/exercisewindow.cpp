#include "exercises/exercisewindow.h"

#include "configurations/locationlists.h"
#include "exercises/exercisecommands.h"
#include "exercises/exerciseheading.h"
#include "exercises/exercisepictures.h"
#include "exercises/exercisetexts.h"
#include "ui/picturebutton.h"
#include "ui/svgpixmap.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>

namespace dosarium {
namespace {

constexpr int headingHeight = 56;
constexpr int previewLeft = 300;
const QColor headingBackground(0, 0, 110);

} // namespace

ExerciseHeadingBox::ExerciseHeadingBox(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tito"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, headingBackground);
    setPalette(colours);
}

void ExerciseHeadingBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), headingBackground);
    QFont heading = font();
    heading.setPointSize(24);
    heading.setBold(true);
    painter.setFont(heading);
    const QFontMetrics metrics(heading);
    const QString& text = ExerciseTexts::heading;
    const QList<QColor> colours = headingColours(int(text.size()));
    const int top = (height() - metrics.height()) / 2 - 2;
    int x = 30;
    for (int i = 0; i < text.size(); ++i) {
        painter.setPen(colours[i]);
        painter.drawText(x, top + metrics.ascent(), QString(text[i]));
        x += metrics.horizontalAdvance(text[i]);
    }
}

ExerciseWindow::ExerciseWindow(ExerciseCommands& commands, QWidget* workbench,
                               const QString& applicationDirectory, QList<Drive> drives)
    : QDialog(workbench), m_commands(commands), m_tito(new ExerciseHeadingBox(this)),
      m_frame(new QFrame(this)),
      m_lists(new LocationLists(m_frame, ExerciseTexts::filePattern, std::move(drives),
                                applicationDirectory)),
      m_fichierexo(new QLineEdit(m_frame)), m_frame2(new QFrame(this))
{
    setObjectName(QStringLiteral("Fichexo"));
    setModal(true);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    if (workbench) {
        setWindowTitle(workbench->windowTitle());
        setWindowIcon(workbench->windowIcon());
        setGeometry(workbench->geometry());
        setWindowState(workbench->windowState());
    }
    m_frame->setObjectName(QStringLiteral("Frame1"));

    auto* listLabel = new QLabel(ExerciseTexts::listLabel, m_frame);
    listLabel->setGeometry(16, 16, 260, 18);
    m_lists->driveList()->setGeometry(16, 36, 260, 22);
    m_lists->directoryList()->setGeometry(16, 62, 260, 150);
    m_lists->fileList()->setGeometry(16, 216, 260, 230);
    m_fichierexo->setObjectName(QStringLiteral("fichierexo"));
    m_fichierexo->setReadOnly(true);
    createPreview(m_frame);

    m_frame2->setObjectName(QStringLiteral("Frame2"));
    m_frame2->setFrameShape(QFrame::Box);
    m_frame2->setAutoFillBackground(true);
    auto* noticeLayout = new QHBoxLayout(m_frame2);
    auto* picture = new QLabel(m_frame2);
    picture->setPixmap(svgPixmap(ExercisePictures::loading, QSize(32, 32), devicePixelRatioF()));
    noticeLayout->addWidget(picture);
    noticeLayout->addWidget(new QLabel(
        ExerciseTexts::waitTitle + QLatin1Char('\n') + ExerciseTexts::waitLoading, m_frame2));
    m_frame2->resize(280, 64);
    m_frame2->hide();

    // Records read as blank until a file is clicked.
    m_titratexo->clear();
    m_text1->clear();
    resizeEvent(nullptr);

    connect(m_lists, &LocationLists::fileClicked, this, &ExerciseWindow::File1_Click);
    connect(m_lists, &LocationLists::fileDoubleClicked, this, [this] { ouvreur_Click(); });
    connect(m_lists, &LocationLists::fileReturnPressed, this, [this] { ouvreur_Click(); });
    connect(m_ouvreur, &PictureButton::clicked, this, &ExerciseWindow::ouvreur_Click);
    connect(m_image5, &PictureButton::clicked, this, &QDialog::reject);
}

void ExerciseWindow::createPreview(QWidget* frame)
{
    m_intratro = new QLabel(ExerciseTexts::chooseFile, frame);
    m_intratro->setObjectName(QStringLiteral("intratro"));
    m_intratro->setGeometry(previewLeft, 40, 300, 20);

    m_titratexo = new QLabel(frame);
    m_titratexo->setObjectName(QStringLiteral("titratexo"));
    m_titratexo->setGeometry(previewLeft, 36, 470, 48);
    m_titratexo->setWordWrap(true);
    m_titratexo->setFont(QFont(QStringLiteral("Arial"), 14, QFont::Bold));

    m_label1 = new QLabel(ExerciseTexts::notionsLabel, frame);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(previewLeft, 100, 300, 18);
    m_text1 = new QPlainTextEdit(frame);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setGeometry(previewLeft, 120, 470, 84);
    m_text1->setReadOnly(true);
    m_text1->setFont(QFont(QStringLiteral("Arial"), 10));

    m_label4 = new QLabel(ExerciseTexts::difficultyLabel, frame);
    m_label4->setObjectName(QStringLiteral("Label4"));
    m_label4->setGeometry(previewLeft, 222, 300, 18);
    for (int i = 0; i < 3; ++i) {
        m_marks[i] = new QLabel(frame);
        m_marks[i]->setObjectName(QStringLiteral("Image4_%1").arg(i));
        m_marks[i]->setGeometry(previewLeft + i * 30, 244, 24, 24);
        m_marks[i]->hide();
    }

    // `Label3` sits 2 pixels right of and below `Label2`, behind it, as its shadow.
    const QFont corrected(QStringLiteral("Arial"), 14, QFont::Bold);
    m_label3 = new QLabel(frame);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label3->setGeometry(previewLeft + 2, 292, 300, 26);
    m_label3->setFont(corrected);
    m_label3->setStyleSheet(QStringLiteral("color: rgb(128, 128, 128);"));
    m_label2 = new QLabel(frame);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setGeometry(previewLeft, 290, 300, 26);
    m_label2->setFont(corrected);
    m_label2->setStyleSheet(QStringLiteral("color: rgb(0, 0, 200);"));

    m_ouvreur = new PictureButton(frame);
    m_ouvreur->setObjectName(QStringLiteral("ouvreur"));
    m_ouvreur->setGeometry(previewLeft + 240, 350, 48, 48);
    m_ouvreur->setPixmap(
        svgPixmap(ExercisePictures::openButton, QSize(48, 48), devicePixelRatioF()));
    m_ouvreur->setToolTip(ExerciseTexts::openHint);
    m_ouvreur->setAccessibleName(ExerciseTexts::openHint);
    m_ouvreur->setCursor(pointingHandCursor());
    m_image5 = new PictureButton(frame);
    m_image5->setObjectName(QStringLiteral("Image5"));
    m_image5->setGeometry(previewLeft + 320, 350, 48, 48);
    m_image5->setPixmap(
        svgPixmap(ExercisePictures::closeButton, QSize(48, 48), devicePixelRatioF()));
    m_image5->setToolTip(ExerciseTexts::closeHint);
    m_image5->setAccessibleName(ExerciseTexts::closeHint);
    m_image5->setCursor(pointingHandCursor());

    for (QWidget* hidden : {static_cast<QWidget*>(m_label1), static_cast<QWidget*>(m_label4),
                            static_cast<QWidget*>(m_label2), static_cast<QWidget*>(m_label3),
                            static_cast<QWidget*>(m_ouvreur)})
        hidden->hide();
}

void ExerciseWindow::resizeEvent(QResizeEvent* event)
{
    if (event)
        QDialog::resizeEvent(event);
    m_tito->setGeometry(0, 0, width(), headingHeight);
    m_frame->setGeometry(0, headingHeight - 8, width(), height());
    m_fichierexo->setGeometry(16, 456, m_frame->width() - 16 + 2, 22);
    // The box runs past the window's edge: its text ends where the window does, so that the end
    // of a path, the file's name, is always seen.
    const int pastTheEdge = m_fichierexo->geometry().right() - (m_frame->width() - 1);
    m_fichierexo->setTextMargins(0, 0, pastTheEdge + 4, 0);
    m_frame2->move((width() - m_frame2->width()) / 2, (height() - m_frame2->height()) / 2);
}

void ExerciseWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_lists->fileList()->count() > 0) {
        m_lists->selectFile(0);
        m_lists->fileList()->setFocus();
    }
}

void ExerciseWindow::File1_Click(const QString& name)
{
    QString path = m_lists->directory();
    QDir::setCurrent(path);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    m_commands.setExerciseDirectory(path);
    m_fichierexo->setText(path + name);
    m_fichierexo->setToolTip(m_fichierexo->text());
    m_fichierexo->setCursorPosition(int(m_fichierexo->text().size()));
    apercu();
}

void ExerciseWindow::apercu()
{
    m_text1->clear();
    for (QLabel* mark : m_marks)
        mark->hide();
    m_label4->hide();
    m_ouvreur->hide();
    if (m_fichierexo->text().trimmed().isEmpty())
        return;
    m_intratro->hide();
    for (QWidget* shown : {static_cast<QWidget*>(m_label4), static_cast<QWidget*>(m_ouvreur),
                           static_cast<QWidget*>(m_label1), static_cast<QWidget*>(m_label2),
                           static_cast<QWidget*>(m_label3)})
        shown->show();
    const std::optional<ExercisePreview> preview = m_commands.preview(m_fichierexo->text());
    if (!preview)
        return;
    m_previewCorrected = preview->corrected;
    const QString& caption =
        preview->corrected ? ExerciseTexts::corrected : ExerciseTexts::notCorrected;
    m_label2->setText(caption);
    m_label3->setText(caption);
    if (preview->litMarks) {
        for (int i = 0; i < 3; ++i) {
            m_lit[i] = i < *preview->litMarks;
            m_marks[i]->setPixmap(
                svgPixmap(m_lit[i] ? ExercisePictures::markLit : ExercisePictures::markDark,
                          QSize(24, 24), devicePixelRatioF()));
            m_marks[i]->show();
        }
    }
    m_text1->setPlainText(preview->notions);
    if (preview->title)
        m_titratexo->setText(*preview->title);
}

void ExerciseWindow::ouvreur_Click()
{
    if (m_fichierexo->text().trimmed().isEmpty())
        return;
    m_frame2->show();
    m_frame2->raise();
    m_frame2->repaint();
    // Once the statement is in the text, the workbench shows it before the bench's messages.
    const bool opened = m_commands.openExercise(m_fichierexo->text(), m_previewCorrected, [this] {
        hide();
        if (QWidget* workbench = parentWidget()) {
            workbench->activateWindow();
            workbench->repaint();
        }
    });
    m_frame2->hide();
    if (opened)
        accept();
}

} // namespace dosarium
