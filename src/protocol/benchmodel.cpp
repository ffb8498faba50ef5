#include "protocol/benchmodel.h"

#include "protocol/benchnames.h"
#include "protocol/instruments.h"
#include "protocol/pictures.h"
#include "protocol/protocoltexts.h"
#include "protocol/resultcomputation.h"
#include "protocol/resulttext.h"
#include "ui/messageservice.h"

#include <array>

namespace dosarium {
namespace {

struct BottlePlace {
    QPoint position;
    QSize size;
};

constexpr int placardHeight = 225;

const std::array<BottlePlace, bench::bottleCount> bottlePlaces = {{
    {{40, 56}, {67, 152}},
    {{100, 40}, {52, 148}},
    {{160, 56}, {67, 152}},
    {{272, 80}, {67, 117}},
    {{336, 88}, {67, 117}},
    {{468, 40}, {67, 152}},
    {{528, 64}, {67, 145}},
    {{592, 56}, {67, 145}},
    {{664, 56}, {67, 152}},
}};

const QColor measureChoiceColour(0, 0, 200);
const QColor measureChoiceHoverColour(255, 0, 0);

// The places the glassware returns to for every new choice.
constexpr QPoint fioleHome(136, 56);
constexpr int eprouvetteHomeLeft = 192;
constexpr int pipjaugHomeLeft = 256;
constexpr int pipgradHomeLeft = 288;
// The tall glassware stands below the guidance line (8 to 24), which stays readable above it.
constexpr int tallGlasswareTop = 26;
constexpr int upDown1Top = 192;
// The beaker stands on the balance plate.
constexpr QPoint becherPlace(180, 84);

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
    add(conseil, WidgetKind::Label, {16, 8}, {737, 17});
    w(conseil).caption = texts::chooseReagent;
    w(conseil).visible = true;

    for (int i = 0; i < bottleCount; ++i) {
        const QString name = bottle(i);
        add(name, WidgetKind::Picture, bottlePlaces[i].position, bottlePlaces[i].size);
        BenchWidget& b = w(name);
        b.visible = true;
        b.picture = pictures::bottle(i);
        b.pointingHand = true;
        if (const Reagent* r = Catalogue::reagent(i))
            b.accessibleName = texts::bottleAccessible.arg(r->name);
    }

    add(choisi, WidgetKind::Picture, {24, 53}, {67, 152});
    add(measureChoice(0), WidgetKind::Label, {112, 80}, {150, 17});
    add(measureChoice(1), WidgetKind::Label, {112, 112}, {150, 17});
    for (int i = 0; i < 2; ++i) {
        BenchWidget& choice = w(measureChoice(i));
        choice.caption = i == 0 ? texts::massMeasure : texts::volumeMeasure;
        choice.textColor = measureChoiceColour;
        choice.pointingHand = true;
        choice.accessibleName = choice.caption;
    }

    add(balance, WidgetKind::Picture, {160, 136}, {128, 64});
    w(balance).picture = pictures::balance;
    add(vdemont, WidgetKind::Picture, {176, 124}, {96, 16});
    w(vdemont).picture = pictures::watchGlass;
    add(sucre, WidgetKind::Picture, {196, 106}, {56, 24});
    w(sucre).picture = pictures::solidHeap;
    add(becher, WidgetKind::Picture, becherPlace, {64, 56});
    w(becher).picture = pictures::beakerEmpty;
    // The read-out lies in the balance's display window.
    add(Labelmasse, WidgetKind::Label, {178, 165}, {56, 17});
    w(Labelmasse).caption = instruments::massReadout(0, m_locale);
    w(Labelmasse).textColor = QColor(170, 255, 170);
    add(HScroll1, WidgetKind::Slider, {104, 204}, {200, 17});
    {
        BenchWidget& slider = w(HScroll1);
        slider.maximum = instruments::balanceMaximum;
        slider.singleStep = instruments::balanceArrowStep;
        slider.pageStep = instruments::balanceTrackStep;
        slider.accessibleName = texts::massSliderAccessible;
    }
    add(masse, WidgetKind::Button, {320, 200}, {65, 23});
    w(masse).caption = texts::validate;
    w(masse).accessibleName = texts::validateMass;

    add(fiole, WidgetKind::Picture, fioleHome, {57, 129});
    w(fiole).picture = pictures::volumetricFlask;
    w(fiole).toolTip = texts::fioleTip;
    add(eprouvette, WidgetKind::Picture, {eprouvetteHomeLeft, tallGlasswareTop}, {41, 177});
    w(eprouvette).picture = pictures::graduatedCylinder;
    w(eprouvette).toolTip = texts::eprouvetteTip;
    add(pipjaug, WidgetKind::Picture, {pipjaugHomeLeft, tallGlasswareTop}, {25, 185});
    w(pipjaug).picture = pictures::volumetricPipette;
    w(pipjaug).toolTip = texts::pipjaugTip;
    add(pipgrad, WidgetKind::Picture, {pipgradHomeLeft, tallGlasswareTop}, {25, 185});
    w(pipgrad).picture = pictures::graduatedPipette;
    w(pipgrad).toolTip = texts::pipgradTip;
    for (const QString& name : {fiole, eprouvette, pipjaug, pipgrad}) {
        w(name).accessibleName = w(name).toolTip;
        w(name).pointingHand = true;
    }

    add(Labelprel, WidgetKind::Label, {260, 88}, {64, 17});
    add(UpDown2, WidgetKind::SpinSelector, {262, 107}, {17, 30});
    w(UpDown2).accessibleName = texts::sampleSelectorAccessible;
    add(validprel, WidgetKind::Button, {270, 150}, {65, 23});
    w(validprel).caption = texts::validate;
    w(validprel).accessibleName = texts::validateSample;

    add(fiolefinale, WidgetKind::Picture, {392, 32}, {57, 129});
    add(labelvol, WidgetKind::Label, {392, 168}, {64, 17});
    add(UpDown1, WidgetKind::SpinSelector, {392, upDown1Top}, {17, 30});
    {
        BenchWidget& flask = w(UpDown1);
        flask.maximum = instruments::flaskMaximum;
        flask.value = instruments::flaskStart;
        flask.accessibleName = texts::flaskSelectorAccessible;
    }
    add(validvol, WidgetKind::Button, {416, 196}, {65, 23});
    w(validvol).caption = texts::validate;
    w(validvol).accessibleName = texts::validateFlask;
    add(pissette, WidgetKind::Picture, {464, 112}, {56, 96});
    w(pissette).picture = pictures::washBottle;

    add(resultat, WidgetKind::RichText, {536, 8}, {217, 209});
    w(resultat).accessibleName = texts::resultAccessible;
}

BenchWidget& BenchModel::w(const QString& name)
{
    Q_ASSERT(m_widgets.contains(name));
    return m_widgets[name];
}

const BenchWidget& BenchModel::widget(const QString& name) const
{
    static const BenchWidget none;
    auto it = m_widgets.constFind(name);
    return it == m_widgets.cend() ? none : *it;
}

QStringList BenchModel::visibleWidgets() const
{
    QStringList names;
    for (const QString& name : m_order) {
        if (m_widgets.value(name).visible)
            names.append(name);
    }
    return names;
}

void BenchModel::add(const QString& name, WidgetKind kind, QPoint position, QSize size)
{
    BenchWidget widget;
    widget.kind = kind;
    widget.position = position;
    widget.size = size;
    m_widgets.insert(name, widget);
    m_order.append(name);
}

void BenchModel::show(const QString& name, bool visible)
{
    w(name).visible = visible;
}

void BenchModel::setCaption(const QString& name, const QString& caption)
{
    w(name).caption = caption;
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

void BenchModel::requestLabelRepaint()
{
    ChangeScope scope(*this);
    m_labelRepaintPending = true;
}

// Selectors

void BenchModel::setPosition(const QString& name, int value, bool notify)
{
    BenchWidget& selector = w(name);
    if (value < selector.minimum || value > selector.maximum || value == selector.value)
        return;
    selector.value = value;
    if (!notify)
        return;
    if (name == bench::HScroll1)
        HScroll1_Change();
    else if (name == bench::UpDown1)
        UpDown1_Change();
    else if (name == bench::UpDown2)
        UpDown2_Change();
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
    m_pictogram = reagent->hazard;
    m_label2 = Catalogue::kindText(reagent->kind);
    m_label1 = reagent->name;
    if (m_state.reagentIndex != index) {
        m_state.reagentIndex = qint16(index);
        m_labelRepaintPending = true;
    }
}

void BenchModel::liquide_Click(int index)
{
    using namespace bench;
    ChangeScope scope(*this);
    m_state.protocolStep = ProtocolStep::Sampling;
    m_undoEnabled = true;
    const bool known = index >= 0 && index < bottleCount;
    if (known) {
        w(choisi).picture = w(bottle(index)).picture;
        // The image takes the size of the picture it shows.
        w(choisi).size = w(bottle(index)).size;
        w(choisi).accessibleName = w(bottle(index)).accessibleName;
    }
    for (int i = 0; i < bottleCount; ++i)
        hide(bottle(i));
    for (const QString& name : {fiole, eprouvette, pipjaug, pipgrad})
        w(name).pointingHand = true;
    w(fiole).position = fioleHome;
    w(eprouvette).position.setX(eprouvetteHomeLeft);
    w(pipjaug).position.setX(pipjaugHomeLeft);
    w(pipgrad).position.setX(pipgradHomeLeft);
    w(choisi).position.setY(placardHeight - w(choisi).size.height() - 20);
    show(choisi);
    setPosition(HScroll1, 0, true);

    const int reagent = m_state.reagentIndex;
    if (Catalogue::isPureLiquid(reagent)) {
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
    w(becher).position = becherPlace;
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
    for (const QString& name : {choisi, balance, Labelmasse, HScroll1, vdemont, sucre, becher,
                                masse, fiolefinale, validvol, labelvol, resultat})
        hide(name);
    m_saveEnabled = false;
    for (const QString& name : {pissette, eprouvette, pipjaug, pipgrad, fiole, Labelprel, UpDown1,
                                UpDown2, validprel, measureChoice(0), measureChoice(1)})
        hide(name);
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

void BenchModel::selectGlassware(SamplingTool tool)
{
    using namespace bench;
    const QString chosen = tool == SamplingTool::VolumetricFlask     ? fiole
                           : tool == SamplingTool::GraduatedCylinder ? eprouvette
                           : tool == SamplingTool::VolumetricPipette ? pipjaug
                                                                     : pipgrad;
    m_state.samplingTool = tool;
    setConseil(texts::setVolume);
    w(chosen).pointingHand = false;
    for (const QString& name : {fiole, eprouvette, pipjaug, pipgrad}) {
        if (name != chosen)
            hide(name);
    }
    switch (tool) {
    case SamplingTool::VolumetricFlask:
        w(fiole).position = {196, 32};
        w(Labelprel).position = {203, 160};
        w(UpDown2).position = {203, w(UpDown1).position.y()};
        break;
    case SamplingTool::GraduatedCylinder:
        w(Labelprel).position = {260, 88};
        w(UpDown2).position = {262, 107};
        w(validprel).position.setX(270);
        break;
    case SamplingTool::VolumetricPipette:
    case SamplingTool::GraduatedPipette:
        w(chosen).position.setX(222);
        w(Labelprel).position = {250, 108};
        w(UpDown2).position = {252, 127};
        w(validprel).position.setX(270);
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

void BenchModel::fiole_Click()
{
    ChangeScope scope(*this);
    selectGlassware(SamplingTool::VolumetricFlask);
}

void BenchModel::eprouvette_Click()
{
    ChangeScope scope(*this);
    selectGlassware(SamplingTool::GraduatedCylinder);
}

void BenchModel::pipjaug_Click()
{
    ChangeScope scope(*this);
    selectGlassware(SamplingTool::VolumetricPipette);
}

void BenchModel::pipgrad_Click()
{
    ChangeScope scope(*this);
    selectGlassware(SamplingTool::GraduatedPipette);
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
        w(becher).picture = position > 0 ? pictures::beakerFilled : pictures::beakerEmpty;
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
    if (const std::optional<float> volume = instruments::flaskVolumeAt(upDown1Position()))
        m_state.flaskVolume = *volume;
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
    switch (checkPreparation(m_state)) {
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
    const std::optional<PreparationResult> result = computeResult(m_state);
    resulttext::write(m_result, reagent ? reagent->resultPhrase : QString(), result, m_locale);
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
