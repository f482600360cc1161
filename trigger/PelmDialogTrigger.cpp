// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/PelmDialogTrigger.h"

#include "platform/PlatformServices.h"
#include "res/SharedResources.h"
#include "trigger/rules/LevelColours.h"
#include "trigger/rules/RapidTriggerControls.h"
#include "trigger/rules/TriggerRanges.h"
#include "trigger/rules/TriggerTexts.h"
#include "ui/SkinGeometry.h"

#include <QPainter>
#include <QPlainTextEdit>

namespace {

// The information box in design units: left 20, top 43, 140 wide and 48 high.
constexpr int kBoxLeft = 20;
constexpr int kBoxTop = 43;
constexpr int kBoxWidth = 140;
constexpr int kBoxHeight = 48;
constexpr int kBoxFont = 13;

// The markers under a key: each 10 design units wide, 5 high, 2 apart from the key's middle.
constexpr float kMarkerOuter = 12.0F;
constexpr float kMarkerInner = 2.0F;
constexpr float kMarkerHeight = 5.0F;

int cut(float value) {
    return static_cast<int>(value);
}

QColor colourOf(Rgb colour) {
    return {redOf(colour), greenOf(colour), blueOf(colour)};
}

// A filled rectangle with a one-pixel outline in one colour, from (left, top) up to but not including
// (right, bottom).
void drawMarker(QPainter& painter, int left, int top, int right, int bottom, Rgb colour) {
    if (right <= left || bottom <= top)
        return;
    painter.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), colourOf(colour));
}

QString withNativeLineEnds(const std::string& text) {
    QString converted = QString::fromStdString(text);
    converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return converted;
}

} // namespace

PelmDialogTrigger::PelmDialogTrigger(const WindowContext& context, QWidget* parent)
    : KeyboardWindow(context, kRapidTriggerWindow, keyboardScheme(HoverLook::IdsBelow100, false), parent) {
    setObjectName(QStringLiteral("rapidTriggerDialog"));
    setWindowTitle(QStringLiteral("QelEC Rapid Trigger"));
    informationBox_ = new QPlainTextEdit(this);
    informationBox_->setObjectName(QStringLiteral("triggerInformationBox"));
    informationBox_->setReadOnly(true);
    informationBox_->setFrameShape(QFrame::NoFrame);
    informationBox_->setFocusPolicy(Qt::NoFocus);
    informationBox_->setContextMenuPolicy(Qt::NoContextMenu);
    informationBox_->setTextInteractionFlags(Qt::NoTextInteraction);
    informationBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    informationBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette colours = informationBox_->palette();
    colours.setBrush(QPalette::Base, context.resources.darkBrush());
    colours.setColor(QPalette::Text, QColor(255, 111, 0));
    informationBox_->setPalette(colours);
    informationBox_->hide();
}

WindowOpener::Runner PelmDialogTrigger::runner() {
    return [](const WindowContext& context, QWidget* parent, int /*argument*/) {
        PelmDialogTrigger dialog(context, parent);
        return dialog.exec();
    };
}

void PelmDialogTrigger::onInit() {
    placeInformationBox();
    showInformation(std::string(TriggerTexts::informationIntro(store().language)));
    takeWorkingCopyFrom(store().triggerValues);
    selectAll_ = false;
}

void PelmDialogTrigger::placeInformationBox() {
    const float s = scale();
    const auto at = [s](int value) { return SkinGeometry::scaled(value, s); };
    informationBox_->setGeometry(at(kBoxLeft), 1 + at(kBoxTop), at(kBoxWidth), 1 + at(kBoxHeight));
    informationBox_->setFont(resources().fonts().font(at(kBoxFont)));
    informationBox_->document()->setDocumentMargin(2);
    informationBox_->show();
}

// The working copy holds the travels as the keys show them, so that OK and Write store exactly what
// was shown even for a table that arrived out of range.
void PelmDialogTrigger::takeWorkingCopyFrom(const PerKeyTriples& values) {
    working_ = values;
    for (int key = kFirstKey; key <= kLastKey; ++key)
        working_[static_cast<std::size_t>(key)] =
            TriggerRanges::repairedTravels(working_[static_cast<std::size_t>(key)]);
}

// ---- marks ----

void PelmDialogTrigger::onKeyClick(int keyIndex) {
    setKeySelected(keyIndex, !isKeySelected(keyIndex));
}

void PelmDialogTrigger::clearMarks() {
    for (int key = kFirstKey; key <= kLastKey; ++key)
        setKeySelected(key, false);
    selectAll_ = false;
}

// The first press marks every key, the second clears every mark, those made by hand included.
void PelmDialogTrigger::toggleSelectAll() {
    const bool mark = !selectAll_;
    for (int key = kFirstKey; key <= kLastKey; ++key)
        setKeySelected(key, mark);
    selectAll_ = mark;
    update();
}

// ---- commands ----

void PelmDialogTrigger::onCommand(int id) {
    using enum RapidTriggerControlId;
    switch (static_cast<RapidTriggerControlId>(id)) {
    case Close:
    case Cancel:
        endDialog(kResultCancel);
        break;
    case SelectAll:
        toggleSelectAll();
        break;
    case Set:
        setMarkedKeys();
        break;
    case Read:
        readFromKeyboard();
        break;
    case Write:
        writeToKeyboard();
        break;
    case Ok:
        store().triggerValues = working_;
        endDialog(kResultOk);
        break;
    case Track:
        openWindow(WindowId::Track);
        update();
        break;
    default:
        break;
    }
}

// The fine-adjust window starts from the first marked key's values; on OK every marked key takes
// what it chose and the marks go, on Cancel the marks stay.
void PelmDialogTrigger::setMarkedKeys() {
    int firstMarked = 0;
    for (int key = kFirstKey; key <= kLastKey && firstMarked == 0; ++key)
        firstMarked = isKeySelected(key) ? key : 0;
    if (firstMarked == 0)
        return;
    CConfigStore& shared = store();
    shared.triggerAdjust = TriggerRanges::intoAdjustRange(working_[static_cast<std::size_t>(firstMarked)]);
    if (openWindow(WindowId::FineAdjust) != kResultOk)
        return;
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        if (isKeySelected(key))
            working_[static_cast<std::size_t>(key)] = shared.triggerAdjust;
    }
    clearMarks();
    update();
}

// A failed read leaves the working copy as it was; marks and the Select-All toggle go either way.
void PelmDialogTrigger::readFromKeyboard() {
    clearMarks();
    const int result = runTransfer(Transfer::kReadTriggers);
    if (result == kResultOk)
        takeWorkingCopyFrom(store().triggerValues);
    reportTransfer(result);
    update();
}

void PelmDialogTrigger::writeToKeyboard() {
    clearMarks();
    store().triggerValues = working_;
    reportTransfer(runTransfer(Transfer::kWriteTriggers));
    update();
}

void PelmDialogTrigger::reportTransfer(int result) {
    const char* text = nullptr;
    if (result == kResultOk)
        text = kDone;
    else if (result == kResultCancel || result == Transfer::kFailed)
        text = kFailed;
    if (text != nullptr)
        platform().showMessage(this, QString::fromUtf8(text), {}, MessageButtons::Ok, MessageIcon::None);
}

// ---- drawing ----

// The information box's three lines on one line, and whether the key is marked.
std::string PelmDialogTrigger::keyDescription(int keyIndex) const {
    std::string text =
        TriggerTexts::information(store().language, working_[static_cast<std::size_t>(keyIndex)]);
    for (std::size_t lineEnd = text.find("\r\n"); lineEnd != std::string::npos; lineEnd = text.find("\r\n"))
        text.replace(lineEnd, 2, "; ");
    return text + spokenMark(isKeySelected(keyIndex), store().language);
}

void PelmDialogTrigger::paintKey(QPainter& painter, int keyIndex, const QRect& rect) {
    const TriggerTriple& values = working_[static_cast<std::size_t>(keyIndex)];
    const float s = scale();
    const int centre = rect.left() + rect.width() / 2;
    const int bottom = rect.top() + rect.height();
    const int top = cut(static_cast<float>(bottom) - kMarkerHeight * s);
    drawMarker(painter, cut(static_cast<float>(centre) - kMarkerOuter * s), top, centre - 2, bottom,
               LevelColours::of(values[TriggerRanges::kUpper]));
    drawMarker(painter, cut(static_cast<float>(centre) + kMarkerInner * s), top,
               cut(static_cast<float>(centre) + kMarkerOuter * s), bottom,
               LevelColours::of(values[TriggerRanges::kLower]));
}

void PelmDialogTrigger::paintInWindowPixels(QPainter& painter) {
    KeyboardWindow::paintInWindowPixels(painter);
    const int key = hoveredKey();
    if (key > 0)
        showInformation(TriggerTexts::information(store().language, working_[static_cast<std::size_t>(key)]));
}

// The box is given a new text only when its text changes, so it never flickers.
void PelmDialogTrigger::showInformation(std::string text) {
    if (text == informationText_)
        return;
    informationText_ = std::move(text);
    informationBox_->setPlainText(withNativeLineEnds(informationText_));
    ++informationWrites_;
}

std::span<const SpokenWidgetName> PelmDialogTrigger::widgetNames() const {
    return kRapidTriggerWidgetNames;
}
