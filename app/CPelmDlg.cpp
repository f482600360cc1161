// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CPelmDlg.h"

#include "app/ConfigurationHistory.h"
#include "app/rules/HistoryTexts.h"
#include "app/rules/MainWindowControls.h"
#include "app/rules/MainWindowTexts.h"
#include "controls/KeyboardKeys.h"
#include "model/ConfigStore.h"
#include "model/StartupChecks.h"
#include "model/profile/ProfileFile.h"
#include "platform/DeviceWatcher.h"
#include "platform/KeyboardLease.h"
#include "platform/PlatformServices.h"
#include "res/ProgramIcon.h"
#include "res/SharedResources.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>

#include <array>

namespace {

constexpr int kInformationFont = 13;
// The marker bar under a key: 14 design units wide, 4 high.
constexpr int kMarkerWidth = 14;
constexpr int kMarkerHeight = 4;

using enum MainWindowControlId;

struct LayerButton {
    MainWindowControlId button;
    int offset;
    MainWindowControlId label;
};
constexpr std::array<LayerButton, 3> kLayerButtons{{
    {TopLayer, 0, TopLayerLabel},
    {FnLayer, 1, FnLayerLabel},
    {Fn2Layer, 2, Fn2LayerLabel},
}};
constexpr std::array<MainWindowControlId, 3> kProgramLabels{Program1Label, Program2Label, Program3Label};
// The commands that talk to the keyboard, themselves or through the window they open.
constexpr std::array<MainWindowControlId, 6> kKeyboardCommands{RapidTrigger, ReadCounters, WriteKeys,
                                                               Backlight,    ReadAll,      FirmwareUpdate};

SkinScheme mainWindowScheme() {
    SkinScheme scheme;
    scheme.precedence = LookPrecedence::HoverOverSelected;
    scheme.hoverLook = HoverLook::AllEntries;
    scheme.captionPass = CaptionPass::AfterStretch;
    scheme.buttonCaptions = ButtonCaptions::WhileHoveredBelow100;
    scheme.labelFonts = FontScaling::ScaledPlusOne;
    return scheme;
}

int cut(float value) {
    return static_cast<int>(value);
}

QString withNativeLineEnds(const std::string& text) {
    QString converted = QString::fromStdString(text);
    converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return converted;
}

// Where an install puts the help document, relative to the program's folder (the build sets it
// from its install folders).
#ifdef QELEC_INSTALLED_HELP_DIR
constexpr const char* kInstalledHelpDir = QELEC_INSTALLED_HELP_DIR;
#else
constexpr const char* kInstalledHelpDir = "../share/qelec";
#endif

// The help document beside the program (the build tree), else where the install put it, found from
// the program's own folder so that any install prefix works; beside the program when neither exists.
QString defaultHelpPath() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString beside = programFolder.filePath(QStringLiteral("QelEC.html"));
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = QDir::cleanPath(
        programFolder.filePath(QString::fromUtf8(kInstalledHelpDir) + QStringLiteral("/QelEC.html")));
    return QFileInfo::exists(installed) ? installed : beside;
}

} // namespace

CPelmDlg::CPelmDlg(const WindowContext& context, QWidget* parent)
    : SkinnedWindow(context, mainWindowDescription(mainWindowLayoutFor(context.store.deviceVariant)),
                    mainWindowScheme(), parent),
      helpPath_(defaultHelpPath()), history_(std::make_unique<ConfigurationHistory>(context.store)) {
    setWindowTitle(QStringLiteral("QelEC"));
    informationBox_ = new QPlainTextEdit(this);
    informationBox_->setObjectName(QStringLiteral("informationBox"));
    informationBox_->setReadOnly(true);
    informationBox_->setFrameShape(QFrame::NoFrame);
    informationBox_->setFocusPolicy(Qt::NoFocus);
    informationBox_->setContextMenuPolicy(Qt::NoContextMenu);
    informationBox_->setTextInteractionFlags(Qt::NoTextInteraction);
    QPalette colours = informationBox_->palette();
    colours.setBrush(QPalette::Base, context.resources.darkBrush());
    colours.setColor(QPalette::Text, QColor(255, 111, 0));
    informationBox_->setPalette(colours);
    // A scroll bar in the window's own colours for the rare text longer than the box.
    informationBox_->verticalScrollBar()->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { background: rgb(20, 20, 20); width: 10px; margin: 0; }"
        "QScrollBar::handle:vertical { background: rgb(74, 74, 80); min-height: 24px; border-radius: 4px; }"
        "QScrollBar::handle:vertical:hover { background: rgb(255, 111, 0); }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
    informationBox_->hide();
}

CPelmDlg::~CPelmDlg() = default;

// ---- initialisation ----

void CPelmDlg::onInit() {
    platform().useLanguage(QString::fromStdString(store().language));
    if (!checkKeyboard()) {
        endDialog(kResultCancel);
        return;
    }
    // The icon is drawn at six sizes; the desktop takes it as well a moment after the first paint.
    connect(
        this, &SkinnedWindow::painted, this, [this] { setWindowIcon(programIcon()); },
        Qt::SingleShotConnection);
    setUpTable();
    placeInformationBox();
    CConfigStore& shared = store();
    shared.currentTable = 0;
    shared.currentProgram = 0;
    shared.resetToDefaults();
    shared.configDirty = 0;
    shared.clickGuard = 0;
    shared.firmwareUpdating = 0;
    history_->begin();
    startWatchingDevice();
    if (!recoveryFolder_.empty()) {
        history_->keepRecoveryIn(recoveryFolder_, [this] { return keyboardBusy(); });
        // Asked once the window is shown, so that the question stands before it.
        QTimer::singleShot(0, this, &CPelmDlg::offerRecovery);
    }
}

void CPelmDlg::offerRecovery() {
    const std::optional<RecoveryContent> recovered = history_->recoveryToOffer();
    if (!recovered)
        return;
    if (askYesNo(HistoryTexts::restoreQuestion(store().language, recovered->steps)))
        history_->restore(*recovered);
    else
        history_->discardRecovery();
    update();
}

bool CPelmDlg::checkKeyboard() {
    const StartupFailure failure = openKeyboard(store().device, store().deviceVariant);
    if (failure == StartupFailure::None)
        return true;
    showText(startupFailureMessage(failure, store().language));
    return false;
}

void CPelmDlg::setUpTable() {
    setSelectedById(TopLayer, true);
    setSelectedById(TopLayerLabel, true);
    setSelectedById(kProgramLabels[0], true);
    setSelectedById(Program, false);
}

void CPelmDlg::placeInformationBox() {
    const float s = scale();
    const QRect area(QPoint(cut(static_cast<float>(kMainWindowInformationBox.left) * s),
                            cut(static_cast<float>(kMainWindowInformationBox.top) * s) + 1),
                     QPoint(cut(static_cast<float>(kMainWindowInformationBox.right) * s) - 1,
                            cut(static_cast<float>(kMainWindowInformationBox.bottom) * s)));
    informationBox_->setGeometry(area);
    informationBox_->setFont(resources().fonts().font(cut(static_cast<float>(kInformationFont) * s)));
    informationBox_->show();
}

void CPelmDlg::startWatchingDevice() {
    watcher_ = std::make_unique<DeviceWatcher>(QString::fromStdString(store().device.statePath()));
    connect(watcher_.get(), &DeviceWatcher::deviceChanged, this, &CPelmDlg::checkDeviceAfterChange);
}

// ---- the modal run, which survives the window being hidden in the tray ----

int CPelmDlg::runModalLoop() {
    show();
    QEventLoop loop;
    modalLoop_ = &loop;
    loop.exec(QEventLoop::DialogExec);
    modalLoop_ = nullptr;
    waitForBackgroundDownload();
    history_->finish();
    return result();
}

void CPelmDlg::done(int result) {
    SkinnedWindow::done(result);
    if (modalLoop_ != nullptr)
        modalLoop_->exit(result);
}

void CPelmDlg::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the window.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool control = modifiers == Qt::ControlModifier;
    if ((control && event->key() == Qt::Key_Z) || event->matches(QKeySequence::Undo)) {
        undo();
        event->accept();
        return;
    }
    if ((control && event->key() == Qt::Key_Y) ||
        (modifiers == (Qt::ControlModifier | Qt::ShiftModifier) && event->key() == Qt::Key_Z) ||
        event->matches(QKeySequence::Redo)) {
        redo();
        event->accept();
        return;
    }
    SkinnedWindow::keyPressEvent(event);
}

// Closing the window from the desktop runs the exit command with its questions.
void CPelmDlg::onCancelRequest() {
    exitSequence();
}

// ---- what a screen reader is told ----

std::span<const SpokenName> CPelmDlg::pictureNames() const {
    return mainWindowPictureNames();
}

// What the information box shows for the key, on one line per layer.
std::string CPelmDlg::keyDescription(int keyIndex) const {
    std::string text = MainWindowTexts::keyInformation(store(), keyIndex);
    for (std::size_t lineEnd = text.find("\r\n"); lineEnd != std::string::npos; lineEnd = text.find("\r\n"))
        text.replace(lineEnd, 2, "\n");
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    // Without a press count read the first line is empty.
    while (!text.empty() && text.front() == '\n')
        text.erase(0, 1);
    return text;
}

// A key drawn pressed has nothing assigned; its description says so, it is not a selection.
bool CPelmDlg::isMarkedControl(const SkinControl& control) const {
    return control.id < kFirstKeyboardKeyId && control.selected;
}

// ---- drawing ----

void CPelmDlg::prepareLooks() {
    const auto table = static_cast<std::size_t>(store().currentTable);
    for (SkinControl& control : this->table()) {
        if (control.id >= kFirstKeyboardKeyId && control.keyIndex >= 1 && control.keyIndex <= kLastKey)
            control.selected =
                store().keyKind[static_cast<std::size_t>(control.keyIndex)][table] == kKindNotSet;
    }
}

void CPelmDlg::paintInDesignUnits(QPainter& painter) {
    const float s = scale();
    const auto unscaled = [s](int value) { return cut(static_cast<float>(value) / s); };
    const std::span<const Rgb> palette = mainWindowKindPalette();
    const auto table = static_cast<std::size_t>(store().currentTable);
    for (const SkinControl& control : controls()) {
        if (!takesPart(control) || control.keyIndex < 1 || control.keyIndex > kLastKey)
            continue;
        const int kind = store().keyKind[static_cast<std::size_t>(control.keyIndex)][table];
        if (kind <= kKindSingle || kind >= static_cast<int>(palette.size()))
            continue;
        const int width = unscaled(control.rect.right - control.rect.left);
        const int margin = (width - kMarkerWidth) / 2;
        const int left = unscaled(control.rect.left) + margin;
        const int right = unscaled(control.rect.right) - margin;
        const int bottom = unscaled(control.rect.bottom);
        const Rgb colour = palette[static_cast<std::size_t>(kind)];
        painter.fillRect(QRect(left, bottom - kMarkerHeight, right - left, kMarkerHeight),
                         QColor(redOf(colour), greenOf(colour), blueOf(colour)));
    }
}

void CPelmDlg::paintInWindowPixels(QPainter& /*painter*/) {
    updateInformation();
}

int CPelmDlg::hoveredKey() const {
    const QPoint mouse = lastMousePosition();
    for (const SkinControl& control : controls()) {
        if (takesPart(control) && !control.isLabel && control.id >= kFirstKeyboardKeyId &&
            windowRectOf(control).contains(mouse))
            return control.keyIndex;
    }
    return 0;
}

// The box is given a new text only when its text changes, so moving within a key costs nothing.
void CPelmDlg::updateInformation() {
    std::string text =
        MainWindowTexts::information(store(), hoveredKey(), history_->notice(store().language));
    if (text == informationText_)
        return;
    informationText_ = std::move(text);
    informationBox_->setPlainText(withNativeLineEnds(informationText_));
    ++informationWrites_;
}

// ---- commands ----

void CPelmDlg::onClick(int id) {
    if (store().clickGuard != 0 || waitsForKeyboard(id))
        return;
    if (keyIndexOfId(id) != 0) {
        editKey(controls()[findById(id)].keyIndex);
        return;
    }
    const auto command = static_cast<MainWindowControlId>(id);
    switch (command) {
    case RapidTrigger:
        openWindowAsStep(WindowId::RapidTrigger, HistoryTexts::rapidTrigger);
        update();
        break;
    case Program:
        nextProgram();
        break;
    case Language:
        switchLanguage();
        break;
    case ReadCounters:
        readCounters();
        break;
    case Help:
        openHelp();
        break;
    case Minimise:
        minimiseToTray();
        break;
    case Exit:
        exitSequence();
        break;
    case SaveProfile:
        saveProfile();
        break;
    case OpenProfile:
        openProfile();
        break;
    case Defaults:
        history_->run(
            [this] {
                store().resetToDefaults();
                return true;
            },
            [](const StoreConfiguration&) { return HistoryTexts::defaults(); });
        update();
        break;
    case WriteKeys:
        writeKeys();
        break;
    case Backlight:
        openWindowAsStep(WindowId::Backlight, HistoryTexts::backlight);
        break;
    case ReadAll:
        readAll();
        break;
    case FirmwareUpdate:
        store().firmwareUpdating = 1;
        openWindow(WindowId::FirmwareUpdate);
        store().firmwareUpdating = 0;
        break;
    case Fn2Layer:
    case TopLayer:
    case FnLayer:
        selectLayer(command);
        break;
    default:
        break;
    }
}

void CPelmDlg::onTimer(int id) {
    if (id == kDeviceRecheckTimer) {
        if (!keyboardBusy())
            checkDeviceAfterChange();
        return;
    }
    if (id != kClickGuardTimer)
        return;
    store().clickGuard = 0;
    timers().stop(kClickGuardTimer);
}

void CPelmDlg::selectLayer(MainWindowControlId button) {
    if (controls()[findById(button)].selected)
        return;
    for (const LayerButton& layer : kLayerButtons) {
        const bool chosen = layer.button == button;
        if (chosen)
            store().currentTable = store().currentProgram * 3 + layer.offset;
        setSelectedById(layer.button, chosen);
        setSelectedById(layer.label, chosen);
    }
    update();
}

void CPelmDlg::nextProgram() {
    const int program = (store().currentProgram + 1) % 3;
    for (int k = 0; k < 3; ++k)
        setSelectedById(kProgramLabels[static_cast<std::size_t>(k)], k == program);
    store().currentProgram = program;
    for (const MainWindowControlId button : {Fn2Layer, TopLayer, FnLayer}) {
        if (!controls()[findById(button)].selected)
            continue;
        const auto layer =
            std::find_if(kLayerButtons.begin(), kLayerButtons.end(),
                         [button](const LayerButton& layerButton) { return layerButton.button == button; });
        store().currentTable = program * 3 + layer->offset;
        break;
    }
    update();
}

void CPelmDlg::switchLanguage() {
    store().language = store().language == "en-US" ? "zh-CN" : "en-US";
    platform().useLanguage(QString::fromStdString(store().language));
    update();
}

// A key edit is a step only when its window was accepted.
void CPelmDlg::editKey(int keyIndex) {
    store().currentKey = keyIndex;
    const int table = store().currentTable;
    const StepName was = HistoryTexts::assignment(store(), keyIndex, table);
    bool accepted = false;
    history_->run(
        [&] {
            accepted = openWindow(WindowId::KeyAssignment) == kResultOk;
            return accepted;
        },
        [&](const StoreConfiguration&) { return HistoryTexts::keyEdit(store(), keyIndex, table, was); });
    if (accepted)
        store().configDirty = 1;
    update();
}

// The backlight and rapid trigger windows keep what they set in the store however they close; whatever
// changed is one step.
void CPelmDlg::openWindowAsStep(WindowId window,
                                StepName (*name)(const StoreConfiguration&, const StoreConfiguration&)) {
    history_->run(
        [&] {
            openWindow(window);
            return true;
        },
        [&](const StoreConfiguration& before) { return name(before, store().configuration()); });
}

void CPelmDlg::undo() {
    history_->undo();
    update();
}

void CPelmDlg::redo() {
    history_->redo();
    update();
}

void CPelmDlg::readCounters() {
    transferAndReport(Transfer::kReadCounters, "QelEC");
    update();
}

void CPelmDlg::writeKeys() {
    // A write that did not reach its end leaves the changes unwritten, so the exit question still
    // warns about them.
    if (transferAndReport(Transfer::kWriteKeys, "Qel")) {
        store().configDirty = 0;
        history_->keysWritten();
    }
}

void CPelmDlg::readAll() {
    history_->run([this] { return transferAndReport(Transfer::kReadAll, "Qel"); },
                  [](const StoreConfiguration&) { return HistoryTexts::readAll(); });
    update();
}

// The transfer's result is said first; a device change that came during it is checked after.
bool CPelmDlg::transferAndReport(int mode, const char* title) {
    transferRunning_ = true;
    const int result = runTransfer(mode);
    transferRunning_ = false;
    const bool succeeded = reportTransfer(result, title);
    if (deviceCheckPending_)
        checkDeviceAfterChange();
    return succeeded;
}

bool CPelmDlg::reportTransfer(int result, const char* title) {
    if (result == kResultOk) {
        showText(MainWindowTexts::kDone, QString::fromUtf8(title), MessageButtons::Ok, MessageIcon::Warning);
        return true;
    }
    showText(MainWindowTexts::kFailed);
    return false;
}

CPelmDlg::SaveOutcome CPelmDlg::saveProfile() {
    const std::optional<QString> path = platform().chooseSaveFile(this, QString::fromUtf8(kProfileFilter),
                                                                  QString::fromUtf8(kProfileExtension));
    SaveOutcome outcome = path ? SaveOutcome::Saved : SaveOutcome::Cancelled;
    std::string error;
    if (path && !::saveProfile(store(), path->toStdString(), &error)) {
        outcome = SaveOutcome::Failed;
        showText(MainWindowTexts::profileNotSaved(store().language, path->toStdString(), error), {},
                 MessageButtons::Ok, MessageIcon::Warning);
    }
    if (outcome == SaveOutcome::Saved)
        history_->profileSaved();
    update();
    return outcome;
}

void CPelmDlg::openProfile() {
    const std::optional<QString> path = platform().chooseOpenFile(this, QString::fromUtf8(kProfileFilter),
                                                                  QString::fromUtf8(kProfileExtension));
    if (path) {
        const std::string file = path->toStdString();
        ProfileLoadReport report;
        history_->run(
            [&] {
                report = loadProfile(store(), file);
                return report.loaded();
            },
            [&](const StoreConfiguration&) { return HistoryTexts::openProfile(file); });
        if (!report.loaded())
            showText(MainWindowTexts::profileNotOpened(store().language, file, report), {},
                     MessageButtons::Ok, MessageIcon::Warning);
    }
    update();
    // The file dialog's own closing click must not reach the keyboard below it.
    store().clickGuard = 1;
    timers().start(kClickGuardTimer, kClickGuardMs);
}

void CPelmDlg::openHelp() {
    platform().openWithDesktop(helpPath_);
}

void CPelmDlg::minimiseToTray() {
    if (!platform().trayAvailable()) {
        // Without a tray the window could never be found again once hidden: minimise it instead.
        showMinimized();
        return;
    }
    platform().setTrayMenu(
        {{kTrayExitEntry, QString::fromStdString(MainWindowTexts::trayExitItem(store().language))}},
        [this](int entry) {
            if (entry == kTrayExitEntry) {
                platform().hideTrayIcon();
                quitProgram();
            }
        });
    platform().setTrayDoubleClickHandler([this] { restoreFromTray(); });
    platform().showTrayIcon(windowIcon(), QStringLiteral("QelEC"));
    hide();
}

void CPelmDlg::restoreFromTray() {
    showNormal();
    raise();
    activateWindow();
    platform().hideTrayIcon();
}

void CPelmDlg::exitSequence() {
    if (store().configDirty != 0 && !askYesNo(MainWindowTexts::unwrittenChangesQuestion(store().language)))
        return;
    // A save that failed keeps the program open, so the configuration can be saved elsewhere.
    if (askYesNo(MainWindowTexts::saveProfileQuestion(store().language)) &&
        saveProfile() == SaveOutcome::Failed)
        return;
    platform().hideTrayIcon();
    endDialog(kResultOk);
}

void CPelmDlg::showText(const std::string& text, const QString& title, MessageButtons buttons,
                        MessageIcon icon) {
    platform().showMessage(this, QString::fromStdString(text), title, buttons, icon);
}

bool CPelmDlg::askYesNo(const std::string& question) {
    return platform().showMessage(this, QString::fromStdString(question), QStringLiteral("QelEC"),
                                  MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes;
}

// ---- the keyboard going away ----

// The firmware window talks to the keyboard only from this thread while no download runs, so a
// device check may be asked while it is open; a download holds the keyboard with its lease.
bool CPelmDlg::keyboardBusy() const {
    return transferRunning_ || KeyboardLease::keyboardHeld(store());
}

void CPelmDlg::checkDeviceAfterChange() {
    if (keyboardBusy()) {
        // The device does not take a second caller while a transfer runs; ask once it is free.
        deviceCheckPending_ = true;
        timers().start(kDeviceRecheckTimer, kDeviceRecheckMs);
        return;
    }
    deviceCheckPending_ = false;
    timers().stop(kDeviceRecheckTimer);
    if (store().device.DetectDevice())
        return;
    showText(disconnectedMessage(store().language));
    quitProgram();
}

// Ends the main window's run, and with it the program, from inside any dialog it opened.
void CPelmDlg::quitProgram() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(window);
        if (dialog != nullptr && dialog != this && dialog->isVisible())
            dialog->reject();
    }
    endDialog(kResultCancel);
}

// ---- a firmware download that goes on after its window was closed ----

// Only a download whose window was closed holds the keyboard while this window takes clicks.
bool CPelmDlg::keyboardHeldInBackground() const {
    return KeyboardLease::keyboardHeld(store());
}

// While it runs, the commands that talk to the keyboard do nothing; the rest work as ever.
bool CPelmDlg::waitsForKeyboard(int id) const {
    return keyboardHeldInBackground() &&
           std::find(kKeyboardCommands.begin(), kKeyboardCommands.end(),
                     static_cast<MainWindowControlId>(id)) != kKeyboardCommands.end();
}

// The program never ends during a download: it waits for the download, which says its result.
void CPelmDlg::waitForBackgroundDownload() {
    while (keyboardHeldInBackground())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

std::span<const SpokenWidgetName> CPelmDlg::widgetNames() const {
    return kMainWindowWidgetNames;
}
