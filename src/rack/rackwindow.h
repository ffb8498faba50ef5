// The "Échelle de teintes" window: the rack drawn, its tubes in a list the keyboard and a screen
// reader can walk, and the commands on the rack.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace dosarium {

class BenchModel;
class RackCommands;
class RackPicture;
class TextDialogs;

class RackWindow : public QDialog {
    Q_OBJECT

  public:
    RackWindow(RackCommands& commands, const BenchModel& bench, TextDialogs& dialogs,
               QWidget* parent = nullptr);

  private:
    void mirror();
    void removeCurrent();
    void placeUnknown();
    void showSpectrophotometer();
    void print();

    RackCommands& m_commands;
    const BenchModel& m_bench;
    TextDialogs& m_dialogs;
    RackPicture* m_picture;
    QListWidget* m_tubes;
    QLabel* m_unknown;
    QComboBox* m_first;
    QComboBox* m_second;
    QPushButton* m_place;
    QPushButton* m_remove;
    QLabel* m_verdict;
    QString m_shownVerdict;
};

} // namespace dosarium
