#!/usr/bin/env python3
"""A member's round in a real browser: the leader makes a link, the member opens it in headless
Chromium, fills Tuesday and the weekend in their own zone and saves, adds a week away, then
answers a planned match Yes with a note; the roster holds the times, the away dates and the
answer, and leaves the member out while away. Exits 77
(skipped) when chromium, chromium-driver or python3-selenium is missing.

    signup_browser.py TALLYHOLD-WEB TALLYHOLD-CLI [SCREENSHOTS]

With SCREENSHOTS, the page at the end is saved as SCREENSHOTS-phone.png and SCREENSHOTS-desktop.png.
"""
import datetime
import json
import zoneinfo
import sqlite3
import os
import shutil
import subprocess
import sys
import tempfile

from webserver import SKIPPED, free_port, wait_for


def main():
    web, cli = sys.argv[1], sys.argv[2]
    screenshot = sys.argv[3] if len(sys.argv) > 3 else None
    try:
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
        from selenium.webdriver.common.by import By
        from selenium.webdriver.support.ui import WebDriverWait
    except ImportError:
        print("SKIPPED: python3-selenium is missing (scripts/setup-debian.sh installs it)")
        return SKIPPED
    chromium, driver = shutil.which("chromium"), shutil.which("chromedriver")
    if not chromium or not driver:
        print("SKIPPED: chromium or chromium-driver is missing (scripts/setup-debian.sh installs them)")
        return SKIPPED

    work = tempfile.mkdtemp(prefix="signup-browser-")
    roster = os.path.join(work, "ClanRoster.mdb")

    def tallyhold(*words):
        done = subprocess.run([cli, "--roster", roster, *words], capture_output=True, text=True, check=True)
        return done.stdout

    tallyhold("init")
    tallyhold("division", "add", "Alpha")
    tallyhold("member", "add", "Ann", "--division", "Alpha", "--zone", "CET")
    tallyhold("options", "--zone", "EST", "--dst", "yes")
    # Seven days some weeks ahead: one Tuesday among them, and the Tuesday after them played.
    today = datetime.date.today()
    away = [today + datetime.timedelta(days=14 + day) for day in range(7)]
    tuesday = next(day for day in away if day.weekday() == 1)
    # A two-hour match four weeks ahead at 8:00 PM on the leader's clock, shown on Ann's own.
    match_day = today + datetime.timedelta(days=28)
    tallyhold("match", "plan", "--at", f"{match_day:%m/%d/%Y} 8:00 PM", "--length", "120", "--title",
              "Raid <night>", "--member", "Ann")
    match_start = datetime.datetime(match_day.year, match_day.month, match_day.day, 20,
                                    tzinfo=zoneinfo.ZoneInfo("America/New_York")).astimezone(
                                        zoneinfo.ZoneInfo("Europe/Berlin"))
    match_end = match_start + datetime.timedelta(hours=2)
    port = free_port()
    link = tallyhold("link", "make", "Ann", "--address", f"http://127.0.0.1:{port}").splitlines()[0]

    server = subprocess.Popen([web, "--roster", roster, "--listen", f"127.0.0.1:{port}"],
                              stderr=subprocess.PIPE, text=True)
    options = webdriver.ChromeOptions()
    options.binary_location = chromium
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                     "--no-first-run", "--lang=en-US", "--window-size=430,1400",
                     f"--user-data-dir={os.path.join(work, 'chromium')}"):
        options.add_argument(argument)
    browser = None
    try:
        wait_for(port)
        browser = webdriver.Chrome(service=Service(driver), options=options)
        browser.get(link)
        assert browser.find_element(By.ID, "player").text == "Ann"
        assert browser.find_element(By.ID, "division").text == "Alpha"
        # On a 390-pixel phone each end time stays on the line of its start.
        browser.set_window_size(390, 1400)
        assert browser.execute_script("return window.innerWidth") <= 390
        for day in range(6):
            for start in (0, 2):
                tops = [browser.find_element(By.ID, f"d{day}s{slot}").rect["y"] for slot in (start, start + 1)]
                assert tops[0] == tops[1], (day, start, tops)
        # Typed as a member types them; a typed time ticks its day.
        for field, keys in (("d1s0", "0800P"), ("d1s1", "1100P"), ("d5s0", "1000A"), ("d5s1", "0100P")):
            browser.find_element(By.ID, field).send_keys(keys)
        assert browser.find_element(By.ID, "d1").is_selected() and browser.find_element(By.ID, "d5").is_selected()
        browser.find_element(By.ID, "save").click()
        WebDriverWait(browser, 10).until(lambda b: b.find_elements(By.ID, "saved"))
        preview = browser.find_element(By.ID, "preview1").text
        assert preview == "Saved, in the leader's time (EST): 02:00 PM - 05:00 PM", preview

        # A week away, typed into the date fields as a member types them (their own dates).
        for field, date in (("first", away[0]), ("last", away[-1])):
            browser.find_element(By.ID, field).send_keys(date.strftime("%m%d%Y"))
        assert browser.find_element(By.ID, "away").is_selected()
        browser.find_element(By.ID, "note").send_keys("holiday")
        browser.find_element(By.ID, "add-change").click()
        WebDriverWait(browser, 10).until(lambda b: b.find_elements(By.ID, "change-saved"))
        listed = [item.text for item in browser.find_elements(By.CSS_SELECTOR, "#change-list .text")]
        assert listed == [f"Away {away[0]:%m/%d/%Y} – {away[-1]:%m/%d/%Y}: holiday"], listed
        # The same dates again are refused beside the form, which the page scrolls to, dates kept.
        browser.find_element(By.ID, "first").send_keys(away[2].strftime("%m%d%Y"))
        browser.find_element(By.ID, "add-change").click()
        WebDriverWait(browser, 10).until(lambda b: b.find_elements(By.ID, "change-error"))
        error = browser.find_element(By.ID, "change-error")
        assert error.text == f"These dates overlap another change: {listed[0]}.", error.text
        assert browser.execute_script("var r = arguments[0].getBoundingClientRect();"
                                      "return r.top >= 0 && r.bottom <= window.innerHeight;", error)
        assert browser.find_element(By.ID, "first").get_attribute("value") == away[2].isoformat()
        # The match, on Ann's clock, waits for her answer; she answers Yes with a note.
        assert browser.find_element(By.ID, "matches-due").text == "A match waits for your answer"
        match = browser.find_element(By.CSS_SELECTOR, "#matches article.match")
        key = match.get_attribute("id").removeprefix("match-")
        assert match.find_element(By.TAG_NAME, "h3").text == "Raid <night>"
        when = match.find_element(By.CLASS_NAME, "when").text
        expected = f"{match_start:%a %m/%d/%Y %I:%M %p} – {match_end:%I:%M %p} (2 hours)"
        assert when == expected, (when, expected)
        assert match.find_element(By.CLASS_NAME, "count").text == "0 of 1 said yes"
        browser.find_element(By.ID, f"note-{key}").send_keys("bringing snacks")
        browser.find_element(By.ID, f"yes-{key}").click()
        WebDriverWait(browser, 10).until(lambda b: b.find_elements(By.ID, f"answered-{key}"))
        answer = browser.find_element(By.ID, f"answer-{key}").text
        assert answer == "Your answer: Yes · bringing snacks", answer
        assert browser.find_element(By.ID, f"yes-{key}").get_attribute("aria-pressed") == "true"
        assert browser.find_element(By.ID, f"count-{key}").text == "1 of 1 said yes"
        assert not browser.find_elements(By.ID, "matches-due")
        feed = browser.find_element(By.ID, "subscribe").get_attribute("href")
        assert feed == f"webcal://127.0.0.1:{port}/m/{link.rsplit('/', 1)[1]}/matches.ics", feed
        # Nothing of the changes or the matches widens the phone's page.
        assert browser.execute_script("return document.documentElement.scrollWidth <= window.innerWidth")
        if screenshot:
            for name, width in (("phone", 390), ("desktop", 1280)):
                browser.set_window_size(width, 1400)
                height = browser.execute_script("return document.documentElement.scrollHeight")
                browser.set_window_size(width, height + 140)
                browser.save_screenshot(f"{screenshot}-{name}.png")
    finally:
        if browser:
            browser.quit()
        server.terminate()
        log = server.communicate(timeout=10)[1]

    shown = json.loads(tallyhold("--json", "member", "show", "Ann"))
    assert shown["schedule"] == {"tue": "02:00 PM - 05:00 PM", "weekend": "04:00 AM - 07:00 AM"}, shown
    available = json.loads(tallyhold("--json", "available", "--at", "12/8/2026 9:00 PM", "--zone", "CET",
                                     "--member", "Ann"))
    assert available["available"] == ["Ann"], available
    with sqlite3.connect(roster) as store:
        rows = store.execute("SELECT CHG_First, CHG_Last, CHG_Away, CHG_Note FROM MemberChanges").fetchall()
    assert rows == [(away[0].isoformat(), away[-1].isoformat(), 1, "holiday")], rows
    with sqlite3.connect(roster) as store:
        answers = store.execute("SELECT MPL_Answer, MPL_Note FROM MatchPlayers").fetchall()
    assert answers == [(1, "bringing snacks")], answers
    for day, listed in ((tuesday, []), (tuesday + datetime.timedelta(days=7), ["Ann"])):
        available = json.loads(tallyhold("--json", "available", "--at", f"{day:%m/%d/%Y} 9:00 PM", "--zone", "CET",
                                         "--member", "Ann"))
        assert available["available"] == listed, (day, available)
    assert link.rsplit("/", 1)[1] not in log, "the log carries the token"
    shutil.rmtree(work, ignore_errors=True)
    print("member saved Tuesday and the weekend, a week away and a Yes to a match, through the browser")
    return 0


if __name__ == "__main__":
    sys.exit(main())
