#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the running program as a screen reader does, through the desktop's accessibility bus.

  screen-reader.py task           lists the tree of each window it meets, and gives key W (key 34) the
                                  Play/Pause multimedia function and writes the keys, with nothing but
                                  accessible actions
  screen-reader.py focus NAME     waits until the entry with the keyboard focus is called NAME, as a
                                  reader following the focus hears it
  screen-reader.py shown NAME     waits until an entry called NAME is shown (a page has changed)
  screen-reader.py focus-role R   waits until the entry with the keyboard focus has role R

Run with Debian's /usr/bin/python3, which has pyatspi."""
import sys
import time

import pyatspi

TIMEOUT_S = 30


def fail(message):
    print(f"atspi: FAILED: {message}", file=sys.stderr)
    sys.exit(1)


def step(message):
    print(f"atspi: {message}", flush=True)


def wait_for(what, find):
    """Asks find() until it answers something other than None, for up to TIMEOUT_S."""
    deadline = time.monotonic() + TIMEOUT_S
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:  # a window going away while it is searched
            found = None
        if found is not None:
            return found
        time.sleep(0.1)
    fail(f"no {what}")
    return None


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def program():
    for application in children(pyatspi.Registry.getDesktop(0)):
        if application is not None and "qelec" in (application.name or "").lower():
            # States are read from the program each time, not from what its events left in a cache.
            application.set_cache_mask(pyatspi.cache.NONE)
            return application
    return None


def window(title):
    application = program()
    if application is None:
        return None
    for candidate in children(application):
        if candidate is not None and candidate.name == title and shown(candidate):
            return candidate
    return None


def shown(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def find(root, role, name):
    """The first shown node below root with role and name."""
    return pyatspi.findDescendant(
        root, lambda node: node is not None and node.getRole() == role and node.name == name and shown(node))


def press(node):
    actions = node.queryAction()
    names = [actions.getName(i).lower() for i in range(actions.nActions)]
    if "press" not in names:
        fail(f"'{node.name}' offers no press action, only {names}")
    step(f"press '{node.name}' ({node.getRoleName()})")
    actions.doAction(names.index("press"))


def value_of(node):
    """' = value (least..greatest)' for a node that holds a value (a gauge, a scroll bar), else ''."""
    try:
        value = node.queryValue()
    except NotImplementedError:
        return ""
    return f" = {value.currentValue:g} ({value.minimumValue:g}..{value.maximumValue:g})"


def expect(root, role, name):
    """The shown node below root with name and role (any role for None); fails when there is none."""
    node = pyatspi.findDescendant(
        root, lambda node: node is not None and node.name == name and shown(node)
        and (role is None or node.getRole() == role))
    if node is None:
        fail(f"no node '{name}' of role {role} in '{root.name}'")
    step(f"'{root.name}' has {node.getRoleName()} '{name}'{value_of(node)}")
    return node


def dump(root, title):
    """Writes the whole tree of a window, one node a line; answers how many nodes it has."""
    lines = []

    def walk(node, depth):
        if node is None:
            return
        states = [pyatspi.stateToString(s) for s in node.getState().getStates()
                  if s in (pyatspi.STATE_CHECKED, pyatspi.STATE_SELECTED, pyatspi.STATE_FOCUSED)]
        hidden = "" if shown(node) else " hidden"
        description = f" — {node.description!r}" if node.description else ""
        lines.append(f"{'  ' * depth}{node.getRoleName()} {node.name!r}{value_of(node)}{description}{hidden}"
                     f"{' [' + ','.join(states) + ']' if states else ''}")
        for child in children(node):
            walk(child, depth + 1)

    walk(root, 0)
    step(f"tree of '{title}': {len(lines)} nodes")
    for line in lines:
        print(f"atspi:   {line}")
    return len(lines)


def gone(title):
    return True if window(title) is None else None


def shown_windows():
    return {top.name for top in children(program()) if top is not None and shown(top)}


def open_window(owner, button_name):
    """Presses the button called button_name in owner and lists the tree of the window it opens."""
    before = shown_windows()
    button = find(owner, pyatspi.ROLE_PUSH_BUTTON, button_name)
    if button is None:
        fail(f"no push button '{button_name}' in '{owner.name}'")
    press(button)
    title = wait_for(f"a window opened by '{button_name}'", lambda: next(iter(shown_windows() - before), None))
    opened = window(title)
    dump(opened, title)
    return opened


def close_window(opened):
    title = opened.name
    press(find(opened, pyatspi.ROLE_PUSH_BUTTON, "关闭"))
    wait_for(f"'{title}' to close", lambda: gone(title))


def visit_windows(main_window):
    """Opens every window a reader reaches from the main window, lists its tree and closes it again."""
    backlight = open_window(main_window, "设置背光")
    close_window(open_window(backlight, "多键设置"))
    close_window(backlight)
    rapid = open_window(main_window, "动态点设置")
    press(find(rapid, pyatspi.ROLE_PUSH_BUTTON, "W"))
    expect(rapid, None, "信息")
    fine_adjust = open_window(rapid, "设置")
    expect(fine_adjust, None, "阈值")
    span = expect(fine_adjust, pyatspi.ROLE_IMAGE, "行程范围")
    spanned = span.description
    press(find(fine_adjust, pyatspi.ROLE_PUSH_BUTTON, "回弹 加大"))
    wait_for("the travel span to follow a step", lambda: span.description if span.description != spanned else None)
    step(f"the travel span went from {spanned!r} to {span.description!r}")
    close_window(fine_adjust)
    track = open_window(rapid, "跟踪键程")
    expect(track, pyatspi.ROLE_SLIDER, "键程")
    close_window(track)
    close_window(rapid)
    firmware = open_window(main_window, "固件升级")
    expect(firmware, pyatspi.ROLE_PROGRESS_BAR, "下载进度")
    expect(firmware, None, "固件文件")
    close_window(firmware)


def message_button():
    """The OK button of a message box the program shows over its windows."""
    application = program()
    for top in children(application):
        if top is None or top.name == "QelEC" or not shown(top):
            continue
        button = pyatspi.findDescendant(
            top, lambda node: node is not None and node.getRole() == pyatspi.ROLE_PUSH_BUTTON
            and node.name in ("OK", "&OK", "确定") and shown(node))
        if button is not None:
            return button
    return None


def main():
    main_window = wait_for("main window 'QelEC' on the accessibility bus", lambda: window("QelEC"))
    dump(main_window, "QelEC")
    expect(main_window, None, "信息")
    write_keys = find(main_window, pyatspi.ROLE_PUSH_BUTTON, "写入按键")
    if write_keys is None:
        fail("no push button '写入按键' in the main window")
    visit_windows(main_window)
    key_w = find(main_window, pyatspi.ROLE_PUSH_BUTTON, "W")
    if key_w is None:
        fail("no key 'W' in the main window")
    step(f"W says: {key_w.description!r}")

    press(key_w)
    dialog = wait_for("key assignment dialog", lambda: window("按键设置面板"))
    dump(dialog, "按键设置面板")
    close_window(open_window(dialog, "虚拟键盘输入"))
    press(wait_for("tab '多媒体'", lambda: find(dialog, pyatspi.ROLE_PAGE_TAB, "多媒体")))
    play_pause = wait_for("icon '播放/暂停'", lambda: find(dialog, pyatspi.ROLE_PUSH_BUTTON, "播放/暂停"))
    press(play_pause)
    wait_for("'播放/暂停' chosen",
             lambda: True if play_pause.getState().contains(pyatspi.STATE_SELECTED) else None)
    press(find(dialog, pyatspi.ROLE_PUSH_BUTTON, "确定"))
    wait_for("the dialog to close", lambda: gone("按键设置面板"))
    wait_for("W described as multimedia",
             lambda: key_w.description if key_w.description and "多媒体" in key_w.description else None)
    step(f"W says now: {key_w.description!r}")

    press(write_keys)
    application = program()
    ok = wait_for("the message's OK button", message_button)
    message = pyatspi.findAncestor(ok, lambda node: node is not None and node.getRole() in (
        pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT, pyatspi.ROLE_FRAME))
    if message is not None:
        dump(message, message.name)
    press(ok)
    wait_for("the message to close", lambda: None if shown(ok) else True)
    step("done")


def focused_entry():
    application = program()
    if application is None:
        return None
    return pyatspi.findDescendant(
        application, lambda node: node is not None and node.getState().contains(pyatspi.STATE_FOCUSED)
        and node.getRole() != pyatspi.ROLE_DIALOG and node.childCount == 0)


def wait_for_focus(name):
    def named():
        node = focused_entry()
        return node if node is not None and node.name == name else None
    node = wait_for(f"focus on '{name}' (it is on '{getattr(focused_entry(), 'name', None)}')", named)
    step(f"focus on '{node.name}' ({node.getRoleName()})")


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "focus":
        wait_for_focus(sys.argv[2])
    elif len(sys.argv) == 3 and sys.argv[1] == "focus-role":
        entry = wait_for(f"focus on a {sys.argv[2]}", lambda: (
            lambda node: node if node is not None and node.getRoleName() == sys.argv[2] else None)(focused_entry()))
        step(f"focus on '{entry.name}' ({entry.getRoleName()})")
    elif len(sys.argv) == 3 and sys.argv[1] == "shown":
        wait_for(f"'{sys.argv[2]}' shown", lambda: pyatspi.findDescendant(
            program(), lambda node: node is not None and node.name == sys.argv[2] and shown(node)))
    elif len(sys.argv) == 2 and sys.argv[1] == "task":
        main()
    else:
        fail(f"usage: {sys.argv[0]} task | focus NAME")
