#!/usr/bin/env python3
"""A member's calendar app on their matches' feed: Debian's vdirsyncer subscribes to
/m/TOKEN/matches.ics over HTTP on 127.0.0.1 and syncs it into a folder, as a calendar app keeps
it; the leader plans a match, moves it and cancels it, and after each sync the folder holds that
one event with the new time, a higher SEQUENCE and at last STATUS:CANCELLED. A revoked link's
feed is gone. Exits 77 (skipped) when vdirsyncer is missing.

    matches_feed.py TALLYHOLD-WEB TALLYHOLD-CLI
"""
import datetime
import glob
import json
import os
import shutil
import subprocess
import sys
import tempfile
import urllib.error
import urllib.request
import zoneinfo

from webserver import SKIPPED, free_port, wait_for


def utc(day, hour):
    """A time on the leader's clock (EST, America/New_York) as iCalendar's UTC text."""
    moment = datetime.datetime(day.year, day.month, day.day, hour, tzinfo=zoneinfo.ZoneInfo("America/New_York"))
    return moment.astimezone(datetime.timezone.utc).strftime("%Y%m%dT%H%M%SZ")


def main():
    web, cli = sys.argv[1], sys.argv[2]
    vdirsyncer = shutil.which("vdirsyncer")
    if not vdirsyncer:
        print("SKIPPED: vdirsyncer is missing (scripts/setup-debian.sh installs it)")
        return SKIPPED

    work = tempfile.mkdtemp(prefix="matches-feed-")
    roster = os.path.join(work, "ClanRoster.mdb")
    folder = os.path.join(work, "calendar")

    def tallyhold(*words):
        done = subprocess.run([cli, "--roster", roster, *words], capture_output=True, text=True, check=True)
        return done.stdout

    tallyhold("init")
    tallyhold("division", "add", "Alpha")
    tallyhold("member", "add", "Ann", "--division", "Alpha", "--zone", "CET")
    tallyhold("member", "add", "Bob", "--division", "Alpha", "--zone", "EST")
    tallyhold("options", "--zone", "EST", "--dst", "yes")
    port = free_port()
    made = json.loads(tallyhold("--json", "link", "make", "Ann", "--address", f"http://127.0.0.1:{port}"))
    feed = made["url"] + "/matches.ics"
    day = datetime.date.today() + datetime.timedelta(days=28)
    tallyhold("match", "plan", "--at", f"{day:%m/%d/%Y} 8:00 PM", "--length", "120", "--title", "Raid night",
              "--member", "Ann", "--member", "Bob")
    tallyhold("match", "answer", "Raid night", "Ann", "yes")
    # Bob's match alone: not Ann's, so not in her calendar.
    tallyhold("match", "plan", "--at", f"{day:%m/%d/%Y} 6:00 PM", "--length", "60", "--title", "Bob's duel",
              "--member", "Bob")

    with open(os.path.join(work, "config"), "w") as config:
        config.write(f"""[general]
status_path = "{work}/status/"

[pair matches]
a = "feed"
b = "calendar"
collections = null
conflict_resolution = "a wins"

[storage feed]
type = "http"
url = "{feed}"

[storage calendar]
type = "filesystem"
path = "{folder}/"
fileext = ".ics"
""")
    os.makedirs(folder)
    environment = dict(os.environ, HOME=work, XDG_CONFIG_HOME=work, XDG_DATA_HOME=work)

    def sync():
        for command in ("discover", "sync"):
            done = subprocess.run([vdirsyncer, "-c", os.path.join(work, "config"), command], env=environment,
                                  capture_output=True, text=True, timeout=60)
            assert done.returncode == 0, (command, done.stdout, done.stderr)
        events = []
        for path in glob.glob(os.path.join(folder, "*.ics")):
            with open(path, encoding="utf-8") as item:
                # Unfolded as RFC 5545 folds long lines.
                lines = item.read().replace("\r\n", "\n").replace("\n ", "").splitlines()
            fields = {}
            for line in lines:
                name, _, value = line.partition(":")
                fields.setdefault(name.split(";")[0], []).append((name, value))
            events.append(fields)
        return events

    def one(events):
        assert len(events) == 1, events
        event = events[0]
        return {name: event[name][0][1] for name in ("SUMMARY", "DTSTART", "DTEND", "SEQUENCE", "STATUS")}, \
            [name for name, _ in event.get("ATTENDEE", [])]

    server = subprocess.Popen([web, "--roster", roster, "--listen", f"127.0.0.1:{port}"],
                              stderr=subprocess.PIPE, text=True)
    try:
        wait_for(port)
        planned, attendees = one(sync())
        assert planned == {"SUMMARY": "Raid night", "DTSTART": utc(day, 20), "DTEND": utc(day, 22),
                           "SEQUENCE": planned["SEQUENCE"], "STATUS": "CONFIRMED"}, planned
        # Ann alone attends in her calendar, with her answer.
        assert len(attendees) == 1 and "PARTSTAT=ACCEPTED" in attendees[0] and "CN=Ann" in attendees[0], attendees

        later = day + datetime.timedelta(days=1)
        tallyhold("match", "set", "Raid night", "--at", f"{later:%m/%d/%Y} 9:00 PM")
        moved, attendees = one(sync())
        assert (moved["DTSTART"], moved["DTEND"], moved["STATUS"]) == (utc(later, 21), utc(later, 23), "CONFIRMED"), \
            moved
        assert int(moved["SEQUENCE"]) > int(planned["SEQUENCE"]), (planned, moved)
        # Moving asks again: her answer was for the old time.
        assert "PARTSTAT=NEEDS-ACTION" in attendees[0], attendees

        tallyhold("match", "cancel", "Raid night")
        cancelled, _ = one(sync())
        assert cancelled["STATUS"] == "CANCELLED", cancelled
        assert cancelled["DTSTART"] == moved["DTSTART"], cancelled
        assert int(cancelled["SEQUENCE"]) > int(moved["SEQUENCE"]), (moved, cancelled)

        tallyhold("link", "revoke", made["key"])
        try:
            urllib.request.urlopen(feed, timeout=10)
            raise AssertionError("a revoked link's feed is still served")
        except urllib.error.HTTPError as gone:
            assert gone.code == 404, gone.code
    finally:
        server.terminate()
        log = server.communicate(timeout=10)[1]
    assert made["url"].rsplit("/", 1)[1] not in log, "the log carries the token"
    shutil.rmtree(work, ignore_errors=True)
    print("vdirsyncer saw the match planned, moved and cancelled in the member's feed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
