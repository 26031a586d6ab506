#!/usr/bin/env python3
"""Live buttons in headless Chromium at device scale factors 1 and 2.

A fixed seed set of random designs (one of each outline, without inscription or
texture) drawn as a live page and as SVG pictures matches Bevelmint's own
pictures in every state; the live text is centred, moved by the offsets and on
the picture's baseline; a longer label widens its button and stays inside it;
hostile labels and font names stay text; a three-label page has one rule set
and three links named by their labels, and axe-core finds no violation of
WCAG 2.2 AA or best practice on it. bench/live-fidelity sweeps more designs.
"""
import pathlib
import random
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

from PIL import ImageChops
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

import live_support as live

SEED = 19
AXE_TAGS = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa", "best-practice"]
LABELS = ["Add to cart", "Buy", "Checkout now and pay"]
HOSTILE = ["<img src=x onerror=alert(1)>", "</style><b>bold</b>", "\"quoted\" & 'single'",
           "back\\slash </a>"]
EVIL_FACE = "Evil\"; } .bvl { display: none } </style><i>"


def fixed_designs():
    """One design of each outline from the seed."""
    rng = random.Random(SEED)
    out = []
    for outline in live.OUTLINES:
        design = live.random_design(rng)
        design["shapeKind"] = outline
        out.append(design)
    return out


def check_fidelity(browsers, folder, exe):
    for i, design in enumerate(fixed_designs()):
        sub = folder / f"design{i}"
        sub.mkdir()
        live.render(exe, sub, design)
        for browser in browsers:
            for (output, state), (within, mean) in live.measure(browser, sub).items():
                line = (f"{design['shapeKind']} {output} {state} {browser.factor}x: "
                        f"{within:.2%} within {live.WITHIN}, mean {mean:.2f}")
                print(line)
                assert live.passes(design["shapeKind"], within, mean), (line, design)


def run(exe, folder, *args):
    subprocess.run([exe, *args], cwd=folder, check=True, stdout=subprocess.DEVNULL)


def links(browser, page):
    browser.driver.get(page.as_uri())
    return browser.driver.find_elements(By.CSS_SELECTOR, "a.bvl")


def ink_rows(image):
    box = image.point(lambda v: 255 if v > 40 else 0).getbbox()
    assert box, "no ink"
    return box[1], box[3]


def check_text(browser, folder, exe):
    """Centred and moved by the offsets; the ink's rows within a CSS pixel of the picture's."""
    f = browser.factor
    design = ["--set", "shapeKind=rrect", "--set", "buttonWidth=160", "--set", "buttonHeight=50",
              "--set", "lightIntensity=1", "--set", "textFont.size=14", "--set",
              "textFont.bold=true", "--set", "textOffsetX=-6", "--set", "textOffsetY=4",
              "--set", "buttonText=Hxg Text", "--scales", str(f)]
    run(exe, folder, *design, "--normal", "text.png", "--live-page", "text.html")
    run(exe, folder, *design, "--set", "useText=false", "--normal", "bare.png")
    mark = "" if f == 1 else f"@{f}x"
    picture = live.Image.open(folder / f"text{mark}.png").convert("RGB")
    bare = live.Image.open(folder / f"bare{mark}.png").convert("RGB")
    want = ink_rows(ImageChops.difference(picture, bare).convert("L"))

    link = links(browser, folder / "text.html")[0]
    left, top, width, height = browser.box(link)
    assert (width, height) == (160, 50), (width, height)
    span = link.find_element(By.TAG_NAME, "span")
    s_left, _, s_width, _ = browser.box(span)
    centre = s_left + s_width / 2 - left
    assert abs(centre - (width / 2 - 6)) <= 0.5, ("text centre", centre, width)
    browser.pointer(1, 1)
    size = (160 * f, 50 * f)
    shown = browser.cut(browser.shot(), left, top, size)
    browser.driver.execute_script(
        "arguments[0].style.color = 'transparent'; arguments[0].style.textShadow = 'none'", link)
    hidden = browser.cut(browser.shot(), left, top, size)
    got = ink_rows(ImageChops.difference(shown, hidden).convert("L"))
    assert all(abs(g - w) <= f for g, w in zip(got, want)), ("ink rows", got, want, f)


def check_set(browser, folder, exe):
    """The finished command: each button as wide as its label needs, text inside
    its bevel, one rule set, three links named by their labels, a keyboard outline."""
    (folder / "labels.txt").write_text("\n".join(LABELS) + "\n", encoding="utf-8")
    run(exe, folder, "--set", "shapeKind=rrect", "--set", "roundness=20", "--set",
        "buttonText=Add to cart", "--labels", "labels.txt", "--live-page", "live.html",
        "--normal", "b.svg")
    page = (folder / "live.html").read_text(encoding="utf-8")
    assert page.count("<style>") == 1 and page.count("<a ") == 3, page[:200]
    found = links(browser, folder / "live.html")
    assert [a.accessible_name for a in found] == LABELS, [a.accessible_name for a in found]
    sheets = browser.driver.execute_script(
        "return Array.from(document.styleSheets[0].cssRules, r => r.cssText).join('\\n')")
    assert not any(label in sheets for label in LABELS)
    widths = []
    for a in found:
        left, top, width, height = browser.box(a)
        s_left, _, s_width, _ = browser.box(a.find_element(By.TAG_NAME, "span"))
        assert height == 40, height
        assert left + 7 <= s_left and s_left + s_width <= left + width - 7, (a.text, width)
        widths.append(width)
    assert widths[1] == 100 and widths[0] > 100 and widths[2] > widths[0], widths
    root = ET.parse(folder / "b-buy.svg").getroot()
    ns = "{http://www.w3.org/2000/svg}"
    assert root.find(f"{ns}title").text == "Buy"
    assert {t.text for t in root.iter(f"{ns}text")} == {"Buy"}

    # Tab draws the outline outside the button and leaves the button itself alone.
    browser.pointer(1, 1)
    left, top, width, height = browser.box(found[0])
    f = browser.factor
    box = tuple(round(v * f) for v in (left, top, left + width, top + height))
    before = browser.shot()
    ActionChains(browser.driver).send_keys(Keys.TAB).perform()
    live.wait_for(lambda: ImageChops.difference(browser.shot(), before).getbbox() is not None,
                  "the focus outline")
    changed = ImageChops.difference(browser.shot(), before)
    # The button's shape: its box but the round corners (radius 10).
    r = 10 * f
    for part in [(box[0] + r, box[1], box[2] - r, box[3]), (box[0], box[1] + r, box[2], box[3] - r)]:
        assert changed.crop(part).getbbox() is None, "focus changed the button"
    bbox = changed.getbbox()
    assert bbox[0] < box[0] and bbox[2] > box[2], (bbox, box)


def audit(browser, axe, page):
    browser.driver.get(page.as_uri())
    browser.driver.execute_script(axe)
    violations = browser.driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "axe.run(document, {runOnly: {type: 'tag', values: arguments[0]}})"
        ".then(r => done(r.violations.map(v => v.id + ': ' +"
        " v.nodes.map(n => n.target.join(' ')).join(', '))));", AXE_TAGS)
    assert not violations, f"{page.name}: {violations}"


def check_hostile(browser, folder, exe):
    (folder / "hostile.txt").write_text("\n".join(HOSTILE) + "\n", encoding="utf-8")
    run(exe, folder, "--set", f"textFont.face={EVIL_FACE}", "--labels", "hostile.txt",
        "--live-page", "hostile.html", "--normal", "h.svg")
    found = links(browser, folder / "hostile.html")
    assert [a.get_property("textContent") for a in found] == HOSTILE
    assert [a.accessible_name for a in found] == HOSTILE
    driver = browser.driver
    assert driver.find_elements(By.CSS_SELECTOR, "img, b, i, script") == []
    # The face name ended no rule: the buttons keep their style.
    for a in found:
        assert a.value_of_css_property("display") == "inline-block"
        assert a.value_of_css_property("min-width") == "100px"
    for svg in sorted(folder.glob("h-*.svg")):
        root = ET.parse(svg).getroot()
        texts = {t.text for t in root.iter("{http://www.w3.org/2000/svg}text")}
        assert len(texts) == 1 and texts.pop() in HOSTILE, (svg.name, texts)


def main():
    exe = sys.argv[1]
    axe = pathlib.Path(sys.argv[2]).read_text(encoding="utf-8")
    with tempfile.TemporaryDirectory() as tmp:
        folder = pathlib.Path(tmp)
        browsers = [live.Browser(folder, f) for f in (1, 2)]
        try:
            check_fidelity(browsers, folder, exe)
            for browser in browsers:
                sub = folder / f"text{browser.factor}"
                sub.mkdir()
                check_text(browser, sub, exe)
            check_set(browsers[0], folder, exe)
            check_hostile(browsers[0], folder, exe)
            for page in ("live.html", "hostile.html"):
                audit(browsers[0], axe, folder / page)
        finally:
            for browser in browsers:
                browser.quit()
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
