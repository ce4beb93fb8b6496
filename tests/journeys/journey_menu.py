#!/usr/bin/python3
"""The side menu as a person meets it: to the skins, to About through
"More", back home."""
from journey import JourneyFailure, run


def open_menu(s):
    button = s.find("push button", "Menu")
    if s.checked(button):
        raise JourneyFailure("the closed menu's button reads as open")
    s.press(button)
    s.wait_for(lambda: s.checked(s.find("push button", "Menu")), "the menu button reading as open")


def menu_journey(s):
    s.find("push button", "Add alarm")
    open_menu(s)
    s.press(s.find("push button", "Skin"))
    s.find("list item", "Skin 1")
    s.find("push button", "Use photo")
    open_menu(s)
    s.press(s.find("push button", "More"))
    s.press(s.find("push button", "About"))
    s.find("heading", "About")
    open_menu(s)
    s.press(s.find("push button", "Back"))
    s.press(s.find("push button", "Home"))
    s.find("push button", "Add alarm")
    s.wait_for(lambda: s.absent("push button", "Skin"), "the menu closed")


if __name__ == "__main__":
    run(menu_journey)
