#include "protocol/benchmodel.h"

#include "colour/tubecolour.h"
#include "protocol/instruments.h"
#include "protocol/protocoltexts.h"
#include "protocol/resultcomputation.h"
#include "protocol/resulttext.h"
#include "ui/messageservice.h"

namespace dosarium {
namespace {

const QColor measureChoiceColour(0, 0, 200);
const QColor measureChoiceHoverColour(255, 0, 0);

// "1,00 · 10⁻³", as the result shows a concentration, in running text.
QString concentrationFigures(double concentration, const QLocale& locale)
{
    const benchnumbers::Scientific c =
        benchnumbers::scientific(concentration, benchnumbers::doubleDigits, locale);
    if (c.exponent == 0)
        return c.mantissa;
    return c.mantissa + texts::resultPowerOfTen + benchnumbers::superscript(c.exponent);
}

// The prepared solution's colour as the rack's tubes show it; none for a colourless solution, nor
// when the colour tables cannot be read.
QColor liquidColour(const MotherSolution& mother)
{
    const Chromophore chromophore = chromophoreOf(mother.reagentIndex);
    if (chromophore == Chromophore::None)
        return {};
    const std::optional<TubeColour> c = standardTubeColour(chromophore, mother.concentration);
    return c ? QColor(c->srgb.red, c->srgb.green, c->srgb.blue) : QColor();
}

} // namespace

// Emits changed() once when the outermost handler returns.
class BenchModel::ChangeScope {
  public:
    explicit ChangeScope(BenchModel& model) : m_model(model) { ++m_model.m_depth; }
    ~ChangeScope()
    {
        if (--m_model.m_depth == 0) {
            if (m_model.m_labelRepaintPending) {
                m_model.m_labelRepaintPending = false;
                emit m_model.labelRepaintRequested(m_model.m_state.reagentIndex);
            }
            emit m_model.changed();
        }
    }
    ChangeScope(const ChangeScope&) = delete;
    ChangeScope& operator=(const ChangeScope&) = delete;

  private:
    BenchModel& m_model;
};

BenchModel::BenchModel(MessageService& messages, const QLocale& locale, QObject* parent)
    : QObject(parent), m_messages(messages), m_locale(locale), m_windowCaption(texts::windowTitle)
{
    using namespace bench;
    for (int part = 0; part < partCount; ++part) {
        const Place& place = table[part];
        BenchWidget& widget = m_widgets[part];
        widget.kind = place.kind;
        widget.position = place.home;
        widget.size = place.size;
        widget.picture = picturePath(place.picture);
    }
    w(conseil).caption = texts::chooseReagent;
    w(conseil).visible = true;

    for (int i = 0; i < bottleCount; ++i) {
        BenchWidget& b = w(bottle(i));
        b.visible = true;
        b.pointingHand = true;
        if (const Reagent* r = Catalogue::reagent(i))
            b.accessibleName = texts::bottleAccessible.arg(r->name);
    }

    for (int i = 0; i < 2; ++i) {
        BenchWidget& choice = w(measureChoice(i));
        choice.caption = i == 0 ? texts::massMeasure : texts::volumeMeasure;
        choice.textColor = measureChoiceColour;
        choice.pointingHand = true;
        choice.accessibleName = choice.caption;
    }

    w(Labelmasse).caption = instruments::massReadout(0, m_locale);
    w(Labelmasse).textColor = QColor(170, 255, 170);
    {
        BenchWidget& slider = w(HScroll1);
        slider.maximum = instruments::balanceMaximum;
        slider.singleStep = instruments::balanceArrowStep;
        slider.pageStep = instruments::balanceTrackStep;
        slider.accessibleName = texts::massSliderAccessible;
    }
    w(masse).caption = texts::validate;
    w(masse).accessibleName = texts::validateMass;

    w(fiole).toolTip = texts::fioleTip;
    w(eprouvette).toolTip = texts::eprouvetteTip;
    w(pipjaug).toolTip = texts::pipjaugTip;
    w(pipgrad).toolTip = texts::pipgradTip;
    for (const Part part : {fiole, eprouvette, pipjaug, pipgrad}) {
        w(part).accessibleName = w(part).toolTip;
        w(part).pointingHand = true;
    }

    w(UpDown2).accessibleName = texts::sampleSelectorAccessible;
    w(validprel).caption = texts::validate;
    w(validprel).accessibleName = texts::validateSample;

    {
        BenchWidget& flask = w(UpDown1);
        flask.maximum = instruments::flaskMaximum;
        flask.value = instruments::flaskStart;
        flask.accessibleName = texts::flaskSelectorAccessible;
    }
    w(validvol).caption = texts::validate;
    w(validvol).accessibleName = texts::validateFlask;

    w(resultat).accessibleName = texts::resultAccessible;
    w(resultat).toolTip = texts::useAsMotherSolutionTip;
}

QStringList BenchModel::visibleWidgets() const
{
    QStringList names;
    for (int part = 0; part < bench::partCount; ++part) {
        if (m_widgets[part].visible)
            names.append(bench::name(bench::Part(part)));
    }
    return names;
}

void BenchModel::show(bench::Part part, bool visible)
{
    w(part).visible = visible;
}

void BenchModel::setCaption(bench::Part part, const QString& caption)
{
    w(part).caption = caption;
}

void BenchModel::setConseil(const QString& text)
{
    setCaption(bench::conseil, text);
}

void BenchModel::setInfo(const QString& text)
{
    ChangeScope scope(*this);
    m_info = text;
}

void BenchModel::setWindowCaption(const QString& caption)
{
    ChangeScope scope(*this);
    m_windowCaption = caption;
}

void BenchModel::keepReagent(int index)
{
    // Nothing on the bench shows the index before a hover or a click.
    if (index >= 0 && index < bench::bottleCount) {
        m_state.reagentIndex = qint16(index);
        m_labelShowsMother = false;
    }
}

void BenchModel::requestLabelRepaint()
{
    ChangeScope scope(*this);
    m_labelRepaintPending = true;
}

// Selectors

void BenchModel::setPosition(bench::Part part, int value, bool notify)
{
    BenchWidget& selector = w(part);
    if (value < selector.minimum || value > selector.maximum || value == selector.value)
        return;
    selector.value = value;
    if (!notify)
        return;
    switch (part) {
    case bench::HScroll1:
        HScroll1_Change();
        break;
    case bench::UpDown1:
        UpDown1_Change();
        break;
    case bench::UpDown2:
        UpDown2_Change();
        break;
    default:
        break;
    }
}

void BenchModel::setHScroll1Position(int position)
{
    ChangeScope scope(*this);
    setPosition(bench::HScroll1, position, true);
}

void BenchModel::setUpDown1Position(int position)
{
    ChangeScope scope(*this);
    setPosition(bench::UpDown1, position, true);
}

void BenchModel::setUpDown2Position(int position)
{
    ChangeScope scope(*this);
    setPosition(bench::UpDown2, position, true);
}

int BenchModel::hScroll1Position() const
{
    return widget(bench::HScroll1).value;
}
int BenchModel::upDown1Position() const
{
    return widget(bench::UpDown1).value;
}
int BenchModel::upDown2Position() const
{
    return widget(bench::UpDown2).value;
}

// The cupboard

void BenchModel::liquide_MouseMove(int index, int, int, float, float)
{
    ChangeScope scope(*this);
    m_info = texts::bottleHint;
    const Reagent* reagent = Catalogue::reagent(index);
    if (!reagent)
        return;
    showLabel(index, Catalogue::kindText(reagent->kind), false);
}

void BenchModel::showLabel(int reagentIndex, const QString& kindText, bool prepared)
{
    const Reagent* reagent = Catalogue::reagent(reagentIndex);
    // The stock's pictograms are not the diluted solution's.
    m_pictogram = prepared ? Hazard::None : reagent->hazard;
    m_label2 = kindText;
    m_label1 = reagent->name;
    // The same reagent's lines are drawn again only when the label changes between the cupboard's
    // bottle and the prepared one.
    if (m_state.reagentIndex != reagentIndex || m_labelShowsMother != prepared) {
        m_state.reagentIndex = qint16(reagentIndex);
        m_labelShowsMother = prepared;
        m_labelRepaintPending = true;
    }
}

void BenchModel::liquide_Click(int index)
{
    ChangeScope scope(*this);
    m_sampledMother.reset();
    const bool known = index >= 0 && index < bench::bottleCount;
    takeBottle(known ? std::optional(bench::bottle(index)) : std::nullopt);
}

void BenchModel::flaconmere_MouseMove()
{
    ChangeScope scope(*this);
    m_info = texts::bottleHint;
    if (m_motherSolution)
        showLabel(m_motherSolution->reagentIndex, texts::motherSolutionKind, true);
}

void BenchModel::flaconmere_Click()
{
    ChangeScope scope(*this);
    if (!m_motherSolution)
        return;
    m_sampledMother = m_motherSolution;
    m_state.reagentIndex = qint16(m_motherSolution->reagentIndex);
    takeBottle(bench::flaconmere);
}

std::optional<PreparedLabel> BenchModel::preparedLabel() const
{
    if (!m_labelShowsMother || !m_motherSolution)
        return std::nullopt;
    return PreparedLabel{
        concentrationFigures(m_motherSolution->concentration, m_locale),
        benchnumbers::hundredthsWithOneDecimal(m_motherSolution->uncertainty, m_locale) +
            QStringLiteral(" %"),
        texts::motherSolutionHazards};
}

bool BenchModel::canUseAsMotherSolution() const
{
    return m_state.protocolStep == ProtocolStep::Prepared && widget(bench::resultat).visible &&
           m_lastResult.has_value();
}

void BenchModel::useAsMotherSolution()
{
    ChangeScope scope(*this);
    if (!canUseAsMotherSolution())
        return;
    setMotherSolution(
        {m_state.reagentIndex, m_lastResult->concentration, m_lastResult->uncertainty});
    Command3_Click();
}

void BenchModel::setMotherSolution(const MotherSolution& mother)
{
    using namespace bench;
    m_motherSolution = mother;
    BenchWidget& bottle = w(flaconmere);
    bottle.picture = flaskPicturePath(m_state.flaskVolume > 0 ? m_state.flaskVolume : 100.0f);
    bottle.liquid = liquidColour(mother);
    bottle.pointingHand = true;
    const Reagent* reagent = Catalogue::reagent(mother.reagentIndex);
    bottle.toolTip =
        texts::motherSolutionName.arg(reagent ? reagent->resultPhrase : QString(),
                                      concentrationFigures(mother.concentration, m_locale) +
                                          texts::resultUnit + benchnumbers::superscript(-1));
    bottle.accessibleName = texts::bottleAccessible.arg(bottle.toolTip);
    // The label shown may be the earlier mother solution's.
    if (m_labelShowsMother)
        m_labelRepaintPending = true;
}

void BenchModel::takeBottle(std::optional<bench::Part> shown)
{
    using namespace bench;
    m_state.protocolStep = ProtocolStep::Sampling;
    m_undoEnabled = true;
    if (shown) {
        w(choisi).picture = w(*shown).picture;
        w(choisi).liquid = w(*shown).liquid;
        // The image takes the size of the picture it shows.
        w(choisi).size = w(*shown).size;
        w(choisi).accessibleName = w(*shown).accessibleName;
    }
    for (int i = 0; i < bottleCount; ++i)
        hide(bottle(i));
    hide(flaconmere);
    for (const Part part : {fiole, eprouvette, pipjaug, pipgrad})
        w(part).pointingHand = true;
    // The glassware returns to its place for every new choice.
    w(fiole).position = place(fiole).home;
    for (const Part part : {eprouvette, pipjaug, pipgrad})
        w(part).position.setX(place(part).home.x());
    w(choisi).position.setY(cupboardHeight - w(choisi).size.height() - chosenBottleMargin);
    show(choisi);
    setPosition(HScroll1, 0, true);

    const int reagent = m_state.reagentIndex;
    // A mother solution is a solution, whatever its solute.
    if (m_sampledMother) {
        setConseil(texts::chooseGlassware);
        show(fiole);
        show(pipjaug);
        show(pipgrad);
        show(eprouvette);
    } else if (Catalogue::isPureLiquid(reagent)) {
        setConseil(texts::whichSampling);
        show(measureChoice(0));
        show(measureChoice(1));
    } else if (Catalogue::isPureSolid(reagent)) {
        m_state.samplingTool = SamplingTool::Balance;
        show(balance);
        show(Labelmasse);
        setConseil(texts::setMass);
        show(vdemont);
        show(HScroll1);
        show(masse);
    } else {
        setConseil(texts::chooseGlassware);
        show(fiole);
        show(pipjaug);
        show(pipgrad);
        show(eprouvette);
    }
}

void BenchModel::Label3_Click(int index)
{
    using namespace bench;
    ChangeScope scope(*this);
    hide(measureChoice(0));
    hide(measureChoice(1));
    if (index != 0) {
        setConseil(texts::chooseGlassware);
        show(fiole);
        show(pipjaug);
        show(pipgrad);
        show(eprouvette);
        return;
    }
    w(becher).position = bench::place(becher).home;
    m_state.samplingTool = SamplingTool::Balance;
    show(becher);
    HScroll1_Scroll();
    show(balance);
    show(Labelmasse);
    setConseil(texts::setMass);
    show(HScroll1);
    show(masse);
}

void BenchModel::Label3_MouseMove(int index)
{
    ChangeScope scope(*this);
    for (int i = 0; i < 2; ++i)
        w(bench::measureChoice(i)).textColor =
            i == index ? measureChoiceHoverColour : measureChoiceColour;
}

void BenchModel::placard_MouseMove()
{
    ChangeScope scope(*this);
    switch (m_state.protocolStep) {
    case ProtocolStep::NoPreparation:
        m_info = texts::hintNoPreparation;
        break;
    case ProtocolStep::Sampling:
    case ProtocolStep::FlaskChoice:
        m_info = texts::hintGoOn + w(bench::conseil).caption;
        break;
    case ProtocolStep::Prepared:
        m_info = texts::hintPrepared;
        break;
    }
    for (int i = 0; i < 2; ++i)
        w(bench::measureChoice(i)).textColor = measureChoiceColour;
}

void BenchModel::Command3_Click()
{
    using namespace bench;
    ChangeScope scope(*this);
    m_windowCaption = texts::windowTitle;
    m_undoEnabled = false;
    for (int i = 0; i < bottleCount; ++i)
        show(bottle(i));
    show(flaconmere, m_motherSolution.has_value());
    for (const Part part : {choisi, balance, Labelmasse, HScroll1, vdemont, sucre, becher, masse,
                            fiolefinale, validvol, labelvol, resultat})
        hide(part);
    m_saveEnabled = false;
    for (const Part part : {pissette, eprouvette, pipjaug, pipgrad, fiole, Labelprel, UpDown1,
                            UpDown2, validprel, measureChoice(0), measureChoice(1)})
        hide(part);
    setConseil(texts::chooseReagent);
    m_state.protocolStep = ProtocolStep::NoPreparation;
}

void BenchModel::Command4_Click()
{
    ChangeScope scope(*this);
    switch (m_state.protocolStep) {
    case ProtocolStep::NoPreparation:
        break;
    case ProtocolStep::Sampling:
        Command3_Click();
        break;
    case ProtocolStep::FlaskChoice:
        Command3_Click();
        if (m_sampledMother)
            flaconmere_Click();
        else
            liquide_Click(m_state.reagentIndex);
        break;
    case ProtocolStep::Prepared:
        hide(bench::pissette);
        hide(bench::resultat);
        m_saveEnabled = false;
        if (m_state.samplingTool != SamplingTool::Balance)
            validprel_Click();
        else
            masse_Click();
        break;
    }
}

// Sampling instruments

void BenchModel::selectGlassware(const bench::Instrument& glassware)
{
    using namespace bench;
    const SamplingTool tool = glassware.tool;
    const Part chosen = glassware.part;
    m_state.samplingTool = tool;
    setConseil(texts::setVolume);
    w(chosen).pointingHand = false;
    for (const Part part : {fiole, eprouvette, pipjaug, pipgrad}) {
        if (part != chosen)
            hide(part);
    }
    switch (tool) {
    case SamplingTool::VolumetricFlask:
        w(fiole).position = flaskChosen;
        w(Labelprel).position = flaskSampleReadout;
        w(UpDown2).position = {flaskSampleReadout.x(), w(UpDown1).position.y()};
        break;
    case SamplingTool::GraduatedCylinder:
        w(Labelprel).position = cylinderSampleReadout;
        w(UpDown2).position = cylinderSampleSelector;
        w(validprel).position.setX(place(validprel).home.x());
        break;
    case SamplingTool::VolumetricPipette:
    case SamplingTool::GraduatedPipette:
        w(chosen).position.setX(pipetteChosenLeft);
        w(Labelprel).position = pipetteSampleReadout;
        w(UpDown2).position = pipetteSampleSelector;
        w(validprel).position.setX(place(validprel).home.x());
        break;
    case SamplingTool::Balance:
        break;
    }
    // A result on the bench no longer describes a sample that is being set again.
    if (w(resultat).visible) {
        hide(resultat);
        hide(pissette);
        m_saveEnabled = false;
    }
    const instruments::Glassware range = instruments::glassware(tool);
    setPosition(UpDown2, 0, true);
    w(UpDown2).maximum = range.maximum;
    setPosition(UpDown2, range.start, true);
    show(Labelprel);
    show(UpDown2);
    show(validprel);
}

void BenchModel::glassware_Click(bench::Part part)
{
    ChangeScope scope(*this);
    if (const bench::Instrument* glassware = bench::glasswareAt(part))
        selectGlassware(*glassware);
}

void BenchModel::fiole_Click()
{
    glassware_Click(bench::fiole);
}

void BenchModel::eprouvette_Click()
{
    glassware_Click(bench::eprouvette);
}

void BenchModel::pipjaug_Click()
{
    glassware_Click(bench::pipjaug);
}

void BenchModel::pipgrad_Click()
{
    glassware_Click(bench::pipgrad);
}

void BenchModel::UpDown2_Change()
{
    ChangeScope scope(*this);
    // Only the four pieces of glassware read this selector.
    if (instruments::glassware(m_state.samplingTool).maximum == 0)
        return;
    const std::optional<float> volume =
        instruments::sampledVolumeAt(m_state.samplingTool, upDown2Position());
    if (volume)
        m_state.sampledVolume = *volume;
    setCaption(bench::Labelprel, instruments::sampledVolumeReadout(
                                     m_state.samplingTool, m_state.sampledVolume, m_locale));
}

void BenchModel::updateBalance()
{
    using namespace bench;
    const int position = hScroll1Position();
    setCaption(Labelmasse, instruments::massReadout(position, m_locale));
    m_state.sampledMass = instruments::sampledMassAt(position);
    if (!w(becher).visible)
        show(sucre, position > 0);
    else
        w(becher).picture = picturePath(position > 0 ? beakerFilled : place(becher).picture);
}

void BenchModel::HScroll1_Scroll()
{
    ChangeScope scope(*this);
    updateBalance();
}

void BenchModel::HScroll1_Change()
{
    ChangeScope scope(*this);
    updateBalance();
}

void BenchModel::HScroll1_GotFocus()
{
    ChangeScope scope(*this);
    m_info = texts::hintSlider;
}

void BenchModel::masse_Click()
{
    ChangeScope scope(*this);
    if (hScroll1Position() == 0)
        return;
    m_state.protocolStep = ProtocolStep::FlaskChoice;
    hide(bench::masse);
    hide(bench::HScroll1);
    openFlaskChoice();
}

void BenchModel::validprel_Click()
{
    ChangeScope scope(*this);
    m_state.protocolStep = ProtocolStep::FlaskChoice;
    hide(bench::validprel);
    hide(bench::UpDown2);
    openFlaskChoice();
}

void BenchModel::openFlaskChoice()
{
    using namespace bench;
    w(fiolefinale).picture = w(fiole).picture;
    show(fiolefinale);
    setConseil(texts::chooseFlask);
    show(UpDown1);
    setPosition(UpDown1, instruments::flaskStart, true);
    UpDown1_Change();
    show(validvol);
    show(labelvol);
}

// The flask and the result

void BenchModel::UpDown1_Change()
{
    ChangeScope scope(*this);
    if (const std::optional<float> volume = instruments::flaskVolumeAt(upDown1Position())) {
        m_state.flaskVolume = *volume;
        w(bench::fiolefinale).picture = bench::flaskPicturePath(*volume);
    }
    setCaption(bench::labelvol, instruments::flaskVolumeReadout(m_state.flaskVolume, m_locale));
}

void BenchModel::UpDown1_MouseMove()
{
    ChangeScope scope(*this);
    m_info = texts::hintFlaskSelector;
}

void BenchModel::validvol_Click()
{
    ChangeScope scope(*this);
    m_state.protocolStep = ProtocolStep::Prepared;
    const MotherSolution* mother = m_sampledMother ? &*m_sampledMother : nullptr;
    switch (checkPreparation(m_state, mother)) {
    case Refusal::Solubility:
        m_messages.inform(texts::solubilityRefusal, texts::refusalTitle, MessageIcon::Critical);
        return;
    case Refusal::SampleVolume:
        m_messages.inform(texts::sampleVolumeRefusal, texts::refusalTitle, MessageIcon::Critical);
        return;
    case Refusal::SoluteVolume:
        m_messages.inform(texts::soluteVolumeRefusal, texts::refusalTitle, MessageIcon::Critical);
        return;
    case Refusal::None:
        break;
    }
    reportPreparation();
}

void BenchModel::reportPreparation()
{
    using namespace bench;
    setConseil(texts::prepared);
    hide(UpDown1);
    hide(validvol);
    show(pissette);
    const Reagent* reagent = Catalogue::reagent(m_state.reagentIndex);
    const QString phrase = reagent ? reagent->resultPhrase : QString();
    const std::optional<PreparationResult> result =
        computeResult(m_state, m_sampledMother ? &*m_sampledMother : nullptr);
    m_lastResult = result;
    resulttext::write(m_result, phrase, result, m_locale);
    if (result) {
        resulttext::writeMassConcentrationAndWriting(m_resultWriting, *result, m_state.reagentIndex,
                                                     m_locale);
        if (m_sampledMother)
            resulttext::appendMotherSolution(m_resultWriting, *result, *m_sampledMother, m_locale);
    } else {
        m_resultWriting.clear();
    }
    show(resultat);
    m_saveEnabled = true;
    // The result is on screen before the warning is.
    if (result && needsImprecisionWarning(result->uncertainty)) {
        emit changed();
        m_messages.inform(texts::imprecisionWarning, texts::imprecisionTitle,
                          MessageIcon::Information);
    }
}

} // namespace dosarium
