#!/usr/bin/env python3
"""zeltaro.exe under Wine, driven with xdotool on the display xvfb-run gave the test, whose screen
Xvfb keeps in a file: the first worked game with the defaults, item by item, the discs read back
after every Play, to the losing verdict; the settings dialog closed with Esc; the box at the take
limit; Save to NUL refused, the device left as it was and nothing written beside it.
Usage: test_wine_game.py ZELTARO-EXE SCREEN-DIR WORK-DIR"""
import os, shutil, stat, struct, subprocess, sys, time

EXE, SCREEN, WORK = sys.argv[1], os.path.join(sys.argv[2], "Xvfb_screen0"), sys.argv[3]
GREY = (128, 128, 128)  # the stock grey brush
# The worked game: the player's takes and the computer's answers from the reply table.
PLAYER, COMPUTER = [1, 3, 2, 4, 1, 1, 1], [1, 1, 4, 2, 1, 3, 1]


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=30).stdout


def windows(title):
    return xdotool("search", "--onlyvisible", "--name", f"^{title}$").split()


def wait_until(what, check, timeout=20):
    deadline = time.monotonic() + timeout
    while not check():
        assert time.monotonic() < deadline, what()
        time.sleep(0.2)


def screen():
    """The screen from Xvfb's XWD file, as a function of x and y giving red, green and blue."""
    with open(SCREEN, "rb") as f:
        data = f.read()
    header = struct.unpack(">25I", data[:100])
    start, stride = header[0] + 12 * header[19], header[12]
    return lambda x, y: tuple(data[start + y * stride + 4 * x + 2 - i] for i in range(3))


def view_origin():
    """Item 1's disc is the first grey one with a disc 55 pixels below and nine squares right."""
    pixel = screen()
    for y in range(768 - 55):
        for x in range(1024 - 495):
            if pixel(x, y) == pixel(x + 495, y) == pixel(x, y + 55) == GREY:
                right = next(r for r in range(x, 1024) if pixel(r + 1, y) != GREY)
                bottom = next(b for b in range(y, 768) if pixel((x + right) // 2, b + 1) != GREY)
                return (x + right) // 2 - 75, (y + bottom) // 2 - 95
    return None


def centre(k):
    return ORIGIN[0] + 75 + 55 * ((k - 1) % 10), ORIGIN[1] + 95 + 55 * ((k - 1) // 10)


def discs():
    """Each item's disc: G grey, W white, ? neither."""
    pixel = screen()
    return "".join({GREY: "G", (255,) * 3: "W"}.get(pixel(*centre(k)), "?") for k in range(1, 26))


def shows(taken):
    expected = "W" * taken + "G" * (25 - taken)
    wait_until(lambda: f"the board shows {discs()}, not {expected}", lambda: discs() == expected)


def press(title, *keys):
    # Searched again until found: a window still being mapped can slip past one search.
    wait_until(lambda: f"no window {title!r}", lambda: windows(title))
    xdotool("windowfocus", "--sync", windows(title)[0])
    xdotool("key", *keys)


def close(title, key="Return"):
    press(title, key)
    wait_until(lambda: f"{title!r} stayed open", lambda: not windows(title))


def click_items(first, count):
    for k in range(first, first + count):
        xdotool("mousemove", *map(str, centre(k)), "click", "1")
    xdotool("mousemove", "1023", "767")  # the pointer is on the screen, away from the discs


subprocess.run(["wineserver", "-k"], capture_output=True)  # one whose desktop is on this display
shutil.rmtree(WORK, ignore_errors=True)
os.makedirs(WORK)
program = subprocess.Popen(["wine", EXE], cwd=WORK)
try:
    MAIN = "Untitled - Zeltaro"
    press(MAIN, "ctrl+g")
    close("Общи настройки", "Escape")

    press(MAIN, "ctrl+t")
    wait_until(lambda: "no grey discs on the screen", lambda: view_origin() is not None)
    ORIGIN = view_origin()
    taken = 0
    for player, computer in zip(PLAYER, COMPUTER):
        click_items(taken + 1, player)
        shows(taken + player)
        press(MAIN, "ctrl+p")
        taken = min(25, taken + player + computer)
        shows(taken)
    close("ZELTARO")

    press(MAIN, "ctrl+n", "ctrl+t")
    shows(0)
    click_items(1, 5)
    close(" ВНИМАНИЕ")
    shows(4)

    press(MAIN, "ctrl+s")
    press("Запиши като", *"NUL", "Return")
    # Wine asks first whether to replace the device, which is there.
    wait_until(lambda: "no question", lambda: len(windows("Запиши като")) == 2)
    xdotool("key", "Return")
    close("Zeltaro")
    assert stat.S_ISCHR(os.stat("/dev/null").st_mode), "/dev/null is no longer a device"
    assert os.listdir(WORK) == [], f"the save wrote {os.listdir(WORK)}"

    press(MAIN, "alt+F4")
    assert program.wait(timeout=30) == 0, f"the program ended with {program.returncode}"
finally:
    if program.poll() is None:
        program.kill()
    subprocess.run(["wineserver", "-k"], capture_output=True)
    subprocess.run(["wineserver", "-w"], capture_output=True)
print("OK")
