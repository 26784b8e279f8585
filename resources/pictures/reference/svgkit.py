"""Small helpers for drawing the reference pictures as SVG Tiny (what Qt's SVG renderer reads):
text, lines, boxes, arrows and ruled tables. No clipping, markers or CSS are used."""

from xml.sax.saxutils import escape

FONT = "Noto Sans CJK SC"
INK = "#1a1a1a"
RULE = "#7a8794"
HEAD_FILL = "#dfe9f5"
TITLE_INK = "#163d6b"


class Svg:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.parts = []

    def add(self, element):
        self.parts.append(element)

    def rect(self, x, y, w, h, fill="none", stroke=INK, width=1.0, rx=0):
        self.add(f'<rect x="{x:.1f}" y="{y:.1f}" width="{w:.1f}" height="{h:.1f}" rx="{rx}" '
                 f'fill="{fill}" stroke="{stroke}" stroke-width="{width}"/>')

    def line(self, x1, y1, x2, y2, stroke=INK, width=1.0, dash=None):
        d = f' stroke-dasharray="{dash}"' if dash else ""
        self.add(f'<line x1="{x1:.1f}" y1="{y1:.1f}" x2="{x2:.1f}" y2="{y2:.1f}" '
                 f'stroke="{stroke}" stroke-width="{width}"{d}/>')

    def polyline(self, points, stroke=INK, width=1.0, fill="none", dash=None):
        pts = " ".join(f"{x:.1f},{y:.1f}" for x, y in points)
        d = f' stroke-dasharray="{dash}"' if dash else ""
        self.add(f'<polyline points="{pts}" fill="{fill}" stroke="{stroke}" stroke-width="{width}"{d}/>')

    def polygon(self, points, fill=INK, stroke="none", width=1.0):
        pts = " ".join(f"{x:.1f},{y:.1f}" for x, y in points)
        self.add(f'<polygon points="{pts}" fill="{fill}" stroke="{stroke}" stroke-width="{width}"/>')

    def circle(self, cx, cy, r, fill="none", stroke=INK, width=1.0):
        self.add(f'<circle cx="{cx:.1f}" cy="{cy:.1f}" r="{r:.1f}" fill="{fill}" stroke="{stroke}" '
                 f'stroke-width="{width}"/>')

    def path(self, d, fill="none", stroke=INK, width=1.0):
        self.add(f'<path d="{d}" fill="{fill}" stroke="{stroke}" stroke-width="{width}"/>')

    def text(self, x, y, s, size=13, anchor="start", weight="normal", fill=INK, italic=False):
        # Blanks are kept as typed: runs of them separate the Chinese and English parts.
        style = ' font-style="italic"' if italic else ""
        self.add(f'<text x="{x:.1f}" y="{y:.1f}" font-family="{FONT}" font-size="{size}" '
                 f'font-weight="{weight}" text-anchor="{anchor}" fill="{fill}"{style} xml:space="preserve">'
                 f'{escape(s)}</text>')

    def lines(self, x, y, rows, size=13, leading=None, **kw):
        leading = leading or size * 1.5
        for i, s in enumerate(rows):
            self.text(x, y + i * leading, s, size=size, **kw)
        return y + len(rows) * leading

    def title(self, s, sub=None):
        self.text(self.width / 2, 34, s, size=22, anchor="middle", weight="bold", fill=TITLE_INK)
        if sub:
            self.text(self.width / 2, 58, sub, size=14, anchor="middle", fill=TITLE_INK)

    def heading(self, x, y, s):
        self.text(x, y, s, size=15, weight="bold", fill=TITLE_INK)

    def arrow(self, x1, y1, x2, y2, stroke=INK, width=1.2, head=8):
        import math
        self.line(x1, y1, x2, y2, stroke=stroke, width=width)
        a = math.atan2(y2 - y1, x2 - x1)
        p1 = (x2 - head * math.cos(a - 0.35), y2 - head * math.sin(a - 0.35))
        p2 = (x2 - head * math.cos(a + 0.35), y2 - head * math.sin(a + 0.35))
        self.polygon([(x2, y2), p1, p2], fill=stroke)

    def dimension(self, x1, y1, x2, y2, label, offset=0, size=12):
        """A dimension line with arrows at both ends and its label in the middle."""
        self.arrow((x1 + x2) / 2, (y1 + y2) / 2, x1, y1, head=6, width=0.8)
        self.arrow((x1 + x2) / 2, (y1 + y2) / 2, x2, y2, head=6, width=0.8)
        if y1 == y2:
            self.text((x1 + x2) / 2, y1 - 4 + offset, label, size=size, anchor="middle")
        else:
            self.text(x1 + 6 + offset, (y1 + y2) / 2 + 4, label, size=size)

    def table(self, x, y, columns, rows, row_height=24, size=12, header_rows=1, align=None):
        """columns: list of (width, heading or list of heading lines). Rows: lists of cell texts.
        Returns the y below the table."""
        total = sum(w for w, _ in columns)
        head_lines = max(len(h) if isinstance(h, list) else 1 for _, h in columns)
        head_h = row_height * max(1, head_lines) * 0.85 + 6
        self.rect(x, y, total, head_h, fill=HEAD_FILL, stroke="none")
        cx = x
        for w, h in columns:
            hl = h if isinstance(h, list) else [h]
            top = y + (head_h - (len(hl) - 1) * size * 1.25) / 2 + size * 0.35
            for i, s in enumerate(hl):
                self.text(cx + w / 2, top + i * size * 1.25, s, size=size, anchor="middle", weight="bold")
            cx += w
        ry = y + head_h
        for r, row in enumerate(rows):
            if r % 2 == 1:
                self.rect(x, ry, total, row_height, fill="#f4f7fb", stroke="none")
            cx = x
            for c, (w, _) in enumerate(columns):
                cell = row[c] if c < len(row) else ""
                a = (align[c] if align else ("start" if c == 0 else "middle"))
                tx = cx + 6 if a == "start" else cx + w / 2
                self.text(tx, ry + row_height / 2 + size * 0.38, cell, size=size, anchor=a)
                cx += w
            ry += row_height
        # Rules last, so fills never cover them.
        self.rect(x, y, total, ry - y, stroke=RULE, width=1.2)
        self.line(x, y + head_h, x + total, y + head_h, stroke=RULE, width=1.2)
        yy = y + head_h
        for _ in rows[:-1]:
            yy += row_height
            self.line(x, yy, x + total, yy, stroke=RULE, width=0.5)
        cx = x
        for w, _ in columns[:-1]:
            cx += w
            self.line(cx, y, cx, ry, stroke=RULE, width=0.7)
        return ry

    def save(self, path):
        background = f'<rect x="0" y="0" width="{self.width}" height="{self.height}" fill="#ffffff"/>'
        body = "\n".join([background] + self.parts)
        with open(path, "w", encoding="utf-8") as f:
            f.write(f'<?xml version="1.0" encoding="UTF-8"?>\n'
                    f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                    f'width="{self.width}" height="{self.height}" viewBox="0 0 {self.width} {self.height}">\n'
                    f'{body}\n</svg>\n')
