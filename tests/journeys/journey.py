"""Drives the real tolvek-alarm the way a person with a screen reader would.

A Session starts, all private to the test: Xvfb, a session bus, the
accessibility bus (at-spi-bus-launcher), and the app itself
(QT_QPA_PLATFORM=xcb, QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1) in a throw-away
XDG home. Controls are found only through AT-SPI, by role and accessible
name, and pressed, toggled or set through the AT-SPI action and value
interfaces. What the app stored is read back with `tolvekctl` and from the
preference file. Every wait is on a condition, with a deadline.

    with Session(app="build/tolvek-alarm", ctl="build/tools/tolvekctl/tolvekctl") as s:
        row = s.find("push button", lambda name: name.startswith("07:00, "))
        s.toggle(s.find("check box", "Alarm on", within=row))
        s.wait_for(lambda: s.ctl_json("pending") == [], "nothing pending")

Role names are AT-SPI's ("push button", "check box", "slider", ...). The app's
contract of names: "Add alarm", "Menu", each alarm row "HH:MM, <days or Once>,
<slogan>, on|off" (days as "Mon Tue Wed Thu Fri"), its switch "Alarm on", the
in-cell editor's "Edit", "Preview", "Delete", alert buttons by their titles
("Yes", "No"), "Temperature unit" (its description "°C"/"°F"), "Volume" (a slider 0-100),
"Next alarm" (the time left as its description).
"""
import configparser
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

DEFAULT_TIMEOUT = 20.0


class JourneyFailure(AssertionError):
    pass


def _start_bus(env, config):
    """A private D-Bus daemon; returns (process, address)."""
    proc = subprocess.Popen(["dbus-daemon", "--nofork", "--print-address=1", config],
                            stdout=subprocess.PIPE, env=env, text=True)
    address = proc.stdout.readline().strip()
    if not address:
        raise JourneyFailure("the session bus did not start")
    return proc, address


class Session:
    def __init__(self, app, ctl, timeout=DEFAULT_TIMEOUT):
        self.app_path = os.path.abspath(app)
        self.ctl_path = os.path.abspath(ctl)
        self.timeout = timeout
        self.procs = []
        self.home = tempfile.mkdtemp(prefix="tolvek-journey-")
        self.app = None
        self.pyatspi = None

    # --- set-up -------------------------------------------------------
    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def _start(self):
        env = dict(os.environ)
        for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"):
            path = os.path.join(self.home, name.lower())
            os.makedirs(path, mode=0o700)
            env[name] = path
        env.pop("WAYLAND_DISPLAY", None)
        env.pop("PULSE_SERVER", None)
        env.update(LANG="C.UTF-8", LC_ALL="C.UTF-8", NO_AT_BRIDGE="0")
        self.env = env

        # Xvfb picks a free display and tells us which.
        read_fd, write_fd = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "800x1200x24",
                                 "-nolisten", "tcp"], pass_fds=(write_fd,), env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.procs.append(xvfb)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            display = pipe.readline().strip()
        if not display:
            raise JourneyFailure("Xvfb did not start")
        env["DISPLAY"] = ":" + display

        bus, address = _start_bus(env, "--session")
        self.procs.append(bus)
        env["DBUS_SESSION_BUS_ADDRESS"] = address
        launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.procs.append(launcher)

        # pyatspi talks to the buses named in this process's environment when first imported.
        os.environ.update({k: env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")})
        import pyatspi  # noqa: E402  (needs the environment above)
        self.pyatspi = pyatspi
        self.wait_for(self._registry_ready, "the accessibility registry")

        app_env = dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       QT_ACCESSIBILITY="1")
        self.app_log = open(os.path.join(self.home, "app.log"), "w")
        app = subprocess.Popen([self.app_path], env=app_env, stdout=self.app_log, stderr=subprocess.STDOUT)
        self.procs.append(app)
        self.app_proc = app
        self.app = self.wait_for(self._find_app, "the app on the accessibility bus")

    def _registry_ready(self):
        try:
            return self.pyatspi.Registry.getDesktop(0) is not None
        except Exception:
            return False

    def _find_app(self):
        if self.app_proc.poll() is not None:
            raise JourneyFailure("the app exited with %s; its log:\n%s" % (self.app_proc.returncode, self.log()))
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            child = desktop.getChildAtIndex(i)
            if child is not None and child.name in ("tolvek-alarm", "Tolvek Alarm"):
                return child
        return None

    def log(self):
        path = os.path.join(self.home, "app.log")
        return open(path).read() if os.path.exists(path) else ""

    def close(self):
        for proc in reversed(self.procs):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
        self.procs = []
        shutil.rmtree(self.home, ignore_errors=True)

    # --- waiting ------------------------------------------------------
    def wait_for(self, condition, what, timeout=None):
        """Polls `condition` until it returns something truthy; returns that."""
        deadline = time.monotonic() + (timeout or self.timeout)
        last_error = None
        while time.monotonic() < deadline:
            try:
                value = condition()
                if value:
                    return value
            except JourneyFailure:
                raise
            except Exception as error:  # the tree changes under us: try again
                last_error = error
            time.sleep(0.05)
        detail = " (last error: %r)" % (last_error,) if last_error else ""
        raise JourneyFailure("timed out waiting for %s%s" % (what, detail))

    # --- finding and using controls -------------------------------------
    def _matches(self, node, role, name):
        if node.getRoleName() != role:
            return False
        return name(node.name) if callable(name) else node.name == name

    def _search(self, root, role, name):
        showing = self.pyatspi.STATE_SHOWING
        queue = [root]
        while queue:
            node = queue.pop(0)
            if node is None:
                continue
            if node is not root and self._matches(node, role, name) and node.getState().contains(showing):
                return node
            queue.extend(node.getChildAtIndex(i) for i in range(node.childCount))
        return None

    def find(self, role, name, within=None, timeout=None):
        """Waits until a showing control of `role` named `name` (a string or a test) is found."""
        root = within or self.app
        label = name if isinstance(name, str) else getattr(name, "__doc__", None) or "a matching name"
        return self.wait_for(lambda: self._search(root, role, name), "%s %r" % (role, label), timeout)

    def absent(self, role, name):
        return self._search(self.app, role, name) is None

    def _act(self, node, wanted):
        action = node.queryAction()
        names = [action.getName(i).lower() for i in range(action.nActions)]
        for choice in wanted:
            if choice in names:
                action.doAction(names.index(choice))
                return
        raise JourneyFailure("%r offers no %s action (it has %s)" % (node.name, "/".join(wanted), names))

    def press(self, node):
        self._act(node, ("press", "click", "toggle"))

    def toggle(self, node):
        self._act(node, ("toggle", "press", "click"))

    def checked(self, node):
        return node.getState().contains(self.pyatspi.STATE_CHECKED)

    def value(self, node):
        return node.queryValue().currentValue

    def set_value(self, node, value):
        node.queryValue().currentValue = value


    # --- what the app stored ------------------------------------------
    def ctl_json(self, *command):
        done = subprocess.run([self.ctl_path, *command, "--json"], env=self.env, capture_output=True,
                              text=True, timeout=30)
        if done.returncode != 0:
            raise JourneyFailure("tolvekctl %s failed: %s" % (" ".join(command), done.stderr))
        return json.loads(done.stdout)

    def preference(self, key):
        path = os.path.join(self.env["XDG_CONFIG_HOME"], "tolvek-alarm", "preferences.conf")
        parser = configparser.ConfigParser()
        parser.optionxform = str
        parser.read(path)
        return parser.get("General", key, fallback=None)


def run(journey):
    """Runs `journey(session)` with the binaries given on the command line; exits 0 on success."""
    import argparse
    parser = argparse.ArgumentParser()
    parser.add_argument("--app", required=True)
    parser.add_argument("--ctl", required=True)
    args = parser.parse_args()
    started = time.monotonic()
    session = None
    try:
        with Session(args.app, args.ctl) as session:
            journey(session)
    except JourneyFailure as failure:
        print("JOURNEY FAILED: %s" % failure)
        if session is not None:
            print("--- app log ---\n" + session.log())
        sys.exit(1)
    print("journey passed in %.1f s" % (time.monotonic() - started))
