#!/usr/bin/env python3
"""Draws the reference pictures of the spring toolkit as SVG files in this folder.

Run it from anywhere: python3 generate_pictures.py. The SVG files are committed; rerun the
script after changing the data below and commit both. README.md names the public sources of
the data."""

import math
import os

from svgkit import Svg, TITLE_INK, RULE
from springs import compression_spring, horizontal_coils, hook_loop, STEEL
import data

HERE = os.path.dirname(os.path.abspath(__file__))


def out(name):
    return os.path.join(HERE, name)


def group_thousands(value):
    return f"{value:,}".replace(",", " ")


# --- design-data sheets -----------------------------------------------------------------------

def modulus_table(svg, x, y):
    svg.heading(x, y, "弹簧材料的弹性模量  Moduli of spring materials")
    cols = [(300, "材料 Material"), (130, ["G", "N/mm²"]), (130, ["G", "kgf/mm²"]),
            (130, ["E", "N/mm²"]), (130, ["E", "kgf/mm²"])]
    rows = []
    for name, g, e, g_newton, e_newton in data.MODULI:
        rows.append([name, group_thousands(g_newton), group_thousands(g),
                     group_thousands(e_newton), group_thousands(e)])
    return svg.table(x, y + 10, cols, rows, row_height=22)


def formula_block(svg, x, y, heading, items, size=13):
    svg.heading(x, y, heading)
    y += 26
    for formula, meaning in items:
        svg.text(x + 8, y, formula, size=size, weight="bold", fill="#222222")
        svg.text(x + 290, y, meaning, size=size - 1)
        y += size * 1.75
    return y


def check_block(svg, x, y, heading, items, size=13):
    svg.heading(x, y, heading)
    y += 26
    for item in items:
        svg.text(x + 8, y, "✔", size=size, fill="#2e7d32")
        svg.text(x + 28, y, item, size=size)
        y += size * 1.7
    return y


def compression_sheet():
    svg = Svg(1000, 1010)
    svg.title("压缩弹簧设计资料", "Compression spring design data")
    svg.heading(20, 92, "端部形式  End forms")
    for cx, ground, caption in ((120, False, "两端并紧·不磨  closed, not ground"),
                                (320, True, "两端并紧·磨平  closed and ground")):
        top, bottom = compression_spring(svg, cx, 130, 96, 10, 5, 34, ground)
        svg.text(cx, 390, caption, size=12, anchor="middle")
        svg.dimension(cx - 48, 360, cx + 48, 360, "D")
        svg.dimension(cx + 88, top, cx + 88, bottom, "H0")
        svg.line(cx + 52, top, cx + 96, top, width=0.6)
        svg.line(cx + 52, bottom, cx + 96, bottom, width=0.6)
    # Pitch: between two neighbouring active coils of the first sketch, on its left side.
    svg.dimension(40, 130 + 10 + 34 * 2, 40, 130 + 10 + 34 * 3, "t", offset=-24)
    svg.line(36, 130 + 10 + 34 * 2, 72, 130 + 10 + 34 * 2, width=0.6)
    svg.line(36, 130 + 10 + 34 * 3, 72, 130 + 10 + 34 * 3, width=0.6)
    svg.text(20, 420, "d：线径 wire diameter    D：中径 mean diameter    t：节距 pitch", size=12)
    svg.text(20, 440, "n：有效圈数 active coils    n1：总圈数 total coils    f：变形量 deflection", size=12)

    y = formula_block(svg, 470, 92, "基本公式  Formulas", [
        ("k = G·d⁴ / (8·D³·n)", "刚度 rate (N/mm)"),
        ("F = k·f", "载荷 load (N)"),
        ("C = D / d", "弹簧指数 spring index"),
        ("K = (4C − 1)/(4C − 4) + 0.615/C", "曲度系数 Wahl factor"),
        ("τ = K·8·F·D / (π·d³)", "剪应力 shear stress (N/mm²)"),
        ("n1 = n + 2", "总圈数 total coils"),
        ("H0 ≈ n·t + 3·d", "自由高度，不磨 free height, not ground"),
        ("H0 ≈ n·t + 1.5·d", "自由高度，磨平 free height, ground"),
        ("Hs ≈ (n1 + 1)·d", "并紧高度，不磨 solid height, not ground"),
        ("Hs ≈ (n1 − 0.5)·d", "并紧高度，磨平 solid height, ground"),
        ("α = arctan(t / (π·D))", "螺旋角 helix angle"),
        ("L ≈ π·D·n1 / cos α", "展开长度 developed length"),
    ])
    y = check_block(svg, 470, y + 14, "安全校核  Checks", [
        "间隙角（螺旋角） α ≤ 14°    gap (helix) angle at most 14°",
        "弹簧指数 C = 4 ~ 13    spring index 4 to 13",
        "剪应力 τ < 许用应力 [τ]    shear stress below the allowable limit",
        "第一载荷 P1 ≤ 0.8 L（L：极限载荷）    first load at most 0.8 L (limit load)",
        "第二载荷 P2 ≥ 1.2 M（M：第一载荷 P1）    second load at least 1.2 M (first load)",
    ])
    end = modulus_table(svg, 90, max(y, 460) + 40)
    svg.text(90, end + 22, data.MODULI_NOTE, size=11)
    svg.height = int(end + 44)
    svg.save(out("compression-design-data.svg"))


def extension_sheet():
    svg = Svg(1000, 1010)
    svg.title("拉伸弹簧设计资料", "Extension spring design data")
    svg.heading(20, 92, "钩环形式  Ends (full loops)")
    body_left = 110
    right = horizontal_coils(svg, body_left, 200, 80, 9, 12)
    hook_loop(svg, body_left - 4, 200, 80, 9, -1)
    hook_loop(svg, right + 4, 200, 80, 9, +1)
    svg.dimension(30 - 4, 290, right + 88, 290, "L0  自由长度 free length")
    svg.dimension(body_left, 265, right, 265, "Lb")
    svg.line(right - 10, 160, right + 140, 160, width=0.6)
    svg.line(right - 10, 240, right + 140, 240, width=0.6)
    svg.dimension(right + 130, 160, right + 130, 240, "D", offset=4)
    svg.text(20, 330, "Lb：体长 body length = (n + 1)·d    r1、r2：钩环弯曲半径 hook bend radii", size=12)
    svg.text(20, 350, "P0：初拉力 initial tension    f：变形量 deflection    n：有效圈数 active coils", size=12)

    y = formula_block(svg, 20, 392, "基本公式  Formulas", [
        ("k = G·d⁴ / (8·D³·n)", "刚度 rate (N/mm)"),
        ("P0 ≈ π·G·d⁴ / (800·D²)", "初拉力（经验值）initial tension, empirical"),
        ("F = P0 + k·f", "载荷 load (N)"),
        ("k·f + P0 ≤ F ≤ k·f + 1.8·P0", "初拉力的范围 band of the load"),
        ("K = (4C − 1)/(4C − 4) + 0.615/C", "曲度系数 Wahl factor, C = D/d"),
        ("τ = K·8·F·D / (π·d³)", "剪应力 shear stress"),
        ("σA = F·[K1·16·D/(π·d³) + 4/(π·d²)]", "钩环弯曲应力 bending stress in the loop"),
        ("K1 = (4C1² − C1 − 1)/(4C1·(C1 − 1)), C1 = 2·r1/d", ""),
        ("τB = K2·8·F·D/(π·d³)", "钩根扭转应力 torsion where the loop turns up"),
        ("K2 = (4C2 − 1)/(4C2 − 4), C2 = 2·r2/d", ""),
    ])
    y = check_block(svg, 20, y + 10, "安全校核  Checks", [
        "弹簧指数 C = 4 ~ 13    spring index 4 to 13",
        "剪应力 τ < [τ]；拉伸弹簧的 [τ] 取压缩弹簧的 0.8 倍    shear stress below 0.8 of the compression limit",
        "钩环应力 σA、τB 低于许用值    loop stresses below their limits",
        "工作变形量在最大变形量的 20% ~ 80% 之间    working deflection 20 % to 80 % of the largest",
    ])
    end = modulus_table(svg, 90, max(y, 460) + 40)
    svg.text(90, end + 22, data.MODULI_NOTE, size=11)
    svg.height = int(end + 44)
    svg.save(out("extension-design-data.svg"))


def torsion_sheet():
    svg = Svg(1000, 1040)
    svg.title("扭转弹簧设计资料", "Torsion spring design data")
    svg.heading(20, 92, "侧视图与端视图  Side and end views")
    left, cy, r_body = 70, 230, 45
    right = horizontal_coils(svg, left, cy, 2 * r_body, 9, 7)
    # Straight tangential legs at both ends.
    svg.line(left, cy - r_body, left - 40, cy - r_body - 80, stroke=STEEL, width=9)
    svg.line(right, cy - r_body, right + 40, cy - r_body - 80, stroke=STEEL, width=9)
    svg.text(left - 62, cy - r_body - 70, "L1", size=13)
    svg.text(right + 48, cy - r_body - 70, "L2", size=13)
    svg.line(right + 8, cy - r_body, right + 70, cy - r_body, width=0.6)
    svg.line(right + 8, cy + r_body, right + 70, cy + r_body, width=0.6)
    svg.dimension(right + 62, cy - r_body, right + 62, cy + r_body, "D", offset=4)
    # End view: the body as a ring, the two legs tangent to it with the free angle between them.
    ex, ey, r = 340, cy, r_body
    svg.circle(ex, ey, r, stroke=STEEL, width=9)
    ends = []
    for a_deg, label in ((90, "L1"), (-30, "L2")):
        a = math.radians(a_deg)
        x0, y0 = ex + r * math.cos(a), ey - r * math.sin(a)
        dx, dy = -math.sin(a), -math.cos(a)
        if a_deg < 0:
            dx, dy = math.sin(a) * -1, math.cos(a) * -1
        x1, y1 = x0 + 110 * dx, y0 + 110 * dy
        svg.line(x0, y0, x1, y1, stroke=STEEL, width=9)
        svg.text(x1 + (-22 if a_deg > 0 else 6), y1 - 4, label, size=13)
        ends.append(math.atan2(ey - y1, x1 - ex))
    # The free angle between the legs, as an arc over the top of the ring.
    radius = 105
    p1 = (ex + radius * math.cos(ends[0]), ey - radius * math.sin(ends[0]))
    p2 = (ex + radius * math.cos(ends[1]), ey - radius * math.sin(ends[1]))
    svg.path(f"M {p1[0]:.1f} {p1[1]:.1f} A {radius} {radius} 0 0 1 {p2[0]:.1f} {p2[1]:.1f}", stroke="#b23b3b",
             width=1.2)
    svg.text(ex + 10, ey - radius - 8, "φ", size=16, fill="#b23b3b")
    svg.text(20, 350, "L1、L2：臂长 leg lengths    φ：扭转角 angle of twist (°)    M：扭矩 torque", size=12)

    y = formula_block(svg, 20, 392, "基本公式  Formulas", [
        ("k' = E·d⁴ / (3667·D·n + 389·(L1 + L2))", "扭转刚度 rate (N·mm/°)"),
        ("M = k'·φ", "扭矩 torque (N·mm)"),
        ("n_e = n + (L1 + L2)/(3·π·D)", "计入臂长的当量圈数 equivalent coils with legs"),
        ("K1 = (4C − 1)/(4C − 4)", "曲度系数 curvature factor, C = D/d"),
        ("σ = K1·32·M / (π·d³)", "弯曲应力 bending stress (N/mm²)"),
        ("D' = D·n / (n + φ/360)", "扭转后的中径 mean diameter when wound up"),
        ("Di' = D' − d", "扭转后的内径 inside diameter when wound up"),
        ("Lb = (n + 1)·d + δ·n", "体长 body length, δ: coil gap"),
    ])
    y = check_block(svg, 20, y + 10, "安全校核  Checks", [
        "弯曲应力 σ < 许用弯曲应力 [σ]    bending stress below the allowable limit",
        "弹簧指数 C = 4 ~ 13    spring index 4 to 13",
        "芯轴直径 ≤ 0.9·Di'    mandrel at most 0.9 of the wound-up inside diameter",
        "加载方向应使弹簧卷紧    the load should wind the coils up, not open them",
    ])
    end = modulus_table(svg, 90, max(y, 460) + 40)
    svg.text(90, end + 22, data.MODULI_NOTE, size=11)
    svg.height = int(end + 44)
    svg.save(out("torsion-design-data.svg"))


# --- grade comparisons -----------------------------------------------------------------------

def grade_table(name, title, sub, sections, widths, footnotes):
    rows_total = sum(len(rows) for _, _, rows in sections)
    height = 100 + rows_total * 26 + len(sections) * 90 + len(footnotes) * 20 + 20
    svg = Svg(sum(widths) + 40, height)
    svg.title(title, sub)
    y = 90
    for heading, columns, rows in sections:
        svg.heading(20, y, heading)
        cols = list(zip(widths, columns))
        y = svg.table(20, y + 10, cols, rows, row_height=26) + 40
    for note in footnotes:
        svg.text(20, y - 10, note, size=11)
        y += 20
    svg.height = int(y)
    svg.save(out(name))


# --- flow chart ------------------------------------------------------------------------------

def flow_chart():
    svg = Svg(1000, 770)
    svg.title("弹簧制造流程图", "Spring manufacturing flow chart")
    box_w, box_h = 230, 42

    def box(cx, cy, zh, en, fill="#eef4fb"):
        svg.rect(cx - box_w / 2, cy - box_h / 2, box_w, box_h, fill=fill, stroke=TITLE_INK, width=1.4, rx=6)
        svg.text(cx, cy - 3, zh, size=14, anchor="middle", weight="bold")
        svg.text(cx, cy + 14, en, size=11, anchor="middle")

    def decision(cx, cy, zh, en):
        w, h = 250, 60
        svg.polygon([(cx, cy - h / 2), (cx + w / 2, cy), (cx, cy + h / 2), (cx - w / 2, cy)],
                    fill="#fff6e0", stroke="#9a6b00", width=1.4)
        svg.text(cx, cy - 2, zh, size=14, anchor="middle", weight="bold")
        svg.text(cx, cy + 14, en, size=11, anchor="middle")

    def down(cx, y1, y2, label=None):
        svg.arrow(cx, y1, cx, y2)
        if label:
            svg.text(cx + 8, (y1 + y2) / 2 + 4, label, size=12, fill="#2e7d32", weight="bold")

    # Column 1: from the drawing to the first piece.
    c1 = 200
    steps1 = [("客户图纸 / 订单", "drawing and order"), ("工艺评审", "process review"),
              ("材料采购", "wire purchase")]
    y = 110
    for zh, en in steps1:
        box(c1, y, zh, en)
        down(c1, y + box_h / 2, y + 70 - box_h / 2)
        y += 70
    decision(c1, y + 8, "进料检验", "incoming inspection")
    svg.arrow(c1 + 125, y + 8, c1 + 165, y + 8, stroke="#b23b3b")
    svg.text(c1 + 130, y + 2, "NG", size=12, fill="#b23b3b", weight="bold")
    svg.rect(c1 + 165, y - 10, 110, 36, fill="#fbeaea", stroke="#b23b3b", rx=6)
    svg.text(c1 + 220, y + 4, "退货", size=13, anchor="middle", weight="bold")
    svg.text(c1 + 220, y + 19, "return to supplier", size=10, anchor="middle")
    down(c1, y + 38, y + 88 - box_h / 2, "OK")
    y += 88
    box(c1, y, "卷簧 / 成形", "coiling, forming")
    coil_y = y
    down(c1, y + box_h / 2, y + 78 - 30)
    y += 78
    decision(c1, y, "首件检验", "first-piece inspection")
    # NG loop back to the coiling machine.
    svg.polyline([(c1 - 125, y), (c1 - 170, y), (c1 - 170, coil_y)], stroke="#b23b3b", width=1.2)
    svg.arrow(c1 - 170, coil_y, c1 - box_w / 2, coil_y, stroke="#b23b3b")
    svg.text(c1 - 165, (y + coil_y) / 2 - 6, "NG", size=12, fill="#b23b3b", weight="bold")
    svg.text(c1 - 165, (y + coil_y) / 2 + 10, "调机", size=11, fill="#b23b3b")
    down(c1, y + 30, y + 80 - box_h / 2, "OK")
    y += 80
    box(c1, y, "批量生产", "series production")
    down(c1, y + box_h / 2, y + 70 - box_h / 2)
    y += 70
    box(c1, y, "去应力回火", "stress relief")
    last1 = y

    # Column 2: finishing, inspection and packing.
    c2 = 700
    svg.polyline([(c1 + box_w / 2, last1), (520, last1), (520, 110), (c2 - box_w / 2 - 4, 110)], width=1.2)
    svg.arrow(c2 - box_w / 2 - 30, 110, c2 - box_w / 2, 110)
    steps2 = [("磨端（压簧）", "grinding the ends"), ("倒角 / 去毛刺", "chamfer, deburr"),
              ("喷丸（需要时）", "shot peening if required"), ("立定处理（压并）", "presetting")]
    y = 110
    for zh, en in steps2:
        box(c2, y, zh, en)
        down(c2, y + box_h / 2, y + 70 - box_h / 2)
        y += 70
    y -= 70
    down(c2, y + box_h / 2, y + 78 - 30)
    y += 78
    decision(c2, y, "制程检验", "in-process inspection")
    svg.arrow(c2 + 125, y, c2 + 190, y, stroke="#b23b3b")
    svg.text(c2 + 135, y - 6, "NG", size=12, fill="#b23b3b", weight="bold")
    svg.rect(c2 + 190, y - 18, 100, 36, fill="#fbeaea", stroke="#b23b3b", rx=6)
    svg.text(c2 + 240, y - 3, "返工 / 报废", size=12, anchor="middle", weight="bold")
    svg.text(c2 + 240, y + 12, "rework or scrap", size=10, anchor="middle")
    down(c2, y + 30, y + 80 - box_h / 2, "OK")
    y += 80
    for zh, en in (("表面处理", "surface treatment"), ("最终检验", "final inspection"),
                   ("包装", "packing"), ("出货", "shipping")):
        box(c2, y, zh, en, fill="#e8f5e9" if zh == "出货" else "#eef4fb")
        if zh != "出货":
            down(c2, y + box_h / 2, y + 70 - box_h / 2)
        y += 70
    svg.text(20, 750, "NG：不合格 rejected    OK：合格 accepted    首件与制程检验：尺寸、载荷、外观 dimensions, loads, finish",
             size=12)
    svg.save(out("manufacturing-flow.svg"))


# --- heat treatment ---------------------------------------------------------------------------

def stress_relief():
    svg = Svg(1000, 720)
    svg.title("弹簧去应力回火（低温回火）参考规范", "Stress relief of cold-coiled springs")
    svg.heading(20, 92, "温度  Temperature by material")
    cols = [(330, "材料 Material"), (160, ["温度", "°C"]), (160, ["温度", "°F"]), (290, "说明 Note")]
    def span(lo, hi):
        return f"≈ {lo}" if lo == hi else f"{lo} ~ {hi}"

    rows = [[m, span(lo, hi), span(round(lo * 9 / 5 + 32), round(hi * 9 / 5 + 32)), note]
            for m, lo, hi, note, _ in data.STRESS_RELIEF]
    y = svg.table(20, 102, cols, rows, row_height=23)
    svg.heading(20, y + 36, "保温时间  Holding time by wire diameter")
    cols = [(330, "线径 d  wire diameter (mm)")] + [(155, label) for label, _ in data.HOLDING_TIME]
    rows = [["保温时间 minutes at temperature"] + [t for _, t in data.HOLDING_TIME]]
    y = svg.table(20, y + 46, cols, rows, row_height=28)
    svg.heading(20, y + 36, "钢的回火色  Temper colours of steel")
    x = 20
    for temp, zh, en, colour in data.TEMPER_COLOURS:
        svg.rect(x, y + 50, 100, 44, fill=colour, stroke=RULE)
        svg.text(x + 50, y + 112, f"{temp} °C", size=12, anchor="middle", weight="bold")
        svg.text(x + 50, y + 128, zh, size=12, anchor="middle")
        svg.text(x + 50, y + 143, en, size=10, anchor="middle")
        x += 106
    y += 175
    end = svg.lines(20, y, [
        "注：时间从工件达到温度时算起；线径大或装炉量大时取上限。 Time counts from the moment the load reaches temperature.",
        "温度：弹簧厂家的去应力图表（如 Apex Spring, Stress Relief vs. Heat Treat）；※ 为常用值，未找到可引的公开图表。"
        " ※ usual value, no public chart to cite.",
        "回火色随时间与炉内气氛而变，只作参考。 Colours vary with time and atmosphere.",
        "不锈钢的回火色与碳钢不同，不能按此色判断温度。 Stainless steel tints differently: do not judge it by these colours.",
        "温度过高会降低强度与载荷；铍青铜与 17-7PH 为时效（析出硬化）处理。 Too hot lowers strength and load.",
    ], size=12, leading=15.8)
    svg.height = int(end + 10)
    svg.save(out("stress-relief.svg"))


# --- tensile strength ------------------------------------------------------------------------

def strength_cell(wire, d, unit):
    value = data.minimum_tensile_strength(wire, d)
    if value is None:
        return ""
    return str(round(value / 9.80665)) if unit == "kgf" else str(int(round(value / 10.0) * 10))


def strength_table(name, title, sub, wires, both_units):
    cols = [(90, ["d", "mm"])]
    for wire in wires:
        label = data.WIRES[wire]["label"]
        if both_units:
            cols += [(120, [label[0], label[1] + " MPa"]), (90, [label[0], "kgf/mm²"])]
        else:
            cols += [(118, [label[0], label[1]])]
    rows = []
    for d in data.DIAMETERS:
        row = [f"{d:g}"]
        for wire in wires:
            row.append(strength_cell(wire, d, "MPa"))
            if both_units:
                row.append(strength_cell(wire, d, "kgf"))
        if any(row[1:]):
            rows.append(row)
    notes = [
        "最小抗拉强度 σb = A / d^m（d 以 mm 计，A 以 MPa·mm^m 计），按各钢丝的适用线径计算；空格为范围以外。",
        "Minimum tensile strength from σb = A / d^m, within each wire's range of diameters.",
    ] + [f"{data.WIRES[w]['label'][0]} {data.WIRES[w]['label'][1]}：" + data.constants_text(w) for w in wires] + [
        "实际强度以材料标准或供应商证书为准。 The wire standard or the mill certificate governs.",
    ]
    width = max(sum(w for w, _ in cols) + 40, 760)
    svg = Svg(width, 130 + len(rows) * 22 + 40 + len(notes) * 18)
    svg.title(title, sub)
    y = svg.table(20, 80, cols, rows, row_height=22)
    svg.lines(20, y + 26, notes, size=11, leading=18)
    svg.save(out(name))


# --- bend coefficient ------------------------------------------------------------------------

def bend_coefficient():
    radii = data.BEND_RADII
    thicknesses = data.BEND_THICKNESSES
    cols = [(80, ["R \\ T", "mm"])] + [(62, f"{t:g}") for t in thicknesses]
    rows = []
    for r in radii:
        row = [f"{r:g}"]
        for t in thicknesses:
            a = data.bend_alpha(r, t)
            row.append("" if a is None else f"{a:.2f}")
        rows.append(row)
    width = max(sum(w for w, _ in cols), 90 + 46 * len(data.NEUTRAL_LAYER)) + 40
    svg = Svg(width, 700)
    svg.title("直角折弯修正系数 α", "Correction coefficient α of one right-angle bend")
    svg.text(20, 92, "行：折弯内半径 R (mm)    列：板厚 T (mm)    rows: bend radius R, columns: thickness T", size=12)
    y = svg.table(20, 102, cols, rows, row_height=24)
    svg.lines(20, y + 28, [
        "α = π/2 × RH − 2R，RH = R + x·T 为折弯中性层半径。  RH: radius of the neutral layer of the bend.",
        "x：中性层位移系数，按 R/T 查下表（表内线性插值）；R/T < 0.1 不列出。",
    ], size=12, leading=20)
    cols = [(90, "R/T")] + [(46, f"{q:g}") for q, _ in data.NEUTRAL_LAYER]
    svg.table(20, y + 80, cols, [["x"] + [f"{x:.2f}" for _, x in data.NEUTRAL_LAYER]], row_height=24, size=11)
    svg.save(out("bend-coefficient.svg"))


# --- fatigue ---------------------------------------------------------------------------------

def fatigue_diagram(name, title, sub, axis, families, limit, limit_note):
    svg = Svg(900, 870)
    svg.title(title, sub)
    ox, oy, size = 120, 740, 600
    top = 0.8 if limit > 0.6 else 0.6
    scale = size / top

    def at(u, v):
        return ox + u * scale, oy - v * scale

    step = 0.1
    k = 0
    while k * step <= top + 1e-9:
        v = k * step
        x, y = at(v, 0)
        svg.line(x, oy, x, oy - size, stroke="#e3e8ee", width=0.8)
        svg.text(x, oy + 20, f"{v:.1f}", size=12, anchor="middle")
        x, y = at(0, v)
        svg.line(ox, y, ox + size, y, stroke="#e3e8ee", width=0.8)
        svg.text(ox - 10, y + 4, f"{v:.1f}", size=12, anchor="end")
        k += 1
    svg.rect(ox, oy - size, size, size, stroke=RULE, width=1.2)
    svg.text(ox + size / 2, oy + 48, f"{axis}min / σb  下限应力比 lower stress ratio", size=13, anchor="middle")
    svg.add(f'<text x="{ox - 58}" y="{oy - size / 2}" font-family="Noto Sans CJK SC" font-size="13" '
            f'text-anchor="middle" transform="rotate(-90 {ox - 58} {oy - size / 2})">'
            f'{axis}max / σb  上限应力比 upper stress ratio</text>')
    # Equal upper and lower stress: the static case.
    svg.line(*at(0, 0), *at(top, top), stroke="#9aa5b1", width=1, dash="6,4")
    svg.text(*at(top - 0.12, top - 0.08), f"{axis}max = {axis}min", size=11, fill="#5f6b77")
    colours = ["#b23b3b", "#c77700", "#2e7d32", "#1f5fa8", "#6a3d9a"]
    # The legend sits below the diagonal, where no spring can be (the lower stress is the smaller).
    lx, ly = ox + size - 250, oy - 40 - 22 * (len(families) + len(families[0][3]))
    for index, (fam_label, fam_dash, fam_limit, lines) in enumerate(families):
        # The permanent-set limit: no spring of the family may go above it, whatever its life.
        svg.line(*at(0, fam_limit), *at(fam_limit, fam_limit), stroke="#444444", width=1.4, dash=fam_dash)
        x, y = at(fam_limit, fam_limit)
        svg.text(x + 8, y + 4, f"{fam_limit:g} σb 永久变形界限 set limit", size=11, fill="#444444")
        for i, (cycles, start) in enumerate(lines):
            colour = colours[i % len(colours)]
            svg.line(*at(0, start), *at(fam_limit, fam_limit), stroke=colour, width=2.0, dash=fam_dash)
            if index == 0:
                x, y = at(0, start)
                svg.text(x + 6, y - 5, f"N = {cycles} ※", size=11, fill=colour)
        svg.line(lx, ly, lx + 40, ly, stroke="#333333", width=2, dash=fam_dash)
        svg.text(lx + 48, ly + 4, fam_label, size=12)
        ly += 22
    for i, (cycles, _) in enumerate(families[0][3]):
        svg.line(lx, ly, lx + 40, ly, stroke=colours[i % len(colours)], width=3)
        svg.text(lx + 48, ly + 4, f"N = {cycles} 次 cycles", size=12)
        ly += 22
    svg.lines(60, 812, [
        "寿命线：下限应力为零处取本软件的寿命界限，连到永久变形界限（上、下限应力相等）；止于静许用值，不是古德曼线。",
        "Life lines of this program's working diagram: from its life limit at zero lower stress to the permanent-set",
        "limit; they end at a static allowable, so they are not Goodman lines (those run to the tensile strength).",
        limit_note,
    ], size=11, leading=15)
    svg.save(out(name))


def life_table():
    svg = Svg(900, 560)
    svg.title("理论疲劳寿命与应力比", "Theoretical fatigue life by stress ratio")
    cols = [(200, ["寿命", "life (10⁴ cycles)"]), (220, ["压缩弹簧 τmax/σb", "compression"]),
            (220, ["拉伸弹簧 τmax/σb", "extension"]), (220, ["扭转弹簧 σmax/σb", "torsion"])]
    y = svg.table(20, 80, cols, data.life_rows(), row_height=26)
    end = svg.lines(20, y + 30, [
        "应力比小于表中值时，寿命不低于该行所列次数（单位 10⁴ 次）；超出最后一行为“堪忧”。",
        "Below the listed ratio the spring reaches at least that life; past the last row the life is doubtful.",
        "拉伸弹簧的界限为压缩弹簧的 0.8 倍。 Extension limits are 0.8 of the compression limits.",
        "表中界限为本软件的取值，未见公开标准给出。 These limits are this program's own; no public standard gives them.",
    ], size=12, leading=15)
    svg.height = int(end + 10)
    svg.save(out("fatigue-life-table.svg"))


# --- allowable stresses ----------------------------------------------------------------------

def allowable_stress():
    materials = data.ALLOWABLE_MATERIALS
    cols = [(250, ["载荷类别", "load class"])] + [(150, m) for m in materials]
    svg = Svg(sum(w for w, _ in cols) + 40, 820)
    svg.title(f"许用应力系数表（{data.ALLOWABLE_STANDARD}）",
              f"Allowable stress factors after {data.ALLOWABLE_STANDARD} ([τ] or [σ] = factor × σb)")
    y = 90
    for heading, table in data.allowable_tables():
        svg.heading(20, y, heading)
        y = svg.table(20, y + 10, cols, table, row_height=26) + 44
    end = svg.lines(20, y - 10, [
        f"全表取自 {data.ALLOWABLE_STANDARD}《圆柱螺旋弹簧设计计算》的许用应力表；拉伸弹簧取压缩弹簧的 0.8 倍。",
        f"All factors from the allowable-stress tables of {data.ALLOWABLE_STANDARD}; extension springs take 0.8 of compression.",
        "σb 取钢丝抗拉强度的下限；范围内重要弹簧取小值。 Take σb at the lower limit; important springs take the low factor.",
    ], size=12, leading=20)
    svg.height = int(end + 10)
    svg.save(out("allowable-stress-factors.svg"))


# --- about window ----------------------------------------------------------------------------

def about_pictures():
    svg = Svg(640, 120)
    svg.rect(0, 0, 640, 120, fill="#163d6b", stroke="none")
    svg.rect(0, 96, 640, 24, fill="#2c6bb3", stroke="none")
    horizontal_coils(svg, 470, 50, 54, 6, 9, front="#dfe9f5", back="#6f93bd")
    svg.text(28, 52, "Quarnet 弹簧设计软件", size=28, weight="bold", fill="#ffffff")
    svg.text(28, 84, "Spirelta Spring Design V2024", size=18, fill="#dfe9f5")
    svg.text(28, 113, "压缩 · 拉伸 · 扭转 · 异形弹簧的设计与计算", size=13, fill="#ffffff")
    svg.save(out("about-banner.svg"))

    svg = Svg(200, 260)
    svg.rect(0, 0, 200, 260, fill="#eef4fb", stroke="#9aa5b1", rx=8)
    compression_spring(svg, 100, 40, 100, 11, 5, 30, False)
    svg.text(100, 246, "SPIRELTA", size=14, anchor="middle", weight="bold", fill=TITLE_INK)
    svg.save(out("about-spring.svg"))


def main():
    compression_sheet()
    extension_sheet()
    torsion_sheet()
    grade_table("spring-steel-grades.svg", "弹簧钢及弹簧钢丝牌号对照表", "Spring steel and spring wire grades compared",
                data.SPRING_STEEL_SECTIONS, [290, 200, 170, 120, 200], data.SPRING_STEEL_NOTES)
    grade_table("stainless-grades-austenitic.svg", "不锈钢牌号对照表（一）奥氏体", "Stainless steel grades: austenitic",
                data.STAINLESS_AUSTENITIC, [170, 170, 160, 130, 110, 240], data.STAINLESS_NOTES)
    grade_table("stainless-grades-other.svg", "不锈钢牌号对照表（二）沉淀硬化、马氏体、铁素体与弹簧钢丝",
                "Stainless steel grades: precipitation-hardening, martensitic, ferritic; spring wire",
                data.STAINLESS_OTHER, [170, 170, 160, 130, 110, 240], data.STAINLESS_NOTES)
    flow_chart()
    stress_relief()
    strength_table("tensile-strength-carbon.svg", "碳素弹簧钢丝最小抗拉强度", "Minimum tensile strength of carbon spring wire",
                   ["music", "hard", "oqt"], True)
    strength_table("tensile-strength-alloy.svg", "合金、不锈及磷青铜弹簧线最小抗拉强度",
                   "Minimum tensile strength of alloy, stainless and phosphor-bronze spring wire",
                   ["crv", "crsi", "ss302", "bronze"], True)
    strength_table("wire-tensile-strength.svg", "弹簧钢丝抗拉强度表 (MPa)", "Spring wire minimum tensile strength",
                   ["music", "hard", "oqt", "crv", "crsi", "ss302", "bronze"], False)
    bend_coefficient()
    shear, bending = data.SET_LIMIT_SHEAR, data.SET_LIMIT_BENDING
    fatigue_diagram("fatigue-compression-extension.svg", "压缩、拉伸弹簧疲劳寿命图（工作图）",
                    "Fatigue life of helical compression and extension springs: working diagram", "τ",
                    [("压缩弹簧 compression", None, shear, data.fatigue_lines("compression")),
                     ("拉伸弹簧 extension", "8,5", shear * data.EXTENSION_FACTOR, data.fatigue_lines("extension"))],
                    shear,
                    f"※ 寿命界限为本软件取值，无公开来源 (this program's values, no public source)；"
                    f"{shear:g} σb：SMI Handbook of Spring Design 的静载界限 (static limit).")
    fatigue_diagram("fatigue-torsion.svg", "扭转弹簧疲劳寿命图（工作图）", "Fatigue life of torsion springs: working diagram",
                    "σ", [("扭转弹簧 torsion", None, bending, data.fatigue_lines("torsion"))], bending,
                    f"※ 寿命界限与 {bending:g} σb 永久变形界限为本软件取值，无公开来源。"
                    f" ※ life limits and the {bending:g} σb set limit: this program's values, no public source.")
    life_table()
    allowable_stress()
    about_pictures()


if __name__ == "__main__":
    main()
