#!/usr/bin/env python3
"""Exports a round button with its HTML page and tries the rollover in headless Chromium."""
import pathlib
import subprocess
import sys
import tempfile

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By

from browser_support import start_chromium, wait_for


def shown(driver, image, name):
    """The image shows `name` (its URL form), fully decoded at the button's size."""
    return driver.execute_script(
        "const i = arguments[0];"
        "return i.src.endsWith('/' + arguments[1]) && i.complete &&"
        " i.naturalWidth === 120 && i.naturalHeight === 50;", image, name)


def main():
    render = sys.argv[1]
    with tempfile.TemporaryDirectory() as tmp:
        folder = pathlib.Path(tmp)
        subprocess.run([render, "--set", "shapeKind=elips", "--set", "buttonWidth=120",
                        "--set", "buttonHeight=50", "--normal", "button#1.gif",
                        "--pressed", "button-gedrückt.gif", "--html", "button.html"],
                       cwd=folder, check=True)
        driver = start_chromium(folder / "profile", "400,300")
        try:
            driver.get((folder / "button.html").as_uri())
            image = driver.find_element(By.NAME, "pic1")
            # "#" would start the URL's fragment and "ü" depends on the page's encoding:
            # the page names the files in percent-encoded form.
            wait_for(lambda: shown(driver, image, "button%231.gif"), "the normal picture")
            ActionChains(driver).move_to_element(image).perform()
            wait_for(lambda: shown(driver, image, "button-gedr%C3%BCckt.gif"), "the pressed picture")
            ActionChains(driver).move_to_element_with_offset(image, 0, 120).perform()
            wait_for(lambda: shown(driver, image, "button%231.gif"), "the normal picture again")
        finally:
            driver.quit()
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
