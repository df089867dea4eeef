#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reads the running game through AT-SPI, as a screen reader does, and plays
the start of a game through it: the menu buttons and the play time display are
named, the first-start language question is answered with its OK button, a new
game is started for a player typed into the player dialog, and every one of the
25 tiles is named by its place. Last, Beenden and the confirmation's Ja end the
program. Prints one line per check; the exit status is the number of failures."""

import re
import sys
import time

import pyatspi

failures = 0


def check(ok, what, detail=""):
    global failures
    print(("ok   " if ok else "FAIL ") + what + (f"  ({detail})" if detail and not ok else ""))
    if not ok:
        failures += 1
    return ok


def wait_for(find, seconds=30):
    """Polls until find() answers something; None after the time is up."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = find()
        except Exception:  # the tree changes under us while windows come and go
            found = None
        if found:
            return found
        time.sleep(0.2)
    return None


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Tessaryn Puzzle":
            return app
    return None


def descendants(root, role=None):
    found = []

    def walk(node):
        for child in node:
            if child is None:
                continue
            if role is None or child.getRole() == role:
                found.append(child)
            walk(child)

    walk(root)
    return found


def window(app, name, role):
    for child in app:
        if child is not None and child.name == name and child.getRole() == role:
            return child
    return None


def button(root, name):
    for b in descendants(root, pyatspi.ROLE_PUSH_BUTTON):
        if b.name == name:
            return b
    return None


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == "press":
            try:
                action.doAction(i)
            except Exception:
                pass  # a modal dialog may hold the reply back; the effect is what counts
            return True
    return False


def labelled_by(node):
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return names


app = wait_for(application)
if not check(app is not None, "the game is on the accessibility bus"):
    sys.exit(1)
main = wait_for(lambda: window(app, "Tessaryn Puzzle", pyatspi.ROLE_FRAME))
if not check(main is not None, "its main window is a frame named Tessaryn Puzzle"):
    sys.exit(failures)

menu = {
    "Neues Spiel starten": "Neues Spiel starten (F5)",
    "Hilfe": "Hilfe (F1)",
    "Information": "Information (F2)",
    "Highscoreliste": "Highscoreliste (F3)",
    "Einstellungen": "Einstellungen (F4)",
    "Beenden": "Beenden (Strg+X)",
}
for name, hint in menu.items():
    b = button(main, name)
    check(b is not None and b.description == hint, f"menu button '{name}', described '{hint}'")
labels = [l.name for l in descendants(main, pyatspi.ROLE_LABEL)]
check(any(re.fullmatch(r"Spielzeit \d\d:\d\d:\d\d", l) for l in labels),
      "the play time display reads 'Spielzeit hh:nn:ss'", labels)
fillers = [f for f in descendants(main) if f.getRole() != pyatspi.ROLE_FILLER and not f.name]
check(not fillers, "every control of the main window has a name",
      [f.getRoleName() for f in fillers])

# The first start asks for the language once the intro is over.
question = wait_for(lambda: window(app, "Sprache | Language | Idioma", pyatspi.ROLE_DIALOG), 60)
if check(question is not None, "the language question comes up"):
    combo = descendants(question, pyatspi.ROLE_COMBO_BOX)
    # The game runs with a German locale: German comes preselected.
    check(len(combo) == 1 and combo[0].name.startswith("Deutsch"),
          "the desktop's language is preselected", [c.name for c in combo])
    check(len(combo) == 1 and labelled_by(combo[0]) ==
          ["Sprache wählen", "Select Language", "Seleccione Idioma"],
          "its list is labelled by the request in three languages",
          [labelled_by(c) for c in combo])
    ok = button(question, "OK")
    check(ok is not None and press(ok), "its OK button is pressed through AT-SPI")
    check(wait_for(lambda: window(app, question.name, pyatspi.ROLE_DIALOG) is None, 10),
          "the question closes")

# A new game: the play button opens the player dialog.
check(press(button(main, "Neues Spiel starten")), "'Neues Spiel starten' is pressed")
player = wait_for(lambda: window(app, "Neues Spiel", pyatspi.ROLE_DIALOG), 10)
if check(player is not None, "the player dialog 'Neues Spiel' comes up"):
    combo = descendants(player, pyatspi.ROLE_COMBO_BOX)
    check(len(combo) == 1 and labelled_by(combo[0]) == ["Name:"], "its name list is labelled 'Name:'",
          [labelled_by(c) for c in combo])
    entry = descendants(player, pyatspi.ROLE_TEXT)
    if check(len(entry) == 1, "the name is an editable text"):
        entry[0].queryEditableText().setTextContents("Anna")
    check(press(button(player, "Spiel starten")), "'Spiel starten' is pressed")

place = re.compile(r"Foto, Reihe ([1-5]), Spalte ([1-5]), verdeckt")
tiles = wait_for(lambda: [b.name for b in descendants(main, pyatspi.ROLE_PUSH_BUTTON)
                          if place.fullmatch(b.name)] or None, 10) or []
check(len(set(tiles)) == 25, "25 tiles, each named by its row and column, face down", tiles)
check(button(main, "Spiel abbrechen") is not None, "the play button now reads 'Spiel abbrechen'")

# Ending the way a player does: Beenden, then Ja in the confirmation.
check(press(button(main, "Beenden")), "'Beenden' is pressed")
confirm = wait_for(lambda: next((w for w in app if w is not None and w.getRole() in
                                 (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG)), None), 10)
if check(confirm is not None, "the confirmation comes up"):
    check(press(button(confirm, "Ja")), "its 'Ja' is pressed")

sys.exit(failures)
