-- The design wizards' spring materials (table cailiao), one row per wire grade, read by the
-- material steps column by column in this order: id (row order), standard, name, G, E,
-- tensile strength, recommended temperature range (shown with the degree sign), then the
-- allowable-stress factors (ratios to the tensile strength) for load classes I, II, III of
-- compression, extension and torsion springs. Moduli and strengths in MPa.
--
-- Sources:
-- * Grades and tensile strength: the grades of the tensile-strength workbook (klqd.README.md),
--   in its order; tensile strength = A / d^m at d = 3 mm, rounded to whole MPa like the
--   workbook, from its constants (Budynas, Nisbett, Shigley's Mechanical Engineering Design,
--   ch. 10, Table 10-4), so the workbook and the wizards never disagree.
-- * G and E: the same chapter, Table 10-5 "Mechanical properties of some spring wires"; where
--   it splits by diameter, its row for wire above 0.125 in (3 mm).
-- * Temperature range: the service temperatures of the same chapter, Table 10-3 (high-carbon
--   and alloy spring steels): music, hard-drawn and oil-tempered wire not above 120, 120 and
--   180 degrees C nor below zero; chrome-vanadium up to 220, chrome-silicon up to 250. The
--   workbook's stainless (A313) and phosphor-bronze (B159) grades have no service range there
--   and are left out rather than given an invented one.
-- * Allowable-stress factors: the class ratios of the carbon spring-steel wire row of the
--   spring-materials table in Pu Lianggui, Ji Minggang, Mechanical Design (the load classes
--   I, II, III that the requirement step assigns): compression 0.30 / 0.40 / 0.50; extension
--   80 % of those, 0.24 / 0.32 / 0.40; torsion bending 0.375 (0.75 x class II, as in
--   compression, since the table gives no class-I bending ratio) / 0.50 / 0.625.
--
-- The three files db, dbtw and dben hold the same numbers in the same order; only the names
-- differ by language (Traditional names converted from the Simplified ones with OpenCC s2twp).
-- Names are unique, carry no blanks at either end and no apostrophe.

CREATE TABLE cailiao (
    id INTEGER PRIMARY KEY,
    standard TEXT NOT NULL,
    name TEXT NOT NULL UNIQUE CHECK (name = trim(name) AND instr(name, '''') = 0),
    g REAL NOT NULL,
    e REAL NOT NULL,
    sigma_b REAL NOT NULL,
    temperature TEXT NOT NULL,
    comp_1 REAL NOT NULL,
    comp_2 REAL NOT NULL,
    comp_3 REAL NOT NULL,
    ext_1 REAL NOT NULL,
    ext_2 REAL NOT NULL,
    ext_3 REAL NOT NULL,
    tors_1 REAL NOT NULL,
    tors_2 REAL NOT NULL,
    tors_3 REAL NOT NULL
);

INSERT INTO cailiao VALUES
    (1, 'ASTM A228', '琴鋼絲 A228', 80000, 193000, 1885, '0~120', 0.30, 0.40, 0.50, 0.24, 0.32, 0.40, 0.375, 0.50, 0.625),
    (2, 'ASTM A227', '冷拉鋼絲 A227', 78600, 196500, 1447, '0~120', 0.30, 0.40, 0.50, 0.24, 0.32, 0.40, 0.375, 0.50, 0.625),
    (3, 'ASTM A229', '油淬火鋼絲 A229', 77200, 196500, 1511, '0~180', 0.30, 0.40, 0.50, 0.24, 0.32, 0.40, 0.375, 0.50, 0.625),
    (4, 'ASTM A232', '鉻釩鋼絲 A232', 77200, 203400, 1667, '≤220', 0.30, 0.40, 0.50, 0.24, 0.32, 0.40, 0.375, 0.50, 0.625),
    (5, 'ASTM A401', '鉻矽鋼絲 A401', 77200, 203400, 1753, '≤250', 0.30, 0.40, 0.50, 0.24, 0.32, 0.40, 0.375, 0.50, 0.625);
