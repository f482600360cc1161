// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinControl.h"
#include "controls/SpokenNames.h"
#include "ui/SkinGauge.h"
#include "ui/SkinKeyboardFocus.h"
#include "ui/SkinScheme.h"
#include "ui/WindowContext.h"
#include "ui/WindowDrag.h"
#include "ui/WindowOpener.h"
#include "ui/WindowTimers.h"

#include <QAccessible>
#include <QDialog>
#include <QImage>

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <vector>

class AccessibleAnnouncer;
class QPainter;
struct KeyFunctionCatalogue;
struct StoreSession;

// The frame every window of the program is built on: a frameless window drawn entirely from its
// pictures, shaped by the colour key of its background, sized from the background times the scale
// factor and centred. Its buttons, keys and labels are the entries of a control table; the window
// highlights them from the hover and pressed pictures, draws their captions in the store's language,
// and runs a command when the left button is released over one. A press anywhere else drags the
// window. Windows differ only in their scheme, their table and their commands.
class SkinnedWindow : public QDialog {
    Q_OBJECT
    // The keyboard focus asks whether keys belong to the window, presses entries and tells a reader.
    friend class SkinKeyboardFocus;

public:
    // Modal results.
    static constexpr int kResultOk = 1;
    static constexpr int kResultCancel = 2;
    // The timer id the deferred click runs on; windows use ids 1 and up.
    static constexpr int kDeferredClickTimer = 0;

    // A window whose table has tableSize entries, the first filled from rows and the rest at their
    // defaults; rectangles and label fonts are scaled as the scheme says.
    SkinnedWindow(const WindowContext& context, const SkinScheme& scheme, std::span<const ControlSpec> rows,
                  std::size_t tableSize, QWidget* parent = nullptr);
    // The window a description gives: its table, pictures and colour key, with the rest of scheme.
    SkinnedWindow(const WindowContext& context, const WindowDescription& description, SkinScheme scheme,
                  QWidget* parent = nullptr);
    ~SkinnedWindow() override;

    // Runs the window's initialisation, then the modal loop unless the initialisation ended it.
    int exec() override;

    // The control table, rectangles in window pixels (labels in design units where the scheme keeps
    // them there).
    const std::vector<SkinControl>& controls() const { return controls_; }
    // Index of the first entry with id, 0 when none has it.
    std::size_t findById(int id) const;
    std::size_t findById(ControlIdName auto id) const { return findById(idOf(id)); }
    // Sets or clears selected on the entry findById gives.
    void setSelectedById(int id, bool selected);
    void setSelectedById(ControlIdName auto id, bool selected) { setSelectedById(idOf(id), selected); }

    const SkinScheme& scheme() const { return scheme_; }
    float scale() const { return scale_; }
    QSize designSize() const { return background_.size(); }
    // Where the mouse was last seen over the window, in window pixels.
    QPoint lastMousePosition() const { return lastMouse_; }
    bool isDraggingWindow() const { return drag_.active(); }
    // A click is waiting out the double-click interval.
    bool hasPendingClick() const { return timers_.isActive(kDeferredClickTimer); }
    // The window's timers by id; owners and tests may drive them.
    WindowTimers& timers() { return timers_; }

    // Opens another window modally over this one, through the context's opener; its modal result,
    // or WindowOpener::kNotOffered when the program has no such window.
    int openWindow(WindowId window, int argument = 0);

    // What a screen reader is told about the entry at index of the table: its name in the store's
    // language, what the window shows for it, what it is, and whether it is shown, usable and
    // pressable. Only entries with an id take part.
    bool isSpokenEntry(std::size_t index) const;
    QString spokenName(std::size_t index) const;
    QString spokenDescription(std::size_t index) const;
    QAccessible::Role spokenRole(std::size_t index) const;
    bool isShownEntry(std::size_t index) const;
    bool isEnabledEntry(std::size_t index) const;
    bool isPressableEntry(std::size_t index) const;
    bool isMarkedEntry(std::size_t index) const { return isMarkedControl(controls_.at(index)); }
    // The entry the keyboard focus frame is on, -1 for none; focused only while the window has focus.
    int focusedEntry() const;
    // Puts the focus frame on the entry at index, as Tab would.
    void focusEntry(std::size_t index);
    // Whether the focus frame is drawn: once the keyboard has moved a focus in the program, never
    // before, so a window used with the mouse only looks as it always did.
    bool showsFocusFrame() const;
    // Whether the keyboard has moved a focus in this program; tests start over with false.
    static bool keyboardInUse() { return SkinKeyboardFocus::keyboardInUse(); }
    static void setKeyboardInUse(bool inUse) { SkinKeyboardFocus::setKeyboardInUse(inUse); }
    bool isFocusedEntry(std::size_t index) const {
        return holdsKeyboard() && focusedEntry() == static_cast<int>(index);
    }
    // Whether keys typed now come to the window itself: it is the active window and none of its child
    // widgets (an edit box) has the focus.
    bool holdsKeyboard() const;
    QRect entryArea(std::size_t index) const { return windowRectOf(controls_.at(index)); }
    // Does what a left click on the entry does, once the caller has returned (a screen reader's call
    // must not wait for a dialog the command opens).
    void pressEntry(std::size_t index);
    // The bars the window draws itself, as a screen reader hears them; their number never changes.
    std::vector<SkinGauge> spokenGauges() const { return gauges(); }
    QString spokenGaugeName(std::size_t index) const;
    QRect gaugeArea(std::size_t index) const;
    // Tells a listening screen reader which names, descriptions and states changed since it was
    // last told; costs nothing until a reader first asked for the window's tree (listenForReader).
    // Every paint calls it.
    void announceChanges();
    void listenForReader();

signals:
    // A paint of the window has been completed.
    void painted();

protected:
    // Runs once, when the window is first run or shown.
    virtual void onInit() {}
    // The command of the entry with id.
    virtual void onClick(int id) = 0;
    // A double-click on the clickable entry with id (after the pending click was dropped).
    virtual void onDoubleClick(int id);
    virtual void onTimer(int id);
    // Escape or the window being closed; ends the window with Cancel unless a window says otherwise.
    virtual void onCancelRequest();
    // Called at the start of every paint, for looks computed from the store.
    virtual void prepareLooks() {}
    // Window-specific drawing into the design-size picture, before the captions and the stretch.
    virtual void paintInDesignUnits(QPainter& painter);
    // Window-specific drawing onto the window after the stretch, before captions drawn there.
    virtual void paintInWindowPixels(QPainter& painter);
    // Entries that are drawn, hovered and clicked at all.
    virtual bool takesPart(const SkinControl& control) const;
    // Entries a release runs a command for, and a press on which does not drag the window.
    virtual bool isClickable(const SkinControl& control) const;

    // Names for entries whose pictures carry no words, by id; the title-bar buttons and the steppers
    // are named by their role.
    virtual std::span<const SpokenName> pictureNames() const { return {}; }
    // The bars the window draws itself (progress, travel) with what they show now; none by default.
    virtual std::vector<SkinGauge> gauges() const { return {}; }
    // Names for the window's child widgets, by object name; they follow the store's language.
    virtual std::span<const SpokenWidgetName> widgetNames() const { return {}; }
    // What the window shows for key keyIndex (1 to 85), in the store's language; empty for nothing.
    virtual std::string keyDescription(int keyIndex) const;
    // What an entry is for a screen reader; by default what its table row says.
    virtual QAccessible::Role spokenRoleOf(const SkinControl& control) const;
    // The page of a window with pages that an entry is drawn on; 0 for one drawn on every page.
    virtual int pageOfControl(const SkinControl& /*control*/) const { return 0; }
    // Entries the window shows but does not take clicks on now.
    virtual bool isEnabledControl(const SkinControl& control) const;
    // Whether every key belongs to the window now (a capture, a recording, the travel view), so that
    // Tab, the arrows, Space and Enter move and press nothing.
    virtual bool keysBelongToWindow() const { return false; }
    // Entries a screen reader calls selected or checked; by default those drawn selected.
    virtual bool isMarkedControl(const SkinControl& control) const { return control.selected; }

    // The modal loop after a successful initialisation; QDialog's own unless a window needs one that
    // survives being hidden.
    virtual int runModalLoop();
    // Ends the window with result; during the initialisation the window then never shows.
    void endDialog(int result);
    // The table for windows to change (selection, captions).
    std::vector<SkinControl>& table() { return controls_; }
    // Index of the first clickable entry containing point (window pixels), -1 when none.
    int clickableAt(QPoint point) const;
    // Picks other pictures; the window keeps its size and outline.
    void setPictures(const SkinPictures& pictures);
    // The rectangle an entry covers on the window, and the design-unit region it was scaled from.
    QRect windowRectOf(const SkinControl& control) const;
    QRect designRectOf(const SkinControl& control) const;

    const WindowContext& context() const { return context_; }
    CConfigStore& store() const { return context_.store; }
    // The parts of the store, for a window that reads or sets only one of them.
    StoreSession& session() const;
    const KeyFunctionCatalogue& catalogue() const;
    PlatformServices& platform() const { return context_.platform; }
    // Runs a transfer in the progress window: OK, Transfer::kFailed or Cancel.
    int runTransfer(int mode) { return openWindow(WindowId::Transfer, mode); }
    const SharedResources& resources() const { return context_.resources; }
    QImage pictureInSlot(int slot) const;

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void nameChildWidgets();
    void fillTable(std::span<const ControlSpec> rows, std::size_t tableSize);
    void scaleTable();
    void setUpFrame();
    void initialiseOnce();
    void trackHover(QPoint point);
    void handleTimer(int id);
    void dispatchClick(int id);
    void runPendingClick();
    bool liesOver(const SkinControl& label, const SkinControl& entry) const;
    bool liesBeside(const SkinControl& label, const SkinControl& entry) const;
    QString wordsOfLabel(const SkinControl& entry, const std::string& language) const;

    QRect designAreaOf(const QRect& update) const;
    void paintLooks(QPainter& design, const QRect& area) const;
    int lookSlotFor(const SkinControl& control) const;
    bool takesHoverLook(const SkinControl& control) const;
    void paintCaptions(QPainter& painter, CaptionPass pass, const QRect& dirty) const;
    bool drawsCaption(const SkinControl& control) const;

    WindowContext context_;
    SkinScheme scheme_;
    float scale_;
    QImage background_;
    // The design-size picture each paint draws into before the stretch, kept between paints.
    QImage memory_;
    std::vector<SkinControl> controls_;
    QPoint lastMouse_{-1, -1};
    WindowDrag drag_;
    WindowTimers timers_;
    int pendingClick_ = 0;
    std::unique_ptr<SkinKeyboardFocus> focus_ = std::make_unique<SkinKeyboardFocus>(*this);
    // The language the child widgets were last named in.
    std::string namedIn_;
    std::unique_ptr<AccessibleAnnouncer> announcer_;
    bool initialised_ = false;
    bool initialising_ = false;
    bool endedDuringInit_ = false;
};
