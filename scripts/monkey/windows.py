# SPDX-License-Identifier: GPL-3.0-or-later
"""Which window is on top: one of the program's skinned windows (known by its size, from the
control tables that qelec-res prints) with the rectangles of its controls, or one of the toolkit's
own dialogs (message box, file dialog, colour chooser), known by its title."""

import re
import subprocess
from dataclasses import dataclass, field


@dataclass
class ControlTable:
    name: str
    width: int
    height: int
    controls: list = field(default_factory=list)  # (id, left, top, right, bottom, role) at scale 1


# The titles that tell apart windows of one size; the others are known by their size alone.
TITLES = {
    'backlight': 'BackLight Settings',
    'rapid-trigger': 'QelEC Rapid Trigger',
    'fine-adjust': 'QelEC Trigger Fine Adjust',
    'multi-key-colour': 'Set Multi Key',
    'track': 'QelEC Key Travel',
}


def read_control_tables(qelec_res):
    """The control table of every window at scale 1."""
    output = subprocess.run([qelec_res, '--controls'], check=True, capture_output=True, text=True,
                            env={'QT_QPA_PLATFORM': 'offscreen'}).stdout
    tables = []
    for line in output.splitlines():
        words = line.split()
        if words[0] == 'window':
            tables.append(ControlTable(words[1], int(words[2]), int(words[3])))
        elif words[0] == 'control' and tables:
            tables[-1].controls.append((*(int(word) for word in words[1:6]), words[6]))
    return tables


@dataclass
class Recognised:
    kind: str  # 'skinned', 'message', 'open', 'save' or 'colour'
    name: str
    scale: float = 1.0
    controls: list = field(default_factory=list)  # (id, left, top, right, bottom, role) in window pixels


_OPEN = re.compile(r'open|打开', re.IGNORECASE)
_SAVE = re.compile(r'save|保存|另存', re.IGNORECASE)
_COLOUR = re.compile(r'colou?r|颜色', re.IGNORECASE)


def _scaled(value, scale):
    return int(value * scale)


def _scale_fitting(window, table):
    scale = window.width / table.width
    return scale if abs(_scaled(table.height, scale) - window.height) <= 1 and 0.5 <= scale <= 4 else None


def _skinned(window, tables):
    """The tables of the window's size, narrowed by its title where that tells them apart; the
    controls of all that remain (the pages of one dialog, say) merged."""
    fitting = [table for table in tables if _scale_fitting(window, table)]
    titled = [table for table in fitting if TITLES.get(table.name) == window.title]
    untitled = [table for table in fitting if table.name not in TITLES]
    chosen = titled or untitled or fitting
    if not chosen:
        return None
    scale = _scale_fitting(window, chosen[0])
    controls = []
    for table in chosen:
        for cid, left, top, right, bottom, role in table.controls:
            entry = (cid, _scaled(left, scale), _scaled(top, scale), _scaled(right, scale), _scaled(bottom, scale),
                     role)
            if entry not in controls:
                controls.append(entry)
    return Recognised('skinned', chosen[0].name, scale, controls)


def recognise(window, tables):
    skinned = _skinned(window, tables)
    if skinned:
        return skinned
    if _COLOUR.search(window.title):
        return Recognised('colour', window.title)
    if _SAVE.search(window.title):
        return Recognised('save', window.title)
    if _OPEN.search(window.title):
        return Recognised('open', window.title)
    return Recognised('message', window.title)
