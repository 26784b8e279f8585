#!/usr/bin/python3
"""Reads a saved drawing with ezdxf, a strict reader that refuses files a CAD program would
refuse, audits it, and prints what the tests compare as JSON: entity counts, the audit's
errors and fixes, and the geometry in world coordinates."""

import json
import sys

import ezdxf


def xyz(v):
    return [float(c) for c in v]


def entities(msp):
    out = {"splines": [], "circles": [], "arcs": [], "lines": [], "points": [], "hatches": []}
    for e in msp:
        kind = e.dxftype()
        if kind == "SPLINE":
            out["splines"].append({"degree": e.dxf.degree,
                                   "fit": [xyz(p) for p in e.fit_points],
                                   "controls": len(e.control_points),
                                   "knots": len(e.knots)})
        elif kind == "CIRCLE":
            out["circles"].append({"centre": xyz(e.ocs().to_wcs(e.dxf.center)),
                                   "radius": e.dxf.radius,
                                   "normal": xyz(e.dxf.extrusion)})
        elif kind == "ARC":
            out["arcs"].append({"start": xyz(e.start_point), "end": xyz(e.end_point),
                                "radius": e.dxf.radius})
        elif kind == "LINE":
            out["lines"].append({"start": xyz(e.dxf.start), "end": xyz(e.dxf.end)})
        elif kind == "POINT":
            out["points"].append(xyz(e.dxf.location))
        elif kind == "HATCH":
            edges = [edge for path in e.paths for edge in path.edges]
            ocs = e.ocs()
            elevation = e.dxf.elevation.z
            out["hatches"].append({
                "solid": e.dxf.solid_fill,
                "paths": len(e.paths),
                "edges": [edge.type.name for edge in edges],
                "centre": xyz(ocs.to_wcs((edges[0].center[0], edges[0].center[1], elevation))) if edges else None,
                "radius": edges[0].radius if edges else None})
    return out


def main(path):
    try:
        doc = ezdxf.readfile(path)
    except Exception as error:  # the reader's refusal is the result
        print(json.dumps({"error": f"{type(error).__name__}: {error}"}))
        return
    auditor = doc.audit()
    msp = doc.modelspace()
    result = {
        "version": doc.dxfversion,
        "insunits": doc.header.get("$INSUNITS"),
        "auditErrors": [f"{e.code} {e.message}" for e in auditor.errors],
        "auditFixes": [f"{e.code} {e.message}" for e in auditor.fixes],
        "counts": {},
        "ucs": sorted(u.dxf.name for u in doc.ucs),
    }
    for e in msp:
        result["counts"][e.dxftype()] = result["counts"].get(e.dxftype(), 0) + 1
    result.update(entities(msp))
    print(json.dumps(result))


if __name__ == "__main__":
    main(sys.argv[1])
