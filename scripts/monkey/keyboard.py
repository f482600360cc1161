# SPDX-License-Identifier: GPL-3.0-or-later
"""The program under test and the virtual keyboard beside it: starting and restarting the program,
disturbing the keyboard from outside with qelec-vkbd, and the checks on what both leave behind."""

import os
import re
import subprocess

VARIANTS = {1: 'QelEC(RGB)Ble', 2: 'QelEC(S)Ble', 3: 'QelEC(S)', 4: 'QelEC(RGB)'}

# What a sanitizer prints when it finds a fault; the program's own output never says these.
SANITIZER_REPORT = re.compile(r'ERROR: (AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer)|'
                              r'runtime error: |SUMMARY: (Address|Leak|UndefinedBehavior)Sanitizer')


class Failure(Exception):
    """What the monkey found: the run stops and prints its seed and log."""


class Keyboard:
    def __init__(self, build, work, environment):
        self.vkbd = os.path.join(build, 'tools/vkbd/qelec-vkbd')
        self.ctl = os.path.join(build, 'tools/ctl/qelec-ctl')
        self.qelec = os.path.join(build, 'app/qelec')
        self.work = work
        self.environment = environment
        self.variant = 4
        self.program = None
        self.program_log = None
        self.runs = 0
        self.holders = []
        self.checked = {}

    # --- the keyboard --------------------------------------------------------------------------

    def vkbd_command(self, *words, may_fail=True):
        done = subprocess.run([self.vkbd, *words], env=self.environment, capture_output=True, text=True)
        if done.returncode == 2 or (done.returncode != 0 and not may_fail):
            raise Failure(f"qelec-vkbd {' '.join(words)} failed ({done.returncode}): {done.stderr.strip()}")
        return done

    def create(self, variant):
        self.variant = variant
        self.vkbd_command('create', '--variant', str(variant), '--version', f'{VARIANTS[variant]};V2.10',
                          '--force', may_fail=False)

    def make_firmware(self, folder):
        """Two images: one the firmware window takes for this keyboard, one of another variant."""
        other = 1 + self.variant % 4
        for variant, version in ((self.variant, '3.00'), (other, '2.50')):
            path = os.path.join(folder, f'{VARIANTS[variant]}_V{version}.bin')
            self.vkbd_command('make-firmware', '--variant', str(variant), '--version', version,
                              '--payload-bytes', '2048', path, may_fail=False)

    def hold_in_background(self, seconds, until_held=False):
        """Another program holding the keyboard for a while; until_held waits until it does."""
        holder = subprocess.Popen([self.vkbd, 'hold', '--seconds', str(seconds)], env=self.environment,
                                  stdout=subprocess.PIPE if until_held else subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        self.holders.append(holder)
        if until_held:
            holder.stdout.readline()  # "holding the virtual keyboard ...", or nothing when it could not
            holder.stdout.close()

    def reap_holders(self, wait=False):
        for holder in list(self.holders):
            if wait:
                holder.wait()
            if holder.poll() is not None:
                self.holders.remove(holder)

    def check_state_readable(self):
        done = self.vkbd_command('show')
        if done.returncode != 0:
            raise Failure(f'qelec-vkbd show cannot read the keyboard state: {done.stderr.strip()}')

    def check_saved_profiles(self, folder):
        """Every profile the program saved loads back whole; each file is checked once per change."""
        for name in sorted(os.listdir(folder)):
            path = os.path.join(folder, name)
            try:
                stat = os.stat(path)
            except FileNotFoundError:
                continue
            if not os.path.isfile(path) or self.checked.get(path) == (stat.st_mtime_ns, stat.st_size):
                continue
            self.checked[path] = (stat.st_mtime_ns, stat.st_size)
            done = subprocess.run([self.ctl, 'check', '--variant', str(self.variant), path],
                                  env=self.environment, capture_output=True, text=True)
            if done.returncode != 0 or 'nothing skipped' not in done.stdout:
                raise Failure(f'the saved profile {name} does not load back whole:\n'
                              f'{done.stdout}{done.stderr}')

    # --- the program ---------------------------------------------------------------------------

    def start(self):
        self.runs += 1
        self.program_log = os.path.join(self.work, f'program-{self.runs}.log')
        with open(self.program_log, 'wb') as log:
            self.program = subprocess.Popen([self.qelec], env=self.environment, stdout=log,
                                            stderr=subprocess.STDOUT)

    def running(self):
        return self.program is not None and self.program.poll() is None

    def check_ended_well(self):
        """Raises when the program ended by a signal, with a code, or with a sanitizer report."""
        code = self.program.wait()
        report = self.sanitizer_report()
        if report:
            raise Failure(f'a sanitizer report in run {self.runs}:\n{report}')
        if code != 0:
            raise Failure(f'the program ended with {"signal " + str(-code) if code < 0 else "code " + str(code)}'
                          f' in run {self.runs}:\n{self.log_tail()}')

    def sanitizer_report(self):
        if not self.program_log or not os.path.exists(self.program_log):
            return ''
        with open(self.program_log, encoding='utf-8', errors='replace') as log:
            text = log.read()
        match = SANITIZER_REPORT.search(text)
        return text[max(0, match.start() - 200):match.start() + 6000] if match else ''

    def log_tail(self, lines=30):
        with open(self.program_log, encoding='utf-8', errors='replace') as log:
            return ''.join(log.readlines()[-lines:])

    def stop(self):
        if self.running():
            self.program.kill()
            self.program.wait()
        self.reap_holders(wait=True)
