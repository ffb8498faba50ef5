// The bench without widgets: what each named widget of the cupboard shows, the preparation state,
// and the handlers that move a preparation from the bottle to the result.
#pragma once

#include "catalogue/labellayout.h"
#include "catalogue/reagent.h"
#include "protocol/benchnumbers.h"
#include "protocol/benchtable.h"
#include "protocol/mothersolution.h"
#include "protocol/preparationstate.h"
#include "protocol/resultcomputation.h"

#include <QColor>
#include <QLocale>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QStringList>
#include <QTextDocument>
#include <array>
#include <optional>

namespace dosarium {

class MessageService;

struct BenchWidget {
    WidgetKind kind = WidgetKind::Picture;
    bool visible = false;
    bool enabled = true;
    QPoint position;
    QSize size;
    QString caption;
    QString picture;  // resource path, empty for none
    QColor liquid;    // the liquid drawn in the picture; invalid: the picture's own
    QColor textColor; // invalid: the widget's own colour
    bool pointingHand = false;
    QString toolTip;
    QString accessibleName;
    int value = 0; // slider and spin selectors
    int minimum = 0;
    int maximum = 0;
    int singleStep = 1;
    int pageStep = 1;
};

class BenchModel : public QObject {
    Q_OBJECT

  public:
    // Numbers on the bench are written with the decimal separator of locale.
    explicit BenchModel(MessageService& messages,
                        const QLocale& locale = benchnumbers::frenchNumbers(),
                        QObject* parent = nullptr);

    const BenchWidget& widget(bench::Part part) const { return m_widgets[part]; }
    // The object names of the parts shown, in stacking order.
    QStringList visibleWidgets() const;

    const QLocale& locale() const { return m_locale; }
    const PreparationState& state() const { return m_state; }
    // Chooses the reagent without the hover's label: a refused file keeps the one read before its
    // failure. An index that names no bottle is ignored.
    void keepReagent(int index);

    QString info() const { return m_info; }
    void setInfo(const QString& text);
    QString windowCaption() const { return m_windowCaption; }
    void setWindowCaption(const QString& caption);
    bool isUndoEnabled() const { return m_undoEnabled; }
    bool isSaveEnabled() const { return m_saveEnabled; }

    // The bottle label box.
    QString label1() const { return m_label1; }
    QString label2() const { return m_label2; }
    Hazard visiblePictogram() const { return m_pictogram; }
    // Clears the drawn label lines and has them drawn again for reagentIndex.
    void requestLabelRepaint();

    // The label lines of a mother solution, while its bottle is the one hovered.
    std::optional<PreparedLabel> preparedLabel() const;

    const QTextDocument& resultDocument() const { return m_result; }
    QTextDocument& resultDocument() { return m_result; }
    // The lines that follow the result, shown in a box of their own beside the bench while the
    // result is; empty when the result has no concentration en masse.
    const QTextDocument& resultWritingDocument() const { return m_resultWriting; }
    QTextDocument& resultWritingDocument() { return m_resultWriting; }

    // Selector positions. Setting one to a new value runs its change handler, as a user's move
    // does; a position outside the selector's range is ignored.
    void setHScroll1Position(int position);
    void setUpDown1Position(int position);
    void setUpDown2Position(int position);
    int hScroll1Position() const;
    int upDown1Position() const;
    int upDown2Position() const;

    // Handlers, named after their control and event.
    void liquide_MouseMove(int index, int button = 0, int shift = 0, float x = 0, float y = 0);
    void liquide_Click(int index);
    void Label3_Click(int index);
    void Label3_MouseMove(int index);
    void placard_MouseMove();
    void Command3_Click();
    void Command4_Click();
    void fiole_Click();
    void eprouvette_Click();
    void pipjaug_Click();
    void pipgrad_Click();
    // The click on the piece of glassware `part` shows, as its own handler runs it; nothing for a
    // part that shows none.
    void glassware_Click(bench::Part part);
    void UpDown2_Change();
    void HScroll1_Scroll();
    void HScroll1_Change();
    void HScroll1_GotFocus();
    void masse_Click();
    void validprel_Click();
    void UpDown1_Change();
    void UpDown1_MouseMove();
    void validvol_Click();

    // A prepared solution kept in a bottle beside the cupboard's, to be diluted again.
    // After a result on the bench, the solution prepared can become the mother solution.
    bool canUseAsMotherSolution() const;
    // Puts the prepared solution in the mother solution's bottle, in place of any earlier one, and
    // starts again with the cupboard, where the bottle now stands.
    void useAsMotherSolution();
    const std::optional<MotherSolution>& motherSolution() const { return m_motherSolution; }
    // The mother solution the preparation on the bench was taken from, if it was.
    const std::optional<MotherSolution>& sampledMotherSolution() const { return m_sampledMother; }
    // The hover and the click on its bottle, as on a cupboard's bottle.
    void flaconmere_MouseMove();
    void flaconmere_Click();

  signals:
    // After every handler (once, however many widgets it touched).
    void changed();
    void labelRepaintRequested(int reagentIndex);

  private:
    class ChangeScope;
    friend class ChangeScope;
    // A saved preparation stores its reagent and mass before its clicks are replayed.
    friend class Preparation;

    BenchWidget& w(bench::Part part) { return m_widgets[part]; }
    void show(bench::Part part, bool visible = true);
    void hide(bench::Part part) { show(part, false); }
    void setCaption(bench::Part part, const QString& caption);
    void setPosition(bench::Part part, int value, bool notify);
    void setConseil(const QString& text);

    void takeBottle(std::optional<bench::Part> shown);
    void showLabel(int reagentIndex, const QString& kindText, bool prepared);
    void setMotherSolution(const MotherSolution& mother);
    void selectGlassware(const bench::Instrument& glassware);
    void updateBalance();
    void openFlaskChoice();
    void reportPreparation();

    MessageService& m_messages;
    QLocale m_locale;
    std::array<BenchWidget, bench::partCount> m_widgets;
    PreparationState m_state;
    QString m_info;
    QString m_windowCaption;
    bool m_undoEnabled = false;
    bool m_saveEnabled = false;
    QString m_label1;
    QString m_label2;
    Hazard m_pictogram = Hazard::None;
    QTextDocument m_result;
    std::optional<PreparationResult> m_lastResult;
    std::optional<MotherSolution> m_motherSolution;
    std::optional<MotherSolution> m_sampledMother;
    bool m_labelShowsMother = false;
    QTextDocument m_resultWriting;
    int m_depth = 0;
    bool m_labelRepaintPending = false;
};

} // namespace dosarium
