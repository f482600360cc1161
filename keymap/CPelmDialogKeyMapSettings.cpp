// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/CPelmDialogKeyMapSettings.h"

#include "device/CPelmHWI.h"
#include "device/DeviceMessages.h"
#include "keymap/rules/KeyAssignmentChildren.h"
#include "keymap/rules/KeyAssignmentControls.h"
#include "model/ConfigStore.h"
#include "model/KeyboardVariant.h"
#include "platform/KeyboardHookFilter.h"
#include "platform/PlatformServices.h"
#include "platform/QtWindowHandle.h"
#include "res/SharedResources.h"
#include "ui/SkinGeometry.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

namespace {

// How the dialog's entries look and click; its pictures and colour key come from its description.
SkinScheme keyAssignmentScheme() {
    // The scheme's defaults otherwise: selection over hover unless said, every entry hovered, captions
    // after the stretch, scaled label fonts.
    SkinScheme scheme;
    scheme.deferredClickMs = CPelmDialogKeyMapSettings::kClickWaitMs;
    return scheme;
}

// The Shift keys as the application's keyboard hook has seen them; neither held without a hook.
ShiftKeyStates shiftKeysOfTheHook() {
    const KeyboardHookFilter* hook = KeyboardHookFilter::current();
    if (hook == nullptr)
        return {};
    return {.left = hook->isLeftShiftDown(), .right = hook->isRightShiftDown()};
}

// Submenus are windows of their own, which take no font from the menu: each is given its font.
void addMenuEntries(QMenu& menu, const std::vector<MacroMenuEntry>& entries) {
    for (const MacroMenuEntry& entry : entries) {
        const QString caption = QString::fromStdString(entry.caption);
        if (entry.id == 0) {
            QMenu* submenu = menu.addMenu(caption);
            submenu->setFont(menu.font());
            addMenuEntries(*submenu, entry.entries);
        } else
            menu.addAction(caption)->setData(entry.id);
    }
}

bool closesDialog(int id) {
    return id == idOf(KeyAssignmentControlId::Ok) || id == idOf(KeyAssignmentControlId::Cancel);
}

} // namespace

CPelmDialogKeyMapSettings::CPelmDialogKeyMapSettings(const WindowContext& context, QWidget* parent)
    : SkinnedWindow(context, kKeyAssignmentWindow, keyAssignmentScheme(), parent), single_(*this),
      libraries_(*this), functions_(*this), clock_([] { return std::chrono::steady_clock::now(); }),
      shiftQuery_(shiftKeysOfTheHook) {
    setObjectName("keyAssignmentDialog");
    setWindowTitle(QString::fromStdString(
        controls()[findById(KeyAssignmentControlId::Title)].caption(store().language)));
    scaleRowFonts();
    libraries_.createChildren();
    watchChildClicks();
}

CPelmDialogKeyMapSettings::~CPelmDialogKeyMapSettings() {
    stopListening();
    closeWindowHandle(handle_);
}

WindowOpener::Runner CPelmDialogKeyMapSettings::runner() {
    return [](const WindowContext& context, QWidget* parent, int /*argument*/) {
        CPelmDialogKeyMapSettings dialog(context, parent);
        return dialog.exec();
    };
}

// List rows draw their text like labels, in fonts scaled with the window.
void CPelmDialogKeyMapSettings::scaleRowFonts() {
    for (SkinControl& control : table()) {
        if (control.showsText && !control.isLabel)
            control.fontIndex = SkinGeometry::scaledFont(control.fontIndex, scale(), FontScaling::Scaled);
    }
}

// The words on the mouse icons stand right of each icon's glyph, in a font small enough for the
// longer English names to fit; measured when the page is first shown, not with every opening.
void CPelmDialogKeyMapSettings::fitMouseLabels() {
    if (mouseLabelsFitted_)
        return;
    mouseLabelsFitted_ = true;
    const FontTable& fonts = resources().fonts();
    for (const ControlSpec& icon : keyAssignmentIcons(kPageMouse)) {
        SkinControl& label = entry(keyAssignmentMouseLabelId(icon.id));
        if (!label.isLabel)
            continue;
        label.rect.left += label.rect.height();
        const QString text = QString::fromStdString(label.caption(store().language));
        const int designed = label.fontIndex;
        const int smallest = designed * 2 / 3;
        while (label.fontIndex > smallest &&
               QFontMetrics(fonts.font(label.fontIndex)).horizontalAdvance(text) > label.rect.width())
            --label.fontIndex;
        // A smaller font stays on the line the designed one is centred on.
        label.rect.top += (designed - label.fontIndex) / 2;
    }
}

// ---- opening and pages ----

void CPelmDialogKeyMapSettings::onInit() {
    if (!storeNamesAKey(store())) {
        endDialog(kResultCancel);
        return;
    }
    choice_ = openingChoice(store());
    showPage(choice_.currentPage);
}

void CPelmDialogKeyMapSettings::showPage(int page) {
    choice_.currentPage = page;
    const KeyAssignmentPage& pictures = keyAssignmentPages()[static_cast<std::size_t>(page - 1)];
    setPictures({pictures.normalPicture, pictures.hoverPicture, pictures.selectedPicture});
    if (page == kPageMouse)
        fitMouseLabels();
    functions_.pageShown();
    libraries_.pageShown(page);
    update();
}

// An icon of a function this keyboard variant lacks is part of the page's picture only, shown there
// as absent: it takes no hover, no click and no tooltip.
bool CPelmDialogKeyMapSettings::takesPart(const SkinControl& control) const {
    return keyAssignmentDrawnOnPage(control.id, choice_.currentPage) &&
           KeyboardVariant::hasFunction(store().deviceVariant, control.controlCode);
}

// Each page's pictures draw its own tab chosen, so the tab of the page shown is the one marked.
bool CPelmDialogKeyMapSettings::isMarkedControl(const SkinControl& control) const {
    const int page = keyAssignmentPageOfTab(control.id);
    return page > 0 ? page == choice_.currentPage : control.selected;
}

// ---- clicks ----

void CPelmDialogKeyMapSettings::onClick(int id) {
    if (!endRunningWork(id))
        return;
    runCommand(id);
}

// A click first ends whatever runs: an open edit, a capture or a recording. Only OK and Cancel (and
// the picker buttons that take over the keyboard themselves) go on to their command.
bool CPelmDialogKeyMapSettings::endRunningWork(int id) {
    if (!libraries_.finishEditing(id))
        return false;
    if (single_.isCapturing() && id != idOf(KeyAssignmentControlId::PickSingleKey)) {
        single_.stopCapture();
        if (!closesDialog(id))
            return false;
    }
    return libraries_.stopRecording(id);
}

bool CPelmDialogKeyMapSettings::isBusy() const {
    return single_.isCapturing() || libraries_.recordingPage() != 0 || libraries_.isEditing();
}

// The edit boxes and scroll bars are windows of their own, whose clicks the dialog's table never
// sees; they end a capture, a recording or an edit first like any other click, and go no further.
void CPelmDialogKeyMapSettings::watchChildClicks() {
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->installEventFilter(this);
}

bool CPelmDialogKeyMapSettings::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    // A click inside the open name box places its cursor.
    const bool inOpenNameBox =
        libraries_.isEditing() && watched == static_cast<QObject*>(&libraries_.nameEdit());
    if (!press || !isBusy() || inOpenNameBox)
        return SkinnedWindow::eventFilter(watched, event);
    functions_.hideTooltip();
    endRunningWork(0);
    return true;
}

// Escape and Enter close the dialog only when nothing is being captured or recorded: then every key
// is the hook's, Escape too.
void CPelmDialogKeyMapSettings::keyPressEvent(QKeyEvent* event) {
    if (listening_) {
        event->accept();
        return;
    }
    SkinnedWindow::keyPressEvent(event);
}

void CPelmDialogKeyMapSettings::runCommand(int id) {
    if (const int tabPage = keyAssignmentPageOfTab(id); tabPage != 0) {
        showPage(tabPage);
        return;
    }
    switch (static_cast<KeyAssignmentControlId>(id)) {
    case KeyAssignmentControlId::Ok:
        storeAndClose();
        return;
    case KeyAssignmentControlId::Cancel:
    case KeyAssignmentControlId::Close:
        endDialog(kResultCancel);
        return;
    case KeyAssignmentControlId::Default:
        chooseDefault();
        return;
    case KeyAssignmentControlId::Clear:
        clear();
        return;
    default:
        break;
    }
    const int page = choice_.currentPage;
    if (page == kPageSingleCombo && single_.runCommand(id))
        return;
    if (isFunctionPage(page) && functions_.runCommand(page, id))
        return;
    libraries_.runCommand(page, id);
}

void CPelmDialogKeyMapSettings::storeAndClose() {
    storeChoice(store(), choice_);
    update();
    endDialog(kResultOk);
}

void CPelmDialogKeyMapSettings::chooseDefault() {
    if (chooseFactoryDefault(choice_, store()))
        showPage(choice_.currentPage);
    else
        update();
}

void CPelmDialogKeyMapSettings::clear() {
    clearChoice(choice_);
    showPage(kPageSingleCombo);
}

void CPelmDialogKeyMapSettings::done(int result) {
    single_.stopCapture();
    stopListening();
    functions_.hideTooltip();
    SkinnedWindow::done(result);
}

// ---- looks ----

void CPelmDialogKeyMapSettings::prepareLooks() {
    const int page = choice_.currentPage;
    if (page == kPageSingleCombo)
        single_.prepareLooks();
    if (isFunctionPage(page))
        functions_.prepareLooks(page);
    else
        libraries_.prepareLooks(page);
}

SkinControl& CPelmDialogKeyMapSettings::entry(int id) {
    return table()[findById(id)];
}

QRect CPelmDialogKeyMapSettings::entryRect(int id) const {
    return windowRectOf(controls()[findById(id)]);
}

void CPelmDialogKeyMapSettings::repaintEntry(int id) {
    update(entryRect(id));
}

// ---- the mouse and the tooltip ----

void CPelmDialogKeyMapSettings::mouseMoveEvent(QMouseEvent* event) {
    SkinnedWindow::mouseMoveEvent(event);
    if (isDraggingWindow())
        functions_.hideTooltip();
    else
        functions_.mouseMoved(choice_.currentPage, event->position().toPoint());
}

void CPelmDialogKeyMapSettings::mousePressEvent(QMouseEvent* event) {
    functions_.hideTooltip();
    SkinnedWindow::mousePressEvent(event);
}

// A right click on a macro action row opens its context menu. Like any click, it first ends an open
// edit, a capture or a recording, and then goes no further.
void CPelmDialogKeyMapSettings::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) {
        SkinnedWindow::mouseReleaseEvent(event);
        return;
    }
    const int index = clickableAt(event->position().toPoint());
    const int id = index >= 0 ? controls()[static_cast<std::size_t>(index)].id : 0;
    const bool wasBusy = libraries_.recordingPage() != 0 || single_.isCapturing();
    if (!endRunningWork(id) || wasBusy)
        return;
    if (index >= 0)
        libraries_.openActionMenu(id, event->globalPosition().toPoint());
}

void CPelmDialogKeyMapSettings::leaveEvent(QEvent* event) {
    functions_.hideTooltip();
    SkinnedWindow::leaveEvent(event);
}

// ---- other windows ----

int CPelmDialogKeyMapSettings::pickOnVirtualKeyboard(int mode) {
    return openWindow(WindowId::VirtualKeys, mode);
}

int CPelmDialogKeyMapSettings::chooseFromMenu(const std::vector<MacroMenuEntry>& menu,
                                              QPoint globalPosition) {
    if (menuChooser_)
        return menuChooser_(menu, globalPosition);
    QMenu popup(this);
    popup.setObjectName("actionMenu");
    // The menu reads at the size of the dialog's own texts, whatever font the window was given.
    constexpr int kMenuFont = 13;
    popup.setFont(resources().fonts().font(static_cast<int>(static_cast<float>(kMenuFont) * scale())));
    addMenuEntries(popup, menu);
    const QAction* chosen = popup.exec(globalPosition);
    return chosen == nullptr ? 0 : chosen->data().toInt();
}

// The keys typed while the box is up (the Enter that dismisses it) belong to the box: the hook is
// off meanwhile, so they are neither captured nor taken from the box.
void CPelmDialogKeyMapSettings::showText(const std::string& text) {
    const bool pausesHook = listening_;
    if (pausesHook)
        UninstallHook();
    platform().showMessage(this, QString::fromStdString(text), {}, MessageButtons::Ok, MessageIcon::None);
    if (pausesHook && listening_)
        InstallHook(handle_);
}

// ---- the keyboard hook ----

void CPelmDialogKeyMapSettings::listenToKeyboard() {
    hook_.restart();
    if (!handle_)
        handle_ = makeWindowHandle(this);
    InstallHook(handle_);
    listening_ = true;
}

void CPelmDialogKeyMapSettings::stopListening() {
    if (listening_)
        UninstallHook();
    listening_ = false;
    hook_.lastHookTime.reset();
}

void CPelmDialogKeyMapSettings::customEvent(QEvent* event) {
    if (event->type() != WindowMessageEvent::eventType()) {
        SkinnedWindow::customEvent(event);
        return;
    }
    const auto* message = static_cast<WindowMessageEvent*>(event);
    if (message->message() == DeviceMessages::WM_HOOK_KEY)
        onHookMessage(message->wParam(), message->lParam());
}

// Key events that were on their way when the hook was removed are dropped.
void CPelmDialogKeyMapSettings::onHookMessage(std::uintptr_t wParam, std::intptr_t lParam) {
    if (!listening_)
        return;
    const HookKeyEvent decoded = decodeHookKey(wParam, lParam);
    const auto at = hook_.timeOf(decoded, clock_());
    const HookKeyEvent event =
        withShiftSide(decoded, shiftQuery_(), store().lastLShiftState, store().lastRShiftState);
    if (single_.isCapturing())
        single_.onHookKey(event);
    else
        libraries_.onHookKey(event, at);
    hook_.remember(event, at);
}

std::span<const SpokenWidgetName> CPelmDialogKeyMapSettings::widgetNames() const {
    return kKeyAssignmentWidgetNames;
}
