"""The program's widgets as the accessibility bus shows them to a screen reader."""

import pyatspi


class Node:
    """One accessible: its role at once, its name and states as they are when first asked."""

    def __init__(self, acc, path):
        self.acc = acc
        self.path = path
        self.role = acc.getRoleName()
        self._name = None
        self._states = None
        self._text = None

    @property
    def name(self):
        if self._name is None:
            self._name = self.acc.name or ""
        return self._name

    def _state(self, state):
        if self._states is None:
            self._states = self.acc.getState()
        return self._states.contains(state)

    showing = property(lambda self: self._state(pyatspi.STATE_SHOWING))
    focused = property(lambda self: self._state(pyatspi.STATE_FOCUSED))
    checked = property(lambda self: self._state(pyatspi.STATE_CHECKED))
    enabled = property(lambda self: self._state(pyatspi.STATE_ENABLED))

    @property
    def text(self):
        if self._text is None:
            try:
                text = self.acc.queryText()
                self._text = text.getText(0, text.characterCount)
            except NotImplementedError:
                self._text = ""
        return self._text

    @property
    def label(self):
        """What a screen reader reads: the text for labels, else the name."""
        return self.text or self.name

    def extents(self):
        box = self.acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return box.x, box.y, box.width, box.height

    def centre(self):
        x, y, w, h = self.extents()
        return x + w // 2, y + h // 2

    def value(self):
        return self.acc.queryValue().currentValue

    def do_action(self, index=0):
        self.acc.queryAction().doAction(index)

    def __repr__(self):
        return f"<{self.role} {self.name!r} {self.text!r}>"


class Tree:
    def __init__(self, pid):
        self.pid = pid

    def application(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == self.pid:
                    return app
            except Exception:
                continue
        return None

    def nodes(self, root=None, max_depth=30, max_children=200, into=()):
        """Every accessible of the program, depth first (long lists cut at `max_children`); the
        entries of combo boxes and the menus only when `into` names their role, as they are many
        and rarely wanted."""
        closed = {"combo box", "menu bar"} - set(into)
        start = root.acc if isinstance(root, Node) else (root or self.application())
        if start is None:
            return []
        found = []

        def walk(acc, path, depth):
            try:
                node = Node(acc, path)
            except Exception:
                return
            found.append(node)
            if depth >= max_depth or node.role in closed:
                return
            try:
                count = min(acc.childCount, max_children)
            except Exception:
                return
            for i in range(count):
                try:
                    child = acc.getChildAtIndex(i)
                except Exception:
                    continue
                if child is not None:
                    walk(child, path + (i,), depth + 1)

        walk(start, (), 0)
        return found

    def windows(self):
        app = self.application()
        if app is None:
            return []
        return [Node(app.getChildAtIndex(i), (i,)) for i in range(app.childCount)]

    def find(self, role=None, name=None, text=None, showing=True, root=None, **kw):
        """Accessibles matching every given property (names and texts exactly)."""
        if role in ("menu item", "popup menu", "menu"):
            kw.setdefault("into", ("menu bar",))
        out = []
        for node in self.nodes(root, **kw):
            if role and node.role != role:
                continue
            if name is not None and node.name != name:
                continue
            if text is not None and node.text != text:
                continue
            if showing and not node.showing:
                continue
            out.append(node)
        return out

    def dump(self, root=None):
        return "\n".join("  " * len(n.path) + repr(n) + (" [showing]" if n.showing else "")
                         for n in self.nodes(root))
