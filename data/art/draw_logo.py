#!/usr/bin/env python3
"""Draws the launcher background data/Logo.jpg (480 x 315 pixels).

A calm lake scene: sky gradient, a low sun glow behind a far shore, a
sailboat and a buoy on the right, and the title on the right side.  The left third (where the launcher
puts its three buttons) holds nothing but the soft sky and water gradients.
Drawn at four times the size and scaled down; the output depends only on
this script, Pillow and the DejaVu fonts.

Usage:  python3 data/art/draw_logo.py [OUTPUT_FILE]
"""

import math
import os
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

W, H = 480, 315
SS = 4
HORIZON = 196

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_OUT = os.path.normpath(os.path.join(HERE, "..", "Logo.jpg"))

FONT_DIRS = ["/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/dejavu",
             "/usr/local/share/fonts"]


def font(name, size):
    for d in FONT_DIRS:
        path = os.path.join(d, name)
        if os.path.exists(path):
            return ImageFont.truetype(path, int(size * SS))
    raise SystemExit("font %s not found (install fonts-dejavu-core)" % name)


def mix(c1, c2, t):
    t = max(0.0, min(1.0, t))
    return tuple(int(round(a + (b - a) * t)) for a, b in zip(c1, c2))


def S(pts):
    return [(x * SS, y * SS) for x, y in pts]


def smoothstep(e0, e1, x):
    t = max(0.0, min(1.0, (x - e0) / float(e1 - e0)))
    return t * t * (3 - 2 * t)


def background():
    img = Image.new("RGB", (W * SS, H * SS))
    px = img.load()
    sky_top = (104, 166, 222)
    sky_low = (222, 238, 250)
    water_top = (146, 190, 224)
    water_low = (34, 92, 150)
    sun = (255, 246, 214)
    sun_x, sun_y = 440 * SS, 176 * SS
    for y in range(H * SS):
        yy = y / float(SS)
        if yy < HORIZON:
            base = mix(sky_top, sky_low, (yy / HORIZON) ** 1.3)
        else:
            base = mix(water_top, water_low, ((yy - HORIZON) / (H - HORIZON)) ** 0.8)
        for x in range(0, W * SS):
            xx = x / float(SS)
            c = base
            # a very soft sun glow in the upper right, invisible on the left
            dx, dy = (x - sun_x) / float(SS), (y - sun_y) / float(SS)
            d = math.sqrt(dx * dx + dy * dy)
            g = math.exp(-(d / 110.0) ** 2) * 0.6
            if yy >= HORIZON:
                g *= 0.35
            g *= smoothstep(170, 320, xx)
            if g > 0.002:
                c = mix(c, sun, g)
            px[x, y] = c
    return img


def draw_shore(d):
    # far hills on the right, fading out before the left third
    pts = [(190, HORIZON)]
    for i in range(0, 73):
        x = 190 + i * 4.0
        h = 9 + 7 * math.sin(x / 31.0) + 4 * math.sin(x / 11.0 + 1.3)
        h *= smoothstep(190, 290, x)
        pts.append((x, HORIZON - h))
    pts.append((W, HORIZON))
    d.polygon(S(pts), fill=(126, 160, 150))
    pts2 = [(260, HORIZON)]
    for i in range(0, 56):
        x = 260 + i * 4.0
        h = 5 + 4 * math.sin(x / 17.0 + 0.4)
        h *= smoothstep(260, 330, x)
        pts2.append((x, HORIZON - h))
    pts2.append((W, HORIZON))
    d.polygon(S(pts2), fill=(98, 136, 124))


def draw_waves(img):
    layer = Image.new("RGBA", img.size, (0, 0, 0, 0))
    ld = ImageDraw.Draw(layer)
    row = 0
    y = HORIZON + 8
    while y < H - 4:
        spacing = 26 + row * 6
        length = 8 + row * 2.2
        x = 170 + (row * 37) % spacing
        while x < W:
            a = int(120 * smoothstep(170, 260, x))
            if a > 0:
                ld.line(S([(x, y), (x + length, y)]), fill=(230, 242, 252, a),
                        width=int(SS * (0.8 + row * 0.12)))
            x += spacing
        row += 1
        y += 7 + row * 1.6
    return Image.alpha_composite(img.convert("RGBA"), layer).convert("RGB")


def draw_sailboat(img, x, wl, scale):
    """Sailboat heading left, waterline at wl."""
    def P(pts):
        return S([(x + a * scale, wl + b * scale) for a, b in pts])

    # reflection first
    refl = Image.new("RGBA", img.size, (0, 0, 0, 0))
    rd = ImageDraw.Draw(refl)
    rd.polygon(P([(-2, 2), (-2, 80), (-40, 6)]), fill=(255, 255, 255, 70))
    rd.polygon(P([(3, 2), (3, 70), (34, 6)]), fill=(255, 255, 255, 60))
    rd.polygon(P([(-46, 0), (44, 0), (36, 8), (-38, 8)]), fill=(20, 40, 70, 90))
    refl = refl.filter(ImageFilter.GaussianBlur(2.2 * SS))
    img = Image.alpha_composite(img.convert("RGBA"), refl)
    d = ImageDraw.Draw(img)
    # hull
    d.polygon(P([(-50, -12), (48, -12), (38, 0), (-40, 0)]), fill=(250, 250, 252))
    d.polygon(P([(-47, -5), (44, -5), (38, 0), (-40, 0)]), fill=(22, 54, 104))
    d.line(P([(-50, -12), (48, -12)]), fill=(120, 128, 140), width=int(SS * 0.8))
    # mast and boom
    d.rectangle(P([(-1.4, -118), (1.4, -12)]), fill=(80, 84, 92))
    d.line(P([(2, -30), (40, -30)]), fill=(80, 84, 92), width=int(SS * 2 * scale))
    # mainsail (aft, to the right) and jib (forward, to the left)
    d.polygon(P([(3, -114), (3, -32), (39, -32)]), fill=(252, 252, 250))
    d.polygon(P([(3, -114), (3, -32), (39, -32)]), outline=(170, 178, 190))
    d.polygon(P([(-3, -108), (-3, -18), (-46, -16)]), fill=(244, 246, 250))
    d.polygon(P([(-3, -108), (-3, -18), (-46, -16)]), outline=(170, 178, 190))
    # a light seam on the mainsail
    d.line(P([(3, -74), (22, -32)]), fill=(218, 224, 232), width=int(SS * 0.8))
    # burgee
    d.polygon(P([(1, -118), (12, -115), (1, -112)]), fill=(206, 36, 40))
    return img.convert("RGB")


def draw_buoy(img, x, wl):
    d = ImageDraw.Draw(img)
    red = (206, 30, 36)
    d.rectangle(S([(x - 0.8, wl - 30), (x + 0.8, wl - 18)]), fill=(70, 70, 74))
    d.rectangle(S([(x - 4, wl - 36), (x + 4, wl - 29)]), fill=red)
    d.rectangle(S([(x - 8, wl - 19), (x + 8, wl + 1)]), fill=red)
    d.rectangle(S([(x + 3, wl - 19), (x + 8, wl + 1)]), fill=(168, 22, 28))
    d.ellipse(S([(x - 13, wl - 1.5), (x + 13, wl + 2.5)]), fill=(46, 98, 150))
    return img


def draw_title(img):
    layer = Image.new("RGBA", img.size, (0, 0, 0, 0))
    ld = ImageDraw.Draw(layer)
    f1 = font("DejaVuSerif-Bold.ttf", 31)
    f2 = font("DejaVuSans.ttf", 12.5)
    lines = [("Vůdce malého", f1, 40), ("plavidla", f1, 76)]
    cx = 338
    shadow = Image.new("RGBA", img.size, (0, 0, 0, 0))
    sd = ImageDraw.Draw(shadow)
    for text, f, y in lines:
        bx0, by0, bx1, by1 = ld.textbbox((0, 0), text, font=f)
        tx = cx * SS - (bx0 + bx1) / 2.0
        ty = y * SS - (by0 + by1) / 2.0
        sd.text((tx + 1.5 * SS, ty + 1.5 * SS), text, font=f, fill=(10, 40, 80, 150))
        ld.text((tx, ty), text, font=f, fill=(255, 255, 255, 255))
    # a thin rule and a small subtitle
    ld.line([(262 * SS, 100 * SS), (414 * SS, 100 * SS)], fill=(255, 255, 255, 210), width=int(1.2 * SS))
    sub = "trenažér ke zkoušce"
    bx0, by0, bx1, by1 = ld.textbbox((0, 0), sub, font=f2)
    ld.text((cx * SS - (bx0 + bx1) / 2.0, 114 * SS - (by0 + by1) / 2.0), sub, font=f2,
            fill=(255, 255, 255, 235))
    sd.text((cx * SS - (bx0 + bx1) / 2.0 + SS, 114 * SS - (by0 + by1) / 2.0 + SS), sub,
            font=f2, fill=(10, 40, 80, 120))
    shadow = shadow.filter(ImageFilter.GaussianBlur(1.5 * SS))
    out = Image.alpha_composite(img.convert("RGBA"), shadow)
    out = Image.alpha_composite(out, layer)
    return out.convert("RGB")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_OUT
    img = background()
    d = ImageDraw.Draw(img)
    draw_shore(d)
    img = draw_waves(img)
    img = draw_sailboat(img, 352, 262, 0.82)
    img = draw_buoy(img, 438, 284)
    img = draw_title(img)
    small = img.resize((W, H), Image.LANCZOS)
    small.save(out, "JPEG", quality=90, optimize=False, progressive=False, subsampling="4:2:0")
    print("%s %dx%d" % (out, W, H))


if __name__ == "__main__":
    main()
