// The exercise window `Fichexo`: the list of exercise files, the preview of the selected one and
// the opening of its statement and configuration.
#pragma once

#include "configurations/locationlistsmodel.h"

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace dosarium {

class ExerciseCommands;
class LocationLists;
class PictureButton;

// The heading `tito`, painted character by character.
class ExerciseHeadingBox : public QWidget {
  public:
    explicit ExerciseHeadingBox(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

class ExerciseWindow : public QDialog {
    Q_OBJECT

  public:
    // Covers `workbench` exactly; the lists start in `applicationDirectory`.
    ExerciseWindow(ExerciseCommands& commands, QWidget* workbench,
                   const QString& applicationDirectory,
                   QList<Drive> drives = LocationListsModel::mountedDrives());

    LocationLists* lists() const { return m_lists; }
    QLineEdit* fichierexo() const { return m_fichierexo; }
    QLabel* titratexo() const { return m_titratexo; }
    QPlainTextEdit* Text1() const { return m_text1; }
    QLabel* correctedLabel() const { return m_label2; } // `Label2`; `Label3` is its shadow
    QLabel* correctedShadow() const { return m_label3; }
    QLabel* mark(int index) const { return m_marks[index]; }
    bool markLit(int index) const { return m_lit[index]; }
    QLabel* intratro() const { return m_intratro; }
    PictureButton* ouvreur() const { return m_ouvreur; }
    PictureButton* Image5() const { return m_image5; }
    QFrame* Frame2() const { return m_frame2; }

    // A file of the list clicked: it becomes the selected exercise and is previewed.
    void File1_Click(const QString& name);
    void apercu();
    // `ouvreur`, a double click or Enter in the file list.
    void ouvreur_Click();

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void createPreview(QWidget* frame);

    ExerciseCommands& m_commands;
    ExerciseHeadingBox* m_tito;
    QFrame* m_frame;
    LocationLists* m_lists;
    QLineEdit* m_fichierexo;
    QLabel* m_intratro = nullptr;
    QLabel* m_titratexo = nullptr;
    QLabel* m_label1 = nullptr;
    QPlainTextEdit* m_text1 = nullptr;
    QLabel* m_label4 = nullptr;
    std::array<QLabel*, 3> m_marks{};
    std::array<bool, 3> m_lit{};
    QLabel* m_label2 = nullptr;
    QLabel* m_label3 = nullptr;
    PictureButton* m_ouvreur = nullptr;
    PictureButton* m_image5 = nullptr;
    QFrame* m_frame2;
    bool m_previewCorrected = false;
};

} // namespace dosarium
