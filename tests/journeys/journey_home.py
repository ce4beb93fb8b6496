#!/usr/bin/python3
"""The home screen as a person meets it on a first launch: one 07:00 weekday
alarm; switched off, nothing rings; on again; deleted; the unit toggled."""
from journey import JourneyFailure, run


def home_journey(s):
    def default_row(state):
        def matches(name):
            return name.startswith("07:00, Mon Tue Wed Thu Fri, ") and name.endswith(", " + state)
        matches.__doc__ = "the 07:00 weekday alarm, " + state
        return matches

    row = s.find("push button", default_row("on"))
    s.find("push button", "Add alarm")
    s.find("push button", "Menu")
    alarms = s.ctl_json("list")
    if len(alarms) != 1 or alarms[0]["time"] != "07:00" or alarms[0]["mask"] != 62:
        raise JourneyFailure("first launch stored %r" % alarms)
    s.wait_for(lambda: len(s.ctl_json("pending")) == 5, "five pending rings")

    switch = s.find("check box", "Alarm on", within=row)
    if not s.checked(switch):
        raise JourneyFailure("the switch of an alarm that is on reads off")
    s.toggle(switch)
    s.wait_for(lambda: s.ctl_json("list")[0]["active"] is False, "the alarm stored off")
    s.wait_for(lambda: s.ctl_json("pending") == [], "nothing pending")
    row = s.find("push button", default_row("off"))
    s.wait_for(lambda: not s.checked(s.find("check box", "Alarm on", within=row)), "the switch off")

    s.toggle(s.find("check box", "Alarm on", within=row))
    s.wait_for(lambda: s.ctl_json("list")[0]["active"] is True, "the alarm stored on")
    s.wait_for(lambda: len(s.ctl_json("pending")) == 5, "five pending rings again")

    row = s.find("push button", default_row("on"))
    s.press(row)
    s.press(s.find("push button", "Delete"))
    s.press(s.find("push button", "Yes"))
    s.wait_for(lambda: s.ctl_json("list") == [], "an empty alarm file")
    s.wait_for(lambda: s.ctl_json("pending") == [], "nothing pending after the delete")
    s.wait_for(lambda: s.absent("push button", default_row("on")), "the row gone")

    unit = s.find("push button", "Temperature unit")
    before = s.preference("DefaultWeatherUnit")
    if before != "C" or unit.description != "°C":
        raise JourneyFailure("first launch unit %r shown as %r" % (before, unit.description))
    s.press(unit)
    s.wait_for(lambda: s.preference("DefaultWeatherUnit") == "F", "the preference F")
    s.wait_for(lambda: s.find("push button", "Temperature unit").description == "°F", "the toggle reading °F")

    volume = s.find("slider", "Volume")
    s.set_value(volume, 30)
    s.wait_for(lambda: round(s.value(volume)) == 30, "the volume at 30")
    s.find("label", "Next alarm")


if __name__ == "__main__":
    run(home_journey)
