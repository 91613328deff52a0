#!/usr/bin/python3
"""The web page of the demo meeting in a real browser (headless Chromium driven by
Selenium): it loads from disk, never scrolls sideways at phone width, opens a start
list in place, shows a hostile team name as text, and is valid HTML by tidy.
Screenshots at phone and desktop width go to --out. Exits 77 (skipped) with a clear
message when Chromium, its driver or tidy cannot be used."""
import argparse
import os
import shutil
import sqlite3
import subprocess
import sys
import tempfile

SKIP = 77
HOSTILE_NAME = "<script>alert(1)</script>"
HOSTILE_SHORT = 'A & B "quoted"'
CHROMIUM = "/usr/bin/chromium"
DRIVER = "/usr/bin/chromedriver"


def skip(why):
    print("SKIPPED: " + why, flush=True)
    sys.exit(SKIP)


def run(args):
    result = subprocess.run(args, capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit("FAILED: %s exited %d: %s%s" % (args[0], result.returncode, result.stdout, result.stderr))
    return result.stdout


def make_site(dravik, work):
    suite, web = os.path.join(work, "suite"), os.path.join(work, "web")
    run([dravik, "setup", suite, "--demo"])
    # Every team's name is hostile and every abbreviation needs escaping, so
    # whichever event is opened shows both.
    db = sqlite3.connect(os.path.join(suite, "Dsd00.mdb"))
    db.execute("UPDATE Atld20 SET Naam = ?, Afkort = ?", (HOSTILE_NAME, HOSTILE_SHORT))
    db.execute("UPDATE Atld00 SET Opm = ? ", ("Inter-Schools <b>Championships</b>",))
    db.commit()
    db.close()
    run([dravik, "publish", suite, web, "--records", "values", "--set", "1"])
    return web


def check_tidy(web):
    if not shutil.which("tidy"):
        skip("tidy is not installed (scripts/install-deps.sh installs it).")
    for page in ("index.html", "records.html"):
        result = subprocess.run(["tidy", "-errors", "-quiet", os.path.join(web, page)], capture_output=True, text=True)
        report = (result.stdout + result.stderr).strip()
        if report:
            sys.exit("FAILED: tidy reports on %s:\n%s" % (page, report))


def start_browser(profile):
    try:
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
    except ImportError as e:
        skip("Selenium is not available to %s (%s); install python3-selenium." % (sys.executable, e))
    for path in (CHROMIUM, DRIVER):
        if not os.path.exists(path):
            skip("%s is missing; install chromium and chromium-driver." % path)
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--hide-scrollbars", "--user-data-dir=" + profile):
        options.add_argument(flag)
    try:
        return webdriver.Chrome(service=Service(DRIVER), options=options)
    except Exception as e:  # the browser cannot start here: no display libraries, no sandbox, ...
        skip("Chromium cannot start: %s" % str(e).splitlines()[0])


def set_width(driver, width, height):
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": width < 600})


def check(condition, what):
    if not condition:
        sys.exit("FAILED: " + what)
    print("ok: " + what, flush=True)


def shown(driver, element):
    return driver.execute_script("return arguments[0].checkVisibility()", element)


def no_alert(driver):
    from selenium.common.exceptions import NoAlertPresentException
    try:
        driver.switch_to.alert
        return False
    except NoAlertPresentException:
        return True


def no_sideways_scroll(driver, page):
    scroll, width = driver.execute_script(
        "return [document.documentElement.scrollWidth, window.innerWidth]")
    check(scroll <= width, "%s at %d px scrolls no wider than the window (%d)" % (page, width, scroll))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--dravik", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="dravik-web-") as work:
        web = make_site(args.dravik, work)
        check_tidy(web)
        print("ok: tidy reports nothing on index.html and records.html", flush=True)
        driver = start_browser(os.path.join(work, "profile"))
        try:
            from selenium.webdriver.common.by import By
            index = "file://" + os.path.join(web, "index.html")
            set_width(driver, 390, 844)
            driver.get(index)
            check(driver.title.startswith("Inter-Schools <b>Championships</b>"), "the meeting name shows as text")
            check(not driver.find_elements(By.TAG_NAME, "script"), "the page holds no script element")
            size = driver.execute_script("return parseFloat(getComputedStyle(document.body).fontSize)")
            check(size >= 16, "body text is %s px" % size)
            no_sideways_scroll(driver, "index.html")
            driver.save_screenshot(os.path.join(args.out, "web-phone.png"))

            events = driver.find_elements(By.CSS_SELECTOR, "details.event")
            check(len(events) > 10, "%d events on the page" % len(events))
            event = next(e for e in events
                         if int(e.find_element(By.CSS_SELECTOR, ".n").get_attribute("textContent")) > 0)
            table = event.find_element(By.CSS_SELECTOR, ".start table")
            check(not shown(driver, table), "a start list is hidden until its event is opened")
            event.find_element(By.TAG_NAME, "summary").click()
            check(shown(driver, table), "opening the event shows its start list")
            cells = [td.text for td in table.find_elements(By.TAG_NAME, "td")]
            check(HOSTILE_SHORT in cells, "the team abbreviation %r shows as text" % HOSTILE_SHORT)
            no_sideways_scroll(driver, "index.html with a start list open")
            driver.execute_script("arguments[0].scrollIntoView()", event)
            driver.save_screenshot(os.path.join(args.out, "web-phone-open.png"))

            relay = driver.execute_script(
                "return [...document.querySelectorAll('details.event')].find(d => "
                "[...d.querySelectorAll('td')].some(td => td.textContent === arguments[0]))", HOSTILE_NAME)
            check(relay is not None, "a team event lists the team %r" % HOSTILE_NAME)
            relay.find_element(By.TAG_NAME, "summary").click()
            names = [td.text for td in relay.find_elements(By.TAG_NAME, "td")]
            check(HOSTILE_NAME in names, "the team name %r shows as text" % HOSTILE_NAME)
            check(not driver.find_elements(By.TAG_NAME, "script"), "still no script element")
            check(no_alert(driver), "no alert was raised")

            driver.get("file://" + os.path.join(web, "records.html"))
            check(driver.find_elements(By.CSS_SELECTOR, "table tbody tr"), "records.html lists records")
            no_sideways_scroll(driver, "records.html")
            driver.save_screenshot(os.path.join(args.out, "web-records-phone.png"))

            set_width(driver, 1280, 900)
            driver.get(index)
            check(driver.find_element(By.CSS_SELECTOR, ".head").is_displayed(), "at 1280 px the column titles show")
            no_sideways_scroll(driver, "index.html")
            driver.save_screenshot(os.path.join(args.out, "web-desktop.png"))
        finally:
            driver.quit()
    print("screenshots in " + args.out)


if __name__ == "__main__":
    main()
