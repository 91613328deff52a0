#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The web site of the demo meeting in a real browser (headless Chromium driven by
Selenium): at phone and desktop width the day bar leads to every day, a race on the
athletes page opens its event's start list, a start list opens with its event,
Chromium's print to PDF holds a day's start lists, no page scrolls sideways; every page
is valid HTML by tidy and programme.ics is read by python3-icalendar. What each page
says is the printing tests' business. Screenshots of the start page, a day page, the
athletes page and a team page at both widths go to --out. Exits 77 (skipped) with a
clear message when Chromium, its driver, tidy, pdftotext or icalendar cannot be used."""
import argparse
import base64
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile

SKIP = 77
CHROMIUM = "/usr/bin/chromium"
DRIVER = "/usr/bin/chromedriver"
WIDTHS = ((390, 844, "phone"), (1280, 900, "desktop"))


def skip(why):
    print("SKIPPED: " + why, flush=True)
    sys.exit(SKIP)


def run(args):
    result = subprocess.run(args, capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit("FAILED: %s exited %d: %s%s" % (args[0], result.returncode, result.stdout, result.stderr))
    return result.stdout


def check(condition, what):
    if not condition:
        sys.exit("FAILED: " + what)
    print("ok: " + what, flush=True)


def make_site(dravik, work):
    """The demo as it comes, published."""
    suite, web = os.path.join(work, "suite"), os.path.join(work, "web")
    run([dravik, "setup", suite, "--demo"])
    run([dravik, "publish", suite, web, "--records", "values", "--set", "1"])
    return web


def take_screenshots(driver, web, out):
    pages = (("index.html", "start"), ("day2.html", "day"), ("athletes.html", "athletes"), ("team-3.html", "team"))
    for width, height, kind in WIDTHS:
        set_width(driver, width, height)
        for page, name in pages:
            driver.get(page_url(web, page))
            driver.save_screenshot(os.path.join(out, "web-%s-%s.png" % (name, kind)))


def check_tidy(web):
    if not shutil.which("tidy"):
        skip("tidy is not installed (scripts/install-deps.sh installs it).")
    pages = sorted(os.path.basename(p) for p in glob.glob(os.path.join(web, "*.html")))
    for page in pages:
        result = subprocess.run(["tidy", "-errors", "-quiet", os.path.join(web, page)], capture_output=True, text=True)
        report = (result.stdout + result.stderr).strip()
        if report:
            sys.exit("FAILED: tidy reports on %s:\n%s" % (page, report))
    check(len(pages) > 6, "tidy reports nothing on any of the %d pages" % len(pages))


def check_calendar(web, events):
    try:
        import icalendar
    except ImportError as e:
        skip("icalendar is not available to %s (%s); install python3-icalendar." % (sys.executable, e))
    with open(os.path.join(web, "programme.ics"), "rb") as f:
        entries = icalendar.Calendar.from_ical(f.read()).walk("VEVENT")
    check(len(entries) == events, "programme.ics holds one entry per event (%d)" % len(entries))


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


def shown(driver, element):
    return driver.execute_script("return arguments[0].checkVisibility()", element)


def no_sideways_scroll(driver, page, width):
    scroll = driver.execute_script("return document.documentElement.scrollWidth")
    check(scroll <= width, "%s at %d px scrolls no wider than the window (%d)" % (page, width, scroll))


def texts(driver, selector, root=None):
    return driver.execute_script(
        "return [...(arguments[1] || document).querySelectorAll(arguments[0])].map(e => e.textContent)",
        selector, root)


def page_url(web, name):
    return "file://" + os.path.join(web, name)


def check_day_bar(driver, web, width, days):
    from selenium.webdriver.common.by import By
    for page in ["index.html"] + days + ["athletes.html", "teams.html", "team-1.html"]:
        driver.get(page_url(web, page))
        bar = driver.find_element(By.CSS_SELECTOR, "nav.bar")
        check(bar.is_displayed(), "%s at %d px shows the day bar" % (page, width))
        links = [a.get_attribute("href").rsplit("/", 1)[-1] for a in bar.find_elements(By.TAG_NAME, "a")]
        for day in days:
            if day not in links:
                sys.exit("FAILED: the day bar of %s lacks %s: %s" % (page, day, links))
        bottom = driver.execute_script("return arguments[0].getBoundingClientRect().bottom", bar)
        if bottom > 420:
            sys.exit("FAILED: the day bar of %s ends %d px down at %d px" % (page, bottom, width))
        if not all(a.is_displayed() for a in bar.find_elements(By.TAG_NAME, "a")):
            sys.exit("FAILED: a link of the day bar of %s is hidden at %d px" % (page, width))
        no_sideways_scroll(driver, page, width)


def check_athlete_link(driver, web, width):
    """A race on the athletes page opens the day page at its event, start list shown."""
    from selenium.webdriver.common.by import By
    driver.get(page_url(web, "athletes.html"))
    who = driver.find_elements(By.CSS_SELECTOR, "tbody.who")[3]
    name = who.find_element(By.CSS_SELECTOR, "th b").text
    surname, _, first = name.partition(", ")
    link = who.find_element(By.CSS_SELECTOR, "td a")
    target = link.get_attribute("href")
    check(re.search(r"/day\d\.html#d\d-\d+[a-z]?$", target), "a race links to its event: %s" % target)
    driver.execute_script("arguments[0].scrollIntoView({block: 'center'})", link)
    link.click()
    check(driver.current_url == target, "the link opened %s" % driver.current_url)
    event = driver.find_element(By.ID, target.rsplit("#", 1)[1])
    tables = event.find_elements(By.CSS_SELECTOR, ".start table")
    check(tables and all(shown(driver, t) for t in tables),
          "at %d px the linked event shows its start list without a click" % width)
    names = texts(driver, ".start td", event)
    check(any(first in n and surname in n for n in names), "the start list names %s" % name)
    top = driver.execute_script("return arguments[0].getBoundingClientRect().top", event)
    check(0 <= top < 200, "the event is scrolled into view (top %d px)" % top)
    check(event.get_attribute("open") is None, "the event itself was not opened by a script")
    no_sideways_scroll(driver, target.rsplit("/", 1)[-1], width)


def check_opening(driver, web, day, width):
    """A start list is hidden until its event is opened, and shown when it is."""
    from selenium.webdriver.common.by import By
    driver.get(page_url(web, day))
    size = driver.execute_script("return parseFloat(getComputedStyle(document.body).fontSize)")
    check(size >= 16, "body text is %s px" % size)
    events = driver.find_elements(By.CSS_SELECTOR, "details.event")
    event = next(e for e in events
                 if int(e.find_element(By.CSS_SELECTOR, ".n").get_attribute("textContent").split()[0]) > 0)
    table = event.find_element(By.CSS_SELECTOR, ".start table")
    check(not shown(driver, table), "a start list is hidden until its event is opened")
    event.find_element(By.TAG_NAME, "summary").click()
    check(shown(driver, table), "opening the event shows its start list")
    no_sideways_scroll(driver, day + " with a start list open", width)


def check_records(driver, web, width):
    from selenium.webdriver.common.by import By
    driver.get(page_url(web, "records.html"))
    value = driver.find_element(By.CSS_SELECTOR, "tbody tr td:last-child")
    right = driver.execute_script("return arguments[0].getBoundingClientRect().right", value)
    check(value.text and right <= width, "a record's value shows within %d px" % width)
    no_sideways_scroll(driver, "records.html", width)


def check_print(driver, web, day, work):
    """Chromium's PDF of a day page holds every name of every start list."""
    if not shutil.which("pdftotext"):
        skip("pdftotext is not installed (poppler-utils).")
    driver.get(page_url(web, day))
    names = driver.execute_script(
        "return [...document.querySelectorAll('.start tbody tr')].map(r => r.cells[1].textContent)")
    pdf = driver.execute_cdp_cmd("Page.printToPDF", {"printBackground": False})
    path = os.path.join(work, day + ".pdf")
    with open(path, "wb") as f:
        f.write(base64.b64decode(pdf["data"]))
    text = " ".join(run(["pdftotext", path, "-"]).split())
    missing = [n for n in names if " ".join(n.split()) not in text]
    check(names and not missing, "the printed %s holds all %d entrants of its start lists (missing %s)"
          % (day, len(names), missing[:3]))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--dravik", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="dravik-web-") as work:
        web = make_site(args.dravik, work)
        check_tidy(web)
        days = sorted(os.path.basename(p) for p in glob.glob(os.path.join(web, "day*.html")))
        check(len(days) == 3, "the meeting of three days has a page per day: %s" % days)
        events = 0
        for day in days:
            with open(os.path.join(web, day), encoding="utf-8") as f:
                events += f.read().count('<details class="event"')
        check_calendar(web, events)
        sizes = {os.path.basename(p): os.path.getsize(p) for p in glob.glob(os.path.join(web, "*"))}
        check(max(sizes.values()) < 1024 * 1024, "no file is over 1 MB (largest %d bytes)" % max(sizes.values()))

        driver = start_browser(os.path.join(work, "profile"))
        try:
            for width, height, kind in WIDTHS:
                set_width(driver, width, height)
                check_day_bar(driver, web, width, days)
                check_athlete_link(driver, web, width)
                check_opening(driver, web, days[1], width)
                check_records(driver, web, width)
            check_print(driver, web, days[1], work)
            take_screenshots(driver, web, args.out)
        finally:
            driver.quit()
        print("page sizes: " + ", ".join("%s %d kB" % (n, (s + 512) // 1024) for n, s in sorted(sizes.items())))
    print("screenshots in " + args.out)


if __name__ == "__main__":
    main()
