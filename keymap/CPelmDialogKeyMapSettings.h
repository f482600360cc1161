// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/WindowHandle.h"
#include "keymap/KeyAssignmentFunctionPages.h"
#include "keymap/KeyAssignmentHost.h"
#include "keymap/KeyAssignmentLibraryPages.h"
#include "keymap/KeyAssignmentSinglePage.h"
#include "keymap/rules/ActionRecorder.h"
#include "keymap/rules/HookKeyEvent.h"
#include "keymap/rules/KeyAssignmentChoice.h"
#include "keymap/rules/KeyAssignmentControls.h"
#include "keymap/rules/MacroEditRules.h"
#include "ui/SkinnedWindow.h"

#include <chrono>
#include <functional>
#include <vector>

// The key assignment dialog: what the store's currentKey does on currentTable. Seven tabs show the
// pages of the families of assignments (a single key or a combination, a macro, an emulation, a
// multimedia, mouse, keyboard or power function); OK stores what the page shown has chosen, Cancel
// and every other way out store nothing. A click runs its command once the double-click interval has
// passed without a double-click; a click while a key is being captured only ends the capture, unless
// it is OK or Cancel.
class CPelmDialogKeyMapSettings : public SkinnedWindow, private KeyAssignmentHost {
    Q_OBJECT

public:
    // How long a click waits for a double-click that cancels it.
    static constexpr int kClickWaitMs = 200;

    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    // The states of the two Shift keys at this moment.
    using ShiftQuery = std::function<ShiftKeyStates()>;

    explicit CPelmDialogKeyMapSettings(const WindowContext& context, QWidget* parent = nullptr);
    ~CPelmDialogKeyMapSettings() override;
    // The opener's runner: the dialog over parent, run modally.
    static WindowOpener::Runner runner();

    const KeyAssignmentChoice& currentChoice() const { return choice_; }
    int currentPage() const { return choice_.currentPage; }
    bool isCapturing() const { return single_.isCapturing(); }
    // Whether the keyboard hook sends this dialog its key events.
    bool isListening() const { return listening_; }
    IconTooltip& tooltip() { return functions_.tooltip(); }
    const KeyAssignmentLibraryPages& libraries() const { return libraries_; }
    // Replaces the clock the key events are timed with; for tests.
    void setClock(Clock clock) { clock_ = std::move(clock); }
    // Pops a context menu up; the id chosen, 0 for none.
    using MenuChooser = std::function<int(const std::vector<MacroMenuEntry>& menu, QPoint globalPosition)>;
    // Replaces the context menu; for tests.
    void setMenuChooser(MenuChooser chooser) { menuChooser_ = std::move(chooser); }
    // Replaces the Shift key-state queries; for tests.
    void setShiftQuery(ShiftQuery query) { shiftQuery_ = std::move(query); }

    void done(int result) override;

protected:
    void onInit() override;
    std::span<const SpokenWidgetName> widgetNames() const override;
    void onClick(int id) override;
    void prepareLooks() override;
    bool takesPart(const SkinControl& control) const override;
    bool isMarkedControl(const SkinControl& control) const override;
    int pageOfControl(const SkinControl& control) const override { return keyAssignmentPageOf(control.id); }
    void customEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // While a capture or a recording listens, Tab, Space and Enter are keys like any other.
    bool keysBelongToWindow() const override { return listening_; }
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // What the pages ask of the dialog.
    CConfigStore& keyStore() override { return store(); }
    KeyAssignmentChoice& choice() override { return choice_; }
    SkinControl& entry(int id) override;
    QRect entryRect(int id) const override;
    QWidget& hostWindow() override { return *this; }
    const SharedResources& sharedResources() const override { return resources(); }
    float windowScale() const override { return scale(); }
    void repaintEntry(int id) override;
    void repaintWindow() override { update(); }
    int pickOnVirtualKeyboard(int mode) override;
    int chooseFromMenu(const std::vector<MacroMenuEntry>& menu, QPoint globalPosition) override;
    void showText(const std::string& text) override;
    void listenToKeyboard() override;
    void stopListening() override;
    HookBookkeeping& hookBookkeeping() override { return hook_; }

    void scaleRowFonts();
    void fitMouseLabels();
    void showPage(int page);
    bool endRunningWork(int id);
    // Whether a capture, a recording or a name or delay edit runs.
    bool isBusy() const;
    void watchChildClicks();
    void runCommand(int id);
    void storeAndClose();
    void chooseDefault();
    void clear();
    void onHookMessage(std::uintptr_t wParam, std::intptr_t lParam);

    KeyAssignmentChoice choice_;
    HookBookkeeping hook_;
    KeyAssignmentSinglePage single_;
    KeyAssignmentLibraryPages libraries_;
    KeyAssignmentFunctionPages functions_;
    WindowHandle handle_;
    bool listening_ = false;
    bool mouseLabelsFitted_ = false;
    Clock clock_;
    ShiftQuery shiftQuery_;
    MenuChooser menuChooser_;
};
