#!/usr/bin/env python3
"""Draws the question pictures of the demo bank into data/obr/*.gif.

Every picture is drawn at four times its final size, scaled down with a
Lanczos filter and quantised to a small palette without dithering, so the
GIFs look smooth but stay small.  The output depends only on this script,
Pillow and the DejaVu Sans Bold font, so running it again reproduces the
committed files.

Usage:  python3 data/art/draw_pictures.py [OUTPUT_DIR]
"""

import math
import os
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

SS = 4  # supersampling factor

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_OUT = os.path.normpath(os.path.join(HERE, "..", "obr"))

FONT_CANDIDATES = [
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/dejavu/DejaVuSans-Bold.ttf",
    "/usr/local/share/fonts/DejaVuSans-Bold.ttf",
]

# colours
BLACK = (20, 20, 22)
WHITE = (255, 255, 255)
SIGN_RED = (204, 20, 32)
SIGN_BLUE = (18, 84, 164)
SIGN_YELLOW = (250, 200, 0)
BUOY_RED = (206, 28, 36)
BUOY_GREEN = (0, 138, 62)
BUOY_YELLOW = (250, 204, 0)
CONE_BLUE = (22, 88, 200)
PAPER = (238, 242, 246)
OUTLINE = (96, 102, 110)

LIGHT_WHITE = (255, 250, 232)
LIGHT_RED = (255, 44, 36)
LIGHT_GREEN = (40, 235, 110)
LIGHT_BLUE = (70, 130, 255)


def font(size_px):
    for path in FONT_CANDIDATES:
        if os.path.exists(path):
            return ImageFont.truetype(path, int(round(size_px * SS)))
    raise SystemExit("DejaVu Sans Bold not found (install fonts-dejavu-core)")


def mix(c1, c2, t):
    return tuple(int(round(a + (b - a) * t)) for a, b in zip(c1, c2))


class Pic:
    """A picture drawn in final-pixel coordinates on a 4x canvas."""

    def __init__(self, w, h, bg=PAPER):
        self.w, self.h = w, h
        self.img = Image.new("RGBA", (w * SS, h * SS), bg + (255,))
        self.d = ImageDraw.Draw(self.img)

    # coordinate helpers
    @staticmethod
    def s(v):
        return v * SS

    def pts(self, pts):
        return [(x * SS, y * SS) for x, y in pts]

    # primitives
    def vgrad(self, y0, y1, c0, c1, x0=0, x1=None):
        x1 = self.w if x1 is None else x1
        a, b = int(round(y0 * SS)), int(round(y1 * SS))
        for y in range(a, b):
            t = (y - a) / max(1, b - a - 1)
            self.d.line([(x0 * SS, y), (x1 * SS - 1, y)], fill=mix(c0, c1, t) + (255,))

    def rect(self, x0, y0, x1, y1, fill=None, outline=None, width=0):
        self.d.rectangle([x0 * SS, y0 * SS, x1 * SS - 1, y1 * SS - 1],
                         fill=fill, outline=outline, width=int(width * SS))

    def poly(self, pts, fill=None, outline=None, width=0):
        self.d.polygon(self.pts(pts), fill=fill)
        if outline and width:
            p = self.pts(pts)
            self.d.line(p + [p[0]], fill=outline, width=int(width * SS), joint="curve")

    def ellipse(self, cx, cy, rx, ry, fill=None, outline=None, width=0):
        self.d.ellipse([(cx - rx) * SS, (cy - ry) * SS, (cx + rx) * SS, (cy + ry) * SS],
                       fill=fill, outline=outline, width=int(width * SS))

    def circle(self, cx, cy, r, fill=None, outline=None, width=0):
        self.ellipse(cx, cy, r, r, fill, outline, width)

    def line(self, pts, fill, width, round_caps=True):
        p = self.pts(pts)
        wpx = int(round(width * SS))
        self.d.line(p, fill=fill, width=wpx, joint="curve")
        if round_caps:
            r = wpx / 2.0
            for (x, y) in (p[0], p[-1]):
                self.d.ellipse([x - r, y - r, x + r, y + r], fill=fill)

    def arc(self, cx, cy, r, a0, a1, fill, width, steps=48):
        pts = []
        for i in range(steps + 1):
            a = math.radians(a0 + (a1 - a0) * i / steps)
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
        self.line(pts, fill, width)
        return pts

    def text(self, cx, cy, s, size, fill):
        f = font(size)
        x0, y0, x1, y1 = self.d.textbbox((0, 0), s, font=f)
        self.d.text((cx * SS - (x0 + x1) / 2.0, cy * SS - (y0 + y1) / 2.0), s, font=f, fill=fill)

    # a light with a soft halo and a reflection on the water
    def light(self, cx, cy, color, r=4.2, water_y=None, flash=False):
        layer = Image.new("RGBA", self.img.size, (0, 0, 0, 0))
        ld = ImageDraw.Draw(layer)
        R = r * 3.4
        ld.ellipse([(cx - R) * SS, (cy - R) * SS, (cx + R) * SS, (cy + R) * SS],
                   fill=color + (150,))
        if water_y is not None:
            # a vertical, broken glitter on the water below the light
            depth = 18
            for k in range(5):
                yy = water_y + 3 + k * depth / 5.0
                ww = r * (1.4 - 0.18 * k)
                ld.ellipse([(cx - ww) * SS, (yy - 0.9) * SS, (cx + ww) * SS, (yy + 0.9) * SS],
                           fill=color + (150 - 22 * k,))
        layer = layer.filter(ImageFilter.GaussianBlur(r * SS * 1.1))
        self.img.alpha_composite(layer)
        self.d = ImageDraw.Draw(self.img)
        if flash:
            for k in range(8):
                a = math.radians(k * 45 + 22.5)
                self.line([(cx + math.cos(a) * r * 1.6, cy + math.sin(a) * r * 1.6),
                           (cx + math.cos(a) * r * 3.3, cy + math.sin(a) * r * 3.3)],
                          mix(color, WHITE, 0.35) + (255,), 1.3)
        self.circle(cx, cy, r, fill=mix(color, WHITE, 0.08) + (255,))
        self.circle(cx, cy, r * 0.4, fill=mix(color, WHITE, 0.55) + (255,))

    def save(self, out_dir, name, colors=64, octree=False):
        small = self.img.convert("RGB").resize((self.w, self.h), Image.LANCZOS)
        # Median cut keeps large flat areas and gradients exact.  For night
        # scenes its palette is merged with an octree palette, which keeps the
        # few bright pixels of each light from being averaged away.
        q = small.quantize(colors=colors, method=Image.Quantize.MEDIANCUT,
                           dither=Image.Dither.NONE)
        if octree:
            pal = []
            for src in (q, small.quantize(colors=64, method=Image.Quantize.FASTOCTREE,
                                          dither=Image.Dither.NONE)):
                used = sorted(set(src.getdata()))
                raw = src.getpalette()
                for i in used:
                    c = tuple(raw[3 * i:3 * i + 3])
                    if c not in pal:
                        pal.append(c)
            pal = pal[:256]
            pimg = Image.new("P", (1, 1))
            flat = [v for c in pal for v in c]
            pimg.putpalette(flat + flat[:3] * (256 - len(pal)))
            q = small.quantize(palette=pimg, dither=Image.Dither.NONE)
        path = os.path.join(out_dir, name + ".gif")
        q.save(path, "GIF", optimize=False)
        return path


# ---------------------------------------------------------------- signs

class Board:
    """Maps 0..100 sign units onto a square board of the picture."""

    def __init__(self, pic, x, y, size):
        self.p, self.x, self.y, self.k = pic, x, y, size / 100.0

    def u(self, pts):
        return [(self.x + a * self.k, self.y + b * self.k) for a, b in pts]

    def poly(self, pts, fill):
        self.p.poly(self.u(pts), fill=fill + (255,))

    def line(self, pts, fill, width):
        self.p.line(self.u(pts), fill + (255,), width * self.k)

    def rect(self, a, b, c, d, fill):
        (x0, y0), (x1, y1) = self.u([(a, b), (c, d)])
        self.p.rect(x0, y0, x1, y1, fill=fill + (255,))

    def circle(self, a, b, r, fill=None, outline=None, width=0):
        (cx, cy), = self.u([(a, b)])
        self.p.circle(cx, cy, r * self.k, fill=fill + (255,) if fill else None,
                      outline=outline + (255,) if outline else None, width=width * self.k)

    def arc(self, a, b, r, a0, a1, fill, width):
        (cx, cy), = self.u([(a, b)])
        return self.p.arc(cx, cy, r * self.k, a0, a1, fill + (255,), width * self.k)

    def text(self, a, b, s, size, fill):
        (cx, cy), = self.u([(a, b)])
        self.p.text(cx, cy, s, size * self.k, fill + (255,))


def board_frame(b, kind):
    """Paints the board background: 'red' (prohibition/obligation frame), 'blue' (information)."""
    p = b.p
    (x0, y0), (x1, y1) = b.u([(0, 0), (100, 100)])
    # soft shadow
    p.rect(x0 + 2, y0 + 2, x1 + 2, y1 + 2, fill=(200, 206, 214, 255))
    if kind == "blue":
        b.rect(0, 0, 100, 100, SIGN_BLUE)
        b.line([(5, 5), (95, 5), (95, 95), (5, 95), (5, 5)], WHITE, 2.2)
    else:
        b.rect(0, 0, 100, 100, SIGN_RED)
        b.rect(10, 10, 90, 90, WHITE)
    p.rect(x0, y0, x1, y1, outline=OUTLINE + (255,), width=1)


def diagonal(b):
    # red stripe from the upper left to the lower right corner of the white field
    b.poly([(10, 10), (21, 10), (90, 79), (90, 90), (79, 90), (10, 21)], SIGN_RED)


def sym_two_boats(b):
    for cx in (37, 63):
        b.poly([(cx, 18), (cx + 8, 33), (cx + 8, 82), (cx - 8, 82), (cx - 8, 33)], BLACK)


def sym_anchor(b, color):
    b.circle(50, 20, 6.5, outline=color, width=4)
    b.line([(50, 27), (50, 80)], color, 7)
    b.line([(33, 36), (67, 36)], color, 6)
    cx, cy, r = 50, 54, 27
    a0, a1 = 20, 160
    b.arc(cx, cy, r, a0, a1, color, 6.5)
    # a fluke at each end of the crown, pointing on along the curve
    for a, sgn in ((a0, 1), (a1, -1)):
        ra = math.radians(a)
        ex, ey = cx + r * math.cos(ra), cy + r * math.sin(ra)
        tx, ty = sgn * math.sin(ra), -abs(math.cos(ra))  # up and outwards
        n = math.hypot(tx, ty)
        tx, ty = tx / n, ty / n
        px, py = -ty, tx
        tip = (ex + tx * 13, ey + ty * 13)
        base = (ex - tx * 2, ey - ty * 2)
        b.poly([tip, (base[0] + px * 7.5, base[1] + py * 7.5),
                (base[0] - px * 7.5, base[1] - py * 7.5)], color)


def sym_letter_p(b, color):
    b.text(52, 52, "P", 66, color)


def sym_waves(b):
    for v in (33, 50, 67):
        pts = []
        for i in range(41):
            t = i / 40.0
            pts.append((22 + 56 * t, v + 5.5 * math.sin(t * math.pi * 3)))
        b.line(pts, BLACK, 5)


def sym_skier(b):
    b.line([(20, 84), (35, 81), (50, 84), (65, 81), (80, 84)], BLACK, 3)  # water
    b.line([(24, 73), (62, 76)], BLACK, 4.5)  # ski
    b.line([(44, 74), (49, 62), (41, 52)], BLACK, 5)  # leg
    b.line([(41, 52), (50, 36)], BLACK, 6)  # body
    b.circle(54, 28, 6, fill=BLACK)  # head
    b.line([(49, 40), (66, 45)], BLACK, 4.5)  # arms
    b.line([(66, 45), (86, 33)], BLACK, 2)  # tow rope


def sym_uturn(b, color):
    b.arc(50, 58, 23, 180, 360, color, 8)
    b.line([(73, 58), (73, 76)], color, 8)
    b.poly([(15, 54), (39, 54), (27, 74)], color)


def sign_no_overtaking(b):
    board_frame(b, "red")
    sym_two_boats(b)
    diagonal(b)


def sign_no_anchoring(b):
    board_frame(b, "red")
    sym_anchor(b, BLACK)
    diagonal(b)


def sign_no_berthing(b):
    board_frame(b, "red")
    sym_letter_p(b, BLACK)
    diagonal(b)


def sign_no_wash(b):
    board_frame(b, "red")
    sym_waves(b)
    diagonal(b)


def sign_no_skiing(b):
    board_frame(b, "red")
    sym_skier(b)
    diagonal(b)


def sign_no_entry(b):
    p = b.p
    (x0, y0), (x1, y1) = b.u([(0, 0), (100, 100)])
    p.rect(x0 + 2, y0 + 2, x1 + 2, y1 + 2, fill=(200, 206, 214, 255))
    b.rect(0, 0, 100, 100, SIGN_RED)
    b.rect(0, 37, 100, 63, WHITE)
    p.rect(x0, y0, x1, y1, outline=OUTLINE + (255,), width=1)


def sign_speed(b):
    board_frame(b, "red")
    b.text(50, 52, "12", 50, BLACK)


def sign_berthing(b):
    board_frame(b, "blue")
    sym_letter_p(b, WHITE)


def sign_anchoring(b):
    board_frame(b, "blue")
    sym_anchor(b, WHITE)


def sign_turning(b):
    board_frame(b, "blue")
    sym_uturn(b, WHITE)


def single_sign(out, name, fn):
    p = Pic(160, 160)
    fn(Board(p, 9, 9, 140))
    return p.save(out, name)


def sign_row(out):
    p = Pic(540, 180)
    sign_no_berthing(Board(p, 24, 16, 146))
    sign_anchoring(Board(p, 197, 16, 146))
    sign_no_anchoring(Board(p, 370, 16, 146))
    return p.save(out, "znacky_trojice")


def bridge_diamond(out):
    w, h = 210, 160
    p = Pic(w, h)
    p.vgrad(0, 112, (176, 210, 238), (222, 236, 248))
    p.vgrad(112, h, (92, 140, 184), (56, 104, 152))
    stone = (168, 160, 148, 255)
    dark = (132, 124, 114, 255)
    # bridge body with one arch
    p.rect(0, 10, w, 126, fill=stone)
    p.rect(0, 10, w, 16, fill=dark)          # parapet edge
    p.rect(0, 120, w, 126, fill=dark)
    cx, top, half = 105, 62, 66
    # re-paint the opening with the background (sky above the water, water below)
    mask = Image.new("L", p.img.size, 0)
    md = ImageDraw.Draw(mask)
    md.ellipse([(cx - half) * SS, top * SS, (cx + half) * SS, (top + 88) * SS], fill=255)
    md.rectangle([(cx - half) * SS, (top + 44) * SS, (cx + half) * SS, h * SS], fill=255)
    bg = Pic(w, h)
    bg.vgrad(0, 112, (150, 178, 204), (186, 204, 222))
    bg.vgrad(112, h, (92, 140, 184), (56, 104, 152))
    p.img.paste(bg.img, (0, 0), mask)
    p.d = ImageDraw.Draw(p.img)
    # arch rim
    rim = [(cx + half * math.cos(math.radians(a)), top + 44 + 44 * math.sin(math.radians(a)))
           for a in range(180, 361, 4)]
    p.line(rim, dark, 2.5)
    # pillar footings in the water
    p.rect(0, 112, cx - half, 126, fill=stone)
    p.rect(cx + half, 112, w, 126, fill=stone)
    # water line
    p.rect(0, 126, w, 128, fill=(70, 118, 164, 255))
    # the yellow diamond board above the arch
    dy = 36
    r = 19
    p.poly([(cx, dy - r), (cx + r, dy), (cx, dy + r), (cx - r, dy)],
           fill=SIGN_YELLOW + (255,), outline=(90, 80, 40, 255), width=1.2)
    return p.save(out, "most_kosoctverec")


# ---------------------------------------------------------------- night scenes

NIGHT_SKY_TOP = (6, 10, 26)
NIGHT_SKY_LOW = (20, 30, 60)
NIGHT_WATER_TOP = (12, 22, 44)
NIGHT_WATER_LOW = (4, 8, 20)


def night(w, h, horizon):
    p = Pic(w, h, NIGHT_SKY_TOP)
    p.vgrad(0, horizon, NIGHT_SKY_TOP, NIGHT_SKY_LOW)
    p.vgrad(horizon, h, NIGHT_WATER_TOP, NIGHT_WATER_LOW)
    return p


def night_head_on(out):
    p = night(200, 150, 112)
    p.light(100, 44, LIGHT_WHITE, 4.6)
    p.light(60, 102, LIGHT_GREEN, 4.2, water_y=112)   # starboard, seen on the left
    p.light(140, 102, LIGHT_RED, 4.2, water_y=112)    # port, seen on the right
    return p.save(out, "svetla_motor_zpredu", 180, octree=True)


def night_port_side(out):
    p = night(200, 150, 112)
    p.light(80, 44, LIGHT_WHITE, 4.6)
    p.light(116, 102, LIGHT_RED, 4.2, water_y=112)
    return p.save(out, "svetla_motor_levobok", 180, octree=True)


def night_sailing_head_on(out):
    p = night(200, 150, 112)
    p.light(84, 102, LIGHT_GREEN, 4.2, water_y=112)
    p.light(116, 102, LIGHT_RED, 4.2, water_y=112)
    return p.save(out, "svetla_plachetnice_zpredu", 180, octree=True)


def night_pushed_convoy(out):
    p = night(220, 150, 114)
    side = 46.0
    apex_y = 36
    base_y = apex_y + side * math.sqrt(3) / 2
    p.light(110, apex_y, LIGHT_WHITE, 4.4)
    p.light(110 - side / 2, base_y, LIGHT_WHITE, 4.4)
    p.light(110 + side / 2, base_y, LIGHT_WHITE, 4.4)
    p.light(34, 104, LIGHT_GREEN, 4.2, water_y=114)
    p.light(186, 104, LIGHT_RED, 4.2, water_y=114)
    return p.save(out, "svetla_tlacna_sestava", 180, octree=True)


def night_blue_flash(out):
    p = night(200, 150, 112)
    p.light(100, 24, LIGHT_BLUE, 4.4, flash=True)
    p.light(100, 56, LIGHT_WHITE, 4.4)
    p.light(64, 102, LIGHT_GREEN, 4.2, water_y=112)
    p.light(136, 102, LIGHT_RED, 4.2, water_y=112)
    return p.save(out, "svetla_modre", 180, octree=True)


def night_wash(out):
    p = night(170, 170, 128)
    hull = (30, 38, 58, 255)
    # faint silhouette of a stationary working vessel
    p.poly([(16, 112), (154, 112), (146, 130), (24, 130)], fill=hull)
    p.rect(56, 94, 112, 112, fill=hull)
    p.rect(82, 30, 86, 94, fill=hull)
    p.light(98, 44, LIGHT_RED, 4.4)
    p.light(98, 74, LIGHT_WHITE, 4.4)
    return p.save(out, "svetla_vlnobiti", 180, octree=True)


def night_towed_convoy(out):
    # seen from its starboard side: it moves from left to right
    p = night(600, 180, 132)
    sil = (28, 36, 56, 255)
    # towing vessel (right)
    p.poly([(470, 112), (584, 112), (572, 132), (478, 132)], fill=sil)
    p.rect(500, 94, 548, 112, fill=sil)
    p.rect(540, 36, 543, 94, fill=sil)
    # two towed barges
    for x0 in (250, 40):
        p.poly([(x0, 116), (x0 + 150, 116), (x0 + 146, 132), (x0 + 4, 132)], fill=sil)
        p.rect(x0 + 8, 106, x0 + 40, 116, fill=sil)
    # tow lines
    rope = (58, 66, 88, 255)
    p.line([(470, 118), (436, 126), (400, 118)], rope, 1.2)
    p.line([(250, 120), (220, 127), (190, 120)], rope, 1.2)
    # lights
    p.light(536, 42, LIGHT_WHITE, 4.4)
    p.light(536, 66, LIGHT_WHITE, 4.4)
    p.light(560, 104, LIGHT_GREEN, 4.2, water_y=132)
    p.light(268, 84, LIGHT_WHITE, 4.0, water_y=132)
    p.light(58, 84, LIGHT_WHITE, 4.0, water_y=132)
    return p.save(out, "svetla_vlecna_sestava", 180, octree=True)


# ---------------------------------------------------------------- day scenes

DAY_SKY_TOP = (170, 206, 238)
DAY_SKY_LOW = (226, 238, 248)
DAY_WATER_TOP = (96, 146, 190)
DAY_WATER_LOW = (50, 98, 150)


def day(w, h, horizon):
    p = Pic(w, h)
    p.vgrad(0, horizon, DAY_SKY_TOP, DAY_SKY_LOW)
    p.vgrad(horizon, h, DAY_WATER_TOP, DAY_WATER_LOW)
    # a few calm ripples
    for i, y in enumerate(range(int(horizon) + 8, h - 4, 12)):
        x = 14 + (i * 37) % 60
        while x < w - 30:
            p.line([(x, y), (x + 16, y)], (150, 190, 222, 255), 1)
            x += 64
    return p


def cone(p, cx, top, bottom, half, color, point_down):
    if point_down:
        p.poly([(cx - half, top), (cx + half, top), (cx, bottom)], fill=color + (255,))
    else:
        p.poly([(cx, top), (cx + half, bottom), (cx - half, bottom)], fill=color + (255,))


def day_motor_sailing(out):
    p = day(200, 220, 176)
    # hull heading right
    p.poly([(30, 168), (176, 168), (160, 188), (44, 188)], fill=(248, 248, 250, 255),
           outline=(80, 90, 104, 255), width=1.2)
    p.rect(44, 180, 160, 183, fill=(30, 70, 130, 255))
    p.rect(92, 18, 96, 170, fill=(90, 90, 96, 255))              # mast
    p.line([(96, 22), (172, 166)], (90, 90, 96, 255), 0.9)        # forestay
    p.poly([(90, 24), (90, 154), (36, 156)], fill=(252, 252, 250, 255),
           outline=(150, 156, 166, 255), width=1)                # mainsail
    p.rect(36, 154, 92, 158, fill=(90, 90, 96, 255))             # boom
    p.poly([(99, 30), (99, 158), (162, 160)], fill=(246, 248, 250, 255),
           outline=(150, 156, 166, 255), width=1)                # jib
    # black cone point down, hung in the fore rigging
    p.line([(112, 48), (112, 58)], (60, 60, 60, 255), 0.8)
    cone(p, 112, 58, 84, 13, BLACK, True)
    # exhaust hint: small wake at the stern
    p.line([(20, 186), (34, 184)], (230, 240, 250, 255), 1.5)
    return p.save(out, "denni_kuzel")


def day_towing(out):
    p = day(220, 200, 150)
    # tug heading right, tow line to the left
    p.poly([(70, 146), (204, 146), (192, 168), (82, 168)], fill=(40, 48, 60, 255))
    p.rect(82, 158, 192, 162, fill=(190, 40, 40, 255))
    p.rect(118, 116, 176, 146, fill=(236, 236, 232, 255), outline=(80, 84, 90, 255), width=1)
    p.rect(124, 122, 170, 132, fill=(70, 110, 150, 255))
    p.rect(146, 26, 150, 116, fill=(80, 80, 86, 255))            # mast
    # yellow cylinder with black and white bands at top and bottom
    cx, top, cw, chh = 148, 38, 24, 40
    x0, x1 = cx - cw / 2, cx + cw / 2
    p.rect(x0, top, x1, top + chh, fill=BUOY_YELLOW + (255,))
    p.rect(x0, top, x1, top + 4, fill=WHITE + (255,))
    p.rect(x0, top + 4, x1, top + 9, fill=BLACK + (255,))
    p.rect(x0, top + chh - 9, x1, top + chh - 4, fill=BLACK + (255,))
    p.rect(x0, top + chh - 4, x1, top + chh, fill=WHITE + (255,))
    p.rect(x0, top, x1, top + chh, outline=(60, 60, 60, 255), width=0.8)
    # tow line
    p.line([(72, 148), (40, 160), (0, 158)], (70, 60, 50, 255), 1.4, round_caps=False)
    # wash at the bow
    p.line([(204, 166), (216, 170)], (235, 244, 252, 255), 1.6)
    return p.save(out, "denni_valec")


def day_blue_cones(out):
    p = day(200, 210, 164)
    p.poly([(14, 150), (190, 150), (182, 176), (22, 176)], fill=(58, 62, 70, 255))
    p.rect(22, 142, 150, 150, fill=(90, 96, 104, 255))           # cargo hatches
    p.rect(150, 118, 184, 150, fill=(236, 236, 232, 255), outline=(80, 84, 90, 255), width=1)
    p.rect(154, 124, 180, 132, fill=(70, 110, 150, 255))
    p.rect(98, 20, 102, 142, fill=(80, 80, 86, 255))             # signal mast
    for k in range(3):
        t = 26 + k * 34
        cone(p, 100, t, t + 24, 13, CONE_BLUE, True)
    return p.save(out, "denni_modre_kuzele")


def bicone(p, cx, cy, half_w, half_h, color):
    p.poly([(cx - half_w, cy), (cx, cy - half_h), (cx + half_w, cy), (cx, cy + half_h)],
           fill=color + (255,))


def day_floating_machine(out):
    # a dredger at work seen end-on; the fairway is clear on its right side
    p = day(220, 200, 150)
    p.poly([(40, 140), (180, 140), (170, 168), (50, 168)], fill=(70, 74, 80, 255))
    p.rect(70, 104, 150, 140, fill=(216, 170, 40, 255), outline=(90, 80, 50, 255), width=1)
    p.rect(84, 112, 136, 124, fill=(70, 110, 150, 255))
    p.rect(108, 22, 112, 104, fill=(80, 80, 86, 255))            # mast
    p.rect(40, 30, 180, 34, fill=(80, 80, 86, 255))              # yard
    # obstructed (left) side: red ball
    p.line([(50, 34), (50, 44)], (70, 70, 70, 255), 0.9)
    p.circle(50, 56, 12, fill=BUOY_RED + (255,))
    # clear (right) side: two green double cones one above the other
    p.line([(170, 34), (170, 44)], (70, 70, 70, 255), 0.9)
    bicone(p, 170, 56, 12, 12, BUOY_GREEN)
    p.line([(170, 68), (170, 76)], (70, 70, 70, 255), 0.9)
    bicone(p, 170, 88, 12, 12, BUOY_GREEN)
    return p.save(out, "denni_plovouci_stroj")


# ---------------------------------------------------------------- buoys

def buoy_scene(w, h, water):
    p = Pic(w, h)
    p.vgrad(0, water, DAY_SKY_TOP, DAY_SKY_LOW)
    p.vgrad(water, h, DAY_WATER_TOP, DAY_WATER_LOW)
    return p


def shade(p, x0, y0, x1, y1, amount=0.22):
    """Darkens the right part of a body to suggest roundness."""
    layer = Image.new("RGBA", p.img.size, (0, 0, 0, 0))
    ld = ImageDraw.Draw(layer)
    xm = x0 + (x1 - x0) * 0.62
    ld.rectangle([xm * SS, y0 * SS, x1 * SS, y1 * SS], fill=(0, 0, 0, int(255 * amount)))
    return layer


def water_ring(p, cx, y, half):
    p.ellipse(cx, y + 1, half + 8, 3.2, fill=(62, 108, 156, 255))
    p.line([(cx - half - 12, y + 6), (cx - half + 2, y + 6)], (150, 190, 222, 255), 1)
    p.line([(cx + half - 2, y + 7), (cx + half + 12, y + 7)], (150, 190, 222, 255), 1)


def body_mask(p, poly):
    mask = Image.new("L", p.img.size, 0)
    ImageDraw.Draw(mask).polygon(p.pts(poly), fill=255)
    return mask


def paint_bands(p, poly, bands, outline=(60, 60, 60, 255)):
    """Fills polygon poly with horizontal bands [(y_from, y_to, colour)], shaded."""
    mask = body_mask(p, poly)
    layer = Image.new("RGBA", p.img.size, (0, 0, 0, 0))
    ld = ImageDraw.Draw(layer)
    for y0, y1, c in bands:
        ld.rectangle([0, y0 * SS, p.w * SS, y1 * SS], fill=c + (255,))
    xs = [x for x, _ in poly]
    ys = [y for _, y in poly]
    layer.alpha_composite(shade(p, min(xs), min(ys), max(xs), max(ys)))
    p.img.paste(layer, (0, 0), mask)
    p.d = ImageDraw.Draw(p.img)
    pp = p.pts(poly)
    p.d.line(pp + [pp[0]], fill=outline, width=int(1 * SS), joint="curve")


def staff(p, cx, y0, y1):
    p.rect(cx - 1.6, y0, cx + 1.6, y1, fill=(70, 70, 74, 255))


def buoy_right(p, cx, water):
    staff(p, cx, 40, water - 70)
    p.rect(cx - 12, 16, cx + 12, 40, fill=BUOY_RED + (255,), outline=(90, 20, 20, 255), width=1)
    body = [(cx - 24, water - 72), (cx + 24, water - 72), (cx + 24, water + 2), (cx - 24, water + 2)]
    paint_bands(p, body, [(0, p.h, BUOY_RED)])
    water_ring(p, cx, water, 24)


def buoy_left(p, cx, water):
    staff(p, cx, 40, water - 70)
    cone(p, cx, 14, 40, 13, BUOY_GREEN, False)
    body = [(cx - 4, water - 74), (cx + 4, water - 74), (cx + 27, water + 2), (cx - 27, water + 2)]
    paint_bands(p, body, [(0, p.h, BUOY_GREEN)])
    water_ring(p, cx, water, 27)


def buoy_bifurcation(p, cx, water):
    staff(p, cx, 36, water - 58)
    # spherical topmark, red over green
    r = 11
    p.circle(cx, 28, r, fill=BUOY_GREEN + (255,))
    p.d.pieslice([(cx - r) * SS, (28 - r) * SS, (cx + r) * SS, (28 + r) * SS], 180, 360,
                 fill=BUOY_RED + (255,))
    p.circle(cx, 28, r, outline=(50, 50, 50, 255), width=0.8)
    # spherical body with horizontal bands red, green, red, green
    R = 30
    cy = water - 22
    poly = [(cx + R * math.cos(math.radians(a)), cy + R * math.sin(math.radians(a)))
            for a in range(0, 360, 4)]
    poly = [(x, min(y, water + 2)) for x, y in poly]
    top = cy - R
    step = (water + 2 - top) / 4.0
    paint_bands(p, poly, [(top + i * step, top + (i + 1) * step + 0.5,
                           BUOY_RED if i % 2 == 0 else BUOY_GREEN) for i in range(4)])
    water_ring(p, cx, water, 28)


def pillar(cx, water, top, half_top, half_bot):
    return [(cx - half_top, top), (cx + half_top, top), (cx + half_bot, water + 2),
            (cx - half_bot, water + 2)]


def cardinal(p, cx, water, kind):
    """kind: 'N', 'E', 'S', 'W'."""
    top = water - 92
    body = pillar(cx, water, top, 11, 25)
    mid = top + (water + 2 - top) / 2.0
    third = (water + 2 - top) / 3.0
    if kind == "N":
        bands = [(top, mid, BLACK), (mid, water + 3, BUOY_YELLOW)]
    elif kind == "S":
        bands = [(top, mid, BUOY_YELLOW), (mid, water + 3, BLACK)]
    elif kind == "E":
        bands = [(top, top + third, BLACK), (top + third, top + 2 * third, BUOY_YELLOW),
                 (top + 2 * third, water + 3, BLACK)]
    else:
        bands = [(top, top + third, BUOY_YELLOW), (top + third, top + 2 * third, BLACK),
                 (top + 2 * third, water + 3, BUOY_YELLOW)]
    staff(p, cx, 12, top)
    # topmark: two black cones
    up1, up2 = {"N": (False, False), "S": (True, True),
                "E": (False, True), "W": (True, False)}[kind]
    cone(p, cx, 12, 31, 11, BLACK, up1)
    cone(p, cx, 36, 55, 11, BLACK, up2)
    paint_bands(p, body, bands)
    water_ring(p, cx, water, 25)


def isolated_danger(p, cx, water):
    top = water - 92
    body = pillar(cx, water, top, 11, 25)
    h = water + 2 - top
    staff(p, cx, 14, top)
    p.circle(cx, 22, 9.5, fill=BLACK + (255,))
    p.circle(cx, 46, 9.5, fill=BLACK + (255,))
    paint_bands(p, body, [(top, top + h * 0.36, BLACK), (top + h * 0.36, top + h * 0.64, BUOY_RED),
                          (top + h * 0.64, water + 3, BLACK)])
    water_ring(p, cx, water, 25)


def buoy_single(out, name, fn, *args):
    p = buoy_scene(140, 220, 176)
    fn(p, 70, 176, *args)
    return p.save(out, name)


def buoy_lateral_row(out):
    p = buoy_scene(480, 200, 160)
    buoy_right(p, 90, 160)
    buoy_left(p, 240, 160)
    buoy_bifurcation(p, 390, 160)
    return p.save(out, "bojky_lateralni")


def buoy_cardinal_row(out):
    w, h, water = 600, 200, 158
    p = buoy_scene(w, h, water)
    for i, kind in enumerate("SWNE"):
        cx = 75 + i * 150
        cardinal(p, cx, water, kind)
        p.circle(cx, 184, 10, fill=(255, 255, 255, 255), outline=(40, 60, 90, 255), width=1.2)
        p.text(cx, 184.5, str(i + 1), 13, (20, 30, 50, 255))
    return p.save(out, "bojky_kardinalni")


# ---------------------------------------------------------------- main

def main():
    out = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_OUT
    os.makedirs(out, exist_ok=True)
    made = [
        single_sign(out, "zn_zakaz_predjizdeni", sign_no_overtaking),
        single_sign(out, "zn_zakaz_kotveni", sign_no_anchoring),
        single_sign(out, "zn_zakaz_stani", sign_no_berthing),
        single_sign(out, "zn_zakaz_vlnobiti", sign_no_wash),
        single_sign(out, "zn_zakaz_lyzovani", sign_no_skiing),
        single_sign(out, "zn_zakaz_propluti", sign_no_entry),
        single_sign(out, "zn_rychlost", sign_speed),
        single_sign(out, "zn_povolene_stani", sign_berthing),
        single_sign(out, "zn_povolene_kotveni", sign_anchoring),
        single_sign(out, "zn_obratiste", sign_turning),
        sign_row(out),
        bridge_diamond(out),
        night_head_on(out),
        night_port_side(out),
        night_sailing_head_on(out),
        night_pushed_convoy(out),
        night_blue_flash(out),
        night_wash(out),
        night_towed_convoy(out),
        day_motor_sailing(out),
        day_towing(out),
        day_blue_cones(out),
        day_floating_machine(out),
        buoy_single(out, "bojka_prava", buoy_right),
        buoy_single(out, "bojka_leva", buoy_left),
        buoy_single(out, "bojka_sever", cardinal, "N"),
        buoy_single(out, "bojka_jih", cardinal, "S"),
        buoy_single(out, "bojka_nebezpeci", isolated_danger),
        buoy_lateral_row(out),
        buoy_cardinal_row(out),
    ]
    for path in made:
        with Image.open(path) as im:
            print("%-28s %dx%d" % (os.path.basename(path), im.width, im.height))


if __name__ == "__main__":
    main()
