"""The program's other pictures: speaker connections, selection frames,
arrow buttons, legend line samples, the cross-hair cursor and the icon."""

from enclosure import CONE, FLOW, Figure
from svg import Drawing, fmt

WIRE_PLUS = "#c0392b"
WIRE_MINUS = "#2c3440"
TERMINAL_FILL = "#f7f7f7"


# --- speaker connections ------------------------------------------------------


class Wiring:
    """Wires drawn one after another; a wire that crosses an earlier one
    hops over it, so that only a dot joins wires."""

    def __init__(self, drawing):
        self.d = drawing
        self.segments = []

    def wire(self, points, colour):
        hop = 2.2
        path = f"M{fmt(points[0][0])},{fmt(points[0][1])}"
        new = []
        for (x0, y0), (x1, y1) in zip(points, points[1:]):
            crossings = []
            for (a0, b0), (a1, b1) in self.segments:
                if y0 == y1 and a0 == a1:  # horizontal over a vertical one
                    if min(x0, x1) + hop < a0 < max(x0, x1) - hop and min(b0, b1) < y0 < max(b0, b1):
                        crossings.append(a0)
                elif x0 == x1 and b0 == b1:  # vertical over a horizontal one
                    if min(y0, y1) + hop < b0 < max(y0, y1) - hop and min(a0, a1) < x0 < max(a0, a1):
                        crossings.append(b0)
            if y0 == y1:
                sign = 1 if x1 > x0 else -1
                for c in sorted(crossings, reverse=sign < 0):
                    path += (f" L{fmt(c - sign * hop)},{fmt(y0)} A{fmt(hop)},{fmt(hop)} 0 0 {1 if sign > 0 else 0} "
                             f"{fmt(c + sign * hop)},{fmt(y0)}")
            elif x0 == x1:
                sign = 1 if y1 > y0 else -1
                for c in sorted(crossings, reverse=sign < 0):
                    path += (f" L{fmt(x0)},{fmt(c - sign * hop)} A{fmt(hop)},{fmt(hop)} 0 0 {0 if sign > 0 else 1} "
                             f"{fmt(x0)},{fmt(c + sign * hop)}")
            path += f" L{fmt(x1)},{fmt(y1)}"
            new.append(((x0, y0), (x1, y1)))
        self.segments += new
        self.d.path(path, stroke=colour, width=1.7, cap="round", join="round")

    def dot(self, x, y, colour):
        self.d.circle(x, y, 1.9, fill=colour)


def terminal(d, x, y, plus):
    """An input terminal with its polarity mark beneath."""
    colour = WIRE_PLUS if plus else WIRE_MINUS
    d.circle(x, y, 3.6, fill=TERMINAL_FILL, stroke=colour, width=1.3)
    d.circle(x, y, 1.2, fill=colour)
    d.line(x - 2.6, y + 9, x + 2.6, y + 9, colour, width=1.3)
    if plus:
        d.line(x, y + 6.4, x, y + 11.6, colour, width=1.3)


def tabs(d, x, y_plus, y_minus):
    """The driver's two solder tabs."""
    d.rect(x - 1.6, y_plus - 1.6, x + 1.6, y_plus + 1.6, fill=WIRE_PLUS)
    d.rect(x - 1.6, y_minus - 1.6, x + 1.6, y_minus + 1.6, fill=WIRE_MINUS)


def motion(d, x0, x1, y):
    """An arrow showing which way a cone moves."""
    d.line(x0, y, x1 - 2.5, y, FLOW, width=1.0)
    d.polygon([(x1, y), (x1 - 3.2, y - 2.2), (x1 - 3.2, y + 2.2)], fill=FLOW)


def upright(name, drivers, size):
    f = Figure(name, (0, 0, 86, 135))
    for y in drivers:
        f._driver(12, y, "left", size, passive=False)
    return f.d, 12 + 0.54 * size + 2.6


def connection_single():
    d, tab_x = upright("SpConSingle", [50], 52)
    tabs(d, tab_x, 43, 57)
    w = Wiring(d)
    w.wire([(tab_x, 43), (72, 43), (72, 112)], WIRE_PLUS)
    w.wire([(tab_x, 57), (56, 57), (56, 112)], WIRE_MINUS)
    terminal(d, 56, 116, False)
    terminal(d, 72, 116, True)
    return d


def connection_dual(parallel):
    name = "SpConDualParallel" if parallel else "SpConDualSeries"
    d, tab_x = upright(name, [30, 82], 40)
    for c in (30, 82):
        tabs(d, tab_x, c - 7, c + 7)
    w = Wiring(d)
    if parallel:
        w.wire([(tab_x, 23), (72, 23), (72, 112)], WIRE_PLUS)
        w.wire([(tab_x, 37), (58, 37), (58, 112)], WIRE_MINUS)
        w.wire([(tab_x, 75), (72, 75)], WIRE_PLUS)
        w.wire([(tab_x, 89), (58, 89)], WIRE_MINUS)
        w.dot(72, 75, WIRE_PLUS)
        w.dot(58, 89, WIRE_MINUS)
    else:
        w.wire([(tab_x, 23), (72, 23), (72, 112)], WIRE_PLUS)
        w.wire([(tab_x, 37), (48, 37), (48, 75), (tab_x, 75)], WIRE_MINUS)
        w.wire([(tab_x, 89), (58, 89), (58, 112)], WIRE_MINUS)
    terminal(d, 58, 116, False)
    terminal(d, 72, 116, True)
    return d


def connection_push_pull(parallel):
    """Two drivers face to face on one axis, the second wired the other way
    round, so that both cones move the same way."""
    name = "SpConPushPullParallel" if parallel else "SpConPushPullSeries"
    f = Figure(name, (0, 0, 142, 96))
    d = f.d
    size, axis = 42, 35
    f._driver(66, axis, "right", size, passive=False)
    f._driver(76, axis, "left", size, passive=False)
    # The clamp ring that seals the small chamber between the two cones.
    for s in (-1, 1):
        d.rect(66, axis + s * (size / 2 - 0.6), 76, axis + s * (size / 2 + 2.4), fill="#9ba3ac", stroke=CONE,
               width=0.5)
    left_tab, right_tab = 66 - 0.54 * size - 2.6, 76 + 0.54 * size + 2.6
    tabs(d, left_tab, axis - 7, axis + 7)
    tabs(d, right_tab, axis + 7, axis - 7)  # mounted the other way round: + below
    motion(d, 48, 62, 6)
    motion(d, 80, 94, 6)
    w = Wiring(d)
    plus_x, minus_x = 60, 82
    lp, lm = (left_tab, axis - 7), (left_tab, axis + 7)
    rp, rm = (right_tab, axis + 7), (right_tab, axis - 7)
    w.wire([lp, (28, lp[1]), (28, 68), (plus_x, 68), (plus_x, 80)], WIRE_PLUS)
    if parallel:
        w.wire([lm, (35, lm[1]), (35, 61), (minus_x, 61), (minus_x, 80)], WIRE_MINUS)
        w.wire([rm, (114, rm[1]), (114, 68), (plus_x, 68)], WIRE_PLUS)
        w.wire([rp, (107, rp[1]), (107, 61), (minus_x, 61)], WIRE_MINUS)
        w.dot(plus_x, 68, WIRE_PLUS)
        w.dot(minus_x, 61, WIRE_MINUS)
    else:
        w.wire([lm, (35, lm[1]), (35, 61), (114, 61), (114, rm[1]), rm], WIRE_MINUS)
        w.wire([rp, (107, rp[1]), (107, 72), (minus_x, 72), (minus_x, 80)], WIRE_MINUS)
    terminal(d, plus_x, 84, True)
    terminal(d, minus_x, 84, False)
    return d


# --- selection frames -----------------------------------------------------------


def frame(name, width, height, selected):
    d = Drawing(0, 0, width, height)
    if selected:
        fill = d.gradient("face", [(0, "#f1f6fe"), (1, "#cfe0f8")])
        d.rect(1.2, 1.2, width - 1.2, height - 1.2, rx=9, fill=fill, stroke="#2f6fd0", width=2.2)
        d.rect(3.6, 3.6, width - 3.6, height - 3.6, rx=7, stroke="#ffffff", width=1.0, opacity=0.7)
    else:
        fill = d.gradient("face", [(0, "#fdfdfd"), (1, "#e9e9e9")])
        d.rect(1.0, 1.0, width - 1.0, height - 1.0, rx=9, fill=fill, stroke="#b4b4b4", width=1.0)
        d.rect(2.2, 2.2, width - 2.2, height - 2.2, rx=8, stroke="#ffffff", width=0.8, opacity=0.8)
    return name, d


# --- arrow buttons ----------------------------------------------------------------


def left_arrow(width, height, double):
    """Back one step (a plain arrow) or two steps (two heads, as rewind)."""
    d = Drawing(0, 0, width, height)
    colour = "#2f3540"
    mid = height / 2
    if double:
        head = (width - 2.0) / 2
        for x in (1.0, 1.0 + head):
            d.polygon([(x, mid), (x + head, mid - height * 0.42), (x + head, mid + height * 0.42)], fill=colour)
    else:
        head = height * 0.5
        d.polygon([(1.5, mid), (1.5 + head * 1.1, mid - head * 0.85), (1.5 + head * 1.1, mid + head * 0.85)],
                  fill=colour)
        d.rect(1.5 + head, mid - height * 0.15, width - 1.5, mid + height * 0.15, fill=colour)
    return d


def vertical_arrow(up):
    d = Drawing(0, 0, 16, 16)
    colour = "#2f3540"
    if up:
        d.polygon([(8, 2.5), (14, 11.5), (2, 11.5)], fill=colour)
    else:
        d.polygon([(8, 13.5), (14, 4.5), (2, 4.5)], fill=colour)
    return d


# --- legend line samples, cursor ------------------------------------------------------

LINE_SAMPLES = [
    ("OrangeFatBtn", (1.0, 0.5294, 0.0), 2.0),
    ("OrangeThinBtn", (1.0, 0.5294, 0.0), 1.2),
    ("GreenThinBtn", (0.0, 0.7843, 0.0), 1.2),
    ("BlueThinBtn", (0.0, 0.5112, 1.0), 1.2),
    ("LightBlueThinBtn", (0.0, 0.9412, 1.0), 1.2),
    ("PurpleThinBtn", (0.6196, 0.2863, 0.6314), 1.2),
]


def hex_colour(rgb):
    return "#" + "".join(f"{round(c * 255):02x}" for c in rgb)


def line_sample(rgb, width):
    """The line across the middle; a thin one covers pixel row 8 whole
    rather than two rows by halves."""
    d = Drawing(0, 0, 50, 16)
    y = 8.0 if width >= 2 else 8.5
    d.line(0, y, 50, y, hex_colour(rgb), width=width)
    return d


def cross_hair():
    """15 x 15, hot spot at the centre pixel (7, 7): a thin cross with an
    open centre, dark on a light halo so that it shows on curves and grid."""
    d = Drawing(0, 0, 15, 15)
    for halo, colour, width in ((True, "#ffffff", 3.0), (False, "#111111", 1.0)):
        for a, b in (((0, 7.5), (5.5, 7.5)), ((9.5, 7.5), (15, 7.5)), ((7.5, 0), (7.5, 5.5)), ((7.5, 9.5), (7.5, 15))):
            d.line(a[0], a[1], b[0], b[1], colour, width=width, opacity=0.85 if halo else None)
    d.rect(7, 7, 8, 8, fill="#111111")
    return d


# --- the program icon ---------------------------------------------------------------


def app_icon():
    """A loudspeaker cabinet in section, its driver and port, and the
    response curve rising over it."""
    d = Drawing(0, 0, 256, 256)
    bg = d.gradient("bg", [(0, "#2f64a3"), (1, "#112b47")])
    d.rect(8, 8, 248, 248, rx=54, fill=bg)
    d.rect(8.5, 8.5, 247.5, 247.5, rx=53.5, stroke="#0a1a2b", width=1.5)
    panel, edge = "#e6d8bd", "#3a3125"
    # Cabinet panels, the back one opened by the port.
    d.rect(72, 64, 186, 192, fill="#ffffff", opacity=0.10)
    for x0, y0, x1, y1 in ((58, 50, 200, 64), (58, 192, 200, 206), (58, 64, 72, 80), (58, 144, 72, 192),
                           (186, 64, 200, 150), (186, 176, 200, 192)):
        d.rect(x0, y0, x1, y1, fill=panel, stroke=edge, width=2)
    # Port tube behind the back panel.
    d.rect(146, 146, 200, 151, fill="#9ba3ac", stroke=edge, width=1.2)
    d.rect(146, 175, 200, 180, fill="#9ba3ac", stroke=edge, width=1.2)
    # Driver in the front panel, sounding to the left.
    d.line(60, 78, 100, 96, "#8d949c", width=3, cap="round")
    d.line(60, 146, 100, 128, "#8d949c", width=3, cap="round")
    d.polygon([(60, 82), (92, 102), (92, 122), (60, 142)], fill="#d5dbe2", stroke="#2e3238", width=3, join="round")
    d.path("M92,102 Q80,112 92,122", fill="#aeb6bf", stroke="#2e3238", width=2.5)
    d.rect(97, 92, 101, 132, fill="#b3bac2", stroke="#2e3238", width=1.2)
    d.rect(101, 95, 116, 129, fill="#4d535c", stroke="#2e3238", width=1.2)
    d.rect(116, 92, 120, 132, fill="#b3bac2", stroke="#2e3238", width=1.2)
    d.rect(56, 76, 60, 148, fill="#2e3238")
    # Response curve: a steep rise and a flat pass band, in orange.
    curve = "M30,214 C92,212 112,118 146,98 S204,78 232,77"
    d.path(curve, stroke="#08182a", width=13, cap="round", opacity=0.4)
    d.path(curve, stroke="#ff9a1f", width=7.5, cap="round")
    return d


def all_pictures():
    """(name, drawing) of every picture but the enclosure figures."""
    out = [
        ("SpConSingle", connection_single()),
        ("SpConDualParallel", connection_dual(True)),
        ("SpConDualSeries", connection_dual(False)),
        ("SpConPushPullParallel", connection_push_pull(True)),
        ("SpConPushPullSeries", connection_push_pull(False)),
        frame("SysBtnUnSelect", 113, 147, False),
        frame("SysBtnSelect", 113, 147, True),
        frame("SpConBtnPortUnSelect", 114, 174, False),
        frame("SpConBtnPortSelect", 114, 174, True),
        frame("SpConBtnLandtUnSelect", 179, 114, False),
        frame("SpConBtnLandtSelect", 179, 114, True),
        ("SysSelArrow", left_arrow(16, 11, False)),
        ("SpSelArrow", left_arrow(16, 11, True)),
        ("SysSelBigArrow", left_arrow(24, 16, True)),
        ("UpArrow", vertical_arrow(True)),
        ("DownArrow", vertical_arrow(False)),
        ("CrossPointCursor", cross_hair()),
    ]
    out += [(name, line_sample(rgb, width)) for name, rgb, width in LINE_SAMPLES]
    return out
