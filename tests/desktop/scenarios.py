#!/usr/bin/python3
"""Desktop scenarios: the program started as a person starts it, on an X desktop with a window
manager or in a Wayland session, played with real key presses and listened to through a recorded
sound server.

    scenarios.py [--program PATH] [--list] [NAME ...]

Runs the named scenarios (all when none is named) against the program (default: this checkout's
build/src/app/tonvale) and prints one PASS or FAIL line each; the exit status is 0 only when
every one passed. Each scenario runs in a child process with a hard time limit; whatever it
started is ended afterwards, also when it hung or failed.
"""

import argparse
import os
import shutil
import signal
import sys
import tempfile
import time
import traceback

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop import Desktop, ScenarioFailure, end_processes_of_run, holds_for, wait_for  # noqa: E402

REPOSITORY = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DEFAULT_PROGRAM = os.path.join(REPOSITORY, "build", "src", "app", "tonvale")

# RMS level of the recorded sink above which a note is heard; a struck key reaches several
# hundred, the silent sink stays at 0 and a dying note falls below 50 within a second or two.
HEARD = 150

SCENARIOS = {}


def scenario(sound=True, time_limit=90, wayland=False):
    def register(function):
        function.sound = sound
        function.time_limit = time_limit
        function.wayland = wayland
        SCENARIOS[function.__name__] = function
        return function
    return register


def check(condition, message):
    if not condition:
        raise ScenarioFailure(message)


# ----- what the user sees ---------------------------------------------------------------------
def score(title, rows, tempo=120):
    """A score text of `rows` eighth notes walking up and down a chord."""
    notes = ("1+8", "3+8", "5+8", "3+8")
    return "%0\n!C\n?4/4\n$" + str(tempo) + "\n#" + title + "\n" + \
        "".join(notes[i % len(notes)] + "\n" for i in range(rows))


def main_window(d):
    """The main window once it is shown: (id, title)."""
    for wid, title in d.windows():
        types = d.window_types(wid)
        if "_NET_WM_WINDOW_TYPE_SPLASH" in types or "_NET_WM_WINDOW_TYPE_DIALOG" in types:
            continue
        if title.startswith("Tonvale") and d.mapped(wid):
            return wid, title
    return None


def describe(d, wid):
    types = d.window_types(wid)
    for kind in ("SPLASH", "DIALOG", "NORMAL"):
        if "_NET_WM_WINDOW_TYPE_" + kind in types:
            return kind.lower() + " window" + (" (stays on top)" if "_STATE_ABOVE" in types else "")
    return "window " + hex(wid)


def dialogs(d):
    """The program's dialogs and message boxes that are shown: [(id, title)]."""
    return [(wid, title) for wid, title in d.windows()
            if "_NET_WM_WINDOW_TYPE_DIALOG" in d.window_types(wid) and d.mapped(wid)]


def started(d):
    """Waits until the main window is shown and readable, and returns its window id."""
    wid = wait_for("the main window", lambda: main_window(d), 30)[0]
    wait_for("the main window's controls on the accessibility bus",
             lambda: d.a11y.find(role="menu item", name="播放(P)"), 20)
    return wid


def status_labels(d):
    """The labels of the status bar, the status text first (the bar holds them and, among
    others, two icons)."""
    children = {}
    for node in d.a11y.nodes():
        children.setdefault(node.path[:-1], []).append(node)
    for kids in children.values():
        labels = [k for k in kids if k.role == "label"]
        if len(labels) >= 2 and sum(k.role == "image" for k in kids) >= 2:
            return labels
    raise ScenarioFailure("no status bar among the accessibles")


def status_label(d):
    return status_labels(d)[0]


def played_percent(d):
    """The position that the played-time label shows in per cent, as "(42%) 第…行 / 共…行"."""
    for label in status_labels(d)[1:]:
        text = label.label
        if text.startswith("(") and "%)" in text:
            return int(text[1:text.index("%")])
    return None


def status(d):
    return status_label(d).label


def wait_status(d, wanted, timeout=10):
    try:
        return wait_for(f"the status text {wanted!r}", lambda: status(d) == wanted, timeout)
    except ScenarioFailure:
        raise ScenarioFailure(f"the status text is {status(d)!r}, not {wanted!r}")


def box_texts(d):
    """The texts of the message boxes that are shown."""
    return [n.label for box in d.a11y.windows() if box.role == "alert"
            for n in d.a11y.nodes(box) if n.role == "label" and n.label]


def lists(d):
    """The two lists of the list bar, playing list first: [[item text]]."""
    found = [n for n in d.a11y.nodes() if n.role == "list"]
    return [[i.name for i in d.a11y.nodes(n, max_depth=1)[1:]] for n in found]


def heard_after(d, mark, what, timeout=8):
    wait_for(what, lambda: d.loudness_since(mark) > HEARD, timeout)


def open_menu_with_pointer(d, title):
    d.click(*d.a11y.find(role="menu item", name=title)[0].centre())
    return wait_for(f"the menu {title} to open", lambda: d.popup_windows(), 5)


def text_is_visible(d, node):
    """True when the label shows text that stands out from the bar behind it: some of its
    pixels are much darker than the lightest ones (its background)."""
    x, y, w, h = node.extents()
    pixels = d.pixels(x, y, max(w, 1), max(h, 1))
    luminance = [0.299 * r + 0.587 * g + 0.114 * b for r, g, b in pixels]
    return bool(luminance) and max(luminance) - min(luminance) > 90


def answer_box(d, box):
    """Presses Return in a message box as the user does once it is in front: the box is given the
    keyboard focus first (a click on it), so that even a box that came up wrongly is answered."""
    d.x("xdotool", "windowactivate", "--sync", str(box), check=False)
    d.key("Return")
    wait_for("the box to close", lambda: box not in [w for w, _ in dialogs(d)], 5)


def answer_questions(d, title):
    """Presses Return in each question box titled `title` that comes up, one after the other;
    returns how many there were."""
    answered = 0
    while True:
        try:
            box = wait_for(f"the question {title}", lambda: [w for w, t in dialogs(d) if t == title],
                           5 if answered == 0 else 1)[0]
        except ScenarioFailure:
            return answered
        check(wait_for("the question to have the keys", lambda: d.active_window() == box, 5),
              "the question has not the keys")
        d.key("Return")
        wait_for("the question to close", lambda: box not in [w for w, _ in dialogs(d)], 5)
        answered += 1


# ----- the scenarios --------------------------------------------------------------------------
@scenario()
def newcomer_first_minute(d):
    """A first start plays the sample; the menus are walked with the keys while it plays; live
    keys are heard; the window closes as a window does; a score named on the command line plays
    and Space pauses it."""
    d.start_recording()
    mark = d.recorded_length()
    d.start_program()
    wid = started(d)
    heard_after(d, mark, "the sample score to be heard", 20)
    wait_status(d, "播放中")

    open_menu_with_pointer(d, "播放(P)")
    d.key("Down", "Down", "Return")  # 播放/暂停, 停止
    wait_status(d, "已停止")
    wait_for("the score to fall silent after 停止",
             lambda: d.loudness_since(d.recorded_length() - d.RATE // 4) < HEARD / 3, 5)

    mark = d.recorded_length()
    d.key("a")
    heard_after(d, mark, "the key A to sound a note")

    d.x("wmctrl", "-i", "-c", str(wid), check=True)
    wait_for("the program to end after its window closed", lambda: not d.running(), 20)
    check(d.app.returncode == 0, f"the program ended with {d.app.returncode}")
    check(os.path.exists(d.ini_path("程序设置.INI")), "the settings were not saved")

    path = d.write_file("小曲.piano", score("小曲", 400))
    mark = d.recorded_length()
    d.start_program(path)
    started(d)
    heard_after(d, mark, "the score from the command line to be heard", 20)
    check("小曲" in main_window(d)[1], f"the window title {main_window(d)[1]!r} names no score")
    wait_status(d, "播放中")
    d.key("space")
    wait_status(d, "暂停中")


@scenario()
def space_leaves_the_lists_closed(d):
    """After start-up Space does not open the device list, and a piano key pressed afterwards
    sounds. The same after the user opened the instrument list with the pointer and closed it
    with Esc: the list had the keys while it was open, and gives them back."""
    d.write_settings()
    d.start_recording()
    d.start_program()
    started(d)
    wait_status(d, "准备...")

    def space_then_a_key(when):
        d.key("space")
        check(holds_for(lambda: not d.popup_windows(), 1.0), f"Space {when} opened a list")
        mark = d.recorded_length()
        d.key("a")
        heard_after(d, mark, f"the key A to sound a note after Space {when}")

    space_then_a_key("after start-up")
    d.click(*d.a11y.find(role="combo box", name="大钢琴")[0].centre())
    wait_for("the instrument list to open", lambda: d.popup_windows(), 5)
    d.key("Escape")
    wait_for("Esc to close the instrument list", lambda: not d.popup_windows(), 5)
    space_then_a_key("after the instrument list was closed")
    check([n.name for n in d.a11y.nodes() if n.role == "combo box"][1] == "大钢琴",
          "the instrument changed")


@scenario()
def menus_walk_by_keys_while_playing(d):
    """A score plays (on top while playing, the default); the Play menu opened with the pointer
    is walked with Down and Return to 停止, and the window is neither re-created nor hidden."""
    d.write_settings(topmost="播放时(&P)")
    d.start_recording()
    path = d.write_file("长曲.piano", score("长曲", 400))
    mark = d.recorded_length()
    d.start_program(path)
    wid = started(d)
    wait_status(d, "播放中")
    heard_after(d, mark, "the score to be heard")

    on_top = lambda: "_NET_WM_STATE_ABOVE" in d.window_types(wid)
    wait_for("the window to stay on top while playing", on_top, 5)

    open_menu_with_pointer(d, "播放(P)")
    check(holds_for(lambda: d.popup_windows(), 0.5), "the menu closed by itself")
    d.key("Down", "Down", "Return")
    wait_status(d, "已停止")
    wait_for("the menu to close", lambda: not d.popup_windows(), 5)
    now = main_window(d)
    check(now and now[0] == wid, "the main window was re-created while the menu was open")
    wait_for("the stopped window to leave the top", lambda: not on_top(), 5)


@scenario(sound=False)
def boxes_above_the_splash(d):
    """Start-up without sound output and with a score on the command line that does not exist:
    every box that comes up while the splash is shown is in front of it and has the keys."""
    d.write_settings()
    d.start_program(os.path.join(d.root, "不存在.piano"))
    seen = []
    while True:
        box = wait_for("a box or the main window",
                       lambda: dialogs(d) or (main_window(d) and "main"), 30)
        if box == "main":
            break
        wid = box[0][0]
        stacking = [w for w, _ in d.windows() if d.mapped(w)]
        bx, by, bw, bh = d.geometry(wid)
        for other in stacking[stacking.index(wid) + 1:]:
            ox, oy, ow, oh = d.geometry(other)
            overlaps = ox < bx + bw and bx < ox + ow and oy < by + bh and by < oy + oh
            check(not overlaps, f"a box is hidden behind the {describe(d, other)}")
        texts = wait_for("the box's text", lambda: box_texts(d), 5)
        check(wait_for("the box to have the keys", lambda: d.active_window() == wid, 5),
              "the box has not the keys")
        seen.append(texts)
        print("box:", texts, file=sys.stderr)
        check(len(seen) <= 12, "boxes keep coming")
        d.key("Return")
        wait_for("the box to close", lambda: wid not in [w for w, _ in dialogs(d)], 5)
    check(any("错误：文件不存在！请确认文件位置！" in t for texts in seen for t in texts),
          "no box told that the score does not exist")


@scenario(sound=False)
def no_sound_output_reported_once(d):
    """A first start on a machine without sound output: the sample plays silently, the failing
    output is reported by one box, live keys raise no more boxes, and the status bar tells to
    choose a device. (A machine without any sound card also has no mixer, which its own box,
    "Volume Control", reports once.)"""
    d.start_program()
    reports = set()

    def answer_every_box(seconds):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            for wid, title in dialogs(d):
                if title != "Volume Control":
                    reports.add(wid)
                check(len(reports) <= 1, f"{len(reports)} boxes came up for one failing output")
                answer_box(d, wid)
            time.sleep(0.2)

    answer_every_box(8)  # the sample plays meanwhile
    check(reports, "no box told that there is no sound output")
    wait_for("the main window", lambda: main_window(d), 10)
    d.key("a", "s", "d")
    answer_every_box(2)
    check(d.running(), "the program ended")
    notes = [label.label for label in status_labels(d) if "设备" in label.label]
    check(notes, "the status bar does not tell to choose a device in 设备")


@scenario()
def deletion_questions_keep_data_on_return(d):
    """Delete, Shift+Delete and the organiser's delete button ask first; Return keeps the data."""
    d.write_settings()
    first = d.write_file("甲.piano", score("甲", 8))
    second = d.write_file("乙.piano", score("乙", 8))
    d.write_playing_list([first, second])
    d.write_ini("收藏夹.Long", f"[完整路径]\n个数=1\n0={first}\n[名称]\n0=甲曲\n")
    d.start_program()
    started(d)
    playing = wait_for("the playing list", lambda: len(lists(d)[0]) == 2 and lists(d), 10)
    check(playing[1] == ["甲曲"], f"the favorites list shows {playing[1]!r}")

    item = [n for n in d.a11y.nodes() if n.role == "list item" and n.name.endswith("甲")][0]
    d.click(*item.centre())
    for keys in ("Delete", "shift+Delete"):
        d.key(keys)
        # Shift+Delete asks twice: for the selected items, then for all.
        check(answer_questions(d, "确认删除") >= 1, f"{keys} asked nothing")
        check(holds_for(lambda: len(lists(d)[0]) == 2, 0.5),
              f"{keys} and Return deleted from the playing list: {lists(d)[0]!r}")

    d.key("F12")
    organiser = wait_for("the favorites organiser",
                         lambda: [w for w in dialogs(d) if w[1] == "整理收藏夹"], 5)[0][0]
    delete = wait_for("the organiser's delete button",
                      lambda: d.a11y.find(role="push button", name="删除(D)"), 5)[0]
    d.click(*delete.centre())
    check(answer_questions(d, "从收藏夹中删除") == 1, "the organiser's delete button asked nothing")
    check(holds_for(lambda: organiser in [w for w, _ in dialogs(d)], 0.3),
          "the organiser closed")
    check(lists(d)[-1] == ["甲曲"], f"Return in the organiser deleted the favorite: {lists(d)!r}")


@scenario()
def status_follows_the_playing_list(d):
    """A short score plays, the playing list moves on to the next by itself, the user moves on
    with the list button 下一个 and seeks on the progress bar: each time the status bar says
    that it plays."""
    d.write_settings(list_mode="顺序播放(&O)")
    short = d.write_file("短曲.piano", score("短曲", 2, tempo=240))
    second = d.write_file("第二首.piano", score("第二首", 400))
    third = d.write_file("第三首.piano", score("第三首", 400))
    d.write_playing_list([short, second, third])
    d.start_program(short)
    started(d)
    wait_for("the playing list to move on to 第二首", lambda: "第二首" in main_window(d)[1], 20)
    wait_status(d, "播放中", 3)

    next_button = wait_for("the button 下一个", lambda: d.a11y.find(name="下一个"), 5)[0]
    d.click(*next_button.centre())
    wait_for("下一个 to play 第三首", lambda: "第三首" in main_window(d)[1], 10)
    wait_status(d, "播放中", 3)

    progress = wait_for("the progress bar", lambda: d.a11y.find(name="播放进度"), 5)[0]
    x, y, w, h = progress.extents()
    d.click(x + w // 2, y + h // 2)  # a seek to the middle
    wait_for("the seek", lambda: 40 <= (played_percent(d) or 0) <= 60, 5)
    wait_status(d, "播放中", 3)


@scenario()
def recording_status_text_stays_readable(d):
    """A recording starts and is dropped with Esc; the status text stays readable on the bar
    after the pointer left it during the recording and after the recording ended."""
    d.write_settings()
    d.start_program()
    started(d)
    wait_status(d, "准备...")
    check(text_is_visible(d, status_label(d)), "the status text cannot be read at the start")
    open_menu_with_pointer(d, "文件(F)")
    d.click(*wait_for("the menu item 录制", lambda: d.a11y.find(
        role="menu item", name="录制(R)..."), 5)[0].centre())
    box = wait_for("the recording settings", lambda: [w for w in dialogs(d)
                                                      if w[1] == "录制设置..."], 5)[0][0]
    fields = [n for n in d.a11y.nodes() if n.role == "text" and n.showing]
    d.click(*fields[-1].centre())
    d.key("End", "0")
    ok = d.a11y.find(role="push button", name="确定")[0]
    wait_for("确定 to be enabled", lambda: d.a11y.find(role="push button", name="确定")[0].enabled, 5)
    d.click(*ok.centre())
    wait_for("the dialog to close", lambda: box not in [w for w, _ in dialogs(d)], 5)
    wait_for("the recording to start",
             lambda: status(d).startswith("正在录制...单击这里保存"), 5)

    label = status_label(d)
    x, y, w, h = label.extents()
    d.move_pointer(x + 10, y + h // 2)
    time.sleep(0.3)
    bar_x = x + w + 40
    d.move_pointer(bar_x, y + h // 2)
    check(wait_for("the text to be readable", lambda: text_is_visible(d, status_label(d)), 3),
          "the status text cannot be read after the pointer left it")
    d.key("Escape")
    wait_status(d, "准备...")
    check(wait_for("the text to be readable", lambda: text_is_visible(d, status_label(d)), 3),
          "the status text cannot be read after the recording was dropped")


@scenario()
def practice_follows_a_player_ahead(d):
    """跟弹 with the bars of a first start (the status bar hidden): a melody played with real key
    presses a little ahead of its written lengths is followed to its end, and the result is read
    where a person sees it, over the keys."""
    d.write_settings(bars=False, list_mode="单个播放(&S)", practice=True)
    path = d.write_file("练习曲.piano", "%0\n!C\n?4/4\n$120\n#练习曲\n1+4\n2+8\n3+8\n5+2\n")
    d.start_program(path)
    started(d)
    time.sleep(1)  # the score waits at its first note
    # 1+4 lasts 0.5 s and 2+8, 3+8 0.25 s each: each key comes at 0.9 times the length before it.
    for key, pause in (("a", 0.45), ("s", 0.22), ("d", 0.22), ("j", 0)):
        d.key(key, delay_ms=20)
        time.sleep(pause)

    def results():
        return [n for n in d.a11y.nodes() if n.role == "label" and n.showing
                and n.label.startswith("跟弹结束")]

    shown = wait_for("the practice result over the keys", results, 10)
    check(shown[0].label ==
          "跟弹结束：首次弹对 4 个音符（100%），弹错 0 次，最长连对 4 个，速度 100%",
          f"the result reads {shown[0].label!r}")


@scenario(wayland=True)
def wayland_session_runs_through_xwayland(d):
    """In a Wayland session with Xwayland beside the compositor, the program started without a
    window system named talks X11 by itself (staying on top, transparency and moving the window
    need it): its main window is an X client of Xwayland, the compositor gives it the keyboard,
    and a key pressed there is heard."""
    d.write_settings()
    d.start_recording()
    d.start_program()
    try:
        wid = started(d)
    except ScenarioFailure:
        check(d.running(), f"the program ended with {d.app.returncode}")
        check(d.windows(), "the program shows no window on Xwayland: it did not choose X11")
        raise
    wait_for("the compositor to give the main window the keyboard",
             lambda: d.active_window() == wid, 10)
    mark = d.recorded_length()
    d.key("a")
    heard_after(d, mark, "the key A to sound a note")


# ----- running --------------------------------------------------------------------------------
def steady_onsets(onsets):
    """The onsets of a steady score without those that a gap in the sound server's output makes
    (a loaded machine drops a few milliseconds of sound, and the note comes back as if struck):
    each onset closer to the one kept before it than 60 % of the usual distance is passed over."""
    gaps = sorted(b - a for a, b in zip(onsets, onsets[1:]))
    usual = gaps[len(gaps) // 2] if gaps else 0
    kept = onsets[:1]
    for onset in onsets[1:]:
        if onset - kept[-1] >= 0.6 * usual:
            kept.append(onset)
    return kept


@scenario(time_limit=120)
def half_speed_keeps_steady_time(d):
    """A steady score (a note and a rest, 500 ms a pair as written) heard at 100 % and, in a
    second run, at 50 % (Play ▸ 速度 remembered): the notes come twice as far apart, within 1 %.
    The first note is left out: the sound output may still be starting."""
    notes = 17
    text = "%0\n?4/4\n$120\n" + "1+8\n0+16\n" * notes
    d.start_recording()
    pace = {}
    for speed in ("100%", "50%"):
        d.write_settings(list_mode="单个播放(&S)", speed=speed)
        path = d.write_file("稳.piano", text)
        mark = d.recorded_length()
        d.start_program(path)
        started(d)
        wait_status(d, "已停止", 30)
        heard = steady_onsets(d.onsets_since(mark))[-(notes - 1):]
        check(len(heard) == notes - 1, f"at {speed} {len(heard)} notes were heard")
        gaps = [b - a for a, b in zip(heard, heard[1:])]
        check(max(gaps) < 1.2 * min(gaps), f"at {speed} uneven notes: {gaps}")
        pace[speed] = (heard[-1] - heard[0]) / (len(heard) - 1)
        print(f"{speed}: {pace[speed] * 1000:.1f} ms from one note to the next")
        d.app.terminate()
        d.app.wait(10)
    ratio = pace["50%"] / pace["100%"]
    print(f"50% / 100%: {ratio:.4f}")
    check(abs(ratio - 2) <= 0.02, f"50 % is {ratio:.4f} times as slow as 100 %, not 2 within 1 %")


def run_child(name, program, root):
    function = SCENARIOS[name]
    with Desktop(program, root, sound=function.sound, wayland=function.wayland) as d:
        try:
            function(d)
        except BaseException:
            log = d.program_log().strip()
            if log:
                print("--- program output ---\n" + log[-3000:], file=sys.stderr)
            shot = os.environ.get("TONVALE_SCENARIO_SHOTS")
            if shot:
                os.makedirs(shot, exist_ok=True)
                d.x("import", "-window", "root", os.path.join(shot, name + ".png"))
            raise


def run(name, program):
    """Runs one scenario in a child process within its time limit; True when it passed."""
    root = tempfile.mkdtemp(prefix="tonvale-desktop-")
    started_at = time.monotonic()
    child = os.fork()
    if child == 0:
        code = 1
        try:
            run_child(name, program, root)
            code = 0
        except ScenarioFailure as failure:
            print(f"{name}: {failure}", file=sys.stderr)
        except BaseException:
            traceback.print_exc()
        finally:
            sys.stdout.flush()
            sys.stderr.flush()
            os._exit(code)
    limit = SCENARIOS[name].time_limit
    status = 1
    try:
        while time.monotonic() - started_at < limit:
            pid, code = os.waitpid(child, os.WNOHANG)
            if pid:
                status = code
                break
            time.sleep(0.1)
        else:
            print(f"{name}: no end within {limit} s", file=sys.stderr)
    finally:
        if status == 1:
            try:
                os.kill(child, signal.SIGKILL)
                os.waitpid(child, 0)
            except OSError:
                pass
        end_processes_of_run(root)
        shutil.rmtree(root, ignore_errors=True)
    passed = status == 0
    print(f"{'PASS' if passed else 'FAIL'} {name} ({time.monotonic() - started_at:.0f} s)",
          flush=True)
    return passed


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", default=DEFAULT_PROGRAM)
    parser.add_argument("--list", action="store_true", help="name the scenarios and end")
    parser.add_argument("names", nargs="*")
    args = parser.parse_args()
    if args.list:
        print("\n".join(SCENARIOS))
        return 0
    unknown = [n for n in args.names if n not in SCENARIOS]
    if unknown:
        parser.error("no scenario " + ", ".join(unknown))
    if not os.access(args.program, os.X_OK):
        parser.error(f"no program at {args.program}")
    # The run's clean-up also follows a kill from outside, such as a test driver's time limit.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    results = [run(name, args.program) for name in args.names or SCENARIOS]
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
