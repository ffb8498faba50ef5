// The start-up window: command bar, cupboard, label, hint line and the exercise text area.
#pragma once

#include "calculator/calculatorsession.h"
#include "configurations/configurationcontroller.h"
#include "exercises/exercisehost.h"
#include "richtext/rtfcodec.h"
#include "workbench/qttextdialogs.h"

#include <QHash>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextDocument;
class QTextEdit;

namespace dosarium {

class BenchModel;
class BenchView;
class EtiquetteWidget;
class ExerciseMenu;
class ExerciseSession;
class HelpController;
class MessageService;
class PictureButton;
class PlacardWidget;

class WorkbenchWindow : public QWidget, public ExerciseHost {
    Q_OBJECT

  public:
    WorkbenchWindow(MessageService& messages, const QString& applicationDirectory,
                    QWidget* parent = nullptr);

    // Runs the start-up sequence: marker, size rule, welcome text, cupboard, first label, hint.
    void load();

    // Pins the window at 800 × 600 in the centre of a screen narrower than 850 pixels.
    void applyNarrowScreenRule(const QSize& screen);

    void setHint(const QString& hint);
    QString hint() const;

    ExerciseMenu& exercises() const { return *m_exercises; }
    // The exercise text that `supertext` and `fich` show.
    ExerciseSession& exerciseSession() const { return *m_exerciseSession; }

    // What only this window gives the exercise window and its commands.
    QTextCursor exerciseTextCursor() const override;
    void setBusy(bool busy) override;
    QWidget* hostWindow() override { return this; }
    QWidget* exerciseButton() override;

    QPushButton* commandButton(const char* objectName) const;
    BenchModel& bench() const { return *m_bench; }
    HelpController& help() const { return *m_help; }
    ConfigurationController& configurations() { return m_configurations; }
    BenchView& benchView() const { return *m_benchView; }
    PlacardWidget* placard() const { return m_placard; }
    EtiquetteWidget* etiquette() const { return m_etiquette; }
    QTextEdit* supertext() const { return m_supertext; }
    QLineEdit* fich() const { return m_fich; }
    QTextEdit* resultWriting() const { return m_resultWriting; }

  signals:
    // The close was confirmed and the marker says the program is closed; the program ends.
    void unloaded();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createCommandBar();
    void createHintLine();
    void createExerciseArea();
    void createResultWritingBox();
    void showHintOnHover(QWidget* widget, const QString& hint);
    void mirrorBench();
    void mirrorExerciseSession();
    // Fills `supertext` with the welcome text, shown from its start.
    void buildWelcomeText(QTextDocument& document);

    MessageService& m_messages;
    QString m_applicationDirectory;
    PlacardWidget* m_placard;
    EtiquetteWidget* m_etiquette;
    BenchModel* m_bench;
    BenchView* m_benchView;
    HelpController* m_help;
    // One for the run: it remembers the path of the last file saved or opened.
    ConfigurationController m_configurations;
    RtfCodec m_rtfCodec;
    QtTextDialogs m_textDialogs{this};
    ExerciseSession* m_exerciseSession = nullptr;
    ExerciseMenu* m_exercises = nullptr;
    QTextEdit* m_resultWriting = nullptr;
    QLabel* m_info = nullptr;
    PictureButton* m_exerciseButton = nullptr;
    QLineEdit* m_fich = nullptr;
    QTextEdit* m_supertext = nullptr;
    QHash<QObject*, QString> m_hints;
    // Expression, answer and memory last while the program runs.
    CalculatorSession m_calculator;
};

} // namespace dosarium
