"""A desktop for one scenario: an X server with a window manager, or a Wayland compositor running on
one with Xwayland for X clients; a session bus with the accessibility bus, optionally a sound
server with a recorded silent sink, and the program started from a fresh folder of its own, as a
person starts it.

Everything started here carries a marker in its environment, so that the clean-up finds and ends
every process of the run, daemons the services spawned included, whatever way the scenario ended.
"""

import array
import os
import re
import shutil
import signal
import subprocess
import time

MARKER = "TONVALE_DESKTOP_RUN"
SCREEN = "1280x800x24"
WAYLAND_SOCKET = "wayland-0"  # in the run's own runtime folder


class ScenarioFailure(AssertionError):
    pass


class Timeout(Exception):
    pass


def wait_for(what, condition, timeout=20.0, interval=0.1):
    """Polls `condition` until it returns something true, and returns that; fails with `what`."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = condition()
        except Exception:  # a window or accessible that vanished meanwhile: look again
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise ScenarioFailure("timed out waiting for " + what)
        time.sleep(interval)


def holds_for(condition, seconds, interval=0.1):
    """True when `condition` stays true for the whole time; for "nothing happens" checks. A look
    that fails (a window vanished meanwhile) is taken again, but one look at least must succeed."""
    deadline = time.monotonic() + seconds
    looked = False
    while time.monotonic() < deadline or not looked:
        try:
            if not condition():
                return False
            looked = True
        except Exception:
            if time.monotonic() > deadline + 5:
                raise
        time.sleep(interval)
    return True


def end_processes_of_run(root):
    """Ends every process started for the run in `root`, however deep its parents hid it: asked
    first, so that an X server removes its socket, then forced."""
    for sig, grace in ((signal.SIGTERM, 2.0), (signal.SIGKILL, 1.0)):
        pids = _processes_with_marker(root)
        for pid in pids:
            try:
                os.kill(pid, sig)
            except OSError:
                pass
        deadline = time.monotonic() + grace
        while pids and time.monotonic() < deadline and _processes_with_marker(root):
            time.sleep(0.1)


def _processes_with_marker(value):
    found = []
    needle = f"{MARKER}={value}".encode()
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or int(entry) == os.getpid():
            continue
        try:
            with open(f"/proc/{entry}/environ", "rb") as f:
                if needle in f.read().split(b"\0"):
                    found.append(int(entry))
        except OSError:
            pass
    return found


class Desktop:
    """One desktop session. Use as a context manager; `start_program` starts the program."""

    def __init__(self, program, root, sound=True, displays=range(70, 80), wayland=False):
        """`root` is an empty folder of the run: it holds the program folder, the home folder and
        the recordings, and its path marks the run's processes. `wayland` makes it a Wayland
        session instead of an X11 one."""
        self.program = os.path.realpath(program)
        self.sound = sound
        self.wayland = wayland
        self.displays = displays
        self.root = root
        self.folder = os.path.join(self.root, "program")
        self.env = {}
        self.children = []
        # Where the session reads its keyboard and pointer: the X server of an X11 session; the
        # X server the compositor runs on, for a Wayland session.
        self.input_display = None
        self.app = None
        self.recording = None
        self._a11y = None

    # ----- start and stop -------------------------------------------------------------------
    def __enter__(self):
        try:
            self._start_session()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def _spawn(self, argv, **kwargs):
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        kwargs.setdefault("stderr", subprocess.DEVNULL)
        process = subprocess.Popen(argv, env=self.env, start_new_session=True, **kwargs)
        self.children.append(process)
        return process

    def _start_session(self):
        home = os.path.join(self.root, "home")
        runtime = os.path.join(self.root, "runtime")
        os.makedirs(home)
        os.makedirs(runtime, mode=0o700)
        os.makedirs(self.folder)
        shutil.copy2(self.program, self.folder)
        base = {k: v for k, v in os.environ.items()
                if k in ("PATH", "LANG", "LC_ALL", "TZ", "LSAN_OPTIONS", "ASAN_OPTIONS")}
        self.env = dict(base, HOME=home, XDG_RUNTIME_DIR=runtime,
                        XDG_CONFIG_HOME=os.path.join(home, ".config"),
                        XDG_DATA_HOME=os.path.join(home, ".local/share"),
                        **{MARKER: self.root})
        self.env.setdefault("LANG", "C.UTF-8")
        self._start_display()
        self._start_buses()
        if self.sound:
            self._start_sound()
        else:
            # No sound server, and ALSA's default output leads nowhere: silent even on a machine
            # with a sound card.
            with open(os.path.join(home, ".asoundrc"), "w") as f:
                f.write("pcm.!default { type hw card 99 }\n")

    def _start_display(self):
        """An X server with the window manager (or the Wayland compositor) on the first display
        number that is free and works; a number that fails to come up (a server on it went away
        just now and took the new one's socket) is passed over."""
        problems = []
        for number in self.displays:
            if not self._display_free(number):
                continue
            read, write = os.pipe()
            server = self._spawn(["Xvfb", f":{number}", "-screen", "0", SCREEN, "-nolisten", "tcp",
                                  "-displayfd", str(write)], pass_fds=(write,))
            os.close(write)
            with os.fdopen(read) as ready:
                announced = ready.readline().strip()
            if announced and server.poll() is None:
                self.env["DISPLAY"] = self.input_display = f":{announced}"
                manager = self._start_compositor() if self.wayland else \
                    self._start_window_manager()
                if manager is None:
                    return
                problems.append(manager)
            for process in self.children[self.children.index(server):]:
                if process.poll() is None:
                    process.kill()
                    process.wait()
            if len(problems) >= 3:
                break
        raise ScenarioFailure("no X display with a window manager: " + "\n".join(problems) if
                              problems else "no free X display among :%d-:%d" %
                              (self.displays[0], self.displays[-1]))

    def _display_free(self, number):
        """No server holds the number: no lock, and a socket, if any, that nobody answers on (a
        killed server leaves it behind; the new one replaces it)."""
        if os.path.exists(f"/tmp/.X{number}-lock"):
            return False
        if not os.path.exists(f"/tmp/.X11-unix/X{number}"):
            return True
        return subprocess.run(["xprop", "-display", f":{number}", "-root", "_NET_SUPPORTED"],
                              capture_output=True, timeout=10).returncode != 0

    def _start_window_manager(self):
        """Starts the window manager; None when it runs, else what went wrong."""
        log_path = os.path.join(self.root, "openbox.log")
        with open(log_path, "w") as log:
            manager = self._spawn(["openbox", "--sm-disable"], stdout=log, stderr=log)
        try:
            wait_for("the window manager", lambda: manager.poll() is None and
                     "_NET_SUPPORTING_WM_CHECK(WINDOW)" in
                     self.x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), 15)
            return None
        except ScenarioFailure:
            with open(log_path, errors="replace") as log:
                return f"{self.env['DISPLAY']}: exit {manager.poll()}: {log.read().strip()}"

    def _start_compositor(self):
        """Starts a Wayland compositor as a window of the X server, with Xwayland for X clients;
        None when it runs, else what went wrong. The X server stands in for the machine's
        keyboard and pointer: the compositor reads them as its seat's, so a key pressed there
        reaches the program through the compositor and Xwayland as a person's does. (Weston's
        headless backend has no seat: no window ever gets the keyboard, and Xwayland 22.1
        crashes on a pointer motion sent to it through XTEST, and on a key once a window is
        shown.) Weston takes the first free X display number for Xwayland and names it in its
        log."""
        log_path = os.path.join(self.root, "weston.log")
        with open(os.path.join(self.root, "weston.out"), "w") as out:
            compositor = self._spawn(
                ["weston", "--backend=x11-backend.so", "--use-pixman", "--xwayland",
                 f"--socket={WAYLAND_SOCKET}", "--width=1280", "--height=800", "--idle-time=0",
                 "--no-config", f"--log={log_path}"], stdout=out, stderr=out)

        def xwayland_display():
            if compositor.poll() is not None:
                return "ended"
            with open(log_path, errors="replace") as log:
                found = re.search(r"xserver listening on display (:\d+)", log.read())
            return found and found.group(1)

        try:
            display = wait_for("the compositor's X server", xwayland_display, 20)
        except ScenarioFailure:
            display = "ended"
        if display != "ended":
            self.env.update(WAYLAND_DISPLAY=WAYLAND_SOCKET, XDG_SESSION_TYPE="wayland",
                            DISPLAY=display)
            try:
                # The first X client starts Xwayland; it is up once weston's window manager has
                # named itself on it.
                wait_for("Xwayland with weston's window manager", lambda: "window id" in
                         self.x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), 20)
                return None
            except ScenarioFailure:
                pass
        said = []
        for name in ("weston.log", "weston.out"):
            with open(os.path.join(self.root, name), errors="replace") as f:
                said.append(f.read()[-2000:].strip())
        return f"{self.input_display}: weston, exit {compositor.poll()}:\n" + "\n".join(said)

    def _start_buses(self):
        bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                          stdout=subprocess.PIPE, text=True)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        wait_for("the accessibility bus", lambda: subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], env=self.env, capture_output=True, timeout=5).returncode == 0)

    def _start_sound(self):
        self._spawn(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                     "--load=module-null-sink sink_name=capture",
                     "--load=module-native-protocol-unix"])
        wait_for("the sound server", lambda: subprocess.run(
            ["pactl", "info"], env=self.env, capture_output=True, timeout=5).returncode == 0)

    def close(self):
        if self.recording:
            self.recording[0].terminate()
        for process in reversed(self.children):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except OSError:
                    pass
        deadline = time.monotonic() + 3
        for process in self.children:
            try:
                process.wait(max(0.1, deadline - time.monotonic()))
            except subprocess.TimeoutExpired:
                pass
        # Whatever is left, daemons spawned by the buses too, carries the marker.
        end_processes_of_run(self.root)
        for process in self.children:
            try:
                process.wait(1)
            except subprocess.TimeoutExpired:
                pass
            for stream in (process.stdout, process.stderr):
                if stream:
                    stream.close()

    # ----- the program ----------------------------------------------------------------------
    def ini_path(self, name):
        return os.path.join(self.folder, "INI", name)

    def write_ini(self, name, text):
        """Writes a data file of the program as it would: GBK, CR LF."""
        os.makedirs(os.path.join(self.folder, "INI"), exist_ok=True)
        with open(self.ini_path(name), "wb") as f:
            f.write(text.replace("\n", "\r\n").encode("gbk"))

    def write_settings(self, bars=True, topmost="播放时(&P)", list_mode="循环播放(&C)",
                       height_twips=7200, practice=False, speed="100%"):
        """The settings file of an earlier run, so that the program starts quietly as on every
        start after the first: no sample plays. `bars` shows every bar of the window; `practice`
        leaves 跟弹 on."""
        checks = {name: 0 for name in (
            "每次退出时自动清除", "从不(&N)", "始终(&T)", "播放时(&P)", "循环播放(&C)",
            "随机播放(&R)", "顺序播放(&O)", "单个播放(&S)", "单个循环播放", "静音(&M)", "关机",
            "休眠", "退出Tonvale")}
        for bar in ("进度栏(&P)", "控制栏(&C)", "播放列表+收藏夹(&L)", "状态栏(&S)"):
            checks[bar] = int(bars)
        checks.update({topmost: 1, list_mode: 1, "不操作": 1, "跟弹(&T)": int(practice),
                       speed: 1})
        self.write_ini("程序设置.INI", "\n".join([
            "[窗体位置大小]", "Width=13050", f"Height={height_twips}", "Top=1500", "Left=3075",
            "[下拉框]", "ComDevies.ListIndex=0", "ComSounds.ListIndex=0", "ComChannel.ListIndex=0",
            "[滚动条]", "HScrollYindiao.Value=36", "HScrollVolume.Value=127",
            "[菜单复选否]", *(f"{k}={v}" for k, v in checks.items()),
            "[音量按钮值]", "volSystemVolume.Volume=930", ""]))

    def write_playing_list(self, paths):
        self.write_ini("播放列表.Qor", "\n".join(
            ["[播放列表]", f"个数={len(paths)}", *(f"{i}={p}" for i, p in enumerate(paths)), ""]))

    def write_file(self, name, text, encoding="gbk"):
        path = os.path.join(self.root, name)
        with open(path, "wb") as f:
            f.write(text.replace("\n", "\r\n").encode(encoding))
        return path

    def start_program(self, *args):
        """Starts the program; in a Wayland session with the session's environment alone, so that
        the program chooses its window system itself."""
        env = dict(self.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        if not self.wayland:
            env["QT_QPA_PLATFORM"] = "xcb"
        log = open(os.path.join(self.root, "program.log"), "a")
        self.app = subprocess.Popen([os.path.join(self.folder, os.path.basename(self.program)),
                                     *args], env=env, start_new_session=True,
                                    stdout=log, stderr=subprocess.STDOUT, cwd=self.root)
        log.close()
        self.children.append(self.app)
        if self._a11y is not None:
            self._a11y.pid = self.app.pid
        return self.app

    def program_log(self):
        try:
            with open(os.path.join(self.root, "program.log"), errors="replace") as f:
                return f.read()
        except OSError:
            return ""

    def running(self):
        return self.app is not None and self.app.poll() is None

    # ----- X: windows, input, pixels --------------------------------------------------------
    def x(self, *argv, check=False, display=None):
        env = dict(self.env, DISPLAY=display) if display else self.env
        result = subprocess.run(argv, env=env, capture_output=True, text=True, timeout=15)
        if check and result.returncode != 0:
            raise ScenarioFailure(f"{' '.join(argv)}: {result.stderr.strip()}")
        return result.stdout

    def windows(self):
        """The managed windows of the program, bottom to top: [(id, title)]."""
        stacking = self.x("xprop", "-root", "_NET_CLIENT_LIST_STACKING")
        ids = re.findall(r"0x[0-9a-f]+", stacking)
        pid = str(self.app.pid) if self.app else None
        if self.wayland and pid:
            # Weston's window manager keeps no client list: the program's windows, in no order.
            ids = [hex(int(w)) for w in self.x("xdotool", "search", "--pid", pid).split()]
        result = []
        for wid in ids:
            props = self.x("xprop", "-id", wid, "_NET_WM_PID", "_NET_WM_NAME", "WM_STATE")
            if pid and f"= {pid}" not in props:
                continue
            name = re.search(r'_NET_WM_NAME\(UTF8_STRING\) = "(.*)"', props)
            result.append((int(wid, 16), name.group(1) if name else ""))
        return result

    def window_types(self, wid):
        return self.x("xprop", "-id", str(wid), "_NET_WM_WINDOW_TYPE", "_NET_WM_STATE")

    def mapped(self, wid):
        return "Map State: IsViewable" in self.x("xwininfo", "-id", str(wid))

    def geometry(self, wid):
        info = self.x("xwininfo", "-id", str(wid))
        pick = lambda label: int(re.search(label + r":\s+(-?\d+)", info).group(1))
        return (pick("Absolute upper-left X"), pick("Absolute upper-left Y"),
                pick("Width"), pick("Height"))

    def popup_windows(self):
        """Override-redirect windows of the program that are shown: drop-downs, menus, tooltips."""
        tree = self.x("xwininfo", "-root", "-children")
        found = []
        for wid in re.findall(r"^\s+(0x[0-9a-f]+)", tree, re.M):
            attributes = self.x("xwininfo", "-id", wid)
            if "Override Redirect State: yes" in attributes and "IsViewable" in attributes and \
                    f"= {self.app.pid}" in self.x("xprop", "-id", wid, "_NET_WM_PID"):
                found.append(int(wid, 16))
        return found

    def active_window(self):
        out = self.x("xdotool", "getactivewindow").strip()
        return int(out) if out.isdigit() else None

    def input(self, *argv):
        """Real input through XTEST (an xdotool command) where the session reads its keyboard
        and pointer, to whichever window has the focus. (Under weston the accessible extents are
        where the program asked its window to be, not where the compositor put it.)"""
        self.x("xdotool", *argv, check=True, display=self.input_display)

    def key(self, *keys, delay_ms=60):
        self.input("key", "--delay", str(delay_ms), *keys)

    def key_down(self, key):
        self.input("keydown", key)

    def key_up(self, key):
        self.input("keyup", key)

    def click(self, x, y, button=1):
        self.input("mousemove", "--sync", str(x), str(y), "click", str(button))

    def move_pointer(self, x, y):
        self.input("mousemove", "--sync", str(x), str(y))

    def pixels(self, x, y, width, height):
        """The screen's pixels in a rectangle as [(r, g, b)], read with ImageMagick."""
        out = subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}",
                              "+repage", "-depth", "8", "rgb:-"], env=self.env,
                             capture_output=True, timeout=15).stdout
        return [tuple(out[i:i + 3]) for i in range(0, len(out) - 2, 3)]

    # ----- accessibility --------------------------------------------------------------------
    @property
    def a11y(self):
        if self._a11y is None:
            os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.env["DBUS_SESSION_BUS_ADDRESS"]
            os.environ["DISPLAY"] = self.env["DISPLAY"]
            import accessible
            self._a11y = accessible.Tree(self.app.pid)
        return self._a11y

    # ----- sound ----------------------------------------------------------------------------
    RATE = 16000

    def start_recording(self):
        """Records the silent sink; its time zero is when the recorder connects, about a second
        after it starts, so a scenario waits for the first samples before it plays."""
        path = os.path.join(self.root, "capture.raw")
        recorder = self._spawn(["parec", "-d", "capture.monitor", "--format=s16le",
                                f"--rate={self.RATE}", "--channels=1", "--latency-msec=20", path])
        self.recording = (recorder, path)
        wait_for("the recorder to connect", lambda: os.path.getsize(path) > self.RATE // 5)

    def recorded_samples(self):
        with open(self.recording[1], "rb") as f:
            data = f.read()
        samples = array.array("h")
        samples.frombytes(data[: len(data) // 2 * 2])
        return samples

    def loudness_since(self, start_sample):
        """The loudest 20 ms window's RMS level recorded after `start_sample`, 0 to 32767."""
        samples = self.recorded_samples()[start_sample:]
        window = self.RATE // 50
        loudest = 0.0
        for i in range(0, max(0, len(samples) - window), window):
            chunk = samples[i:i + window]
            loudest = max(loudest, (sum(s * s for s in chunk) / window) ** 0.5)
        return loudest

    def onsets_since(self, start_sample):
        """The times in seconds, from `start_sample`, where a note starts: the level of a 5 ms
        window is heard and at least three times that of 20 ms before, no sooner than 150 ms
        after the onset before."""
        samples = self.recorded_samples()[start_sample:]
        frame = self.RATE // 200
        levels = [(sum(s * s for s in samples[i:i + frame]) / frame) ** 0.5
                  for i in range(0, len(samples) - frame, frame)]
        onsets = []
        for i in range(4, len(levels)):
            time_s = i * frame / self.RATE
            if levels[i] > 150 and levels[i] > 3 * levels[i - 4] and \
                    (not onsets or time_s - onsets[-1] > 0.15):
                onsets.append(time_s)
        return onsets

    def recorded_length(self):
        return os.path.getsize(self.recording[1]) // 2
