#!/usr/bin/env python3
"""Draws the pictures of the quick designers: one installation-space sketch per spring kind
and the two modulus tables (shear modulus G, Young's modulus E) in N/mm².

The tables list the wire materials of the built-in material table, read from
common/SpringMaterials.cpp, with the names of resources/strings/strings.tsv; kgf/mm² are turned into N/mm² with 9.8, as the
calculators that take N/mm² do. Run `python3 quick_pictures.py` in this folder and commit the
script and the SVG files together. Only SVG Tiny 1.2 features are used (Qt's renderer).
"""

import re
from pathlib import Path

HERE = Path(__file__).resolve().parent
STRINGS = HERE.parent.parent / "strings" / "strings.tsv"

MATERIAL_SOURCE = HERE.parent.parent.parent / "common" / "SpringMaterials.cpp"


def materials():
    """(text id or grade literal, G, E) in kgf/mm², in the order of the built-in table."""
    source = MATERIAL_SOURCE.read_text(encoding="utf-8")
    body = source[source.index("springMaterialTable()"):]
    rows = re.findall(r'\{(\d+), (nullptr|"[^"]+"), (\d+), (\d+)\}', body[:body.index("};")])
    return [(int(tid) if name == "nullptr" else name.strip('"'), int(g), int(e)) for tid, name, g, e in rows]


FONT = 'font-family="sans-serif"'
INK = "#000000"
RED = "#ff0000"
BLUE = "#0000c0"


def texts():
    table = {}
    for line in STRINGS.read_text(encoding="utf-8").splitlines():
        cells = line.split("\t")
        if len(cells) >= 2 and cells[0].isdigit():
            table[int(cells[0])] = cells[1]
    return table


def esc(s):
    return s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


class Svg:
    def __init__(self, width, height):
        self.width, self.height, self.parts = width, height, []
        self.rect(0, 0, width, height, fill="#ffffff", stroke="none")

    def line(self, x1, y1, x2, y2, color=INK, width=1.0, dash=None):
        extra = f' stroke-dasharray="{dash}"' if dash else ""
        self.parts.append(f'<line x1="{x1:.1f}" y1="{y1:.1f}" x2="{x2:.1f}" y2="{y2:.1f}" '
                          f'stroke="{color}" stroke-width="{width}"{extra}/>')

    def rect(self, x, y, w, h, fill="none", stroke=INK, width=1.0):
        self.parts.append(f'<rect x="{x:.1f}" y="{y:.1f}" width="{w:.1f}" height="{h:.1f}" '
                          f'fill="{fill}" stroke="{stroke}" stroke-width="{width}"/>')

    def path(self, d, stroke=INK, width=1.0, fill="none"):
        self.parts.append(f'<path d="{d}" fill="{fill}" stroke="{stroke}" stroke-width="{width}"/>')

    def circle(self, cx, cy, r, stroke=INK, width=1.0, fill="none"):
        self.parts.append(f'<circle cx="{cx:.1f}" cy="{cy:.1f}" r="{r:.1f}" fill="{fill}" '
                          f'stroke="{stroke}" stroke-width="{width}"/>')

    def text(self, x, y, s, size=11, color=INK, anchor="start", bold=False):
        weight = ' font-weight="bold"' if bold else ""
        self.parts.append(f'<text x="{x:.1f}" y="{y:.1f}" {FONT} font-size="{size}" fill="{color}" '
                          f'text-anchor="{anchor}"{weight}>{esc(s)}</text>')

    def arrow_head(self, x, y, dx, dy, color):
        # A small filled triangle pointing along (dx, dy).
        n = (dx * dx + dy * dy) ** 0.5
        ux, uy = dx / n, dy / n
        px, py = -uy, ux
        a = (x - 6 * ux + 2.5 * px, y - 6 * uy + 2.5 * py)
        b = (x - 6 * ux - 2.5 * px, y - 6 * uy - 2.5 * py)
        self.path(f"M{x:.1f},{y:.1f} L{a[0]:.1f},{a[1]:.1f} L{b[0]:.1f},{b[1]:.1f} Z", stroke=color, fill=color)

    def dimension(self, x1, y1, x2, y2, label, color=BLUE, offset=(0, -4), anchor="middle"):
        self.line(x1, y1, x2, y2, color, 0.8)
        self.arrow_head(x1, y1, x1 - x2, y1 - y2, color)
        self.arrow_head(x2, y2, x2 - x1, y2 - y1, color)
        self.text((x1 + x2) / 2 + offset[0], (y1 + y2) / 2 + offset[1], label, 11, color, anchor)

    def save(self, name):
        body = "\n".join(self.parts)
        (HERE / name).write_text(
            '<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{self.width}" height="{self.height}" viewBox="0 0 {self.width} {self.height}">\n'
            f"{body}\n</svg>\n", encoding="utf-8")


def coil_side(svg, x_left, x_right, y_top, y_bottom, turns, wire):
    """A helical spring seen from the side: front strokes solid, back strokes dashed."""
    pitch = (y_bottom - y_top) / turns
    for i in range(turns):
        y = y_top + i * pitch
        svg.line(x_left, y + pitch, x_right, y + pitch / 2, INK, wire)
        svg.line(x_right, y + pitch / 2, x_left, y, INK, 0.6, "3,2")


def compression_space():
    svg = Svg(260, 250)
    svg.text(130, 16, "安装空间", 12, INK, "middle", True)
    # The bore the spring works in and the two plates: installed (H1) and working (H2).
    left, right = 80, 160
    svg.line(left - 12, 40, left - 12, 220, INK, 1.2)
    svg.line(right + 12, 40, right + 12, 220, INK, 1.2)
    svg.rect(left - 12, 220, right - left + 24, 8, "#d0d0d0")
    svg.rect(left - 10, 62, right - left + 20, 8, "#d0d0d0")
    svg.line(left - 10, 110, right + 10, 110, RED, 1.0, "5,3")
    coil_side(svg, left, right, 70, 220, 8, 2.0)
    svg.dimension(45, 70, 45, 220, "H1", BLUE, (-4, 0), "end")
    svg.dimension(200, 110, 200, 220, "H2", RED, (4, 0), "start")
    svg.text(205, 106, "P2", 11, RED)
    svg.text(205, 66, "P1", 11, BLUE)
    svg.dimension(left, 238, right, 238, "D2", BLUE, (0, 12))
    return svg


def extension_space():
    svg = Svg(260, 250)
    svg.text(130, 16, "安装空间", 12, INK, "middle", True)
    top, bottom = 60, 170
    left, right = 100, 150
    svg.rect(60, 28, 130, 8, "#d0d0d0")
    svg.circle(125, 48, 11, INK, 1.6)  # upper hook
    coil_side(svg, left, right, top, bottom, 10, 2.0)
    svg.circle(125, bottom + 12, 11, INK, 1.6)  # lower hook at the installed length
    svg.circle(125, bottom + 42, 11, RED, 1.0)  # and where the working length takes it
    svg.dimension(50, 37, 50, bottom + 23, "H1", BLUE, (-4, 0), "end")
    svg.dimension(205, 37, 205, bottom + 53, "H2", RED, (4, 0), "start")
    svg.text(140, bottom + 70, "P1 / P2", 11, RED, "middle")
    svg.dimension(left, top + 3, right, top + 3, "D1", BLUE, (32, 4), "start")
    return svg


def torsion_space():
    import math
    svg = Svg(260, 250)
    svg.text(130, 16, "安装空间", 12, INK, "middle", True)
    cx, cy = 110, 140
    svg.circle(cx, cy, 26, INK, 2.0)
    svg.circle(cx, cy, 20, INK, 0.6)
    svg.line(cx - 30, cy, cx + 130, cy, INK, 0.5, "6,3")  # reference line of the angles
    svg.line(cx, cy - 26, cx - 80, cy - 26, INK, 2.0)  # fixed leg L1
    svg.text(cx - 80, cy - 32, "L1", 11, BLUE)

    def leg(angle, color, width):
        # A leg leaves the coil at the side and runs parallel to the line through the axis.
        a = math.radians(angle)
        ux, uy = math.cos(a), -math.sin(a)
        sx, sy = cx - 26 * uy, cy + 26 * ux
        x1, y1 = cx + 110 * ux - 26 * uy, cy + 110 * uy + 26 * ux
        svg.line(sx, sy, x1, y1, color, width)
        return x1, y1

    x1, y1 = leg(30, BLUE, 2.0)
    x2, y2 = leg(-18, RED, 1.4)
    svg.text(x1 + 4, y1, "a1  P1", 11, BLUE)
    svg.text(x2 + 4, y2 + 10, "a2  P2", 11, RED)
    svg.text(cx + 70, cy - 48, "L2", 11, BLUE)
    # The load acts at R1 from the coil axis.
    r1, a = 80, math.radians(30)
    svg.circle(cx + r1 * math.cos(a) + 26 * math.sin(a), cy - r1 * math.sin(a) + 26 * math.cos(a), 3, BLUE, 1.0, BLUE)
    svg.text(cx + 34, cy - 16, "R1", 11, BLUE)
    svg.dimension(cx - 20, cy + 44, cx + 20, cy + 44, "D1", BLUE, (0, 14))
    return svg


def modulus_table(kind):
    names = texts()
    column = 1 if kind == "G" else 2
    title = "材料横弹性系数 G (N/mm²)" if kind == "G" else "材料纵弹性系数 E (N/mm²)"
    rows = []
    literals = []
    for entry in materials():
        value = round(entry[column] * 9.8)
        if isinstance(entry[0], int):
            rows.append((names[entry[0]], value))
        else:
            literals.append((entry[0], value))
    # Grade literals of one value share rows, three to a row, so the table stays short.
    values = []
    for _, value in literals:
        if value not in values:
            values.append(value)
    for value in values:
        names_of_value = [name for name, v in literals if v == value]
        for i in range(0, len(names_of_value), 3):
            rows.append(("、".join(names_of_value[i:i + 3]), value))
    line, top, width = 17, 44, 300
    svg = Svg(width, top + line * len(rows) + 10)
    svg.text(width / 2, 18, title, 12, INK, "middle", True)
    svg.rect(6, top - line, width - 12, line * (len(rows) + 1), "none", INK, 1.0)
    svg.line(6, top + 3, width - 6, top + 3, INK, 1.0)
    svg.line(220, top - line, 220, top + line * len(rows), INK, 0.8)
    svg.text(12, top - 2, "材料", 11, INK, "start", True)
    svg.text(width - 12, top - 2, kind, 11, INK, "end", True)
    for i, (name, value) in enumerate(rows):
        y = top + line * (i + 1)
        svg.text(12, y - 2, name, 10)
        svg.text(width - 12, y - 2, str(value), 10, INK, "end")
        if i + 1 < len(rows):
            svg.line(6, y + 3, width - 6, y + 3, "#b0b0b0", 0.5)
    return svg


if __name__ == "__main__":
    compression_space().save("quick-compression-space.svg")
    extension_space().save("quick-extension-space.svg")
    torsion_space().save("quick-torsion-space.svg")
    modulus_table("G").save("shear-moduli.svg")
    modulus_table("E").save("youngs-moduli.svg")
