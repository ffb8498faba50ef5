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

// `widget`, a child of the preview's frame, under its own name at its place.
template <class Widget> Widget* placed(Widget* widget, const QString& name, const QRect& geometry)
{
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

// One of the two picture buttons below the preview, which say what they do as a hint.
PictureButton* previewButton(QWidget* frame, const QString& name, int left, const QString& picture,
                             const QString& hint)
{
    auto* button = placed(new PictureButton(frame), name, QRect(left, 350, 48, 48));
    button->setPixmap(svgPixmap(picture, QSize(48, 48), button->devicePixelRatioF()));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setCursor(pointingHandCursor());
    return button;
}

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
    m_intratro = placed(new QLabel(ExerciseTexts::chooseFile, frame), QStringLiteral("intratro"),
                        QRect(previewLeft, 40, 300, 20));

    m_titratexo =
        placed(new QLabel(frame), QStringLiteral("titratexo"), QRect(previewLeft, 36, 470, 48));
    m_titratexo->setWordWrap(true);
    m_titratexo->setFont(QFont(QStringLiteral("Arial"), 14, QFont::Bold));

    m_label1 = placed(new QLabel(ExerciseTexts::notionsLabel, frame), QStringLiteral("Label1"),
                      QRect(previewLeft, 100, 300, 18));
    m_text1 = placed(new QPlainTextEdit(frame), QStringLiteral("Text1"),
                     QRect(previewLeft, 120, 470, 84));
    m_text1->setReadOnly(true);
    m_text1->setFont(QFont(QStringLiteral("Arial"), 10));

    m_label4 = placed(new QLabel(ExerciseTexts::difficultyLabel, frame), QStringLiteral("Label4"),
                      QRect(previewLeft, 222, 300, 18));
    for (int i = 0; i < 3; ++i) {
        m_marks[i] = placed(new QLabel(frame), QStringLiteral("Image4_%1").arg(i),
                            QRect(previewLeft + i * 30, 244, 24, 24));
        m_marks[i]->hide();
    }

    // `Label3` sits 2 pixels right of and below `Label2`, behind it, as its shadow.
    const QFont corrected(QStringLiteral("Arial"), 14, QFont::Bold);
    m_label3 =
        placed(new QLabel(frame), QStringLiteral("Label3"), QRect(previewLeft + 2, 292, 300, 26));
    m_label3->setFont(corrected);
    m_label3->setStyleSheet(QStringLiteral("color: rgb(128, 128, 128);"));
    m_label2 =
        placed(new QLabel(frame), QStringLiteral("Label2"), QRect(previewLeft, 290, 300, 26));
    m_label2->setFont(corrected);
    m_label2->setStyleSheet(QStringLiteral("color: rgb(0, 0, 200);"));

    m_ouvreur = previewButton(frame, QStringLiteral("ouvreur"), previewLeft + 240,
                              ExercisePictures::openButton, ExerciseTexts::openHint);
    m_image5 = previewButton(frame, QStringLiteral("Image5"), previewLeft + 320,
                             ExercisePictures::closeButton, ExerciseTexts::closeHint);

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
