#!/usr/bin/env python3
"""Tries the CSS button page in headless Chromium at device scale factors 1 and 2.

For a lone button and for a set of three: the button's pixels are the normal
picture, under the pointer the hover picture, with the mouse held the pressed
one; Tab draws an outline outside the button and changes nothing else; the
accessible name is the inscription. The e-mail page's markup is parsed and checked: each picture in a link in a
cell of the face colour.
"""
import html.parser
import pathlib
import subprocess
import sys
import tempfile

from PIL import Image, ImageChops
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from browser_support import pointer, start_chromium, wait_for

WIDTH, HEIGHT = 100, 40
BACKGROUND = (196, 196, 196)
LABELS = ["Buy now", "Sell", "Über uns & <more>"]
SLUGS = ["buy-now", "sell", "uber-uns-more"]
RING = 5  # outline offset and width in CSS pixels


def render(exe, folder, *args):
    subprocess.run([exe, "--set", "shapeKind=rrect", "--scales", "1,2", *args],
                   cwd=folder, check=True, stdout=subprocess.DEVNULL)


def expected(path):
    """The picture as the page shows it: composited over the page's colour."""
    picture = Image.open(path).convert("RGBA")
    page = Image.new("RGBA", picture.size, BACKGROUND + (255,))
    return picture, Image.alpha_composite(page, picture).convert("RGB")


def matches(shot, box, path):
    """The screenshot's box equals the picture: exactly where it is opaque, within
    rounding where its edge is partly transparent."""
    picture, want = expected(path)
    if picture.size != (box[2] - box[0], box[3] - box[1]):
        raise AssertionError(f"{path.name} is {picture.size}, the box {box}")
    got = shot.crop(box)
    alpha = picture.getchannel("A").load()
    g, w = got.load(), want.load()
    for y in range(picture.size[1]):
        for x in range(picture.size[0]):
            slack = 0 if alpha[x, y] == 255 else 2
            if any(abs(a - b) > slack for a, b in zip(g[x, y], w[x, y])):
                return False
    return True


def screenshot(driver):
    path = pathlib.Path(driver.folder) / "shot.png"
    driver.save_screenshot(str(path))
    return Image.open(path).convert("RGB")


def start(folder, factor):
    driver = start_chromium(folder / f"profile{factor}", "800,400", "--hide-scrollbars",
                            "--force-color-profile=srgb", f"--force-device-scale-factor={factor}")
    driver.folder = str(folder)
    return driver


def check_page(driver, folder, page, factor, buttons):
    """buttons: (label, picture name stem suffix) in page order."""
    driver.get((folder / page).as_uri())
    links = driver.find_elements(By.CSS_SELECTOR, "a.bvm")
    assert len(links) == len(buttons), (page, len(links))
    mark = "" if factor == 1 else f"@{factor}x"
    boxes = []
    for link, (label, suffix) in zip(links, buttons):
        assert link.accessible_name == label, (link.accessible_name, label)
        r = driver.execute_script("const r = arguments[0].getBoundingClientRect();"
                                  "return [r.left, r.top, r.width, r.height];", link)
        assert r[2:] == [WIDTH, HEIGHT], r
        boxes.append((r, tuple(int(v * factor) for v in (r[0], r[1], r[0] + r[2], r[1] + r[3]))))

    def picture(stem, suffix):
        return folder / f"{stem}{suffix}{mark}.png"

    pointer(driver, 2, 2)
    for (r, box), (label, suffix) in zip(boxes, buttons):
        wait_for(lambda: matches(screenshot(driver), box, picture("b", suffix)),
                 f"{label}: the normal picture at {factor}x")
        centre = (int(r[0] + r[2] / 2), int(r[1] + r[3] / 2))
        pointer(driver, *centre)
        wait_for(lambda: matches(screenshot(driver), box, picture("bh", suffix)),
                 f"{label}: the hover picture at {factor}x")
        pointer(driver, *centre, "down")
        wait_for(lambda: matches(screenshot(driver), box, picture("bp", suffix)),
                 f"{label}: the pressed picture at {factor}x")
        # Let go away from the button, so the link is not followed.
        pointer(driver, 2, 2)
        pointer(driver, 2, 2, "up")
        wait_for(lambda: matches(screenshot(driver), box, picture("b", suffix)),
                 f"{label}: the normal picture again at {factor}x")

    # A fresh page, so that Tab starts from its top and nothing is hovered.
    driver.get((folder / page).as_uri())
    pointer(driver, 2, 2)
    for (r, box), (label, suffix) in zip(boxes, buttons):
        wait_for(lambda: matches(screenshot(driver), box, picture("b", suffix)),
                 f"{label}: the normal picture before Tab at {factor}x")
    before = screenshot(driver)
    for (r, box), (label, suffix) in zip(boxes, buttons):
        ActionChains(driver).send_keys(Keys.TAB).perform()
        ring = tuple(v - RING * factor for v in box[:2]) + tuple(v + RING * factor for v in box[2:])

        def outlined():
            changed = ImageChops.difference(screenshot(driver), before)
            bbox = changed.getbbox()
            if bbox is None:
                return False
            if not (ring[0] <= bbox[0] and ring[1] <= bbox[1] and bbox[2] <= ring[2]
                    and bbox[3] <= ring[3]):
                raise AssertionError(f"{label}: focus changed {bbox}, outside {ring}")
            if changed.crop(box).getbbox() is not None:
                raise AssertionError(f"{label}: focus changed the button at {factor}x")
            sides = [(ring[0], box[1], box[0], box[3]), (box[2], box[1], ring[2], box[3]),
                     (box[0], ring[1], box[2], box[1]), (box[0], box[3], box[2], ring[3])]
            return all(changed.crop(side).getbbox() is not None for side in sides)

        wait_for(outlined, f"{label}: the focus outline at {factor}x")
        assert driver.switch_to.active_element.accessible_name == label


class Bundles(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.links, self.stack, self.cell = [], [], None

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "td":
            self.cell = attrs.get("bgcolor")
        if tag == "a":
            self.links.append({"href": attrs.get("href"), "img": None, "cell": self.cell})
            self.stack.append("a")
        elif tag == "img":
            assert self.stack == ["a"], "an image outside a link"
            assert self.links[-1]["img"] is None, "two images in one link"
            self.links[-1]["img"] = attrs

    def handle_endtag(self, tag):
        if tag == "a":
            self.stack.pop()


def check_bundles(folder):
    parser = Bundles()
    parser.feed((folder / "mail.html").read_text(encoding="utf-8"))
    assert len(parser.links) == len(LABELS), parser.links
    for link, label, slug in zip(parser.links, LABELS, SLUGS):
        img = link["img"]
        assert link["href"].startswith("http"), link
        assert img["src"] == f"b-{slug}@2x.png", img
        assert img["alt"] == label, img
        assert (img["width"], img["height"], img["border"]) == (str(WIDTH), str(HEIGHT), "0"), img
        assert Image.open(folder / img["src"]).size == (2 * WIDTH, 2 * HEIGHT)
        # With pictures off the alt text is the label, in the inscription's colour.
        assert "color:#000000;" in img["style"], img
        assert link["cell"] == "#dcbe6e", link


def main():
    exe = sys.argv[1]
    with tempfile.TemporaryDirectory() as tmp:
        folder = pathlib.Path(tmp)
        (folder / "labels.txt").write_text("\n".join(LABELS) + "\n", encoding="utf-8")
        render(exe, folder, "--set", "buttonText=Go", "--normal", "b.png", "--hover", "bh.png",
               "--pressed", "bp.png", "--sprite", "s.png", "--css-page", "one.html")
        render(exe, folder, "--labels", "labels.txt", "--normal", "b.png", "--hover", "bh.png",
               "--pressed", "bp.png", "--sprite", "s.png", "--css-page", "set.html",
               "--img-page", "mail.html")
        check_bundles(folder)
        for factor in (1, 2):
            driver = start(folder, factor)
            try:
                check_page(driver, folder, "one.html", factor, [("Go", "")])
                check_page(driver, folder, "set.html", factor,
                           [(label, "-" + slug) for label, slug in zip(LABELS, SLUGS)])
            finally:
                driver.quit()
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
