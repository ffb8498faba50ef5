// A bench for the loader's tests: keeps the preparation state and the selectors the way the
// workbench does (ranges, values recomputed from positions) and records every handler run.
#pragma once

#include "configurations/preparationbench.h"

#include <QStringList>
#include <array>

namespace dosarium::test {

class RecordingBench : public PreparationBench {
  public:
    QStringList calls;
    QString caption = QStringLiteral("Dosarium");
    qint16 reagent = 0;
    float flask = 0;
    float volume = 0;
    qint16 tool = 0;
    float mass = 0;
    int step = 0;
    int upDown1 = 0;
    int upDown2 = 0;
    int upDown2Maximum = 6;
    int hScroll1 = 0;
    bool resultShown = false;

    qint16 reagentIndex() const override { return reagent; }
    void setReagentIndex(qint16 index) override { reagent = index; }
    float flaskVolume() const override { return flask; }
    float sampledVolume() const override { return volume; }
    qint16 samplingTool() const override { return tool; }
    void setSamplingTool(qint16 value) override { tool = value; }
    float sampledMass() const override { return mass; }
    void setSampledMass(float value) override { mass = value; }
    int protocolStep() const override { return step; }
    int upDown1Position() const override { return upDown1; }
    int upDown2Position() const override { return upDown2; }
    int hScroll1Position() const override { return hScroll1; }

    bool setUpDown1Position(int position) override
    {
        calls << QStringLiteral("UpDown1=%1").arg(position);
        return moveUpDown1(position);
    }
    bool moveUpDown1(int position)
    {
        if (position < 0 || position > 6)
            return false;
        upDown1 = position;
        flask = flasks[position];
        return true;
    }
    bool setUpDown2Position(int position) override
    {
        calls << QStringLiteral("UpDown2=%1").arg(position);
        return moveUpDown2(position);
    }
    bool moveUpDown2(int position)
    {
        if (position < 0 || position > upDown2Maximum)
            return false;
        upDown2 = position;
        switch (tool) {
        case 1:
            volume = flasks[position];
            break;
        case 2:
            volume = float(position + 10);
            break;
        case 3:
            volume = pipettes[position];
            break;
        case 4:
            volume = float(position + 10) / 10.0f;
            break;
        default:
            break;
        }
        return true;
    }
    bool setHScroll1Position(int position) override
    {
        calls << QStringLiteral("HScroll1=%1").arg(position);
        return moveHScroll1(position);
    }
    bool moveHScroll1(int position)
    {
        if (position < 0 || position > 20000)
            return false;
        hScroll1 = position;
        mass = float(position) / 100.0f;
        return true;
    }

    void command3_Click() override
    {
        calls << QStringLiteral("Nouveau");
        caption = QStringLiteral("Dosarium");
        step = 0;
        resultShown = false;
    }
    void liquide_MouseMove(int index) override
    {
        calls << QStringLiteral("hover %1").arg(index);
        reagent = qint16(index);
    }
    void liquide_Click(int index) override
    {
        calls << QStringLiteral("bottle %1").arg(index);
        step = 1;
        moveHScroll1(0);
        if (reagent == 3 || reagent == 4)
            tool = 0;
    }
    void Label3_Click(int index) override
    {
        calls << QStringLiteral("Label3 %1").arg(index);
        if (index == 0)
            tool = 0;
    }
    void fiole_Click() override { chooseTool(1, "fiole", 6, 3); }
    void eprouvette_Click() override { chooseTool(2, "eprouvette", 90, 40); }
    void pipjaug_Click() override { chooseTool(3, "pipjaug", 5, 3); }
    void pipgrad_Click() override { chooseTool(4, "pipgrad", 90, 40); }
    void validprel_Click() override
    {
        calls << QStringLiteral("validprel");
        openFlaskChoice();
    }
    void masse_Click() override
    {
        calls << QStringLiteral("masse");
        if (hScroll1 > 0)
            openFlaskChoice();
    }
    void validvol_Click() override
    {
        calls << QStringLiteral("validvol");
        step = 3;
        resultShown = true;
    }
    void setCaption(const QString& text) override { caption = text; }
    void repaintLabel() override { calls << QStringLiteral("etiquette"); }

  private:
    static constexpr std::array<float, 7> flasks{25, 50, 100, 200, 250, 500, 1000};
    static constexpr std::array<float, 6> pipettes{1, 2, 5, 10, 20, 25};

    void chooseTool(qint16 value, const char* name, int maximum, int start)
    {
        calls << QString::fromLatin1(name);
        tool = value;
        moveUpDown2(0);
        upDown2Maximum = maximum;
        moveUpDown2(start);
    }
    void openFlaskChoice()
    {
        step = 2;
        moveUpDown1(3);
    }
};

} // namespace dosarium::test
