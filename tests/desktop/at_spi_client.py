#!/usr/bin/python3
"""Plays a whole story of the game named first on the command line as a screen reader's user
would, finding its controls through AT-SPI. First real keys of the X server (xdotool): the
context-menu key on the scene selector, which holds the focus at start, plays the credits and
Return skips them. Then the title picture by its name starts the story, the text window's typed
line is read at each choice, the upper caption answers it, and what the game announces is heard.
The controls are pressed by their actions ("actions") or by real clicks of the X server's
pointer ("clicks"). At the end, the H key opens the history, read as a list. Prints the scroll
bars' names, the captions' names at each choice (as cached, never refreshed by hand), what was
heard and the history's lines, or fails with a reason. Debian's pyatspi lives in the system
Python: run it with /usr/bin/python3."""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TITLE = "物語をはじめる"
QUESTION = "問いです"
heard = []
focused = []


def fail(reason):
    sys.exit("at_spi_client: " + reason)


def on_shown(event):
    if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        heard.append(event.source.name)


def on_focused(event):
    if event.detail1:
        focused.append(event.source)


def dispatch_events():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def find_frame(application_name):
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == application_name:
                for child in application:
                    if child.getRole() == pyatspi.ROLE_FRAME:
                        return child
        time.sleep(0.1)
    fail("no window of " + application_name + " on the accessibility bus")


def press(control):
    if sys.argv[2] == "actions":
        control.queryAction().doAction(0)
        return
    # Clicks in turn a quarter from the left and from the right: two clicks at one place in
    # quick succession would make a double click.
    press.count = getattr(press, "count", 0) + 1
    box = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x = box.x + box.width * (1 + 2 * (press.count % 2)) // 4
    subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(box.y + box.height // 2),
                    "click", "1"], check=True)


def keys(*names):
    subprocess.run(["xdotool", "search", "--name", "^ZOA$", "windowfocus", "--sync", "key",
                    "--delay", "300", *names], check=True)


def wait_for(condition, what):
    deadline = time.monotonic() + 30
    while not condition():
        if time.monotonic() > deadline:
            fail(what)
        time.sleep(0.05)
        dispatch_events()


def states(accessible):
    accessible.clearCache()
    return accessible.getState()


def main():
    frame = find_frame(sys.argv[1])
    # Names, states and the rest are cached as a screen reader caches them, and kept up to date
    # only by the game's events.
    frame.parent.setCacheMask(pyatspi.Atspi.Cache.DEFAULT)
    controls = list(frame)
    roles = {control.getRoleName() for control in controls}
    if roles != {"push button", "text", "scroll bar"}:
        fail("the window offers " + ", ".join(sorted(roles)))
    title = next((c for c in controls if c.name == TITLE), None)
    text_window = next(c for c in controls if c.getRole() == pyatspi.ROLE_TEXT)
    if title is None or title.queryAction().getName(0) != "Press":
        fail("no title picture named " + TITLE + " with a press action")
    pyatspi.Registry.registerEventListener(on_shown, "object:state-changed:showing")
    pyatspi.Registry.registerEventListener(on_focused, "object:state-changed:focused")
    pyatspi.Registry.registerEventListener(lambda event: None,  # keeps cached names up to date
                                           "object:property-change:accessible-name")
    time.sleep(1)  # the game learns over the bus that events are listened to
    keys("Menu", "Return")  # the credits, skipped while they are typed
    wait_for(lambda: states(title).contains(pyatspi.STATE_FOCUSED),
             "the context-menu key and Return did not play and skip the credits")
    print("scroll bars: " + " | ".join(c.name for c in controls
                                        if c.getRole() == pyatspi.ROLE_SCROLL_BAR))
    press(title)
    lines_read = []
    names_seen = []
    deadline = time.monotonic() + 30
    while not states(title).contains(pyatspi.STATE_SENSITIVE):
        if time.monotonic() > deadline:
            fail("the story did not end")
        dispatch_events()
        # A choice has opened when its question is heard. The captions, after the face, the
        # title picture and the text window, are read from the cache, never cleared for them.
        if sum(said.startswith(QUESTION) for said in heard) > len(names_seen):
            text = text_window.queryText()
            lines_read.append(text.getText(0, text.characterCount).split("\n")[-1])
            captions = sorted(controls[3:5], key=lambda c: c.queryComponent().getExtents(0).y)
            names_seen.append(",".join(c.name for c in captions))
            press(captions[0])
        time.sleep(0.01)
    dispatch_events()
    if not lines_read or lines_read[0] != "zoa":
        fail("the text window showed " + repr(lines_read))
    print("captions: " + " | ".join(names_seen))
    print("heard: " + " | ".join(heard))
    keys("h")
    wait_for(lambda: focused and focused[-1].getRole() == pyatspi.ROLE_LIST_ITEM,
             "no line of the history took the focus on H")
    history = focused[-1].parent
    if history.getIndexInParent() < 0:  # a reader takes it for gone and never names it
        fail("the history is not among the children of " + history.parent.name)
    print(history.name + ": " + " | ".join(
        item.name + ("*" if item.getState().contains(pyatspi.STATE_SELECTED) else "")
        for item in history))
    keys("Escape")
    wait_for(lambda: focused[-1] == title, "the focus did not go back from the history")


main()
