"""Prints the accessibility tree of the running program as a screen reader
sees it over AT-SPI, and checks that every button and text box is announced
by a name. Exit status 1 with the reason when something is missing."""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def find_application(name):
    for _ in range(100):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == name and app.get_child_count() > 0:
                return app
        time.sleep(0.1)
    return None


def nodes(node, depth=0):
    yield depth, node
    for i in range(node.get_child_count()):
        yield from nodes(node.get_child_at_index(i), depth + 1)


def text_of(node):
    if "Text" not in node.get_interfaces():
        return ""
    return Atspi.Text.get_text(node, 0, -1)


def main():
    app = find_application("density-drill")
    if app is None:
        print("the program does not show on the accessibility bus")
        return 1
    tree = [(depth, n.get_role_name(), n.get_name(), text_of(n)) for depth, n in nodes(app)]
    for depth, role, name, text in tree:
        print(f"{'  ' * depth}{role}: {name!r} {text!r}")

    problems = []
    roles = [role for _, role, _, _ in tree]
    if roles.count("push button") != 15:
        problems.append(f"{roles.count('push button')} buttons, expected 15")
    if roles.count("text") != 25:
        problems.append(f"{roles.count('text')} text boxes, expected 25")
    for _, role, name, _ in tree:
        if role in ("push button", "text") and not name:
            problems.append(f"a {role} without a name")
    named = {(role, name): text for _, role, name, text in tree}
    expected = {
        ("filler", "密度の練習問題"): "",
        ("push button", "終了"): "",
        ("push button", "入力"): "",
        ("push button", "次の問題"): "",
        ("push button", "７のキー"): "",
        ("push button", "小数点のキー"): "",
        ("text", "得点"): "0",
        ("text", "第10問の番号"): "10",
        ("text", "答えの入力欄"): "",
    }
    for key, text in expected.items():
        if key not in named:
            problems.append(f"no {key[0]} named {key[1]}")
        elif named[key] != text:
            problems.append(f"{key[1]} reads {named[key]!r}, expected {text!r}")
    for p in problems:
        print("PROBLEM:", p)
    return 1 if problems else 0


sys.exit(main())
