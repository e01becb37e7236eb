"""Small SVG drawing kit for the program's pictures.

Every drawing is made of plain shapes (rectangles, paths, polygons, lines)
with flat fills and linear gradients only, so that the tiny SVG profile the
program renders with shows it exactly as intended: no clipping paths,
patterns, markers, filters or text.
"""


def fmt(v):
    """A coordinate with at most two decimals and no trailing zeros."""
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


class Drawing:
    def __init__(self, left, top, width, height, pixel_width=None, pixel_height=None):
        self.left, self.top, self.width, self.height = left, top, width, height
        self.pixel_width = pixel_width or width
        self.pixel_height = pixel_height or height
        self.defs = []
        self.items = []

    # --- output ---------------------------------------------------------

    def svg(self, title):
        head = (
            '<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{fmt(self.pixel_width)}" height="{fmt(self.pixel_height)}" '
            f'viewBox="{fmt(self.left)} {fmt(self.top)} {fmt(self.width)} {fmt(self.height)}">\n'
            f"<title>{title}</title>\n"
        )
        defs = "<defs>\n" + "".join(self.defs) + "</defs>\n" if self.defs else ""
        return head + defs + "".join(self.items) + "</svg>\n"

    # --- paint ----------------------------------------------------------

    def gradient(self, ident, stops, x1=0, y1=0, x2=0, y2=1):
        """A linear gradient over the bounding box of the shape it fills."""
        body = "".join(f'<stop offset="{fmt(o)}" stop-color="{c}"/>' for o, c in stops)
        self.defs.append(
            f'<linearGradient id="{ident}" x1="{fmt(x1)}" y1="{fmt(y1)}" x2="{fmt(x2)}" y2="{fmt(y2)}">'
            f"{body}</linearGradient>\n"
        )
        return f"url(#{ident})"

    @staticmethod
    def _paint(fill=None, stroke=None, width=None, opacity=None, cap=None, join=None, dash=None):
        out = [f'fill="{fill or "none"}"']
        if stroke:
            out.append(f'stroke="{stroke}"')
            out.append(f'stroke-width="{fmt(width if width is not None else 1)}"')
            if cap:
                out.append(f'stroke-linecap="{cap}"')
            if join:
                out.append(f'stroke-linejoin="{join}"')
            if dash:
                out.append(f'stroke-dasharray="{dash}"')
        if opacity is not None:
            out.append(f'opacity="{fmt(opacity)}"')
        return " ".join(out)

    # --- shapes ---------------------------------------------------------

    def rect(self, x0, y0, x1, y1, rx=0, **paint):
        x0, x1 = min(x0, x1), max(x0, x1)
        y0, y1 = min(y0, y1), max(y0, y1)
        corner = f' rx="{fmt(rx)}"' if rx else ""
        self.items.append(
            f'<rect x="{fmt(x0)}" y="{fmt(y0)}" width="{fmt(x1 - x0)}" height="{fmt(y1 - y0)}"{corner} '
            f"{self._paint(**paint)}/>\n"
        )

    def line(self, x0, y0, x1, y1, stroke, width=1, cap="butt", dash=None, opacity=None):
        self.items.append(
            f'<line x1="{fmt(x0)}" y1="{fmt(y0)}" x2="{fmt(x1)}" y2="{fmt(y1)}" '
            f"{self._paint(stroke=stroke, width=width, cap=cap, dash=dash, opacity=opacity)}/>\n"
        )

    def polyline(self, points, stroke, width=1, cap="round", join="round", opacity=None):
        pts = " ".join(f"{fmt(x)},{fmt(y)}" for x, y in points)
        self.items.append(
            f'<polyline points="{pts}" '
            f"{self._paint(stroke=stroke, width=width, cap=cap, join=join, opacity=opacity)}/>\n"
        )

    def polygon(self, points, **paint):
        pts = " ".join(f"{fmt(x)},{fmt(y)}" for x, y in points)
        self.items.append(f'<polygon points="{pts}" {self._paint(**paint)}/>\n')

    def path(self, d, **paint):
        self.items.append(f'<path d="{d}" {self._paint(**paint)}/>\n')

    def circle(self, cx, cy, r, **paint):
        self.items.append(f'<circle cx="{fmt(cx)}" cy="{fmt(cy)}" r="{fmt(r)}" {self._paint(**paint)}/>\n')

    def raw(self, text):
        self.items.append(text)


def arc_path(cx, cy, r, a0, a1):
    """An SVG path of the circular arc from angle a0 to a1 (degrees, y down)."""
    import math

    x0, y0 = cx + r * math.cos(math.radians(a0)), cy + r * math.sin(math.radians(a0))
    x1, y1 = cx + r * math.cos(math.radians(a1)), cy + r * math.sin(math.radians(a1))
    large = 1 if abs(a1 - a0) > 180 else 0
    sweep = 1 if a1 > a0 else 0
    return f"M{fmt(x0)},{fmt(y0)} A{fmt(r)},{fmt(r)} 0 {large} {sweep} {fmt(x1)},{fmt(y1)}"
