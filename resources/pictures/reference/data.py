"""Engineering data drawn in the reference pictures. Each block names its public source; a value
that no public source gives is marked so, and the picture says so too. README.md lists them all."""

import math

# --- moduli: N/mm² exactly as JIS B 2704 tabulates them (G, E); kgf/mm² as the calculators'
# material table carries them. The N/mm² figures are the standard's own, not conversions: the
# stainless row is 186 000, not 19 000 × 9.80665 rounded (186 500).

MODULI = [
    ("弹簧钢 SUP  spring steel", 8000, 21000, 78500, 206000),
    ("硬钢线 SW  hard-drawn wire", 8000, 21000, 78500, 206000),
    ("琴钢线 SWP  music wire", 8000, 21000, 78500, 206000),
    ("油回火线 SWO  oil-tempered wire", 8000, 21000, 78500, 206000),
    ("不锈钢线 SUS302, 304, 316  stainless", 7000, 19000, 68500, 186000),
    ("不锈钢线 SUS631J1  stainless 17-7", 7500, 20000, 73500, 195000),
    ("黄铜线  brass", 4000, 10000, 39000, 98000),
    ("洋白线  nickel silver", 4000, 11000, 39000, 108000),
    ("磷青铜线  phosphor bronze", 4300, 10000, 42000, 98000),
    ("铍青铜线  beryllium copper", 4500, 13000, 44000, 127000),
]

MODULI_NOTE = ("N/mm²：JIS B 2704 表列值（如 SUS304 E = 186 000）；kgf/mm²：本软件材料表的值。"
               "  N/mm² as JIS B 2704 lists them; kgf/mm² as the material table.")


# --- stress relief: (material, low °C, high °C, note, sourced) ---------------------------------
# Ranges as spring makers' handbooks give them (SMI, Handbook of Spring Design; 《弹簧手册》),
# checked against a maker's published chart (Apex Spring & Stamping, "Stress Relief vs. Heat
# Treat": music wire 500 °F, hard-drawn 550 °F ≈ 290 °C, oil-tempered 500-600 °F, 302 stainless
# 600-650 °F, 17-7PH 900 °F, Cr-Si and Cr-V 800 °F ≈ 425 °C, beryllium copper 600 °F). A single
# figure (low = high) is the chart's one temperature. Phosphor bronze, about 175 °C (350 °F), is the
# usual makers' figure, but no public chart was found to cite: the picture marks it (sourced False).

STRESS_RELIEF = [
    ("琴钢线  music wire", 230, 260, "卷绕后尽快回火", True),
    ("冷拉碳素钢丝  hard-drawn", 290, 290, "", True),
    ("油淬火回火碳素钢丝  oil-tempered carbon", 260, 350, "", True),
    ("铬钒钢丝  chromium-vanadium", 425, 425, "", True),
    ("铬硅钢丝  chromium-silicon", 400, 450, "", True),
    ("不锈钢丝 302、304、316  stainless", 260, 430, "常用 350 °C", True),
    ("17-7PH 钢丝 (SUS631J1)  17-7PH wire", 475, 485, "析出硬化，保温 1 h", True),
    ("磷青铜线  phosphor bronze", 175, 175, "※ 无公开图表可引 no public chart", False),
    ("铍青铜线  beryllium copper", 315, 330, "时效，保温 2 ~ 3 h", True),
]

HOLDING_TIME = [("d ≤ 1", "15 ~ 20"), ("1 < d ≤ 3", "20 ~ 30"), ("3 < d ≤ 6", "30 ~ 40"), ("d > 6", "40 ~ 60")]

TEMPER_COLOURS = [
    (220, "淡黄", "light straw", "#f3e3a0"),
    (240, "草黄", "straw", "#e3c05a"),
    (255, "褐", "brown", "#b07a3a"),
    (265, "紫褐", "purple-brown", "#8a4f5e"),
    (275, "紫", "purple", "#6d3c8a"),
    (285, "深蓝", "dark blue", "#2c3f8f"),
    (295, "蓝", "blue", "#3b6fc2"),
    (315, "灰蓝", "grey-blue", "#7d97ad"),
    (330, "灰", "grey", "#9a9a9a"),
]

# --- minimum tensile strength: σb = A / d^m (A in MPa·mm^m, d in mm) -------------------------

WIRES = {
    "music": {"label": ("琴钢线", "music A228"), "ranges": [(0.10, 6.5, 2211, 0.145)]},
    "hard": {"label": ("冷拉碳素钢丝", "hard-drawn A227"), "ranges": [(0.7, 12.7, 1783, 0.190)]},
    "oqt": {"label": ("油淬火回火", "oil-tempered A229"), "ranges": [(0.5, 12.7, 1855, 0.187)]},
    "crv": {"label": ("铬钒钢丝", "Cr-V A232"), "ranges": [(0.8, 11.1, 2005, 0.168)]},
    "crsi": {"label": ("铬硅钢丝", "Cr-Si A401"), "ranges": [(1.6, 9.5, 1974, 0.108)]},
    "ss302": {"label": ("302 不锈钢丝", "302 SS A313"),
              "ranges": [(0.3, 2.5, 1867, 0.146), (2.5, 5.0, 2065, 0.263), (5.0, 10.0, 2911, 0.478)]},
    "bronze": {"label": ("磷青铜线", "P-bronze B159"),
               "ranges": [(0.1, 0.6, 1000, 0.0), (0.6, 2.0, 913, 0.028), (2.0, 7.5, 932, 0.064)]},
}

DIAMETERS = [0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.8, 1.0, 1.2, 1.4, 1.6, 1.8, 2.0, 2.3, 2.6, 3.0, 3.5, 4.0,
             4.5, 5.0, 5.5, 6.0, 6.5, 7.0, 8.0, 9.0, 10.0, 11.0, 12.0]


def minimum_tensile_strength(wire, d):
    for low, high, a, m in WIRES[wire]["ranges"]:
        if low <= d <= high:
            return a / d ** m
    return None


def constants_text(wire):
    return "；".join(f"{low:g}~{high:g} mm: A = {a}, m = {m:g}" for low, high, a, m in WIRES[wire]["ranges"])


# --- sheet bends: neutral-layer coefficient x by R/T, and α = π/2·(R + x·T) − 2R ---------------

NEUTRAL_LAYER = [(0.1, 0.21), (0.2, 0.22), (0.3, 0.23), (0.4, 0.24), (0.5, 0.25), (0.6, 0.26), (0.7, 0.28),
                 (0.8, 0.30), (1.0, 0.32), (1.2, 0.33), (1.5, 0.36), (2.0, 0.38), (2.5, 0.39), (3.0, 0.40),
                 (4.0, 0.42), (5.0, 0.44), (6.0, 0.46), (7.0, 0.48), (8.0, 0.50)]

BEND_RADII = [0.5, 0.8, 1, 1.5, 2, 2.5, 3, 4, 5, 6, 8, 10, 12, 13, 15]
BEND_THICKNESSES = [0.5, 0.8, 1, 1.2, 1.5, 2, 2.5, 3, 4, 5, 6, 8, 10]


def neutral_layer(ratio):
    if ratio < NEUTRAL_LAYER[0][0]:
        return None
    if ratio >= NEUTRAL_LAYER[-1][0]:
        return NEUTRAL_LAYER[-1][1]
    for (q0, x0), (q1, x1) in zip(NEUTRAL_LAYER, NEUTRAL_LAYER[1:]):
        if q0 <= ratio <= q1:
            return x0 + (x1 - x0) * (ratio - q0) / (q1 - q0)
    return None


def bend_alpha(r, t):
    x = neutral_layer(r / t)
    if x is None:
        return None
    return math.pi / 2 * (r + x * t) - 2 * r


# --- fatigue: the life steps the calculators use (ratio of the largest stress to σb) -------------
# These steps are this program's own working table: no public standard gives them, and the
# pictures mark them so. The lines of the diagrams join each step at zero lower stress to the
# permanent-set limit where upper and lower stress meet; they end at a static allowable, so they
# are a working diagram, not Goodman lines (which run to the tensile strength).

# (life in 10⁴ cycles, compression τmax/σb limit, torsion σmax/σb limit); None where a row has no step.
LIFE_STEPS = [("1000", 0.30, 0.48), ("100", 0.33, 0.51), ("10", 0.35, 0.53), ("6", 0.365, None),
              ("5", None, 0.56), ("4", 0.375, 0.59), ("3", 0.39, 0.62), ("2", 0.42, 0.66), ("1", 0.45, None)]
EXTENSION_FACTOR = 0.8
# Permanent-set limits: the largest stress a cold-coiled spring takes without setting. 0.45 σb in
# shear is the Spring Manufacturers Institute's static limit for cold-drawn carbon wire without
# set removal (Handbook of Spring Design, maximum allowable torsional stress for static
# compression springs); 0.7 σb in bending is the calculators' torsion limit, for which no public
# table was found (marked on the picture).
SET_LIMIT_SHEAR = 0.45
SET_LIMIT_BENDING = 0.70


def fatigue_lines(kind):
    cycles = {"1000": "10⁷", "100": "10⁶", "10": "10⁵", "2": "2×10⁴", "1": "10⁴"}
    chosen = {"compression": ["1", "10", "100", "1000"], "extension": ["1", "10", "100", "1000"],
              "torsion": ["2", "10", "100", "1000"]}[kind]
    lines = []
    for life, comp, tors in LIFE_STEPS:
        if life not in chosen:
            continue
        start = tors if kind == "torsion" else comp * (EXTENSION_FACTOR if kind == "extension" else 1.0)
        lines.append((cycles[life], start))
    return lines


def life_rows():
    def cell(v):
        return "—" if v is None else f"< {round(v, 3):g}"

    rows = []
    for life, comp, tors in LIFE_STEPS:
        rows.append([life, cell(comp), cell(None if comp is None else comp * EXTENSION_FACTOR), cell(tors)])
    rows.append(["堪忧 doubtful", f"≥ {SET_LIMIT_SHEAR:g}", f"≥ {SET_LIMIT_SHEAR * EXTENSION_FACTOR:g}", "≥ 0.66"])
    return rows


# --- allowable stress factors: GB/T 23935-2009 (圆柱螺旋弹簧设计计算), the tables of allowable
# shear stress (compression springs) and allowable bending stress (torsion springs), all from this
# one edition: its three load cases, its five wire groups and its factors. Static torsion for carbon
# and music wire is 0.78 there (0.80 belongs to oil-tempered wire). Extension springs take 0.8 of
# the compression factors, as the same standard says.

ALLOWABLE_STANDARD = "GB/T 23935-2009"

ALLOWABLE_MATERIALS = [["油淬火-回火钢丝", "oil-tempered"], ["碳素、琴钢丝", "carbon, music"],
                       ["弹簧不锈钢丝", "stainless"], ["硅青铜、锡青铜", "Si, Sn bronze"],
                       ["铍青铜线", "beryllium copper"]]

CLASSES = ["动负荷 无限寿命  N ≥ 10⁷", "动负荷 有限寿命  10⁴ ≤ N < 10⁶", "静负荷 static  N < 10⁴"]

SHEAR_FACTORS = [
    [(0.35, 0.40), (0.33, 0.38), (0.30, 0.35), (0.28, 0.32), (0.28, 0.32)],
    [(0.40, 0.50), (0.38, 0.45), (0.34, 0.38), (0.30, 0.35), (0.30, 0.35)],
    [0.55, 0.50, 0.45, 0.40, 0.45],
]
BENDING_FACTORS = [
    [(0.50, 0.60), (0.49, 0.58), (0.45, 0.55), (0.45, 0.55), (0.45, 0.55)],
    [(0.60, 0.68), (0.58, 0.66), (0.55, 0.65), (0.55, 0.65), (0.55, 0.65)],
    [0.80, 0.78, 0.75, 0.75, 0.75],
]


def _factor(value, scale=1.0):
    if isinstance(value, tuple):
        return f"{value[0] * scale:.2f} ~ {value[1] * scale:.2f}"
    return f"{value * scale:.2f}"


def allowable_tables():
    def table(factors, scale=1.0):
        return [[CLASSES[i]] + [_factor(v, scale) for v in row] for i, row in enumerate(factors)]

    return [
        ("压缩弹簧 [τ]/σb  compression springs (shear)", table(SHEAR_FACTORS)),
        ("拉伸弹簧 [τ]/σb  extension springs (shear): 0.8 × compression", table(SHEAR_FACTORS, 0.8)),
        ("扭转弹簧 [σ]/σb  torsion springs (bending)", table(BENDING_FACTORS)),
    ]


# --- grade comparisons --------------------------------------------------------------------------

_WIRE_COLUMNS = ["种类 Kind", "中国 GB", "日本 JIS", "美国 ASTM", "欧洲 EN"]
_STEEL_COLUMNS = ["种类 Kind", "中国 GB/T 1222", "日本 JIS G4801", "美国 SAE", "欧洲 EN 10089"]
_CARBON_COLUMNS = ["种类 Kind", "中国 GB", "日本 JIS", "美国 SAE", "欧洲 EN"]

SPRING_STEEL_SECTIONS = [
    ("弹簧钢丝  Spring wire", _WIRE_COLUMNS, [
        ["冷拉碳素钢丝 低强度  hard-drawn, low", "GB/T 4357 SL", "G3521 SW-A", "A227 Class I", "10270-1 SL"],
        ["冷拉碳素钢丝 中强度  hard-drawn, medium", "GB/T 4357 SM, DM", "G3521 SW-B", "A227 Class II",
         "10270-1 SM, DM"],
        ["冷拉碳素钢丝 高强度  hard-drawn, high", "GB/T 4357 SH, DH", "G3521 SW-C", "—", "10270-1 SH, DH"],
        ["琴钢丝  music wire", "GB/T 4358", "G3522 SWP-A, SWP-B", "A228", "10270-1 DH"],
        ["油淬火回火碳素钢丝  oil-tempered carbon", "GB/T 18983 FDC/TDC/VDC", "G3560 SWO-A, SWO-B", "A229",
         "10270-2 FDC/TDC/VDC"],
        ["油淬火回火铬钒钢丝  oil-tempered Cr-V", "GB/T 18983 FDCrV/VDCrV", "G3561 SWOCV-V", "A231, A232",
         "10270-2 FDCrV/VDCrV"],
        ["油淬火回火铬硅钢丝  oil-tempered Si-Cr", "GB/T 18983 FDSiCr/VDSiCr", "G3561 SWOSC-V", "A401, A877",
         "10270-2 FDSiCr/VDSiCr"],
    ]),
    ("热成形弹簧钢  Hot-formed spring steel", _STEEL_COLUMNS, [
        ["锰钢  manganese", "65Mn", "—", "1566", "—"],
        ["硅锰钢  silicon-manganese", "60Si2Mn", "SUP6, SUP7", "9260", "56Si7 (1.5026)"],
        ["铬锰钢  chromium-manganese", "55CrMnA", "SUP9", "5155", "55Cr3 (1.7176)"],
        ["铬锰钢  chromium-manganese", "60CrMnA", "SUP9A", "5160", "60Cr3 (1.7177)"],
        ["铬钒钢  chromium-vanadium", "50CrVA", "SUP10", "6150", "51CrV4 (1.8159)"],
        ["铬锰硼钢  Cr-Mn-B", "60CrMnBA", "SUP11A", "51B60", "—"],
        ["硅铬钢  silicon-chromium", "55SiCrA", "SUP12", "9254", "54SiCr6 (1.7102)"],
    ]),
    ("碳素钢  Plain carbon steel", _CARBON_COLUMNS, [
        ["碳素弹簧钢  carbon spring steel", "65", "S65C-CSP", "1065", "C67S (1.1231)"],
        ["碳素弹簧钢  carbon spring steel", "70", "S70C-CSP", "1070", "C75S (1.1248)"],
        ["碳素弹簧钢  carbon spring steel", "85", "—", "1084", "C85S (1.1269)"],
        ["碳素工具钢  carbon tool steel", "T8A", "SK85", "1080", "C80U (1.1525)"],
        ["碳素工具钢  carbon tool steel", "T10A", "SK105", "1095", "C105U (1.1545)"],
    ]),
]

SPRING_STEEL_NOTES = [
    "对照为近似对应：各国标准的成分与性能范围并不完全相同。 Near equivalents: chemistry and properties differ in detail.",
    "JIS G3521 冷拉钢丝，G3522 琴钢丝，G3560/G3561 油回火钢丝；EN 10270-1/-2 弹簧钢丝；GB/T 4357、4358、18983 弹簧钢丝。",
]

_STAINLESS_COLUMNS = ["新牌号 GB/T 20878", "旧牌号 old GB", "日本 JIS", "美国 AISI", "UNS", "欧洲 EN"]

STAINLESS_AUSTENITIC = [
    ("奥氏体不锈钢  Austenitic", _STAINLESS_COLUMNS, [
        ["12Cr17Ni7", "1Cr17Ni7", "SUS301", "301", "S30100", "1.4310  X10CrNi18-8"],
        ["12Cr18Ni9", "1Cr18Ni9", "SUS302", "302", "S30200", "1.4310  X10CrNi18-8"],
        ["06Cr19Ni10", "0Cr18Ni9", "SUS304", "304", "S30400", "1.4301  X5CrNi18-10"],
        ["022Cr19Ni10", "00Cr19Ni10", "SUS304L", "304L", "S30403", "1.4306  X2CrNi19-11"],
        ["06Cr19Ni10N", "0Cr19Ni9N", "SUS304N1", "304N", "S30451", "1.4315  X5CrNiN19-9"],
        ["06Cr17Ni12Mo2", "0Cr17Ni12Mo2", "SUS316", "316", "S31600", "1.4401  X5CrNiMo17-12-2"],
        ["022Cr17Ni12Mo2", "00Cr17Ni14Mo2", "SUS316L", "316L", "S31603", "1.4404  X2CrNiMo17-12-2"],
        ["06Cr18Ni11Ti", "0Cr18Ni10Ti", "SUS321", "321", "S32100", "1.4541  X6CrNiTi18-10"],
        ["06Cr25Ni20", "0Cr25Ni20", "SUS310S", "310S", "S31008", "1.4845  X8CrNi25-21"],
    ]),
]

STAINLESS_OTHER = [
    ("沉淀硬化不锈钢  Precipitation-hardening", _STAINLESS_COLUMNS, [
        ["07Cr17Ni7Al", "0Cr17Ni7Al", "SUS631", "631 (17-7PH)", "S17700", "1.4568  X7CrNiAl17-7"],
        ["05Cr17Ni4Cu4Nb", "0Cr17Ni4Cu4Nb", "SUS630", "630 (17-4PH)", "S17400", "1.4542  X5CrNiCuNb16-4"],
    ]),
    ("马氏体与铁素体不锈钢  Martensitic and ferritic", _STAINLESS_COLUMNS, [
        ["12Cr13", "1Cr13", "SUS410", "410", "S41000", "1.4006  X12Cr13"],
        ["20Cr13", "2Cr13", "SUS420J1", "420", "S42000", "1.4021  X20Cr13"],
        ["30Cr13", "3Cr13", "SUS420J2", "420", "S42000", "1.4028  X30Cr13"],
        ["10Cr17", "1Cr17", "SUS430", "430", "S43000", "1.4016  X6Cr17"],
    ]),
    ("不锈弹簧钢丝  Stainless spring wire", ["钢丝 wire", "中国 GB/T 24588", "日本 JIS G4314", "美国 ASTM A313",
                                         "UNS", "欧洲 EN 10270-3"], [
        ["302", "12Cr18Ni9", "SUS302-WPB", "302", "S30200", "1.4310"],
        ["304", "06Cr19Ni10", "SUS304-WPA, WPB", "304", "S30400", "—"],
        ["316", "06Cr17Ni12Mo2", "SUS316-WPA", "316", "S31600", "1.4401"],
        ["631 (17-7PH)", "07Cr17Ni7Al", "SUS631J1-WPC", "631", "S17700", "1.4568"],
    ]),
]

STAINLESS_NOTES = [
    "新旧牌号按 GB/T 20878；对照为近似对应，成分并不完全相同。 Chinese designations per GB/T 20878; near equivalents only.",
]
