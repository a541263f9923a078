#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Opens the lab the way a user does and checks that it comes up and ends cleanly.

Runs COMMAND on a virtual X server of its own and waits for the title window: mapped,
named with the lab's title, painted, and the only window of the lab in sight. Then it asks
that window to close, as a close box does, and expects the command to end with exit code 0.
Any other outcome (no program, no window, a crash, a hang) fails the check.

Usage: run_check.py [--timeout S] [--shot FILE.png] -- COMMAND ...
Needs Xvfb (Debian xvfb) and python3-xlib.
"""
import argparse
import os
import subprocess
import sys
import time

from Xlib import X, display, error, protocol

TITLE = 'Лабораторно-практическое занятие "Изучение работы нелинейного кодера"'
BUTTON_FACE = (240, 240, 240)


def start_server():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as numbers:
        number = numbers.readline().strip()
    if not number:
        sys.exit("run check: Xvfb did not start")
    return server, ":" + number


def name_of(window, utf8, net_name):
    try:
        prop = window.get_full_property(net_name, utf8)
        if prop:
            return bytes(prop.value).decode("utf-8", "replace")
        return window.get_wm_name() or ""
    except error.XError:
        return ""


def viewable_windows(x):
    """(window, name) of every mapped window with a name, the whole tree down."""
    utf8 = x.intern_atom("UTF8_STRING")
    net_name = x.intern_atom("_NET_WM_NAME")
    found, pending = [], [x.screen().root]
    while pending:
        window = pending.pop()
        try:
            children = window.query_tree().children
        except error.XError:
            continue
        for child in children:
            try:
                viewable = child.get_attributes().map_state == X.IsViewable
            except error.XError:
                continue
            name = name_of(child, utf8, net_name)
            if viewable and name:
                found.append((child, name))
            pending.append(child)
    return found


def painted(window):
    """Whether the window shows the button face and dark text on it."""
    geometry = window.get_geometry()
    image = window.get_image(0, 0, geometry.width, geometry.height, X.ZPixmap, 0xFFFFFFFF)
    pixels = image.data
    face = dark = 0
    for i in range(0, len(pixels) - 3, 4):  # B G R x
        b, g, r = pixels[i], pixels[i + 1], pixels[i + 2]
        face += (r, g, b) == BUTTON_FACE
        dark += r + g + b < 150
    return face > 1000 and dark > 50


def save_shot(display_name, path):
    subprocess.run(["import", "-display", display_name, "-window", "root", path], check=False)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--timeout", type=float, default=300)
    parser.add_argument("--shot")
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command
    if not command:
        sys.exit("usage: run_check.py [--timeout S] [--shot FILE] -- COMMAND ...")

    server, display_name = start_server()
    program = None
    try:
        env = dict(os.environ, DISPLAY=display_name)
        env.pop("QT_QPA_PLATFORM", None)  # a real window, as on a desktop
        program = subprocess.Popen(command, env=env)
        x = display.Display(display_name)
        deadline = time.time() + args.timeout
        title = None
        while title is None:
            if program.poll() is not None:
                sys.exit(f"run check: '{' '.join(command)}' ended with {program.returncode} "
                         "before the title window came up")
            if time.time() > deadline:
                sys.exit("run check: no title window within the time allowed")
            windows = viewable_windows(x)
            matches = [w for w, name in windows if name == TITLE]
            if matches and painted(matches[0]):
                others = [name for w, name in windows if name != TITLE]
                if others:
                    sys.exit(f"run check: the title is not alone: {others}")
                title = matches[0]
            else:
                time.sleep(0.2)
        print(f"run check: the title window is up and painted on {display_name}")
        if args.shot:
            save_shot(display_name, args.shot)

        # What a close box sends.
        protocols = x.intern_atom("WM_PROTOCOLS")
        delete = x.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=title, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        title.send_event(event)
        x.flush()
        try:
            code = program.wait(timeout=60)
        except subprocess.TimeoutExpired:
            sys.exit("run check: the lab did not end after its title window was closed")
        if code != 0:
            sys.exit(f"run check: the lab ended with exit code {code}")
        print("run check: closed, exit code 0")
    finally:
        if program and program.poll() is None:
            program.kill()
        server.terminate()
        server.wait()


if __name__ == "__main__":
    main()
