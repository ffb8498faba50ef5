// The start-up window: command bar, cupboard, label, hint line and the exercise text area.
#pragma once

#include "calculator/calculatorsession.h"
#include "configurations/benchmodeladapter.h"
#include "configurations/configurationcontroller.h"

#include <QHash>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace dosarium {

class BenchModel;
class BenchView;
class EtiquetteWidget;
class HelpController;
class MessageService;
class PictureButton;
class PlacardWidget;

class WorkbenchWindow : public QWidget {
    Q_OBJECT

  public:
    WorkbenchWindow(MessageService& messages, const QString& applicationDirectory,
                    QWidget* parent = nullptr);

    // Runs the start-up sequence: marker, size rule, welcome text, cupboard, first label, hint.
    void load();

    // Pins the window at 800 × 600 in the centre of a screen narrower than 850 pixels.
    void applyNarrowScreenRule(const QSize& screen);

    void showWelcomeText();
    void setHint(const QString& hint);
    QString hint() const;

    bool exerciseTextModified() const { return m_exerciseTextModified; }
    void setExerciseTextModified(bool modified) { m_exerciseTextModified = modified; }

    QPushButton* commandButton(const char* objectName) const;
    BenchModel& bench() const { return *m_bench; }
    HelpController& help() const { return *m_help; }
    ConfigurationController& configurations() { return m_configurations; }
    BenchView& benchView() const { return *m_benchView; }
    PlacardWidget* placard() const { return m_placard; }
    EtiquetteWidget* etiquette() const { return m_etiquette; }
    QTextEdit* supertext() const { return m_supertext; }
    QLineEdit* fich() const { return m_fich; }
    PictureButton* exerciseButton() const { return m_exerciseButton; }

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
    void showHintOnHover(QWidget* widget, const QString& hint);
    void mirrorBench();

    MessageService& m_messages;
    QString m_applicationDirectory;
    PlacardWidget* m_placard;
    EtiquetteWidget* m_etiquette;
    BenchModel* m_bench;
    BenchView* m_benchView;
    HelpController* m_help;
    BenchModelAdapter m_configurationBench;
    // One for the run: it remembers the path of the last file saved or opened.
    ConfigurationController m_configurations;
    QLabel* m_info = nullptr;
    PictureButton* m_exerciseButton = nullptr;
    QLineEdit* m_fich = nullptr;
    QTextEdit* m_supertext = nullptr;
    QHash<QObject*, QString> m_hints;
    bool m_exerciseTextModified = false;
    // Expression, answer and memory last while the program runs.
    CalculatorSession m_calculator;
};

} // namespace dosarium
