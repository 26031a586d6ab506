"""Live buttons against Bevelmint's own pictures in headless Chromium.

Shared by the browser test (a short fixed seed set) and bench/live-fidelity (a
larger sweep). A design is rendered as PNG pictures at scales 1 and 2, and as a
live page and SVG pictures; Chromium draws the live button in each state (the
pointer away, over it, pressed on it) and the SVG pictures, at device scale 1
and 2, and every screenshot is compared with the PNG of the same state and
scale over the pixels the PNG has fully opaque.
"""
import pathlib
import random
import subprocess

from PIL import Image, ImageChops
from selenium.webdriver.common.by import By

from browser_support import pointer, start_chromium, wait_for  # noqa: F401 (for the tests)

STATES = ("normal", "hover", "pressed")
PICTURE = {"normal": "n", "hover": "h", "pressed": "p"}
OUTLINES = ("rect", "rrect", "elips")
WITHIN = 8  # levels per channel


def random_design(rng):
    """A design without inscription or texture: any outline, size, depth,
    colour, border fade, light place, radius, intensity and hover lift."""
    w, h = rng.randint(20, 330), rng.randint(10, 195)
    return {
        "shapeKind": rng.choice(OUTLINES),
        "buttonWidth": w, "buttonHeight": h,
        "buttonDepth": rng.randint(1, min(w, h) // 2),
        "roundness": rng.randint(0, 200),
        "buttonRed": rng.randint(0, 255), "buttonGreen": rng.randint(0, 255),
        "buttonBlue": rng.randint(0, 255),
        "backRed": rng.randint(0, 255), "backGreen": rng.randint(0, 255),
        "backBlue": rng.randint(0, 255),
        "borderFade": rng.randint(1, 99),
        "lightPosition": rng.randint(1, 8),
        "lightRadius": rng.randint(1, 200),
        "lightIntensity": rng.randint(1, 99),
        "hoverLift": rng.randint(0, 98),
        "lightenFront": rng.choice(["true", "false"]),
        "useText": "false",
    }


def designs(seed, count):
    rng = random.Random(seed)
    return [random_design(rng) for _ in range(count)]


def render(exe, folder, design):
    """n.png, h.png, p.png and their @2x, the SVG pictures n.svg, h.svg, p.svg and
    the live page live.html."""
    sets = [a for field, value in design.items() for a in ("--set", f"{field}={value}")]
    pictures = ["--normal", "n.{}", "--hover", "h.{}", "--pressed", "p.{}"]
    subprocess.run([exe, *sets, "--scales", "1,2", *[p.format("png") for p in pictures]],
                   cwd=folder, check=True)
    subprocess.run([exe, *sets, *[p.format("svg") for p in pictures], "--live-page", "live.html"],
                   cwd=folder, check=True)


def compare(shot, picture):
    """(share within WITHIN levels, mean level difference) over the picture's
    fully opaque pixels; the shot is cut to the picture's size."""
    rgba = picture.convert("RGBA")
    opaque = rgba.getchannel("A").point(lambda a: 255 if a == 255 else 0)
    diff = ImageChops.difference(shot.convert("RGB"), rgba.convert("RGB"))
    r, g, b = diff.split()
    worst = ImageChops.lighter(ImageChops.lighter(r, g), b)
    counts = worst.histogram(opaque)
    total = sum(counts)
    if total == 0:
        return 1.0, 0.0
    within = sum(counts[: WITHIN + 1]) / total
    level_sum = sum(v * n for channel in (r, g, b) for v, n in enumerate(channel.histogram(opaque)))
    return within, level_sum / (3 * total)


class Browser:
    """One Chromium at a device scale factor."""

    def __init__(self, folder, factor):
        self.factor = factor
        self.folder = folder
        self.driver = start_chromium(folder / f"profile{factor}", "900,700", "--hide-scrollbars",
                                     "--force-color-profile=srgb",
                                     f"--force-device-scale-factor={factor}")

    def quit(self):
        self.driver.quit()

    def shot(self):
        path = self.folder / f"shot{self.factor}.png"
        self.driver.save_screenshot(str(path))
        return Image.open(path).convert("RGB")

    def pointer(self, x, y, action=None):
        pointer(self.driver, x, y, action)

    def box(self, element):
        r = self.driver.execute_script(
            "const r = arguments[0].getBoundingClientRect();"
            "return [r.left, r.top, r.width, r.height];", element)
        return r

    def cut(self, shot, left, top, size):
        f = self.factor
        return shot.crop((round(left * f), round(top * f), round(left * f) + size[0],
                          round(top * f) + size[1]))

    def live_states(self, page, sizes):
        """Screenshots of the first live button in each state, cut to `sizes`."""
        self.driver.get(page.as_uri())
        link = self.driver.find_element(By.CSS_SELECTOR, "a.bvl")
        left, top, width, height = self.box(link)
        centre = (int(left + width / 2), int(top + height / 2))
        shots = {}
        self.pointer(1, 1)
        shots["normal"] = self.cut(self.shot(), left, top, sizes["normal"])
        self.pointer(*centre)
        shots["hover"] = self.cut(self.shot(), left, top, sizes["hover"])
        self.pointer(*centre, "down")
        shots["pressed"] = self.cut(self.shot(), left, top, sizes["pressed"])
        # Let go away from the button, so the link is not followed.
        self.pointer(1, 1)
        self.pointer(1, 1, "up")
        return shots

    def svg(self, path, size, as_image):
        """The SVG drawn as a document (its drawing for this scale) or as an image."""
        if as_image:
            page = path.with_suffix(".img.html")
            page.write_text("<!DOCTYPE html><body style='margin:0'>"
                            f"<img src='{path.name}' style='display:block'></body>")
            self.driver.get(page.as_uri())
        else:
            self.driver.get(path.as_uri())
        return self.cut(self.shot(), 0, 0, size)


def measure(browser, folder, svg_as_image=False):
    """{(output, state): (within share, mean)} for one rendered design."""
    mark = "" if browser.factor == 1 else "@2x"
    pictures = {s: Image.open(folder / f"{PICTURE[s]}{mark}.png") for s in STATES}
    sizes = {s: p.size for s, p in pictures.items()}
    out = {}
    for state, shot in browser.live_states(folder / "live.html", sizes).items():
        out[("css", state)] = compare(shot, pictures[state])
    for state in STATES:
        shot = browser.svg(folder / f"{PICTURE[state]}.svg", sizes[state], svg_as_image)
        out[("svg", state)] = compare(shot, pictures[state])
    return out


def passes(outline, within, mean):
    if outline == "elips":
        return within >= 0.95
    return within >= 0.98 and mean <= 2.0
