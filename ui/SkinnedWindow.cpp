// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SkinnedWindow.h"

#include "controls/KeyboardKeys.h"
#include "model/ConfigStore.h"
#include "res/SharedResources.h"
#include "ui/AccessibleAnnouncer.h"
#include "ui/ColourKeyMask.h"
#include "ui/SkinGeometry.h"
#include "ui/SkinKeyboardFocus.h"
#include "ui/SkinWindowAccessible.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

// The platform's text layout flags as the tables write them.
constexpr int kFormatCentre = 0x01;
constexpr int kFormatRight = 0x02;
constexpr int kFormatVerticalCentre = 0x04;
constexpr int kFormatBottom = 0x08;
constexpr int kFormatWordBreak = 0x10;

int textFlagsOf(int textFormat, bool forceCentre) {
    int flags = 0;
    if (forceCentre || (textFormat & kFormatCentre) != 0)
        flags |= Qt::AlignHCenter;
    else if ((textFormat & kFormatRight) != 0)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    if ((textFormat & kFormatVerticalCentre) != 0)
        flags |= Qt::AlignVCenter;
    else if ((textFormat & kFormatBottom) != 0)
        flags |= Qt::AlignBottom;
    else
        flags |= Qt::AlignTop;
    if ((textFormat & kFormatWordBreak) != 0)
        flags |= Qt::TextWordWrap;
    return flags;
}

QColor colourOf(Rgb colour) {
    return {redOf(colour), greenOf(colour), blueOf(colour)};
}

} // namespace

SkinnedWindow::SkinnedWindow(const WindowContext& context, const SkinScheme& scheme,
                             std::span<const ControlSpec> rows, std::size_t tableSize, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), context_(context), scheme_(scheme),
      scale_(SkinGeometry::effectiveScale(context.store.scaleFactor)), drag_(*this),
      timers_([this](int id) { handleTimer(id); }) {
    SkinWindowAccessible::install();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setPictures(scheme.pictures);
    fillTable(rows, tableSize);
    scaleTable();
    setUpFrame();
}

namespace {

SkinScheme withDescribedLooks(SkinScheme scheme, const WindowDescription& description) {
    scheme.pictures = description.pictures;
    scheme.colourKey = description.colourKey;
    return scheme;
}

} // namespace

SkinnedWindow::SkinnedWindow(const WindowContext& context, const WindowDescription& description,
                             SkinScheme scheme, QWidget* parent)
    : SkinnedWindow(context, withDescribedLooks(scheme, description), description.controls(),
                    description.tableSize, parent) {}

SkinnedWindow::~SkinnedWindow() = default;

// A keyboard user finds the keys back where they were: the window that opened another takes the keys
// again when it closes, its frame still on the control that opened it.
int SkinnedWindow::openWindow(WindowId window, int argument) {
    const int result = context_.opener.run(window, context_, this, argument);
    if (SkinKeyboardFocus::keyboardInUse() && isVisible())
        activateWindow();
    return result;
}

void SkinnedWindow::fillTable(std::span<const ControlSpec> rows, std::size_t tableSize) {
    controls_.assign(std::max(tableSize, rows.size()), SkinControl{});
    for (std::size_t index = 0; index < rows.size(); ++index)
        controls_[index] = makeControl(rows[index]);
}

void SkinnedWindow::scaleTable() {
    for (SkinControl& control : controls_) {
        if (control.isLabel) {
            control.fontIndex = SkinGeometry::scaledFont(control.fontIndex, scale_, scheme_.labelFonts);
            if (scheme_.labelsStayInDesignUnits)
                continue;
        }
        control.rect = SkinGeometry::scaledRect(control.rect, scale_);
        if (!control.isLabel && scheme_.buttonsGrowByOne)
            control.rect = SkinGeometry::grownByOne(control.rect);
    }
}

void SkinnedWindow::setUpFrame() {
    const QSize size = SkinGeometry::windowSize(background_.size(), scale_);
    setFixedSize(size.expandedTo(QSize(1, 1)));
    if (!background_.isNull()) {
        setMask(keptStretchedColourKeyMask(background_, size, scheme_.colourKey));
    }
    const QSize screen = context_.screenSize;
    const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    move(owner != nullptr ? SkinGeometry::centredOver(owner->frameGeometry(), size, screen)
                          : SkinGeometry::centredOn(screen, size));
}

void SkinnedWindow::setPictures(const SkinPictures& pictures) {
    scheme_.pictures = pictures;
    background_ = pictureInSlot(pictures.background);
}

StoreSession& SkinnedWindow::session() const {
    return context_.store;
}

const KeyFunctionCatalogue& SkinnedWindow::catalogue() const {
    return context_.store;
}

QImage SkinnedWindow::pictureInSlot(int slot) const {
    return context_.resources.pictures().picture(slot);
}

int SkinnedWindow::exec() {
    initialiseOnce();
    if (endedDuringInit_)
        return result();
    return runModalLoop();
}

int SkinnedWindow::runModalLoop() {
    return QDialog::exec();
}

void SkinnedWindow::showEvent(QShowEvent* event) {
    initialiseOnce();
    nameChildWidgets();
    focus_->enterFirst();
    QDialog::showEvent(event);
    if (endedDuringInit_)
        QMetaObject::invokeMethod(
            this, [this] { done(result()); }, Qt::QueuedConnection);
}

void SkinnedWindow::initialiseOnce() {
    if (initialised_)
        return;
    initialised_ = true;
    initialising_ = true;
    onInit();
    initialising_ = false;
}

void SkinnedWindow::endDialog(int result) {
    if (initialising_) {
        setResult(result);
        endedDuringInit_ = true;
        return;
    }
    done(result);
}

void SkinnedWindow::reject() {
    onCancelRequest();
}

void SkinnedWindow::onCancelRequest() {
    endDialog(kResultCancel);
}

void SkinnedWindow::onDoubleClick(int /*id*/) {}

void SkinnedWindow::onTimer(int /*id*/) {}

void SkinnedWindow::paintInDesignUnits(QPainter& /*painter*/) {}

void SkinnedWindow::paintInWindowPixels(QPainter& /*painter*/) {}

bool SkinnedWindow::takesPart(const SkinControl& control) const {
    return control.id > 0;
}

bool SkinnedWindow::isClickable(const SkinControl& control) const {
    return takesPart(control) && !control.isLabel;
}

std::size_t SkinnedWindow::findById(int id) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [id](const SkinControl& control) { return control.id == id; });
    return found == controls_.end() ? 0 : static_cast<std::size_t>(found - controls_.begin());
}

void SkinnedWindow::setSelectedById(int id, bool selected) {
    if (!controls_.empty())
        controls_[findById(id)].selected = selected;
}

int SkinnedWindow::clickableAt(QPoint point) const {
    for (std::size_t index = 0; index < controls_.size(); ++index) {
        const SkinControl& control = controls_[index];
        if (isClickable(control) && windowRectOf(control).contains(point))
            return static_cast<int>(index);
    }
    return -1;
}

QRect SkinnedWindow::windowRectOf(const SkinControl& control) const {
    if (control.isLabel && scheme_.labelsStayInDesignUnits)
        return SkinGeometry::toQRect(SkinGeometry::scaledRect(control.rect, scale_));
    return SkinGeometry::toQRect(control.rect);
}

QRect SkinnedWindow::designRectOf(const SkinControl& control) const {
    if (control.isLabel && scheme_.labelsStayInDesignUnits)
        return SkinGeometry::toQRect(control.rect);
    return SkinGeometry::designRegion(control.rect, scale_);
}

// Hover: every entry the mouse enters or leaves repaints its own rectangle, nothing else.
void SkinnedWindow::trackHover(QPoint point) {
    lastMouse_ = point;
    for (SkinControl& control : controls_) {
        if (!takesPart(control) || control.isLabel)
            continue;
        const bool inside = windowRectOf(control).contains(point);
        if (inside != control.hovered) {
            control.hovered = inside;
            update(windowRectOf(control));
        }
    }
}

void SkinnedWindow::mouseMoveEvent(QMouseEvent* event) {
    if (drag_.active()) {
        drag_.follow(event->globalPosition().toPoint());
        return;
    }
    trackHover(event->position().toPoint());
}

void SkinnedWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    trackHover(point);
    if (clickableAt(point) < 0)
        drag_.begin(event->globalPosition().toPoint());
}

void SkinnedWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (drag_.active()) {
        drag_.end();
        return;
    }
    const int index = clickableAt(event->position().toPoint());
    if (index >= 0)
        dispatchClick(controls_[static_cast<std::size_t>(index)].id);
}

void SkinnedWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const int index = clickableAt(event->position().toPoint());
    if (index < 0) {
        drag_.begin(event->globalPosition().toPoint());
        return;
    }
    timers_.stop(kDeferredClickTimer);
    pendingClick_ = 0;
    onDoubleClick(controls_[static_cast<std::size_t>(index)].id);
}

void SkinnedWindow::dispatchClick(int id) {
    if (scheme_.deferredClickMs <= 0) {
        onClick(id);
        return;
    }
    pendingClick_ = id;
    timers_.start(kDeferredClickTimer, scheme_.deferredClickMs);
}

void SkinnedWindow::runPendingClick() {
    timers_.stop(kDeferredClickTimer);
    const int id = pendingClick_;
    pendingClick_ = 0;
    if (id > 0)
        onClick(id);
}

void SkinnedWindow::handleTimer(int id) {
    if (id == kDeferredClickTimer)
        runPendingClick();
    else
        onTimer(id);
}

// One design-size picture, one stretch: the window never shows a half-drawn state.
// The design-unit part of the picture that the window rectangle update is stretched from, with a
// margin for the rounding of the stretch, within the picture.
QRect SkinnedWindow::designAreaOf(const QRect& update) const {
    constexpr int kMargin = 2;
    const auto down = [this](int value) { return static_cast<int>(static_cast<float>(value) / scale_); };
    const QRect area(QPoint(down(update.left()) - kMargin, down(update.top()) - kMargin),
                     QPoint(down(update.right() + 1) + kMargin, down(update.bottom() + 1) + kMargin));
    return area.intersected(QRect(QPoint(0, 0), background_.size()));
}

// Only the part of the memory picture the update needs is drawn anew, and only the update region of
// the window is stretched from it; the stretch itself is the same for every region, so the seams
// between a partial repaint and what was painted before are exact.
void SkinnedWindow::paintEvent(QPaintEvent* event) {
    prepareLooks();
    const QSize windowSize = SkinGeometry::windowSize(background_.size(), scale_);
    QPainter window(this);
    if (background_.isNull()) {
        window.fillRect(rect(), Qt::black);
    } else {
        if (memory_.size() != background_.size())
            memory_ = QImage(background_.size(), background_.format());
        const QRect area = designAreaOf(event->rect());
        {
            QPainter design(&memory_);
            design.setCompositionMode(QPainter::CompositionMode_Source);
            design.drawImage(area.topLeft(), background_, area);
            design.setCompositionMode(QPainter::CompositionMode_SourceOver);
            design.setClipRect(area);
            paintLooks(design, area);
            paintInDesignUnits(design);
            if (scheme_.captionPass == CaptionPass::BeforeStretch)
                paintCaptions(design, CaptionPass::BeforeStretch, area);
        }
        window.setClipRegion(event->region());
        window.drawImage(QRect(QPoint(0, 0), windowSize), memory_);
        window.setClipping(false);
    }
    paintInWindowPixels(window);
    if (scheme_.captionPass == CaptionPass::AfterStretch)
        paintCaptions(window, CaptionPass::AfterStretch, event->rect());
    focus_->paintFrame(window);
    window.end();
    if (namedIn_ != context_.store.language)
        nameChildWidgets();
    emit painted();
    announceChanges();
}

void SkinnedWindow::paintLooks(QPainter& design, const QRect& area) const {
    for (const SkinControl& control : controls_) {
        if (!takesPart(control) || control.isLabel)
            continue;
        const QRect region = designRectOf(control).intersected(background_.rect());
        if (!region.intersects(area))
            continue;
        const int slot = lookSlotFor(control);
        if (slot < 0)
            continue;
        // Only the entry's part of a look picture is asked for, so a look is drawn as far as it is
        // shown and never before.
        const QImage look = context_.resources.pictures().area(slot, region);
        if (!look.isNull())
            design.drawImage(region.topLeft(), look);
    }
}

// The slot of the look an entry shows now, or -1 when it shows the background.
int SkinnedWindow::lookSlotFor(const SkinControl& control) const {
    const bool hovered =
        (takesHoverLook(control) && windowRectOf(control).contains(lastMouse_)) || focus_->isFramed(control);
    if (scheme_.precedence == LookPrecedence::HoverOverSelected) {
        if (hovered)
            return scheme_.pictures.hover;
        return control.selected ? scheme_.pictures.pressed : -1;
    }
    if (control.selected)
        return scheme_.pictures.pressed;
    return hovered ? scheme_.pictures.hover : -1;
}

bool SkinnedWindow::takesHoverLook(const SkinControl& control) const {
    switch (scheme_.hoverLook) {
    case HoverLook::AllEntries:
        return true;
    case HoverLook::IdsBelow100:
        return control.id < kFirstKeyboardKeyId;
    case HoverLook::None:
        break;
    }
    return false;
}

// A caption never leaves its box (one too large for it is cut), so boxes outside the part being
// painted are passed over.
void SkinnedWindow::paintCaptions(QPainter& painter, CaptionPass pass, const QRect& dirty) const {
    const std::string& language = context_.store.language;
    const CaptionLayouts& captions = context_.resources.captions();
    for (const SkinControl& control : controls_) {
        if (!takesPart(control) || !control.visible || !drawsCaption(control))
            continue;
        const std::string& caption = control.caption(language);
        if (caption.empty())
            continue;
        const QRect area = pass == CaptionPass::BeforeStretch ? designRectOf(control) : windowRectOf(control);
        if (!area.intersects(dirty))
            continue;
        painter.setPen(colourOf(control.selected ? control.selectedTextColour : control.textColour));
        const bool centre = control.isLabel && scheme_.labelsAlwaysCentred;
        captions.draw(painter, area, textFlagsOf(control.textFormat, centre), control.fontIndex,
                      QString::fromStdString(caption));
    }
}

bool SkinnedWindow::drawsCaption(const SkinControl& control) const {
    if (control.isLabel)
        return true;
    if (scheme_.buttonCaptions == ButtonCaptions::WhenShowsText)
        return control.showsText;
    return control.id < kFirstKeyboardKeyId &&
           (windowRectOf(control).contains(lastMouse_) || focus_->isFramed(control));
}

// ---- what a screen reader is told ----

namespace {

const std::string& tooltipIn(const SkinControl& control, const std::string& language) {
    static const std::string none;
    const auto found = control.tooltips.find(language);
    // Most entries hold the placeholder "tip", which names nothing.
    return found == control.tooltips.end() || found->second == "tip" ? none : found->second;
}

QString fromUtf8(const char* text) {
    return text == nullptr ? QString() : QString::fromUtf8(text);
}

} // namespace

// A label lies over an entry when each holds the other's centre: the words on a button or a tab, not
// a hint somewhere inside a large area.
bool SkinnedWindow::liesOver(const SkinControl& label, const SkinControl& entry) const {
    const QRect words = windowRectOf(label);
    const QRect area = windowRectOf(entry);
    return area.contains(words.center()) && words.contains(area.center());
}

// A radio or check button is a small picture with its words just to its right, on its row.
bool SkinnedWindow::liesBeside(const SkinControl& label, const SkinControl& entry) const {
    if (entry.role != ControlRole::Radio && entry.role != ControlRole::Check)
        return false;
    const QRect words = windowRectOf(label);
    const QRect area = windowRectOf(entry);
    const QPoint justRight(area.right() + area.width() / 2, area.center().y());
    return words.left() > area.center().x() && words.contains(justRight);
}

// The words of a label over or beside the entry on its page, drawn when the entry is: never the
// words of another page at the same place, nor a label the window hides now (the stop words of a
// record button).
QString SkinnedWindow::wordsOfLabel(const SkinControl& entry, const std::string& language) const {
    const bool entryDrawn = takesPart(entry);
    const int page = pageOfControl(entry);
    for (const auto lies : {&SkinnedWindow::liesOver, &SkinnedWindow::liesBeside}) {
        for (const SkinControl& label : controls_) {
            if (label.isLabel && label.id > 0 && label.visible && pageOfControl(label) == page &&
                (!entryDrawn || takesPart(label)) && (this->*lies)(label, entry) &&
                !label.caption(language).empty())
                return QString::fromStdString(label.caption(language));
        }
    }
    return {};
}

bool SkinnedWindow::isSpokenEntry(std::size_t index) const {
    return index < controls_.size() && controls_[index].id > 0;
}

// An entry is called by its own words, else by the words of a label drawn over it (or beside it, for
// a radio or check button), else by its tooltip, else by its role; a window's names for its picture
// entries come before all of these.
QString SkinnedWindow::spokenName(std::size_t index) const {
    const SkinControl& control = controls_.at(index);
    const std::string& language = context_.store.language;
    if (const char* name = spokenNameOf(pictureNames(), control.id, language))
        return QString::fromUtf8(name);
    if (!control.caption(language).empty())
        return QString::fromStdString(control.caption(language));
    if (const QString words = wordsOfLabel(control, language); !words.isEmpty())
        return words;
    if (!tooltipIn(control, language).empty())
        return QString::fromStdString(tooltipIn(control, language));
    return fromUtf8(spokenRoleName(control.role, language));
}

QString SkinnedWindow::spokenDescription(std::size_t index) const {
    const SkinControl& control = controls_.at(index);
    const int keyIndex = keyIndexOfId(control.id);
    if (keyIndex == 0 || control.keyIndex != keyIndex || control.isLabel)
        return {};
    return QString::fromStdString(keyDescription(keyIndex));
}

QAccessible::Role SkinnedWindow::spokenRole(std::size_t index) const {
    return spokenRoleOf(controls_.at(index));
}

bool SkinnedWindow::isShownEntry(std::size_t index) const {
    const SkinControl& control = controls_.at(index);
    return takesPart(control) && control.visible;
}

bool SkinnedWindow::isEnabledEntry(std::size_t index) const {
    return isEnabledControl(controls_.at(index));
}

bool SkinnedWindow::isPressableEntry(std::size_t index) const {
    const SkinControl& control = controls_.at(index);
    return isShownEntry(index) && isClickable(control) && isEnabledControl(control);
}

void SkinnedWindow::pressEntry(std::size_t index) {
    if (!isPressableEntry(index))
        return;
    focusEntry(index);
    const int id = controls_[index].id;
    QMetaObject::invokeMethod(
        this, [this, id] { dispatchClick(id); }, Qt::QueuedConnection);
}

QString SkinnedWindow::spokenGaugeName(std::size_t index) const {
    return QString::fromUtf8(spokenGauges().at(index).name.in(context_.store.language));
}

QRect SkinnedWindow::gaugeArea(std::size_t index) const {
    return SkinGeometry::toQRect(SkinGeometry::scaledRect(spokenGauges().at(index).area, scale_));
}

namespace {

void nameWidget(QWidget* widget, const QString& name) {
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

// A text box's page and scroll bars are widgets of the toolkit's own inside it.
void nameInnerWidgets(QAbstractScrollArea& box, const char* name, const std::string& language) {
    nameWidget(box.viewport(), QString::fromUtf8(name));
    const QString bar = QString::fromStdString(spokenScrollBarName(name, language));
    nameWidget(box.verticalScrollBar(), bar);
    nameWidget(box.horizontalScrollBar(), bar);
}

} // namespace

// On show, and on the first paint after a language switch.
void SkinnedWindow::nameChildWidgets() {
    const std::string& language = context_.store.language;
    namedIn_ = language;
    for (const SpokenWidgetName& spoken : widgetNames()) {
        const char* name = spoken.name.in(language);
        for (QWidget* child : findChildren<QWidget*>(QString::fromUtf8(spoken.objectName))) {
            nameWidget(child, QString::fromUtf8(name));
            if (auto* box = qobject_cast<QAbstractScrollArea*>(child))
                nameInnerWidgets(*box, name, language);
        }
    }
}

void SkinnedWindow::listenForReader() {
    if (!announcer_)
        announcer_ = std::make_unique<AccessibleAnnouncer>();
}

void SkinnedWindow::announceChanges() {
    if (announcer_)
        announcer_->announce(*this);
}

std::string SkinnedWindow::keyDescription(int /*keyIndex*/) const {
    return {};
}

bool SkinnedWindow::isEnabledControl(const SkinControl& /*control*/) const {
    return true;
}

QAccessible::Role SkinnedWindow::spokenRoleOf(const SkinControl& control) const {
    switch (control.role) {
    case ControlRole::Label:
        return QAccessible::StaticText;
    case ControlRole::Tab:
        return QAccessible::PageTab;
    case ControlRole::Radio:
        return QAccessible::RadioButton;
    case ControlRole::Check:
        return QAccessible::CheckBox;
    case ControlRole::Area:
        return QAccessible::ListItem;
    case ControlRole::None:
        return control.isLabel ? QAccessible::StaticText : QAccessible::PushButton;
    default:
        break;
    }
    return QAccessible::PushButton;
}

// ---- keyboard focus ----

bool SkinnedWindow::holdsKeyboard() const {
    const QWidget* focused = focusWidget();
    return isActiveWindow() && (focused == nullptr || focused == this);
}

void SkinnedWindow::focusEntry(std::size_t index) {
    focus_->focusEntry(index);
}

int SkinnedWindow::focusedEntry() const {
    return focus_->entry();
}

bool SkinnedWindow::showsFocusFrame() const {
    return focus_->showsFrame();
}

bool SkinnedWindow::focusNextPrevChild(bool next) {
    return focus_->moveByTab(next);
}

void SkinnedWindow::keyPressEvent(QKeyEvent* event) {
    if (focus_->handleKey(*event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
