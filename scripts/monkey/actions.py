# SPDX-License-Identifier: GPL-3.0-or-later
"""What a careless user does next. Every step draws the same number of random values whatever it
then does with them, so one seed always makes the same choices in the same order."""

import os
import random

DRAWS_PER_STEP = 8

KEYS = ['a', 'b', 'c', 'd', 'e', 'q', 'r', 's', 't', 'w', 'x', 'y', 'z', '1', '2', '5', '9', '0', 'space',
        'Return', 'Escape', 'Tab', 'BackSpace', 'Delete', 'Left', 'Right', 'Up', 'Down', 'Home', 'End',
        'Prior', 'Next', 'Insert', 'F1', 'F2', 'F5', 'F12', 'Shift_L', 'Control_L', 'Alt_L', 'Super_L',
        'minus', 'equal', 'comma', 'period', 'slash', 'KP_Enter', 'KP_Add', 'Caps_Lock', 'Print']
ROLE_WEIGHTS = {'close': 0.3, 'minimise': 0.3, 'help': 0.3}
MODIFIERS = ['Control_L', 'Shift_L', 'Alt_L']
FAIL_NAMES = ['write-keys', 'read-keys', 'write-lights', 'read-lights', 'write-triggers', 'read-triggers',
              'counters', 'track', 'firmware', 'version']


def pick(values, draw):
    return values[min(len(values) - 1, int(draw * len(values)))]


def inside(left, top, right, bottom, across, down):
    """A point well inside the rectangle, placed by two draws."""
    return (left + (right - left) * (0.2 + 0.6 * across), top + (bottom - top) * (0.2 + 0.6 * down))


class Actions:
    def __init__(self, x, keyboard, files, saved, log):
        self.x = x
        self.keyboard = keyboard
        self.files = files
        self.saved = saved
        self.log = log
        self.held = {}  # key -> the step it is released at
        self.step = 0

    # --- the keys held down over several steps -------------------------------------------------

    def release_due_keys(self):
        for key, until in list(self.held.items()):
            if until <= self.step:
                self.x.key(key, False)
                del self.held[key]
                self.log(f'release {key}')

    def release_all_keys(self):
        for key in list(self.held):
            self.x.key(key, False)
        self.held.clear()

    # --- one step ------------------------------------------------------------------------------

    def act(self, window, recognised, draws):
        self.step += 1
        self.release_due_keys()
        handler = {
            'skinned': self.use_skinned_window,
            'message': self.answer_message,
            'open': self.answer_open_dialog,
            'save': self.answer_save_dialog,
            'colour': self.answer_colour_chooser,
        }[recognised.kind]
        if draws[0] >= 0.97:
            self.disturb_keyboard(draws)
        else:
            handler(window, recognised, draws)

    def at(self, window, x, y):
        self.x.move(window.x + x, window.y + y)

    def use_skinned_window(self, window, recognised, draws):
        choice = draws[0] / 0.97
        controls = recognised.controls or [(0, 0, 0, window.width, window.height, 'none')]
        cid, left, top, right, bottom, role = self.pick_control(controls, draws[1])
        x, y = inside(left, top, right, bottom, draws[2], draws[3])
        where = f'{role} {cid} at ({int(x)},{int(y)}) of {recognised.name}'
        closers = [control for control in controls if control[5] == 'close']
        if choice < 0.05 and closers and not recognised.name.startswith('main'):
            # Users leave dialogs too: without this the monkey stays in the biggest one for long.
            cid, left, top, right, bottom, role = pick(closers, draws[1])
            self.at(window, *inside(left, top, right, bottom, draws[2], draws[3]))
            self.x.click(1)
            self.log(f'click close {cid} of {recognised.name}')
        elif choice < 0.45:
            self.at(window, x, y)
            self.x.click(1)
            self.log(f'click {where}')
        elif choice < 0.50:
            self.at(window, x, y)
            self.x.click(1, times=2)
            self.log(f'double-click {where}')
        elif choice < 0.53:
            self.at(window, x, y)
            self.x.click(3)
            self.log(f'right-click {where}')
        elif choice < 0.60:
            x, y = draws[2] * window.width, draws[3] * window.height
            self.at(window, x, y)
            self.x.click(1)
            self.log(f'click anywhere at ({int(x)},{int(y)}) of {recognised.name}')
        elif choice < 0.65:
            self.drag(window, recognised, controls, x, y, draws, where)
        elif choice < 0.70:
            self.at(window, x, y)
            wheel = 4 if draws[4] < 0.5 else 5
            self.x.click(wheel, times=1 + int(draws[5] * 3))
            self.log(f'wheel {"up" if wheel == 4 else "down"} over {where}')
        elif choice < 0.88:
            self.press_key(window, draws)
        elif choice < 0.92:
            key = pick(KEYS, draws[4])
            if key not in self.held:
                self.x.focus(window)
                self.x.key(key, True)
                self.held[key] = self.step + 1 + int(draws[5] * 6)
                self.log(f'hold {key} for {self.held[key] - self.step} steps')
        else:
            self.x.focus(window)
            text = self.text(draws[7])
            self.x.type_text(text)
            self.log(f'type {text!r}')

    @staticmethod
    def pick_control(controls, draw):
        """A kind of control first (key, tab, button, ...), then one of that kind: the 85 keys of a
        keyboard view do not crowd out its few buttons. The title-bar buttons are picked less often,
        so that a run gets deep into the windows before it closes them."""
        roles = sorted({control[5] for control in controls})
        weights = [ROLE_WEIGHTS.get(role, 1.0) for role in roles]
        point = draw * sum(weights)
        for role, weight in zip(roles, weights):
            if point < weight or role == roles[-1]:
                of_role = [control for control in controls if control[5] == role]
                return pick(of_role, min(max(point / weight, 0.0), 0.999999))
            point -= weight
        return controls[0]

    def drag(self, window, recognised, controls, x, y, draws, where):
        _, left, top, right, bottom, _ = pick(controls, draws[4])
        to_x, to_y = inside(left, top, right, bottom, draws[5], draws[6])
        if draws[7] < 0.2:  # sometimes off the window altogether
            to_x, to_y = to_x - window.width * draws[5], to_y + window.height * draws[6]
        self.at(window, x, y)
        self.x.button(1, True)
        for part in range(1, 5):
            self.at(window, x + (to_x - x) * part / 4, y + (to_y - y) * part / 4)
        self.x.button(1, False)
        self.log(f'drag from {where} to ({int(to_x)},{int(to_y)})')

    def press_key(self, window, draws):
        key = pick(KEYS, draws[4])
        modifier = MODIFIERS[int(draws[5] * 10)] if draws[5] < 0.3 else None
        self.x.focus(window)
        if modifier:
            self.x.tap(modifier, key)
            self.log(f'key {modifier}+{key}')
        else:
            self.x.tap(key)
            self.log(f'key {key}')

    @staticmethod
    def text(draw):
        chooser = random.Random(int(draw * 2**32))
        alphabet = '0123456789' * 3 + 'abcxyzABC -_.,;!/'
        return ''.join(chooser.choice(alphabet) for _ in range(chooser.randint(1, 8)))

    # --- the toolkit's own dialogs -------------------------------------------------------------

    def answer_message(self, window, recognised, draws):
        self.x.focus(window)
        if draws[1] < 0.6:
            self.x.tap('Return')
            self.log(f'message "{recognised.name}": Enter')
        elif draws[1] < 0.85:
            self.x.tap('Escape')
            self.log(f'message "{recognised.name}": Escape')
        elif draws[1] < 0.93:
            self.x.tap('Tab')
            self.x.tap('space')
            self.log(f'message "{recognised.name}": Tab, Space')
        else:
            self.click_anywhere(window, recognised, draws)

    def click_anywhere(self, window, recognised, draws):
        x, y = draws[2] * window.width, draws[3] * window.height
        self.at(window, x, y)
        self.x.click(1)
        self.log(f'click at ({int(x)},{int(y)}) of "{recognised.name}"')

    def type_exactly(self, window):
        """Typing that must arrive as typed: no key held, Caps Lock off."""
        self.release_all_keys()
        self.x.focus(window)
        self.x.caps_lock_off()

    def type_path(self, window, path, what):
        self.type_exactly(window)
        self.x.tap('Alt_L', 'n')  # the file name field, in both languages
        self.x.tap('Control_L', 'a')
        self.x.type_text(path)
        self.x.tap('Return')
        self.log(f'{what}: {path}')

    def answer_open_dialog(self, window, recognised, draws):
        if draws[1] < 0.7:
            choices = [os.path.join(folder, name) for folder in (self.files, self.saved)
                       for name in sorted(os.listdir(folder))]
            choices += [os.path.join(self.files, 'missing.pro'), self.files]
            self.type_path(window, pick(choices, draws[2]), f'open "{recognised.name}"')
        elif draws[1] < 0.9:
            self.x.focus(window)
            self.x.tap('Escape')
            self.log(f'open "{recognised.name}": Escape')
        else:
            self.click_anywhere(window, recognised, draws)

    def answer_save_dialog(self, window, recognised, draws):
        if draws[1] < 0.7:
            name = pick(['mine', 'mine', 'other', 'with space', 'x.y', 'deep'], draws[2])
            path = os.path.join(self.saved, name + ('.pro' if draws[3] < 0.7 else ''))
            self.type_path(window, path, f'save "{recognised.name}"')
        elif draws[1] < 0.9:
            self.x.focus(window)
            self.x.tap('Escape')
            self.log(f'save "{recognised.name}": Escape')
        else:
            self.click_anywhere(window, recognised, draws)

    def answer_colour_chooser(self, window, recognised, draws):
        self.x.focus(window)
        if draws[1] < 0.6:
            self.type_exactly(window)
            colour = '#%06x' % int(draws[2] * 0xFFFFFF)
            self.x.tap('Alt_L', 'h')
            self.x.tap('Control_L', 'a')
            self.x.type_text(colour)
            self.x.tap('Return')
            self.log(f'colour chooser: {colour}')
        elif draws[1] < 0.85:
            self.x.tap('Escape')
            self.log('colour chooser: Escape')
        else:
            self.click_anywhere(window, recognised, draws)

    # --- the keyboard, from outside -------------------------------------------------------------

    def disturb_keyboard(self, draws):
        choice = draws[1]
        count = 1 + int(draws[2] * 30)
        if choice < 0.25:
            words = ['fail', '--call', str(count)]
        elif choice < 0.29:
            words = ['fail', '--cut', str(count)]
        elif choice < 0.36:
            words = ['fail', pick(FAIL_NAMES, draws[3])]
        elif choice < 0.46:
            words = ['fail', '--clear']
        elif choice < 0.50:
            words = ['unplug']
        elif choice < 0.55:
            words = ['plug']
        elif choice < 0.60:
            seconds = 1 + int(draws[3] * 3)
            self.keyboard.hold_in_background(seconds)
            self.log(f'qelec-vkbd hold --seconds {seconds} (in the background)')
            return
        elif choice < 0.85:
            words = ['press', str(1 + int(draws[3] * 85)), '--times', str(1 + int(draws[4] * 20))]
        elif choice < 0.92:
            words = ['transfer-time', str(int(draws[3] * 400))]
        else:
            words = ['travel', 'wave' if draws[3] < 0.5 else 'idle']
        done = self.keyboard.vkbd_command(*words)
        self.log(f'qelec-vkbd {" ".join(words)}' + ('' if done.returncode == 0 else f' (exit {done.returncode})'))
