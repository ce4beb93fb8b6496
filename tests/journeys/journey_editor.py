#!/usr/bin/python3
"""The alarm editor as a person meets it: a new alarm set to 06:45 on Monday
and Saturday is stored with its two rings; edited to 07:10 it moves; a
cancelled edit changes nothing."""
from journey import JourneyFailure, run

MONDAY, SATURDAY = 2, 64


def set_time(s, hour, minute):
    s.press(s.find("push button", "Time"))
    s.set_value(s.find("spin button", "Hour"), hour)
    s.set_value(s.find("spin button", "Minute"), minute)
    wanted = "%02d:%02d" % (hour, minute)
    s.press(s.find("push button", "Done"))
    s.wait_for(lambda: s.find("push button", "Time").description == wanted, "the time row reading " + wanted)


def alarm_at(s, time):
    found = [a for a in s.ctl_json("list") if a["time"] == time]
    return found[0] if len(found) == 1 else None


def editor_journey(s):
    s.wait_for(lambda: len(s.ctl_json("pending")) == 5, "the first launch's weekday alarm")

    # A new alarm: 06:45, Monday and Saturday.
    s.press(s.find("push button", "Add alarm"))
    set_time(s, 6, 45)
    for day in ("Monday", "Saturday"):
        button = s.find("push button", day)
        s.toggle(button)
        s.wait_for(lambda: s.checked(s.find("push button", day)), day + " lit")
    s.press(s.find("push button", "Save"))
    s.press(s.find("push button", "Do not show again"))  # the warning before the first save
    s.wait_for(lambda: s.preference("tAlarmRingingNoticeDoNotShow") == "true", "the warning not to be shown again")
    new = s.wait_for(lambda: alarm_at(s, "06:45"), "the 06:45 alarm stored")
    if new["mask"] != MONDAY | SATURDAY or not new["active"] or len(new["notifications"]) != 2:
        raise JourneyFailure("stored %r" % new)
    s.wait_for(lambda: len(s.ctl_json("pending")) == 7, "its two rings pending beside the five")
    s.find("push button", lambda name: name.startswith("06:45, "))

    # Edited to 07:10: still one alarm, its rings moved.
    s.press(s.find("push button", lambda name: name.startswith("06:45, ")))
    s.press(s.find("push button", "Edit"))
    set_time(s, 7, 10)
    s.press(s.find("push button", "Save"))
    moved = s.wait_for(lambda: alarm_at(s, "07:10"), "the alarm stored at 07:10")
    if moved["id"] != new["id"] or alarm_at(s, "06:45") or len(s.ctl_json("list")) != 2:
        raise JourneyFailure("after the edit: %r" % s.ctl_json("list"))
    rings = sorted(n["fireDate"] for n in s.ctl_json("pending"))
    if len(rings) != 7 or any(r[11:16] == "06:45" for r in rings):
        raise JourneyFailure("pending after the edit: %r" % rings)

    # Changed, then cancelled: nothing stored changes.
    before = s.ctl_json("list")
    s.press(s.find("push button", lambda name: name.startswith("07:10, ")))
    s.press(s.find("push button", "Edit"))
    set_time(s, 9, 30)
    s.toggle(s.find("push button", "Sunday"))
    s.press(s.find("push button", "Cancel"))
    s.find("push button", "Add alarm")
    if s.ctl_json("list") != before:
        raise JourneyFailure("a cancelled edit changed %r into %r" % (before, s.ctl_json("list")))


if __name__ == "__main__":
    run(editor_journey)
