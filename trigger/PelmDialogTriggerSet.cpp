// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/PelmDialogTriggerSet.h"

#include "model/ConfigStore.h"
#include "res/SharedResources.h"
#include "trigger/TravelGauge.h"
#include "trigger/rules/FineAdjustControls.h"
#include "trigger/rules/TriggerTexts.h"
#include "ui/SkinGeometry.h"

#include <QLineEdit>
#include <QPainter>

namespace {

// Where the three number boxes sit in design units: between the decrease and increase arrows of
// their value. Each is 32 wide and 16 high.
struct BoxPlace {
    const char* objectName;
    int y;
};
constexpr std::array<BoxPlace, 3> kBoxPlaces{{
    {"upperLimitBox", 85},
    {"lowerLimitBox", 128},
    {"thresholdBox", 160},
}};
constexpr int kBoxLeft = 270;
constexpr int kBoxWidth = 32;
constexpr int kBoxHeight = 16;
constexpr int kBoxFont = 13;

SkinScheme fineAdjustScheme() {
    // The scheme's defaults otherwise: selection over hover unless said, every entry hovered, captions
    // after the stretch, scaled label fonts.
    SkinScheme scheme;
    scheme.deferredClickMs = PelmDialogTriggerSet::kDoubleClickWaitMs;
    return scheme;
}

QLineEdit* makeNumberBox(QWidget* parent, const char* name, const QBrush& darkBrush) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setReadOnly(true);
    box->setFrame(false);
    box->setFocusPolicy(Qt::NoFocus);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAlignment(Qt::AlignCenter);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette colours = box->palette();
    colours.setBrush(QPalette::Base, darkBrush);
    colours.setColor(QPalette::Text, QColor(255, 111, 0));
    box->setPalette(colours);
    return box;
}

} // namespace

PelmDialogTriggerSet::PelmDialogTriggerSet(const WindowContext& context, QWidget* parent)
    : SkinnedWindow(context, kFineAdjustWindow, fineAdjustScheme(), parent),
      barPicture_(pictureInSlot(kFineAdjustWindow.pictures.hover)) {
    setObjectName(QStringLiteral("fineAdjustDialog"));
    setWindowTitle(QStringLiteral("QelEC Trigger Fine Adjust"));
    for (std::size_t element = 0; element < boxes_.size(); ++element)
        boxes_[element] = makeNumberBox(this, kBoxPlaces[element].objectName, context.resources.darkBrush());
}

WindowOpener::Runner PelmDialogTriggerSet::runner() {
    return [](const WindowContext& context, QWidget* parent, int /*argument*/) {
        PelmDialogTriggerSet dialog(context, parent);
        return dialog.exec();
    };
}

void PelmDialogTriggerSet::onInit() {
    placeBoxes();
    showValues();
}

void PelmDialogTriggerSet::placeBoxes() {
    const float s = scale();
    const auto at = [s](int value) { return SkinGeometry::scaled(value, s); };
    for (std::size_t element = 0; element < boxes_.size(); ++element) {
        boxes_[element]->setGeometry(at(kBoxLeft), 1 + at(kBoxPlaces[element].y), at(kBoxWidth),
                                     1 + at(kBoxHeight));
        boxes_[element]->setFont(resources().fonts().font(at(kBoxFont)));
    }
}

// Each box is given a new text only when its value changed.
void PelmDialogTriggerSet::showValues() {
    const TriggerTriple& values = session().triggerAdjust;
    const std::array<std::string_view, 3> texts{
        TriggerTexts::travelNumber(values[TriggerRanges::kUpper]),
        TriggerTexts::travelNumber(values[TriggerRanges::kLower]),
        TriggerTexts::thresholdNumber(values[TriggerRanges::kThreshold]),
    };
    for (std::size_t element = 0; element < boxes_.size(); ++element) {
        const QString text =
            QString::fromUtf8(texts[element].data(), static_cast<qsizetype>(texts[element].size()));
        if (boxes_[element]->text() != text)
            boxes_[element]->setText(text);
    }
}

void PelmDialogTriggerSet::onClick(int id) {
    const auto control = static_cast<FineAdjustControlId>(id);
    switch (control) {
    case FineAdjustControlId::Close:
    case FineAdjustControlId::Cancel:
        endDialog(kResultCancel);
        return;
    case FineAdjustControlId::Ok:
        endDialog(kResultOk);
        return;
    default:
        break;
    }
    if (FineAdjustSteps::apply(control, session().triggerAdjust)) {
        showValues();
        update();
    }
}

void PelmDialogTriggerSet::paintInDesignUnits(QPainter& painter) {
    const TriggerTriple& values = session().triggerAdjust;
    const TravelGauge::Span span =
        TravelGauge::spanBetween(values[TriggerRanges::kUpper], values[TriggerRanges::kLower]);
    if (span.height <= 0)
        return;
    const QRect gauge = SkinGeometry::toQRect(kFineAdjustTravelGauge);
    const QRect strip =
        QRect(gauge.left(), gauge.top() + span.top, gauge.width(), span.height).intersected(gauge);
    painter.drawImage(strip.topLeft(), barPicture_, strip);
}

std::vector<SkinGauge> PelmDialogTriggerSet::gauges() const {
    const TriggerTriple& values = session().triggerAdjust;
    return {{.name = kFineAdjustSpanName,
             .area = kFineAdjustTravelGauge,
             .description = TriggerTexts::travelSpan(store().language, values[TriggerRanges::kUpper],
                                                     values[TriggerRanges::kLower]),
             .role = QAccessible::Graphic}};
}

std::span<const SpokenWidgetName> PelmDialogTriggerSet::widgetNames() const {
    return kFineAdjustWidgetNames;
}
