"""The sixteen enclosure figures.

Each figure is drawn in the coordinates of the System Profile page, inside
the rectangle the page gives it, so that the names the page writes over it
(chamber values, vent and driver names) fall on the chamber, vent or driver
they name. The same drawing, scaled, serves the System Select window and the
System Info palette.

Conventions of every figure: the listener is to the left. Drivers that
radiate sit in the left wall; vents that radiate leave through the right
wall; a vent's name is written inside the vent, a chamber's values inside
the chamber.
"""

from enclosure import DRIVER, PANEL, Figure

# Names written over the figures: (text, x, baseline y, size in pt, monospaced).
# Chamber values are monospaced; vent and driver names are in the sans face
# except the upright vent names, one monospaced letter per line.
LABELS = {
    "InfiniteImage": [("Fs", 60, 225, 15, 1), ("Qts", 60, 245, 15, 1)],
    "ClosedImage": [("Vb", 75, 155, 15, 1), ("Fc", 75, 175, 15, 1), ("Qtc", 75, 195, 15, 1), ("Qa", 75, 215, 15, 1)],
    "VentedImage": [("Vb", 70, 165, 15, 1), ("Fb", 70, 185, 15, 1), ("Qb", 70, 205, 15, 1), ("Vent", 117, 239, 12, 0)],
    "PassiveRadiatorImage": [("Vb", 80, 125, 15, 1), ("Fb", 80, 145, 15, 1), ("Qb", 80, 165, 15, 1),
                             ("Vap", 80, 210, 15, 1), ("Fp", 80, 230, 15, 1), ("Qmp", 80, 250, 15, 1)],
    "SerialVentedImage": [("Vb1", 68, 108, 15, 1), ("Fb1", 68, 128, 15, 1), ("Qb1", 68, 148, 15, 1),
                          ("Vb2", 68, 211, 15, 1), ("Fb2", 68, 231, 15, 1), ("Qb2", 68, 251, 15, 1),
                          ("Vent2", 114, 230, 12, 0), ("V", 77, 164, 10, 1), ("t", 77, 173, 10, 1), ("1", 77, 183, 10, 1)],
    "ParallelVentedImage": [("Vb1", 72, 172, 14, 1), ("Fb1", 72, 187, 14, 1), ("Qb1", 72, 202, 14, 1),
                            ("Vb2", 72, 105, 14, 1), ("Fb2", 72, 120, 14, 1), ("Qb2", 72, 135, 14, 1),
                            ("Vb3", 72, 237, 14, 1), ("Fb3", 72, 252, 14, 1), ("Qb3", 72, 267, 14, 1),
                            ("Vnt1", 72, 153, 11, 0), ("Vnt1", 72, 218, 11, 0), ("Vent2", 124, 121, 11, 0),
                            ("Vent3", 124, 248, 11, 0)],
    "ComplexClosedImage": [("Vb1", 61, 205, 15, 1), ("Fc1", 61, 225, 15, 1), ("Qa1", 61, 245, 15, 1),
                           ("Vb2", 114, 205, 15, 1), ("Fc2", 114, 225, 15, 1), ("Qa2", 114, 245, 15, 1),
                           ("SP1", 64, 122, 12, 0), ("SP2", 118, 122, 12, 0)],
    "ComplexVentedImage": [("Vb1", 61, 179, 15, 1), ("Fb1", 61, 199, 15, 1), ("Qb1", 61, 219, 15, 1),
                           ("Vb2", 115, 179, 15, 1), ("Fc2", 115, 199, 15, 1), ("Qa2", 115, 219, 15, 1),
                           ("SP1", 65, 122, 12, 0), ("SP2", 119, 122, 12, 0), ("Vent", 106, 244, 12, 0)],
    "RavezaBoxImage": [("Vb2", 70, 214, 15, 1), ("Fb2", 70, 234, 15, 1), ("Qb2", 70, 254, 15, 1),
                       ("Vb1", 70, 108, 14, 1), ("Fc1", 70, 124, 14, 1), ("Qa1", 70, 140, 14, 1),
                       ("Vent", 117, 232, 12, 0)],
    "PassiveRavezaImage": [("Vb2", 60, 190, 15, 1), ("Fb2", 60, 210, 15, 1), ("Qb2", 60, 230, 15, 1),
                           ("Vap", 98, 210, 15, 1), ("Fp", 98, 230, 15, 1), ("Qmp", 98, 250, 15, 1),
                           ("Vb1", 56, 108, 14, 1), ("Fc1", 56, 124, 14, 1), ("Qa1", 56, 140, 14, 1)],
    "SerialRavezaType1Image": [("Vb1", 64, 105, 12, 1), ("Fc1", 64, 119, 12, 1), ("Qa1", 64, 133, 12, 1),
                               ("Vb2", 108, 173, 11, 1), ("Fb2", 108, 185, 11, 1), ("Qb2", 108, 197, 11, 1),
                               ("Vb3", 75, 232, 13, 1), ("Fb3", 75, 248, 13, 1), ("Qb3", 75, 264, 13, 1),
                               ("Vent2", 114, 250, 10, 0), ("V", 80, 183, 10, 1), ("n", 80, 192, 10, 1),
                               ("t", 80, 202, 10, 1), ("1", 80, 212, 10, 1)],
    "SerialRavezaType2Image": [("Vb1", 86, 109, 15, 1), ("Fb1", 86, 125, 15, 1), ("Qb1", 86, 141, 15, 1),
                               ("Vb2", 86, 215, 15, 1), ("Fb2", 86, 235, 15, 1), ("Qb2", 86, 255, 15, 1),
                               ("Vent2", 128, 234, 12, 0), ("V", 58, 155, 10, 1), ("n", 58, 165, 10, 1),
                               ("t", 58, 175, 10, 1), ("1", 58, 185, 10, 1)],
    "TwinVentedImage": [("Vb1", 72, 109, 15, 1), ("Fb1", 72, 125, 15, 1), ("Qb1", 72, 140, 15, 1),
                        ("Vb2", 72, 215, 15, 1), ("Fb2", 72, 235, 15, 1), ("Qb2", 72, 255, 15, 1),
                        ("Vent1", 110, 123, 12, 0), ("Vent2", 110, 234, 12, 0)],
    "TwinSerialImage": [("Vb3", 62, 103, 12, 1), ("Fb3", 62, 117, 12, 1), ("Qb3", 62, 131, 12, 1),
                        ("Vb1", 108, 173, 10, 1), ("Fb1", 108, 184, 10, 1), ("Qb1", 108, 195, 10, 1),
                        ("Vb2", 75, 229, 13, 1), ("Fb2", 75, 245, 13, 1), ("Qb2", 75, 261, 13, 1),
                        ("Vent2", 117, 243, 10, 0), ("Vent3", 117, 111, 10, 0), ("V", 79, 189, 10, 1),
                        ("t", 79, 198, 10, 1), ("1", 79, 208, 10, 1)],
    "DeltaVentedImage": [("Vb1", 50, 108, 15, 1), ("Fb1", 50, 128, 15, 1), ("Qb1", 50, 148, 15, 1),
                         ("Vb2", 51, 215, 15, 1), ("Fb2", 51, 235, 15, 1), ("Qb2", 51, 255, 15, 1),
                         ("Vb3", 128, 215, 15, 1), ("Fb3", 128, 235, 15, 1), ("Qb3", 128, 255, 15, 1),
                         ("Vent1", 89, 116, 10, 0), ("Vent2", 89, 254, 10, 0), ("Vent3", 143, 185, 10, 0)],
    "TripleVentedImage": [("Vb1", 62, 102, 12, 1), ("Fb1", 62, 116, 12, 1), ("Qb1", 62, 130, 12, 1),
                          ("Vb2", 62, 239, 12, 1), ("Fb2", 62, 253, 12, 1), ("Qb2", 62, 267, 12, 1),
                          ("Vb3", 79, 172, 12, 1), ("Fb3", 79, 186, 12, 1), ("Qb3", 79, 200, 12, 1),
                          ("Vent1", 117, 113, 10, 0), ("Vent2", 117, 257, 10, 0), ("Vent3", 117, 185, 10, 0),
                          ("SP1", 117, 132, 10, 0), ("SP2", 117, 237, 10, 0)],
}

# The rectangle of each figure on the profile page (left, top, right, bottom).
RECTS = {
    "InfiniteImage": (71, 80, 126, 282),
    "ClosedImage": (46, 84, 161, 278),
    "VentedImage": (42, 84, 162, 278),
    "PassiveRadiatorImage": (43, 84, 160, 278),
    "SerialVentedImage": (43, 84, 161, 280),
    "ParallelVentedImage": (43, 82, 163, 280),
    "ComplexClosedImage": (43, 84, 162, 278),
    "ComplexVentedImage": (43, 84, 162, 278),
    "RavezaBoxImage": (47, 84, 154, 278),
    "PassiveRavezaImage": (45, 84, 161, 278),
    "SerialRavezaType1Image": (55, 84, 146, 280),
    "SerialRavezaType2Image": (34, 84, 167, 278),
    "TwinVentedImage": (56, 84, 145, 278),
    "TwinSerialImage": (51, 81, 150, 282),
    "DeltaVentedImage": (29, 84, 171, 280),
    "TripleVentedImage": (52, 80, 147, 283),
}

# Advance widths (em) of the sans face used for vent and driver names.
_SANS = {"V": 0.684, "e": 0.615, "n": 0.634, "t": 0.392, "1": 0.636, "2": 0.636, "3": 0.636,
         "S": 0.635, "P": 0.603}


def label_box(text, x, y, size, mono):
    """The rectangle a name covers: its ink, as the page's fonts set it."""
    width = 0.602 * size * len(text) if mono else sum(_SANS[c] for c in text) * size
    tall = any(c.isupper() or c.isdigit() or c in "bdfhklt" for c in text)
    ascent = (0.73 if tall else 0.55) * size
    descent = (0.24 if any(c in "pqgjy" for c in text) else 0.12 if "Q" in text else 0.0) * size
    return (x, y - ascent, x + width, y + descent)


T = PANEL


def infinite():
    f = Figure("InfiniteImage", RECTS["InfiniteImage"])
    size = 34
    wall = f.baffle(96, 84, 101, 278)
    f.driver(wall, 96, 146, "left", size)
    f.waves(93, 146, "left", radii=(7, 12, 17), spread=38)
    return f


def closed():
    f = Figure("ClosedImage", RECTS["ClosedImage"])
    top, bottom, left, right = f.box(49.5, 87, 159, 275)
    f.driver(left, 49.5, 122, "left", 40)
    f.wadding(143, 91, 155, 271)
    return f


def vented():
    f = Figure("VentedImage", RECTS["VentedImage"])
    top, bottom, left, right = f.box(45.5, 87, 159, 275)
    f.driver(left, 45.5, 124, "left", 40)
    f.tube(102, 227, 159, 242, walls=[right])
    return f


def passive_radiator():
    f = Figure("PassiveRadiatorImage", RECTS["PassiveRadiatorImage"])
    top, bottom, left, right = f.box(46.5, 87, 157, 275)
    f.driver(left, 46.5, 132, "left", 38)
    f.radiator(left, 46.5, 226, "left", 44)
    return f


def serial_vented():
    f = Figure("SerialVentedImage", RECTS["SerialVentedImage"])
    top, bottom, left, right = f.box(46.5, 86, 158, 277)
    shelf = f.panel(50.5, 167.5, 154, 167.5 + T)
    f.driver(left, 46.5, 128, "left", 36)
    f.tube(74, 153, 86, 188, walls=[shelf])
    f.tube(104, 218, 158, 233, walls=[right])
    return f


def twin_serial_vented():
    f = Figure("ParallelVentedImage", RECTS["ParallelVentedImage"])
    top, bottom, left, right = f.box(46.5, 85, 160, 277)
    upper = f.panel(50.5, 139, 156, 139 + T)
    lower = f.panel(50.5, 220.4, 156, 220.4 + T)
    f.driver(left, 46.5, 181.7, "left", 40)
    f.tube(104, 127, 114, 157, walls=[upper])
    f.tube(104, 207, 114, 238, walls=[lower])
    f.tube(119, 110, 160, 124, walls=[right])
    f.tube(119, 237, 160, 251, walls=[right])
    return f


def complex_closed():
    f = Figure("ComplexClosedImage", RECTS["ComplexClosedImage"])
    top, bottom, left, right = f.box(46.3, 88, 159, 274)
    wall = f.panel(97, 92, 97 + T, 270)
    f.driver(left, 46.3, 118, "left", 30)
    f.driver(wall, 97, 118, "left", 30)
    f.wadding(146, 140, 155, 266)
    return f


def complex_vented():
    f = Figure("ComplexVentedImage", RECTS["ComplexVentedImage"])
    top, bottom, left, right = f.box(46.3, 88, 159, 274)
    wall = f.panel(98, 92, 98 + T, 227.5)
    floor = f.panel(98 + T, 223.5, 155, 227.5)
    f.driver(left, 46.3, 118, "left", 30)
    f.driver(wall, 98, 118, "left", 30)
    f.tube(101, 233, 159, 246, walls=[right])
    f.wadding(147, 140, 155, 223.5)
    return f


def raveza_box():
    f = Figure("RavezaBoxImage", RECTS["RavezaBoxImage"])
    top, bottom, left, right = f.box(49, 87, 152, 275)
    shelf = f.panel(53, 169, 148, 169 + T)
    f.driver(shelf, 169 + T, 113, "down", 40)
    f.tube(104, 220, 152, 235, walls=[right])
    f.wadding(136, 91, 148, 150)
    return f


def passive_raveza():
    f = Figure("PassiveRavezaImage", RECTS["PassiveRavezaImage"])
    top, bottom, left, right = f.box(47, 87, 158, 275)
    shelf = f.panel(51, 157, 154, 157 + T)
    f.driver(shelf, 157 + T, 119, "down", 40)
    f.radiator(bottom, 275, 120, "down", 40)
    f.wadding(140, 91, 154, 138)
    return f


def serial_raveza_1():
    f = Figure("SerialRavezaType1Image", RECTS["SerialRavezaType1Image"])
    top, bottom, left, right = f.box(57, 87, 144, 277)
    upper = f.panel(61, 141, 140, 141 + T)
    lower = f.panel(61, 214.5, 140, 214.5 + T)
    f.driver(upper, 141 + T, 112, "down", 36)
    f.tube(77, 172, 89, 218.5, walls=[lower])
    f.tube(104, 240, 144, 253, walls=[right])
    return f


def serial_raveza_2():
    f = Figure("SerialRavezaType2Image", RECTS["SerialRavezaType2Image"])
    top, bottom, left, right = f.box(49, 87, 165, 275)
    shelf = f.panel(53, 170, 161, 170 + T)
    f.driver(left, 49 + T, 124, "right", 34)
    f.tube(55, 144, 67, 189, walls=[shelf])
    f.tube(120, 222, 165, 237, walls=[right])
    return f


def twin_vented():
    f = Figure("TwinVentedImage", RECTS["TwinVentedImage"])
    top, bottom, left, right = f.box(58, 87, 143, 275)
    shelf = f.panel(62, 170, 139, 170 + T)
    f.driver(shelf, 170 + T, 114, "down", 40)
    f.tube(104, 111, 143, 126, walls=[right])
    f.tube(104, 222, 143, 237, walls=[right])
    return f


def twin_serial():
    f = Figure("TwinSerialImage", RECTS["TwinSerialImage"])
    top, bottom, left, right = f.box(53, 84, 148, 279)
    upper = f.panel(57, 145, 144, 145 + T)
    lower = f.panel(57, 211, 144, 211 + T)
    f.driver(upper, 145 + T, 106, "down", 36)
    f.tube(76, 178, 88, 215, walls=[lower])
    f.tube(110, 101, 148, 114, walls=[right])
    f.tube(106, 233, 148, 246, walls=[right])
    return f


def delta_vented():
    f = Figure("DeltaVentedImage", RECTS["DeltaVentedImage"])
    top, bottom, left, right = f.box(31, 87, 169, 277)
    wall = f.panel(104, 91, 104 + T, 273)
    shelf = f.panel(35, 175, 104, 175 + T)
    f.driver(shelf, 175 + T, 70, "down", 40)
    f.tube(86, 106, 122, 119, walls=[wall])
    f.tube(86, 244, 122, 257, walls=[wall])
    f.tube(139, 175, 169, 188, walls=[right])
    return f


def triple_vented():
    f = Figure("TripleVentedImage", RECTS["TripleVentedImage"])
    top, bottom, left, right = f.box(54, 83, 145, 280)
    upper = f.panel(58, 137, 141, 137 + T)
    lower = f.panel(58, 212, 141, 212 + T)
    f.driver(upper, 137 + T, 100, "down", 32)
    f.driver(lower, 212, 100, "up", 32)
    f.tube(109, 103, 145, 116, walls=[right])
    f.tube(109, 175, 145, 188, walls=[right])
    f.tube(109, 247, 145, 260, walls=[right])
    return f


BUILDERS = [infinite, closed, vented, passive_radiator, serial_vented, twin_serial_vented, complex_closed,
            complex_vented, raveza_box, passive_raveza, serial_raveza_1, serial_raveza_2, twin_vented,
            twin_serial, delta_vented, triple_vented]


def overlaps(a, b, margin):
    return a[0] < b[2] + margin and b[0] < a[2] + margin and a[1] < b[3] + margin and b[1] < a[3] + margin


def check(figure, margin=1.0):
    """Every name lands on free air: no panel, tube wall, driver or damping
    under it. Returns the list of collisions."""
    problems = []
    for text, x, y, size, mono in LABELS[figure.name]:
        box = label_box(text, x, y, size, mono)
        for item in figure.occupied:
            if overlaps(box, item[:4], margin):
                problems.append(f"{figure.name}: '{text}' at {tuple(round(v, 1) for v in box)} "
                                f"touches {item[4]} {tuple(round(v, 1) for v in item[:4])}")
    return problems
