# SPDX-License-Identifier: GPL-3.0-or-later
"""Uses the whole program at random for a while, as a careless user would, while the keyboard is
disturbed from outside; stops at the first crash, sanitizer report, hang, unreadable keyboard state
or saved profile that does not load back whole, and prints the seed and every action up to it."""

import argparse
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

from actions import DRAWS_PER_STEP, Actions
from keyboard import Failure, Keyboard
from windows import read_control_tables, recognise
from xserver import XServer

HANG_SECONDS = 10
# A program with no window cannot be asked whether it answers; one that shows none for this long
# (its leak check at the end included) and does not end is hanging.
NO_WINDOW_SECONDS = 30
# How often a step goes to a window beneath the one on top.
BENEATH_SHARE = 0.05
# How long a started program may take to show its first window: under the sanitizers, and with the
# keyboard unplugged it looks for it about 11 s before it says so.
FIRST_WINDOW_SECONDS = 40
SETTLE_SECONDS = 2
SETTLE_POLLS = 2
SETTLE_POLL_SECONDS = 0.02
HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))


def parse_arguments():
    parser = argparse.ArgumentParser(prog='monkey.sh', description=__doc__)
    parser.add_argument('--seconds', type=float, default=60)
    parser.add_argument('--seed', default='1', help="a whole number, or 'random'")
    parser.add_argument('--build', default='build-monkey')
    parser.add_argument('--out', default='out/monkey')
    parser.add_argument('--hurry', action='store_true',
                        help='act as soon as the program answers, without waiting for its windows to settle: '
                             'more actions and races, but a replay may part from the run sooner')
    parser.add_argument('--shots', type=int, default=0, metavar='N',
                        help='a screenshot into --out every N actions, to look at what it did')
    arguments = parser.parse_args()
    if arguments.seed == 'random':
        arguments.seed = random.SystemRandom().randrange(1, 2**31)
    else:
        arguments.seed = int(arguments.seed)
    return arguments


def free_display():
    number = 200
    while os.path.exists(f'/tmp/.X{number}-lock') or os.path.exists(f'/tmp/.X11-unix/X{number}'):
        number += 1
    return f':{number}'


def start_x_server(work):
    name = free_display()
    server = subprocess.Popen(['Xvfb', name, '-screen', '0', '1920x1080x24', '-nolisten', 'tcp'],
                              stdout=subprocess.DEVNULL, stderr=open(os.path.join(work, 'xvfb.log'), 'wb'))
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        try:
            return server, name, XServer(name)
        except Exception:  # not up yet
            time.sleep(0.1)
    raise Failure('the X server did not start')


def environment_for(work, display):
    folders = {name: os.path.join(work, name.lower()) for name in
               ('HOME', 'XDG_CONFIG_HOME', 'XDG_DATA_HOME', 'XDG_STATE_HOME', 'XDG_CACHE_HOME')}
    for folder in folders.values():
        os.makedirs(folder, exist_ok=True)
    runtime = os.path.join(work, 'runtime')
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    suppressions = os.path.join(HERE, 'leaks.supp')
    return {
        'PATH': os.environ.get('PATH', '/usr/bin:/bin'),
        'DISPLAY': display,
        'LANG': 'C.UTF-8',
        'XDG_RUNTIME_DIR': runtime,
        'QELEC_VKBD_STATE': os.path.join(work, 'keyboard.txt'),
        'ASAN_OPTIONS': 'abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=0',
        'LSAN_OPTIONS': f'suppressions={suppressions}:print_suppressions=0',
        'UBSAN_OPTIONS': 'print_stacktrace=1:halt_on_error=1',
        **folders,
    }


def stock_files(files, keyboard):
    """Profiles to open (whole, of another variant, with gaps; broken ones), and firmware images."""
    corpus = os.path.join(ROOT, 'fuzz/corpus')
    for name in sorted(os.listdir(os.path.join(corpus, 'profile'))):
        shutil.copy(os.path.join(corpus, 'profile', name), os.path.join(files, name))
    shutil.copy(os.path.join(corpus, 'xml', 'mismatched.xml'), os.path.join(files, 'broken.pro'))
    with open(os.path.join(files, 'empty.pro'), 'wb'):
        pass
    with open(os.path.join(files, 'binary.pro'), 'wb') as binary:
        binary.write(bytes(range(256)) * 4)
    with open(os.path.join(files, 'small.pro'), 'rb') as whole:
        text = whole.read()
    with open(os.path.join(files, 'cut.pro'), 'wb') as cut:
        cut.write(text[:len(text) // 2])
    keyboard.make_firmware(files)


class Monkey:
    def __init__(self, arguments, x, tables, keyboard, files, saved):
        self.arguments = arguments
        self.x = x
        self.tables = tables
        self.keyboard = keyboard
        self.files = files
        self.saved = saved
        self.random = random.Random(arguments.seed)
        self.started = time.monotonic()
        self.lines = []
        self.actions = Actions(x, keyboard, files, saved, self.log)

    def log(self, text):
        self.lines.append(f'{self.actions.step:6d} {time.monotonic() - self.started:7.2f}s '
                          f'run {self.keyboard.runs}: {text}')

    def draws(self):
        return [self.random.random() for _ in range(DRAWS_PER_STEP)]

    def run(self):
        deadline = self.started + self.arguments.seconds
        while time.monotonic() < deadline:
            if not self.keyboard.running():
                self.restart()
                continue
            draws = self.draws()
            target = self.window_to_use(draws[6])
            if target is None:
                continue
            window, recognised = target
            self.actions.act(window, recognised, draws)
            self.wait_until_answering()
            self.keyboard.check_saved_profiles(self.saved)
            if self.actions.step % 50 == 0:
                self.keyboard.check_state_readable()
            if self.arguments.shots and self.actions.step % self.arguments.shots == 0:
                self.screenshot(f'step-{self.actions.step:05d}.png')
            if draws[7] < 0.1:  # a user who pauses: timers and the travel view get to run
                time.sleep(0.3)
        self.actions.release_all_keys()

    def restart(self):
        """After the program ended well (or before its first start): a plugged-in keyboard, maybe
        another variant, and the program again."""
        if self.keyboard.program is not None:
            self.actions.release_all_keys()
            self.keyboard.check_ended_well()
            self.keyboard.check_saved_profiles(self.saved)  # for the keyboard they were saved from
            self.log('the program ended')
        self.keyboard.reap_holders(wait=True)
        self.keyboard.check_state_readable()
        draws = self.draws()
        if self.keyboard.program is None or draws[0] < 0.3:
            variant = 1 + int(draws[1] * 4)
            self.keyboard.create(variant)
            self.keyboard.make_firmware(self.files)
            self.log(f'a new keyboard of variant {variant}')
        self.keyboard.vkbd_command('fail', '--clear')
        self.keyboard.vkbd_command('mac', 'off')
        self.keyboard.vkbd_command('plug')
        plug_after = None
        if draws[2] < 0.08:
            self.keyboard.hold_in_background(2, until_held=True)
            self.log('qelec-vkbd hold --seconds 2, before the program starts')
        elif draws[2] < 0.12:
            self.keyboard.vkbd_command('mac', 'on')
            self.log('qelec-vkbd mac on, before the program starts')
        elif draws[2] < 0.16:
            self.keyboard.vkbd_command('unplug')
            plug_after = 1 + draws[3] * 6
            self.log(f'qelec-vkbd unplug, before the program starts; plugged in {plug_after:.1f} s after')
        self.keyboard.start()
        self.log('the program starts')
        self.wait_for_first_window(plug_after)

    def wait_for_first_window(self, plug_after):
        """The program looks for a missing keyboard a while before it shows anything; plug_after
        seconds into that, the keyboard is plugged in, as a user would."""
        started = time.monotonic()
        while self.keyboard.running() and not self.program_windows():
            waited = time.monotonic() - started
            if plug_after is not None and waited > plug_after:
                self.keyboard.vkbd_command('plug')
                plug_after = None
            if waited > FIRST_WINDOW_SECONDS:
                raise Failure(f'the program showed no window in {FIRST_WINDOW_SECONDS} s')
            time.sleep(0.1)

    def program_windows(self):
        return [window for window in self.x.windows() if window.width > 1 and window.height > 1]

    def window_to_use(self, draw):
        """The window on top and what it is, or now and then one beneath it (a modal dialog's owner
        clicked or typed into by mistake); none while the program shows nothing (it may be between
        two windows, or ending)."""
        deadline = time.monotonic() + NO_WINDOW_SECONDS
        while self.keyboard.running():
            windows = self.program_windows()
            ordinary = [window for window in windows if not window.override_redirect]
            if ordinary:
                beneath = ordinary[:-1]
                window = beneath[int(draw / BENEATH_SHARE * len(beneath))] if beneath and draw < BENEATH_SHARE \
                    else ordinary[-1]
                return window, recognise(window, self.tables)
            if time.monotonic() > deadline:
                raise Failure(f'the program has shown no window for {NO_WINDOW_SECONDS} s and not ended')
            time.sleep(0.05)
        return None

    def wait_until_answering(self):
        if not self.keyboard.running():
            return
        windows = [window for window in self.program_windows() if not window.override_redirect]
        if windows and not self.x.answers(windows[-1], HANG_SECONDS):
            if self.keyboard.running():
                raise Failure(f'the program stopped answering for more than {HANG_SECONDS} s')
        if not self.arguments.hurry:
            self.wait_until_settled()

    def wait_until_settled(self):
        """Until the windows shown stay the same for a moment (a window an action opens may take
        a little while to show), so that the next choice meets the same window when a seed is
        replayed; at most SETTLE_SECONDS."""
        deadline = time.monotonic() + SETTLE_SECONDS
        last, unchanged = None, 0
        while unchanged < SETTLE_POLLS and time.monotonic() < deadline and self.keyboard.running():
            shown = [(window.handle.id, window.width, window.height) for window in self.program_windows()]
            unchanged = unchanged + 1 if shown == last else 0
            last = shown
            time.sleep(SETTLE_POLL_SECONDS)

    def write_log(self, out):
        os.makedirs(out, exist_ok=True)
        with open(os.path.join(out, 'actions.log'), 'w', encoding='utf-8') as log:
            log.write('\n'.join(self.lines) + '\n')

    def screenshot(self, name):
        out = os.path.abspath(self.arguments.out)
        os.makedirs(out, exist_ok=True)
        subprocess.run(['import', '-window', 'root', os.path.join(out, name)],
                       env={'DISPLAY': self.x.display.get_display_name(), 'PATH': os.environ['PATH']},
                       stderr=subprocess.DEVNULL)

    def report(self, out, failure):
        self.write_log(out)
        self.screenshot('failure.png')
        if self.keyboard.program_log and os.path.exists(self.keyboard.program_log):
            shutil.copy(self.keyboard.program_log, os.path.join(out, 'program.log'))
            print(f'monkey: the program said:\n{self.keyboard.log_tail()}')
        print('\n'.join(self.lines[-300:]))
        print(f'monkey: FAILED after {self.actions.step} actions: {failure}')
        hurry = ' --hurry' if self.arguments.hurry else ''
        print(f'monkey: seed {self.arguments.seed}; the whole action log is in {out}/actions.log; replay with'
              f' scripts/monkey.sh --seed {self.arguments.seed} --seconds {self.arguments.seconds:g}{hurry}')


def main():
    arguments = parse_arguments()
    print(f'monkey: seed {arguments.seed}, {arguments.seconds:g} s, program from {arguments.build}', flush=True)
    work = tempfile.mkdtemp(prefix='qelec-monkey-')
    server = None
    monkey = None
    try:
        build = os.path.abspath(arguments.build)
        tables = read_control_tables(os.path.join(build, 'tools/res/qelec-res'))
        server, display, x = start_x_server(work)
        keyboard = Keyboard(build, work, environment_for(work, display))
        files = os.path.join(work, 'files')
        saved = os.path.join(work, 'saved')
        os.makedirs(files)
        os.makedirs(saved)
        monkey = Monkey(arguments, x, tables, keyboard, files, saved)
        keyboard.create(4)
        stock_files(files, keyboard)
        monkey.run()
        monkey.write_log(os.path.abspath(arguments.out))
        keyboard.stop()
        keyboard.check_state_readable()
        report = keyboard.sanitizer_report()
        if report:
            raise Failure(f'a sanitizer report in run {keyboard.runs}:\n{report}')
        print(f'monkey: passed: seed {arguments.seed}, {monkey.actions.step} actions over {keyboard.runs} runs '
              f'of the program, {len(keyboard.checked)} saved profiles checked', flush=True)
        return 0
    except Failure as failure:
        if monkey is not None:
            monkey.report(os.path.abspath(arguments.out), failure)
        else:
            print(f'monkey: FAILED: {failure}')
        return 1
    finally:
        if monkey is not None:
            monkey.keyboard.stop()
        if server is not None:
            server.kill()
            server.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == '__main__':
    sys.exit(main())
