"""What a screen reader hears of the running program, over AT-SPI.

Opens each trainer from the main menu by its button's press action, enters
the word 1011 one character at a time through the word box's editable text,
presses the lamps through their press actions and listens for the
notification that each press announces: it must become showing within the
timeout, with the expected sentence as its name, and leave the keyboard
focus where it was. On the way it checks that each trainer's diagram holds
one object per lamp and per cell and that no window holds a frame.
Exits non-zero with what was expected and what was heard.
"""

import os
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT_S = int(os.environ.get("E2E_TIMEOUT_MS", "5000")) / 1000
WORD = "1011"

MENU = "Tramelune à décalage"
SERIAL = "Registre série"
SERIAL_PARALLEL = "Registre entrée série et sortie parallèle."


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def descendants(obj):
    for child in obj:
        if child is not None:
            yield child
            yield from descendants(child)


def describe(obj):
    return f'{obj.getRoleName()} "{obj.name}"'


def dispatch():
    """Hands the events that have arrived to their listeners."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def poll(probe):
    """Dispatches events until probe answers something, or the timeout
    passes."""
    deadline = time.monotonic() + TIMEOUT_S
    while True:
        dispatch()
        found = probe()
        if found or time.monotonic() > deadline:
            return found
        time.sleep(0.01)


def wait_for(what, probe):
    found = poll(probe)
    if not found:
        fail(f"{what}: not within {TIMEOUT_S:g} s")
    return found


def one(within, what, match):
    found = [obj for obj in descendants(within) if match(obj)]
    if len(found) != 1:
        fail(f'{what} in "{within.name}": {len(found)} objects, not one')
    return found[0]


def button(window, name):
    return one(window, f'the button "{name}"',
               lambda obj: obj.getRole() == pyatspi.ROLE_PUSH_BUTTON and obj.name == name)


# A lamp is named after its state: "Horloge H : éteinte".
def lamp(window, name):
    return one(window, f'the lamp "{name}"',
               lambda obj: obj.getRole() == pyatspi.ROLE_PUSH_BUTTON and obj.name.startswith(name + " : "))


def focused(window):
    return [describe(obj) for obj in descendants(window) if obj.getState().contains(pyatspi.STATE_FOCUSED)]


def press(obj):
    wait_for(f"{describe(obj)} taking a press", lambda: obj.getState().contains(pyatspi.STATE_SENSITIVE))
    action = obj.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail(f"{describe(obj)} has no press action, only {names}")
    if not action.doAction(names.index("Press")):
        fail(f"{describe(obj)} refused its press action")


class Announcements:
    """The notifications that became showing, in order, as a screen reader
    learns of them; and everything else that became showing, to tell what
    came instead."""

    def __init__(self):
        self.notifications = []
        self.others = []
        pyatspi.Registry.registerEventListener(self._showing, "object:state-changed:showing")

    def _showing(self, event):
        if not event.detail1:
            return
        if event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            self.notifications.append(event.source.name)
        else:
            self.others.append(describe(event.source))

    def after_press(self, window, target, sentence):
        """Presses target and expects the one announcement sentence, with
        the focus left where it was."""
        what = f'pressing {describe(target)} in "{window.name}"'
        dispatch()
        if self.notifications:
            fail(f"before {what}: unexpected announcements {self.notifications}")
        self.others.clear()
        before = focused(window)
        if not before:
            fail(f"before {what}: nothing has the focus")
        press(target)
        if not poll(lambda: self.notifications):
            fail(f'{what}: expected the notification "{sentence}", no notification became showing within '
                 f"{TIMEOUT_S:g} s (other objects that did: {self.others or 'none'})")
        heard = self.notifications.pop(0)
        if heard != sentence:
            fail(f'{what}: expected the notification "{sentence}", heard "{heard}"')
        after = focused(window)
        if after != before:
            fail(f"{what}: the focus moved from {before or 'nothing'} to {after or 'nothing'}")


def application():
    def probe():
        return next((app for app in pyatspi.Registry.getDesktop(0) if app is not None and app.name == "tramelune"),
                    None)
    return wait_for('the application "tramelune" on the accessibility bus', probe)


def window(app, title):
    """Waits for the window to show, then checks that no object below it is
    a frame: a frame is what a screen reader takes for a window."""
    def probe():
        return next((w for w in app if w is not None and w.getRole() == pyatspi.ROLE_FRAME and w.name == title
                     and w.getState().contains(pyatspi.STATE_SHOWING)), None)
    shown = wait_for(f'the window "{title}" showing', probe)
    frames = [obj.name for obj in descendants(shown) if obj.getRole() == pyatspi.ROLE_FRAME]
    if frames:
        fail(f'the window "{title}" holds frames {frames}')
    return shown


def check_diagram(window, panel_name, parts):
    """One object per lamp and per cell of the diagram, whichever picture of
    each pair shows, and no two objects of the same name."""
    panel = one(window, f'the panel "{panel_name}"',
                lambda obj: obj.getRole() == pyatspi.ROLE_PANEL and obj.name == panel_name)
    names = [obj.name for obj in descendants(panel)]
    for part in parts:
        count = sum(name.startswith(part + " : ") for name in names)
        if count != 1:
            fail(f'the diagram of "{window.name}" holds {count} objects "{part} : …", not one: {names}')
    repeated = sorted({name for name in names if name and names.count(name) > 1})
    if repeated:
        fail(f'the diagram of "{window.name}" holds more than one object named {repeated}')


def enter_word(window, word):
    """Inserts the characters one at a time: an edit of the learner's each."""
    box = one(window, "the word box", lambda obj: obj.getRole() == pyatspi.ROLE_TEXT)
    editable = box.queryEditableText()
    for position, character in enumerate(word):
        if not editable.insertText(position, character, 1):
            fail(f'the word box refused "{character}" at {position}')
    typed = box.queryText().getText(0, -1)
    if typed != word:
        fail(f'the word box holds "{typed}", not "{word}"')


def main():
    announcements = Announcements()
    app = application()

    menu = window(app, MENU)
    press(button(menu, "Registre série/série"))
    serial = window(app, SERIAL)
    check_diagram(serial, "Registre 4 bits, entrées et sorties série",
                  ["Entrée série", "RAZ", "Horloge H", "Sortie série", "Cellule 3", "Cellule 2", "Cellule 1",
                   "Cellule 0"])
    enter_word(serial, WORD)
    announcements.after_press(serial, lamp(serial, "Horloge H"), "Impulsion 1 : 1 0 0 0, sortie éteinte")
    announcements.after_press(serial, lamp(serial, "RAZ"), "RAZ")

    press(button(serial, "Menu"))
    menu = window(app, MENU)
    press(button(menu, "Registre série/parallèle"))
    serial_parallel = window(app, SERIAL_PARALLEL)
    check_diagram(serial_parallel, "Registre 4 bits, entrée série et sortie parallèle",
                  ["S1", "S2", "S3", "S4", "Commande de lecture", "Entrée", "RAZ", "Horloge H"])
    enter_word(serial_parallel, WORD)
    clock = lamp(serial_parallel, "Horloge H")
    # The last bit of the word goes in first.
    for sentence in ["Impulsion 1 : entrée allumée", "Impulsion 2 : entrée allumée", "Impulsion 3 : entrée éteinte",
                     "Impulsion 4 : entrée allumée"]:
        announcements.after_press(serial_parallel, clock, sentence)
    announcements.after_press(serial_parallel, lamp(serial_parallel, "Commande de lecture"),
                              "Lecture 1011 : S4, S2 et S1 allumées")


if __name__ == "__main__":
    main()
