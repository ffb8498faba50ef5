// The bench as saving reads it and loading replays it: the preparation state, the three
// selectors and the handlers a student's clicks run.
#pragma once

#include <QString>

namespace dosarium {

class PreparationBench {
  public:
    virtual ~PreparationBench() = default;

    virtual qint16 reagentIndex() const = 0;
    virtual void setReagentIndex(qint16 index) = 0;
    virtual float flaskVolume() const = 0;
    virtual float sampledVolume() const = 0;
    virtual qint16 samplingTool() const = 0;
    virtual void setSamplingTool(qint16 tool) = 0;
    virtual float sampledMass() const = 0;
    virtual void setSampledMass(float mass) = 0;
    virtual int protocolStep() const = 0;

    // Positions of the flask selector, the sample selector and the mass slider.
    virtual int upDown1Position() const = 0;
    virtual int upDown2Position() const = 0;
    virtual int hScroll1Position() const = 0;
    // Moves a selector as the student would, running its change handler; false, with nothing
    // changed, when the position is outside the selector's current range.
    virtual bool setUpDown1Position(int position) = 0;
    virtual bool setUpDown2Position(int position) = 0;
    virtual bool setHScroll1Position(int position) = 0;

    virtual void command3_Click() = 0; // "&Nouveau"
    virtual void liquide_MouseMove(int index) = 0;
    virtual void liquide_Click(int index) = 0;
    virtual void Label3_Click(int index) = 0;
    virtual void fiole_Click() = 0;
    virtual void eprouvette_Click() = 0;
    virtual void pipjaug_Click() = 0;
    virtual void pipgrad_Click() = 0;
    virtual void validprel_Click() = 0;
    virtual void masse_Click() = 0;
    virtual void validvol_Click() = 0;

    virtual void setCaption(const QString& caption) = 0;
    // Clears the label picture `etiquette` and draws the lines of the current reagent again.
    virtual void repaintLabel() = 0;
};

} // namespace dosarium
