"""Cross-section drawing of enclosures: panels, drivers, passive radiators,
vent tubes and damping, in the coordinates of the page the figure is drawn
on (points, y down).

Every element keeps the rectangle it occupies, so that a figure can prove
that the names written over it (chamber values, vent and driver names)
land on free air and never on a panel, a tube wall or a driver.
"""

import math

from svg import Drawing, fmt

# Palette: warm panels, cool air, graphite drivers.
PANEL_FILL = "#d6c6a5"
PANEL_HATCH = "#a8916a"
PANEL_EDGE = "#4f4536"
AIR_FILL = "#f6f9fd"
AIR_OPACITY = 0.65
CONE = "#2e3238"
BASKET = "#79808a"
PLATE = "#a9b0b8"
MAGNET = "#4d535c"
POLE = "#c2c7cd"
METAL_EDGE = "#3f444b"
TUBE_FILL = "#8a929b"
TUBE_EDGE = "#454b53"
WADDING_FILL = "#efe7d8"
WADDING_LINE = "#cbb994"
FLOW = "#3f7fc8"

PANEL = 4.0      # thickness of a box panel, pt
TUBE_WALL = 1.8  # thickness of a vent tube's wall, pt
DRIVER = 30.0    # diameter of the drivers, pt


class Panel:
    """One board of the box: a rectangle, cut where a driver or tube passes."""

    def __init__(self, x0, y0, x1, y1):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1
        self.across = (x1 - x0) >= (y1 - y0)  # runs left to right
        self.cuts = []

    def cut(self, a, b):
        self.cuts.append((min(a, b), max(a, b)))

    def pieces(self):
        lo, hi = (self.x0, self.x1) if self.across else (self.y0, self.y1)
        spans, start = [], lo
        for a, b in sorted(self.cuts):
            if a > start:
                spans.append((start, min(a, hi)))
            start = max(start, b)
        if start < hi:
            spans.append((start, hi))
        if self.across:
            return [(a, self.y0, b, self.y1) for a, b in spans]
        return [(self.x0, a, self.x1, b) for a, b in spans]


class Figure:
    def __init__(self, name, rect):
        left, top, right, bottom = rect
        self.name = name
        self.rect = rect
        self.d = Drawing(left, top, right - left, bottom - top)
        self.panels = []
        self.air = []
        self.later = []      # drawing steps run after the panels
        self.occupied = []   # (x0, y0, x1, y1, what)
        self.tubes = []      # air columns of the vents: (x0, y0, x1, y1, runs across)

    # --- the box --------------------------------------------------------

    def box(self, x0, y0, x1, y1):
        """Outer walls with their outer edges at the rectangle; returns the
        four panels (top, bottom, left, right)."""
        t = PANEL
        top = self.panel(x0, y0, x1, y0 + t)
        bottom = self.panel(x0, y1 - t, x1, y1)
        left = self.panel(x0, y0 + t, x0 + t, y1 - t)
        right = self.panel(x1 - t, y0 + t, x1, y1 - t)
        self.air.append((x0 + t, y0 + t, x1 - t, y1 - t))
        return top, bottom, left, right

    def panel(self, x0, y0, x1, y1):
        p = Panel(x0, y0, x1, y1)
        self.panels.append(p)
        return p

    def baffle(self, x0, y0, x1, y1):
        """A free-standing wall whose ends are broken off: it goes on."""
        p = self.panel(x0, y0, x1, y1)
        p.broken = True
        return p

    # --- parts ----------------------------------------------------------

    def driver(self, wall, face, centre, facing, size=DRIVER):
        """A driver mounted in `wall` with its front on the wall's face at
        `face` (x for a side wall, y for a shelf), its axis at `centre`,
        sounding towards `facing` ("left", "right", "up", "down")."""
        wall.cut(centre - size / 2, centre + size / 2)
        self.later.append(lambda: self._driver(face, centre, facing, size, passive=False))
        self._occupy_part(face, centre, facing, size, 0.54 * size, "driver")

    def radiator(self, wall, face, centre, facing, size):
        """A passive radiator: a weighted diaphragm on a surround, no motor."""
        wall.cut(centre - size / 2, centre + size / 2)
        self.later.append(lambda: self._driver(face, centre, facing, size, passive=True))
        self._occupy_part(face, centre, facing, size, 0.3 * size, "radiator")

    def tube(self, x0, y0, x1, y1, walls=()):
        """A vent tube whose air column is the rectangle; it runs along the
        rectangle's longer side and passes through the given panels."""
        t = TUBE_WALL
        across = (x1 - x0) >= (y1 - y0)
        for w in walls:
            if across:
                w.cut(y0 - t, y1 + t)
            else:
                w.cut(x0 - t, x1 + t)
        if across:
            sides = [(x0, y0 - t, x1, y0), (x0, y1, x1, y1 + t)]
        else:
            sides = [(x0 - t, y0, x0, y1), (x1, y0, x1 + t, y1)]
        for s in sides:
            self.occupied.append(s + ("tube wall",))
        self.tubes.append((x0, y0, x1, y1, across))

        def draw():
            self.d.rect(x0, y0, x1, y1, fill=AIR_FILL, opacity=AIR_OPACITY)
            for s in sides:
                self.d.rect(*s, fill=TUBE_FILL, stroke=TUBE_EDGE, width=0.45)

        self.later.append(draw)
        return sides

    def wadding(self, x0, y0, x1, y1):
        """Damping material lining a sealed chamber."""
        self.occupied.append((x0, y0, x1, y1, "damping"))

        def draw():
            self.d.rect(x0, y0, x1, y1, fill=WADDING_FILL, opacity=0.9)
            across = (x1 - x0) >= (y1 - y0)
            n = 2 if min(x1 - x0, y1 - y0) > 7 else 1
            for i in range(n):
                f = (i + 1) / (n + 1)
                pts = []
                if across:
                    y = y0 + f * (y1 - y0)
                    x, k = x0 + 1, 0
                    while x <= x1 - 1:
                        pts.append((x, y + (1.1 if k % 2 else -1.1)))
                        x, k = x + 2.2, k + 1
                else:
                    x = x0 + f * (x1 - x0)
                    y, k = y0 + 1, 0
                    while y <= y1 - 1:
                        pts.append((x + (1.1 if k % 2 else -1.1), y))
                        y, k = y + 2.2, k + 1
                self.d.polyline(pts, WADDING_LINE, width=0.55)

        self.later.append(draw)

    def flow(self, x, y, direction, length=7.0):
        """A small arrow showing which way the air leaves a vent or a cone."""
        dx, dy = {"left": (-1, 0), "right": (1, 0), "up": (0, -1), "down": (0, 1)}[direction]
        x1, y1 = x + dx * length, y + dy * length
        head = 2.4
        px, py = -dy, dx
        tip = (x1 + dx * 0.6, y1 + dy * 0.6)
        pts = [tip, (x1 - dx * head + px * head * 0.8, y1 - dy * head + py * head * 0.8),
               (x1 - dx * head - px * head * 0.8, y1 - dy * head - py * head * 0.8)]
        xs = [x, x1, *(p[0] for p in pts)]
        ys = [y, y1, *(p[1] for p in pts)]
        self.occupied.append((min(xs), min(ys), max(xs), max(ys), "flow arrow"))

        def draw():
            self.d.line(x, y, x1 - dx * head * 0.6, y1 - dy * head * 0.6, FLOW, width=0.9)
            self.d.polygon(pts, fill=FLOW)

        self.later.append(draw)

    def air_arrows(self, keep_clear):
        """A double arrow in each vent where no name is written and no panel
        crosses it: the air in a vent swings in and out."""
        for x0, y0, x1, y1, across in self.tubes:
            lo, hi = (x0, x1) if across else (y0, y1)
            blocked = []
            for b in keep_clear:
                if b[0] < x1 and x0 < b[2] and b[1] < y1 and y0 < b[3]:
                    blocked.append((b[0], b[2]) if across else (b[1], b[3]))
            for p in self.panels:
                if p.across != across and p.x0 < x1 and x0 < p.x1 and p.y0 < y1 and y0 < p.y1:
                    blocked.append((p.x0, p.x1) if across else (p.y0, p.y1))
            free, start = [], lo
            for a, b in sorted(blocked):
                if a - 1.5 > start:
                    free.append((start, a - 1.5))
                start = max(start, b + 1.5)
            if hi > start:
                free.append((start, hi))
            if not free:
                continue
            a, b = max(free, key=lambda s: s[1] - s[0])
            if b - a < 8:
                continue
            length = min(12.0, b - a - 2)
            mid = (a + b) / 2
            c = (y0 + y1) / 2 if across else (x0 + x1) / 2
            self._double_arrow(mid - length / 2, mid + length / 2, c, across)

    def _double_arrow(self, a, b, c, across):
        head, half = 2.4, 1.7

        def pt(u, v):
            return (u, c + v) if across else (c + v, u)

        def draw():
            self.d.line(*pt(a + head * 0.8, 0), *pt(b - head * 0.8, 0), FLOW, width=0.8)
            self.d.polygon([pt(a, 0), pt(a + head, -half), pt(a + head, half)], fill=FLOW)
            self.d.polygon([pt(b, 0), pt(b - head, -half), pt(b - head, half)], fill=FLOW)

        self.later.append(draw)

    def waves(self, x, y, facing, radii=(6.0, 10.0, 14.0), spread=34.0):
        """Sound leaving a radiating surface: arcs in front of it."""
        base = {"left": 180.0, "right": 0.0, "up": 270.0, "down": 90.0}[facing]
        r_max = max(radii)
        dx, dy = math.cos(math.radians(base)), math.sin(math.radians(base))
        half = math.sin(math.radians(spread)) * r_max
        xs = [x, x + dx * r_max] + ([x - half, x + half] if dx == 0 else [])
        ys = [y, y + dy * r_max] + ([y - half, y + half] if dy == 0 else [])
        self.occupied.append((min(xs), min(ys), max(xs), max(ys), "sound waves"))

        def draw():
            from svg import arc_path

            for i, r in enumerate(radii):
                self.d.path(arc_path(x, y, r, base - spread, base + spread), stroke=FLOW, width=0.8,
                            opacity=0.85 - 0.2 * i, cap="round")

        self.later.append(draw)

    # --- drawing ----------------------------------------------------------

    def render(self):
        d = self.d
        for a in self.air:
            d.rect(*a, fill=AIR_FILL, opacity=AIR_OPACITY)
        for p in self.panels:
            for piece in p.pieces():
                self._panel_piece(*piece)
            for a, b in p.cuts:  # the opening a driver or tube fills
                hole = (a, p.y0, b, p.y1) if p.across else (p.x0, a, p.x1, b)
                d.rect(*hole, fill=AIR_FILL, opacity=AIR_OPACITY)
            if getattr(p, "broken", False):
                self._break_marks(p)
        for step in self.later:
            step()
        for p in self.panels:
            for piece in p.pieces():
                self.occupied.append(piece + ("panel",))
        return d

    def _panel_piece(self, x0, y0, x1, y1):
        d = self.d
        d.rect(x0, y0, x1, y1, fill=PANEL_FILL)
        # Section hatching at 45 degrees, in one phase over the whole page.
        step = 2.7
        k = math.ceil((x0 + y0) / step) * step
        while k < x1 + y1:
            xa, xb = max(x0, k - y1), min(x1, k - y0)
            if xb - xa > 0.05:
                d.line(xa, k - xa, xb, k - xb, PANEL_HATCH, width=0.45)
            k += step
        d.rect(x0, y0, x1, y1, stroke=PANEL_EDGE, width=0.8)

    def _break_marks(self, p):
        """Zig-zag break lines across both ends of a baffle."""
        d = self.d
        for y in (p.y0, p.y1):
            pts = [(p.x0 - 2.5, y), (p.x0 + 1, y - 1.6), (p.x1 - 1, y + 1.6), (p.x1 + 2.5, y)]
            d.polyline(pts, PANEL_EDGE, width=0.8)

    def _place(self, face, centre, facing):
        """Maps (u, v) of a part, u backwards from its front, v across, to
        page coordinates."""
        if facing == "left":
            return lambda u, v: (face + u, centre + v)
        if facing == "right":
            return lambda u, v: (face - u, centre + v)
        if facing == "up":
            return lambda u, v: (centre + v, face + u)
        return lambda u, v: (centre + v, face - u)

    def _occupy_part(self, face, centre, facing, size, depth, what):
        """The room a driver takes, in slices from its front to its back:
        rim, basket narrowing towards the motor, motor."""
        at = self._place(face, centre, facing)
        r = size / 2
        passive = what != "driver"
        back = (0.30 if passive else 0.36) * size
        narrow = (0.20 if passive else 0.27) * size

        def basket(u):
            return r + 0.6 - (r + 0.6 - narrow) * min(max(u / back, 0.0), 1.0)

        cuts = [-2.4, 1.0, 0.25 * back, 0.5 * back, 0.75 * back, back, depth]
        for u0, u1 in zip(cuts, cuts[1:]):
            half = (r + 2.4 if u0 < 1.0 else basket(u0)) + 0.8
            if u0 >= back:
                half = narrow + 0.4
            corners = [at(u0, -half), at(u1, half)]
            xs = [c[0] for c in corners]
            ys = [c[1] for c in corners]
            self.occupied.append((min(xs), min(ys), max(xs), max(ys), what))

    def _driver(self, face, centre, facing, size, passive):
        d = self.d
        at = self._place(face, centre, facing)
        D, r = size, size / 2

        def rect_uv(u0, v0, u1, v1, **paint):
            (xa, ya), (xb, yb) = at(u0, v0), at(u1, v1)
            d.rect(xa, ya, xb, yb, **paint)

        def line_uv(u0, v0, u1, v1, stroke, width):
            (xa, ya), (xb, yb) = at(u0, v0), at(u1, v1)
            d.line(xa, ya, xb, yb, stroke, width=width, cap="round")

        def pts(points):
            return " ".join(f"{fmt(x)},{fmt(y)}" for x, y in (at(u, v) for u, v in points))

        back = (0.30 if passive else 0.36) * D
        basket_end = 0.20 * D if passive else 0.27 * D
        # Basket struts from the rim to the motor (or the back bar).
        for s in (-1, 1):
            line_uv(0.0, s * (r + 0.6), back, s * basket_end, BASKET, 0.65)
        if passive:
            line_uv(back, -basket_end, back, basket_end, BASKET, 0.65)
        # Frame flange on the front face of the panel.
        for s in (-1, 1):
            rect_uv(-1.1, s * (r - 0.6), 0.0, s * (r + 2.4), fill=CONE)
        # Surround rolls, bulging forwards.
        roll = 2.0
        for s in (-1, 1):
            c = s * (r - 0.6 - roll)
            (xa, ya), (xb, yb) = at(0.1, c - s * roll), at(0.1, c + s * roll)
            (xc, yc), (xe, ye) = at(0.1 - 1.3 * roll, c - s * roll), at(0.1 - 1.3 * roll, c + s * roll)
            d.path(f"M{fmt(xa)},{fmt(ya)} C{fmt(xc)},{fmt(yc)} {fmt(xe)},{fmt(ye)} {fmt(xb)},{fmt(yb)}",
                   stroke=CONE, width=0.85)
        rim = r - 0.6 - 2 * roll
        if passive:
            # Flat, stiff diaphragm with its mass weight behind the centre.
            rect_uv(0.2, -rim, 2.0, rim, fill=CONE)
            rect_uv(2.0, -0.2 * D, 3.9, 0.2 * D, fill=PLATE, stroke=METAL_EDGE, width=0.4)
            # Spider: the rear suspension to the back bar.
            for s in (-1, 1):
                line_uv(3.9, s * 0.12 * D, back, s * 0.12 * D, BASKET, 0.55)
            return
        neck = 0.12 * D
        deep = 0.30 * D
        # Cone: two straight flanks from the surround to the voice coil.
        d.raw(f'<polyline points="{pts([(0.2, -rim), (deep, -neck)])}" fill="none" stroke="{CONE}" '
              f'stroke-width="1.35" stroke-linecap="round"/>\n')
        d.raw(f'<polyline points="{pts([(0.2, rim), (deep, neck)])}" fill="none" stroke="{CONE}" '
              f'stroke-width="1.35" stroke-linecap="round"/>\n')
        # Dust cap.
        (xa, ya), (xb, yb), (xm, ym) = at(deep, -neck), at(deep, neck), at(deep - 0.16 * D, 0)
        d.path(f"M{fmt(xa)},{fmt(ya)} Q{fmt(xm)},{fmt(ym)} {fmt(xb)},{fmt(yb)}", stroke=CONE, width=1.0)
        # Spider between the cone's neck and the basket.
        for s in (-1, 1):
            line_uv(deep + 0.02 * D, s * neck, 0.34 * D, s * 0.25 * D, BASKET, 0.55)
        # Motor: pole piece through the centre, top plate, magnet ring, back plate.
        rect_uv(0.37 * D, -0.07 * D, 0.54 * D, 0.07 * D, fill=POLE, stroke=METAL_EDGE, width=0.35)
        for s in (-1, 1):
            rect_uv(0.36 * D, s * 0.11 * D, 0.40 * D, s * 0.27 * D, fill=PLATE, stroke=METAL_EDGE, width=0.35)
            rect_uv(0.40 * D, s * 0.12 * D, 0.50 * D, s * 0.26 * D, fill=MAGNET, stroke=METAL_EDGE, width=0.35)
        rect_uv(0.50 * D, -0.27 * D, 0.54 * D, 0.27 * D, fill=PLATE, stroke=METAL_EDGE, width=0.35)
        # Voice coil in the gap.
        for s in (-1, 1):
            line_uv(deep, s * 0.095 * D, 0.41 * D, s * 0.095 * D, "#b5651d", 0.9)
