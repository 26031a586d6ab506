"""Headless Chromium through Debian's chromedriver, shared by the browser tests."""
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.actions.action_builder import ActionBuilder


def wait_for(condition, what, timeout=10.0):
    end = time.time() + timeout
    while time.time() < end:
        if condition():
            return
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + what)


def start_chromium(profile, size, *flags):
    """A quiet browser with its own profile folder and window size ("W,H")."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync",
                 "--user-data-dir=" + str(profile), "--window-size=" + size, *flags]:
        options.add_argument(flag)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def pointer(driver, x, y, action=None):
    """Moves the mouse to (x, y) in CSS pixels, then presses ("down") or releases ("up")."""
    builder = ActionBuilder(driver)
    builder.pointer_action.move_to_location(x, y)
    if action == "down":
        builder.pointer_action.pointer_down()
    elif action == "up":
        builder.pointer_action.pointer_up()
    builder.perform()
