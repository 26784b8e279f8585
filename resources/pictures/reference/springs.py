"""Spring sketches for the design-data sheets: helices drawn as front (dark) and back (light)
halves of each coil, so the drawing reads as three-dimensional without any shading."""

import math

STEEL = "#3d4a57"
BACK = "#a9b3bd"


def helix_points(turns, pitch_at, steps_per_turn=48):
    """Points (angle, axial position) along a helix whose pitch depends on the turn count."""
    pts = []
    axial = 0.0
    total = int(turns * steps_per_turn)
    for i in range(total + 1):
        t = i / steps_per_turn
        if i > 0:
            axial += pitch_at(t) / steps_per_turn
        pts.append((2 * math.pi * t, axial))
    return pts


def draw_helix(svg, pts, to_xy, wire, front=STEEL, back=BACK):
    """Draws back halves first, then front halves, as runs of a polyline."""
    def runs(front):
        run = []
        for angle, axial in pts:
            is_front = math.sin(angle) >= 0
            if is_front == front:
                run.append(to_xy(angle, axial))
            elif run:
                yield run
                run = []
        if run:
            yield run

    for run in runs(False):
        if len(run) > 1:
            svg.polyline(run, stroke=back, width=wire * 0.8)
    for run in runs(True):
        if len(run) > 1:
            svg.polyline(run, stroke=front, width=wire)


def compression_spring(svg, cx, top, mean_dia, wire, active, pitch, ground):
    """Vertical compression spring with one closed coil at each end."""
    turns = active + 2

    def pitch_at(t):
        return wire if t < 1 or t > turns - 1 else pitch

    pts = helix_points(turns, pitch_at)
    draw_helix(svg, pts, lambda a, s: (cx - mean_dia / 2 * math.cos(a), top + s), wire)
    height = pts[-1][1]
    if ground:
        # Ground ends: the end coils are flat; white bands hide what the grinding took away.
        cut = wire * 0.5
        svg.rect(cx - mean_dia, top - wire, 2 * mean_dia, wire + cut, fill="#ffffff", stroke="none")
        svg.rect(cx - mean_dia, top + height - cut, 2 * mean_dia, wire + cut, fill="#ffffff", stroke="none")
        svg.line(cx - mean_dia / 2 - wire, top + cut, cx + mean_dia / 2 + wire, top + cut, width=1.6)
        svg.line(cx - mean_dia / 2 - wire, top + height - cut, cx + mean_dia / 2 + wire, top + height - cut,
                 width=1.6)
        return top + cut, top + height - cut
    return top - wire / 2, top + height + wire / 2


def horizontal_coils(svg, left, cy, mean_dia, wire, turns, front=STEEL, back=BACK):
    """Close-wound body with a horizontal axis (extension and torsion springs)."""
    # Drawn with a small gap between the coils, so each one reads on its own.
    pts = helix_points(turns, lambda t: wire * 1.35)
    draw_helix(svg, pts, lambda a, s: (left + s, cy - mean_dia / 2 * math.cos(a)), wire, front, back)
    return left + pts[-1][1]


def hook_loop(svg, x, cy, mean_dia, wire, direction):
    """A full loop (machine hook) turned up into the plane of the drawing at one end of the body.
    Returns the outer end of the loop."""
    r = mean_dia / 2
    centre = x + direction * r
    svg.circle(centre, cy, r, stroke=STEEL, width=wire)
    return centre + direction * (r + wire / 2)
