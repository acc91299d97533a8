"""A few helpers for writing SVG that the Qt SVG renderer (SVG Tiny) draws
faithfully: plain shapes, paths, linear and radial gradients, no filters,
no clipping, no CSS."""


def num(v):
    if isinstance(v, str):
        return v
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def attrs(**kw):
    out = []
    for k, v in kw.items():
        if v is None:
            continue
        out.append(f'{k.rstrip("_").replace("_", "-")}="{num(v)}"')
    return " ".join(out)


class Svg:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.defs = []
        self.body = []

    _ids = 0

    def _id(self, prefix):
        # unique across pictures, since one picture may reuse another's parts
        Svg._ids += 1
        return f"{prefix}{Svg._ids}"

    def linear(self, x1, y1, x2, y2, stops):
        """A gradient in user space; stops: [(offset, colour[, opacity])]."""
        gid = self._id("g")
        s = "".join(
            f'<stop offset="{num(o)}" stop-color="{c}"'
            + (f' stop-opacity="{num(rest[0])}"' if rest else "")
            + "/>"
            for o, c, *rest in stops
        )
        self.defs.append(
            f'<linearGradient id="{gid}" gradientUnits="userSpaceOnUse" '
            f'{attrs(x1=x1, y1=y1, x2=x2, y2=y2)}>{s}</linearGradient>'
        )
        return f"url(#{gid})"

    def radial(self, cx, cy, r, stops, fx=None, fy=None):
        gid = self._id("r")
        s = "".join(
            f'<stop offset="{num(o)}" stop-color="{c}"'
            + (f' stop-opacity="{num(rest[0])}"' if rest else "")
            + "/>"
            for o, c, *rest in stops
        )
        self.defs.append(
            f'<radialGradient id="{gid}" gradientUnits="userSpaceOnUse" '
            f'{attrs(cx=cx, cy=cy, r=r, fx=fx if fx is not None else cx, fy=fy if fy is not None else cy)}>'
            f"{s}</radialGradient>"
        )
        return f"url(#{gid})"

    def add(self, element):
        self.body.append(element)

    def rect(self, x, y, w, h, fill="none", stroke=None, sw=None, rx=None, ry=None, **kw):
        self.add(
            f"<rect {attrs(x=x, y=y, width=w, height=h, rx=rx, ry=ry if ry is not None else rx, fill=fill, stroke=stroke, stroke_width=sw, **kw)}/>"
        )

    def path(self, d, fill="none", stroke=None, sw=None, **kw):
        if not d:
            return
        self.add(f'<path d="{d}" {attrs(fill=fill, stroke=stroke, stroke_width=sw, **kw)}/>')

    def line(self, x1, y1, x2, y2, stroke, sw=1, **kw):
        self.add(f"<line {attrs(x1=x1, y1=y1, x2=x2, y2=y2, stroke=stroke, stroke_width=sw, **kw)}/>")

    def circle(self, cx, cy, r, fill="none", stroke=None, sw=None, **kw):
        self.add(f"<circle {attrs(cx=cx, cy=cy, r=r, fill=fill, stroke=stroke, stroke_width=sw, **kw)}/>")

    def ellipse(self, cx, cy, rx, ry, fill="none", stroke=None, sw=None, **kw):
        self.add(
            f"<ellipse {attrs(cx=cx, cy=cy, rx=rx, ry=ry, fill=fill, stroke=stroke, stroke_width=sw, **kw)}/>"
        )

    def group(self, transform, inner):
        self.add(f'<g transform="{transform}">{"".join(inner)}</g>')

    def text(self, d, fill="#000000", **kw):
        """Text already turned into path data (see glyphs.text)."""
        self.path(d, fill=fill, **kw)

    def render(self):
        return (
            '<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{self.width}" height="{self.height}" viewBox="0 0 {self.width} {self.height}">\n'
            + (f"<defs>{''.join(self.defs)}</defs>\n" if self.defs else "")
            + "\n".join(self.body)
            + "\n</svg>\n"
        )


def rounded_rect_path(x, y, w, h, r_tl, r_tr=None, r_br=None, r_bl=None):
    """Rectangle with its own radius per corner."""
    r_tr = r_tl if r_tr is None else r_tr
    r_br = r_tl if r_br is None else r_br
    r_bl = r_tl if r_bl is None else r_bl
    d = [f"M{num(x + r_tl)},{num(y)}", f"H{num(x + w - r_tr)}"]
    if r_tr:
        d.append(f"A{num(r_tr)},{num(r_tr)} 0 0 1 {num(x + w)},{num(y + r_tr)}")
    d.append(f"V{num(y + h - r_br)}")
    if r_br:
        d.append(f"A{num(r_br)},{num(r_br)} 0 0 1 {num(x + w - r_br)},{num(y + h)}")
    d.append(f"H{num(x + r_bl)}")
    if r_bl:
        d.append(f"A{num(r_bl)},{num(r_bl)} 0 0 1 {num(x)},{num(y + h - r_bl)}")
    d.append(f"V{num(y + r_tl)}")
    if r_tl:
        d.append(f"A{num(r_tl)},{num(r_tl)} 0 0 1 {num(x + r_tl)},{num(y)}")
    d.append("Z")
    return " ".join(d)
