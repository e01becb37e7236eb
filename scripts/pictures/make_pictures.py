#!/usr/bin/env python3
"""Draws every picture of the program into resources/.

    scripts/pictures/make_pictures.py            writes resources/Images/*.svg and resources/AppIcon.svg
    scripts/pictures/make_pictures.py --proof F  also writes F, one sheet of all figures with the
                                                 names the profile page writes over them

Fails (exit status 1) when a name written over a figure would touch a panel,
a tube wall, a driver or damping, so that no drawing can cover its labels.
"""

import argparse
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import figures  # noqa: E402
import others  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def write(path, text):
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def embed(svg_text, x, y, w, h, prefix):
    """The drawing of an SVG file placed into a rectangle of a sheet."""
    vx, vy, vw, vh = (float(v) for v in re.search(r'viewBox="([^"]+)"', svg_text).group(1).split())
    body = svg_text[svg_text.index("</title>") + len("</title>"):svg_text.rindex("</svg>")]
    body = body.replace('id="', f'id="{prefix}').replace("url(#", f"url(#{prefix}")
    return (f'<g transform="translate({x:.2f},{y:.2f}) scale({w / vw:.5f},{h / vh:.5f}) '
            f'translate({-vx:.2f},{-vy:.2f})">\n{body}</g>\n')


def sheet(width, height, parts):
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n<svg xmlns="http://www.w3.org/2000/svg" version="1.2" '
            f'baseProfile="tiny" width="{width:.0f}" height="{height:.0f}" viewBox="0 0 {width:.0f} {height:.0f}">\n'
            f'<rect x="0" y="0" width="{width:.0f}" height="{height:.0f}" fill="#ededed"/>\n' + "".join(parts)
            + "</svg>\n")


def text(x, y, size, words, mono=False, colour="#333333"):
    family = "DejaVu Sans Mono" if mono else "DejaVu Sans"
    return f'<text x="{x}" y="{y}" font-family="{family}" font-size="{size}" fill="{colour}">{words}</text>\n'


def proof_sheet(built, pictures):
    """Every picture as the program shows it: the figures at twice their
    profile size with the names written over them, then the System Select
    tabs and the connection sheet at their own size, then the small ones."""
    parts, scale, gap = [], 2.0, 16
    x = y = gap
    row_h = 0
    for i, fig in enumerate(built):
        left, top, right, bottom = fig.rect
        w, h = (right - left) * scale, (bottom - top) * scale
        if i and i % 8 == 0:
            x, y, row_h = gap, y + row_h + gap, 0
        parts.append(embed(fig.d.svg(fig.name), x, y, w, h, f"f{i}"))
        inner = [f'<g transform="translate({x:.1f},{y:.1f}) scale({scale}) translate({-left},{-top})">\n']
        for words, lx, ly, size, mono in figures.LABELS[fig.name]:
            inner.append(text(lx, ly, size, words, mono))
        parts.append("".join(inner) + "</g>\n")
        x += w + gap
        row_h = max(row_h, h)
    y += row_h + 2 * gap
    # The System Select tabs: frame, picture and name of each position.
    select = [
        [("InfiniteImage", (58, 49, 33, 132)), ("ClosedImage", (172, 49, 80, 132)), ("VentedImage", (307, 49, 80, 132)),
         ("PassiveRadiatorImage", (443, 49, 75, 132)), ("SerialVentedImage", (37, 229, 77, 132)),
         ("ParallelVentedImage", (172, 228, 79, 134)), ("ComplexClosedImage", (307, 229, 79, 132)),
         ("ComplexVentedImage", (441, 229, 80, 132))],
        [("RavezaBoxImage", (37, 48, 77, 134)), ("PassiveRavezaImage", (173, 49, 78, 132)),
         ("SerialRavezaType1Image", (313, 49, 65, 132)), ("SerialRavezaType2Image", (432, 49, 96, 132)),
         ("TwinVentedImage", (44, 229, 62, 132)), ("TwinSerialImage", (176, 229, 68, 132)),
         ("DeltaVentedImage", (297, 229, 96, 132)), ("TripleVentedImage", (447, 229, 67, 132))],
    ]
    frames = [(19, 42), (154, 42), (289, 42), (424, 42), (19, 222), (154, 222), (289, 222), (424, 222)]
    svgs = {fig.name: fig.d.svg(fig.name) for fig in built}
    svgs.update({name: drawing.svg(name) for name, drawing in pictures})
    for t, tab in enumerate(select):
        ox = gap + t * 580
        for k, (name, (px, py, pw, ph)) in enumerate(tab):
            fx, fy = frames[k]
            chosen = "SysBtnSelect" if k == 2 else "SysBtnUnSelect"
            parts.append(embed(svgs[chosen], ox + fx, y + fy, 113, 147, f"s{t}{k}a"))
            parts.append(embed(svgs[name], ox + px, y + py, pw, ph, f"s{t}{k}b"))
    y += 390
    # The connection sheet.
    connections = [("SpConSingle", (23, 18, 114, 174), (33, 32, 94, 145), "Port"),
                   ("SpConDualParallel", (158, 18, 114, 174), (168, 32, 94, 145), "Port"),
                   ("SpConDualSeries", (293, 18, 114, 174), (303, 32, 94, 145), "Port"),
                   ("SpConPushPullParallel", (23, 228, 179, 114), (37, 234, 154, 102), "Landt"),
                   ("SpConPushPullSeries", (228, 228, 179, 114), (242, 234, 154, 102), "Landt")]
    for k, (name, fr, pic, kind) in enumerate(connections):
        chosen = f"SpConBtn{kind}Select" if k == 0 else f"SpConBtn{kind}UnSelect"
        parts.append(embed(svgs[chosen], gap + fr[0], y + fr[1], fr[2], fr[3], f"c{k}a"))
        parts.append(embed(svgs[name], gap + pic[0], y + pic[1], pic[2], pic[3], f"c{k}b"))
    # The palette's narrow connection rectangles, and the profile's.
    px0 = gap + 460
    for k, (name, rect) in enumerate([("SpConSingle", (34, 4, 54, 133)), ("SpConPushPullSeries", (9, 24, 133, 73))]):
        parts.append(embed(svgs[name], px0 + k * 170 + rect[0], y + 20 + rect[1], rect[2], rect[3], f"p{k}"))
    y += 400
    # Small pictures at four times their size, then at their own size.
    small = ["SysSelArrow", "SpSelArrow", "SysSelBigArrow", "UpArrow", "DownArrow", "CrossPointCursor",
             "OrangeFatBtn", "OrangeThinBtn", "GreenThinBtn", "BlueThinBtn", "LightBlueThinBtn", "PurpleThinBtn"]
    x = gap
    for k, name in enumerate(small):
        vw, vh = (float(v) for v in re.search(r'viewBox="0 0 ([^"]+)"', svgs[name]).group(1).split())
        parts.append(f'<rect x="{x}" y="{y}" width="{vw * 4}" height="{vh * 4}" fill="#ffffff"/>\n')
        parts.append(embed(svgs[name], x, y, vw * 4, vh * 4, f"m{k}"))
        parts.append(embed(svgs[name], x, y + vh * 4 + 8, vw, vh, f"n{k}"))
        x += vw * 4 + gap
    parts.append(embed(pictures_icon(), x, y, 128, 128, "icon"))
    parts.append(embed(pictures_icon(), x + 140, y, 48, 48, "icon2"))
    parts.append(embed(pictures_icon(), x + 200, y, 16, 16, "icon3"))
    return sheet(2000, y + 150, parts)


def pictures_icon():
    return others.app_icon().svg("Quendal")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--proof", help="write a proof sheet of the figures with their names to this file")
    args = parser.parse_args()

    images = os.path.join(ROOT, "resources", "Images")
    os.makedirs(images, exist_ok=True)
    problems, built = [], []
    for build in figures.BUILDERS:
        fig = build()
        fig.air_arrows([figures.label_box(*label) for label in figures.LABELS[fig.name]])
        fig.render()
        problems += figures.check(fig)
        built.append(fig)
        write(os.path.join(images, fig.name + ".svg"), fig.d.svg(fig.name))
    pictures = others.all_pictures()
    for name, drawing in pictures:
        write(os.path.join(images, name + ".svg"), drawing.svg(name))
    write(os.path.join(ROOT, "resources", "AppIcon.svg"), others.app_icon().svg("Quendal"))
    if args.proof:
        write(args.proof, proof_sheet(built, pictures))
    for p in problems:
        print(p, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
