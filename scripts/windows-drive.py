#!/usr/bin/env python3
"""Drives the Windows build of Numorra under Wine with real X input, as a person would.

    windows-drive.py ZIP SCREENSHOT HELPER [INSTALLER]

Runs inside an X server (xvfb-run), with WINEPREFIX naming a fresh Wine prefix and WINE the
64-bit Wine loader. The program is the one in the ZIP, unpacked beside the prefix; xdotool
types and clicks, and the text the program puts on the clipboard is read back through the X
clipboard (Wine shares it) with xclip; HELPER (tests/platform/drive_helper.cpp) holds the
clipboard open while the program copies and names the class of the save dialog's window. It
then looks at the window at each display scaling from 100 % to 200 % (pictures in
scaling/ beside the prefix). Then, given the NSIS
installer, installs the program
silently, runs it and uninstalls it. Prints one line per check and the count of passed and
failed checks; the exit code is non-zero when a check failed.
"""

import itertools
import operator
import os
import pathlib
import re
import subprocess
import sys
import time
import zipfile

WINE = os.environ.get("WINE", "/usr/lib/wine/wine64")
PREFIX = pathlib.Path(os.environ["WINEPREFIX"])
TWIPS_PER_PIXEL = 15
CLIENT_SIZE = (15960 // TWIPS_PER_PIXEL, 6795 // TWIPS_PER_PIXEL)
SETTINGS_KEY = r"HKCU\Software\VB and VBA Program Settings\Holvane\Numorra"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Numorra"
VENDOR_KEY = r"HKLM\Software\Holvane"
VENDOR_KEY_32 = r"HKLM\Software\Wow6432Node\Holvane"  # where a 32-bit view would leave it
START_BOUND = 60  # seconds for the window to appear
BOX_BOUND = 20  # seconds for a message box or dialog to appear
SECOND_BOX_BOUND = 5  # seconds a second box is waited for, where there should be none


def centre(left, top, width, height):
    """The centre of a control, in pixels of the client area, from its place in twips."""
    return ((left + width // 2) // TWIPS_PER_PIXEL, (top + height // 2) // TWIPS_PER_PIXEL)


# The controls the check uses, placed as the main window places them (in twips, frames'
# offsets added), with the registry value each field is remembered under and what is typed.
START = centre(8040, 120, 7800, 405)
SAVE = centre(8040, 5780, 3840, 405)
COPY = centre(12000, 5780, 3840, 405)
PICKS = centre(360, 3090, 6720, 345)
DASHES = centre(360, 5400, 300, 255)  # the box of the last option, unchecked at first
FIELDS = [  # Lowest, Highest, Numbers per pick, Picks, Prefix
    (centre(600, 1110, 3045, 345), "Lower", "1"),
    (centre(4360, 1110, 3045, 345), "Higher", "6"),
    (centre(360, 2190, 6720, 345), "No of Numbers", "6"),
    (PICKS, "No. to Generate", "1"),
    (centre(360, 6180, 7320, 345), "Text5", "Año"),
]
# Six numbers of 1 to 6, none twice, in order, with dashes: the one pick there is, after
# the prefix and two spaces; the list's hidden second column holds it with two-digit
# numbers, for sorting.
PICK = "Año  1-2-3-4-5-6"
SORT_TEXT = "Año  01-02-03-04-05-06"
# The file as the Linux program writes it (UTF-8): a header line, then a line per pick,
# every column padded with spaces to its widest text and ended by a tab, CR LF.
LINUX_FILE = ("Picks" + " " * 11 + "\t" + " " * 22 + "\t\r\n"
              + PICK + "\t" + SORT_TEXT + "\t\r\n").encode("utf-8")
# The clipboard: the picks, one a line (the sort column is hidden).
CLIPBOARD = PICK + "\r\n"
HELD_TEXT = "held before the copy"

# The display scalings the window is looked at in, as Windows' dots per inch.
SCALINGS = {100: 96, 125: 120, 150: 144, 175: 168, 200: 192}
# The number fields and the "?" buttons, each as its place in twips within its frames
# (outermost first): at 125 % their frames once lost their bottom and right lines.
FRAMED = [
    [(120, 570), (240, 240), (240, 300, 3045, 345)],  # Lowest Possible Number
    [(120, 570), (4000, 240), (240, 300, 3045, 345)],  # Highest Possible Number
    [(120, 1890), (240, 300, 6720, 345)],  # numbers per pick
    [(120, 2790), (240, 300, 6720, 345)],  # picks
    [(120, 1890), (7080, 300, 480, 345)],  # its "?"
    [(120, 2790), (7080, 300, 480, 345)],  # its "?"
]
# Most of the caption "Lowest Possible Number", on its frame's top line.
CAPTION = [(120, 570), (240, 240), (150, 0, 1950, 240)]
# The first option, "Put numbers within picks in numerical order": its square, left of the
# caption, stayed 13 pixels wide at every scaling while the caption grew.
OPTION = [(120, 3690), (240, 300, 4515, 255)]
DARK = 200  # grey levels below this are ink or line

RUNTIME_LICENCES = ["Qt/LGPL-3.0-only.txt", "Qt/GPL-3.0-only.txt", "libstdc++-6.dll.txt",
                    "libgcc_s_seh-1.dll.txt", "libwinpthread-1.dll.txt"]
NOTICES = ["PCRE2.txt", "zlib.txt", "double-conversion.txt", "libpng.txt", "HarfBuzz.txt",
           "FreeType.txt", "md4c.txt", "qtbase.txt", "Numorra.txt"]

results = []


def check(what, passed, detail=""):
    results.append(passed)
    print(f"{'ok  ' if passed else 'FAIL'} {what}{'' if passed or not detail else ': ' + detail}",
          flush=True)
    return passed


def run(*command, check_exit=True, timeout=60):
    return subprocess.run(command, capture_output=True, text=True, check=check_exit,
                          timeout=timeout).stdout


def xdotool(*args):
    return run("xdotool", *map(str, args), check_exit=False, timeout=10)


def wait_for(probe, seconds):
    """The first true answer of `probe` within `seconds`, else its last answer."""
    deadline = time.monotonic() + seconds
    while True:
        answer = probe()
        if answer or time.monotonic() > deadline:
            return answer
        time.sleep(0.25)


def geometry(window):
    """(x, y, width, height) of an X window."""
    values = dict(re.findall(r"(\w+)=(\d+)", xdotool("getwindowgeometry", "--shell", window)))
    return tuple(int(values.get(k, 0)) for k in ("X", "Y", "WIDTH", "HEIGHT"))


def windows_named(name):
    return xdotool("search", "--onlyvisible", "--name", f"^{re.escape(name)}$").split()


def main_window():
    found = [w for w in windows_named("Numorra") if geometry(w)[2] >= CLIENT_SIZE[0]]
    return found[0] if found else None


def message_box():
    """A visible window named "Numorra" other than the main window (the program's boxes)."""
    found = [w for w in windows_named("Numorra") if geometry(w)[2] < CLIENT_SIZE[0]]
    return found[0] if found else None


def clipboard():
    return run("xclip", "-selection", "clipboard", "-o", check_exit=False)


def set_clipboard(text):
    # xclip stays behind to serve what it set, so its output is not waited for.
    subprocess.run(["xclip", "-selection", "clipboard", "-t", "UTF8_STRING", "-i"],
                   input=text.encode("utf-8"), stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=10)


def click(window, point, repeat=1):
    """Clicks a point of the window's client area; a frame Wine draws is left of it."""
    x, y, width, height = geometry(window)
    border = (width - CLIENT_SIZE[0]) // 2
    left, top = x + border, y + height - border - CLIENT_SIZE[1]
    # A synchronous move waits for the pointer to move, so it starts a pixel away.
    xdotool("mousemove", left + point[0] + 1, top + point[1])
    xdotool("mousemove", "--sync", left + point[0], top + point[1])
    xdotool("click", "--repeat", repeat, "--delay", 60, 1)


def focus(window):
    """Gives a window the keyboard focus (there is no window manager to ask)."""
    xdotool("windowfocus", window)
    time.sleep(0.3)


def keys(*names):
    xdotool("key", "--delay", 40, *names)


def type_text(text):
    xdotool("type", "--delay", 40, text)


def copied_text(window, field=None):
    """What Ctrl+C in the window (in `field`, all of it selected) puts on the clipboard;
    tried again while it puts nothing there, as a window may not take keys at once."""
    for _ in range(10):
        if field:
            click(window, field)
            keys("ctrl+a")
        else:
            focus(window)
        set_clipboard("")
        keys("ctrl+c")
        text = wait_for(clipboard, 2)
        if text:
            return text
    return ""


def dismissed_box_text(bound=BOX_BOUND):
    """Waits for a box, copies its text (Ctrl+C, as in any Windows message box), presses
    its default button and returns the text, or None when no box appeared."""
    box = wait_for(message_box, bound)
    if not box:
        return None
    text = copied_text(box)
    focus(box)
    keys("Return")
    wait_for(lambda: not message_box(), BOX_BOUND)
    return text


def start(exe):
    process = subprocess.Popen([WINE, exe], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = wait_for(main_window, START_BOUND)
    if window:
        focus(window)
    return process, window


def close(process, window):
    focus(window)
    keys("alt+F4")
    try:
        process.wait(30)
        return True
    except subprocess.TimeoutExpired:
        process.kill()
        return False


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


def registry(key):
    """The values of a registry key, name to text as `reg export` writes it ('"text"',
    'dword:00000001'), or None when the key is missing."""
    exported = PREFIX.parent / "key.reg"
    if subprocess.run([WINE, "reg", "export", key, windows_path(exported), "/y"],
                      capture_output=True, timeout=60).returncode != 0:
        return None
    lines = exported.read_text(encoding="utf-16").splitlines()
    return dict(re.findall(r'^"([^"]*)"=(.*)$', "\n".join(lines), re.M))


def type_into(window, point, text):
    """Types the text into a field, replacing what it holds; text beyond ASCII is pasted
    from the clipboard, as xdotool's typing of it races Wine's reading of the keymap."""
    click(window, point)
    keys("ctrl+a")
    if text.isascii():
        type_text(text)
    else:
        set_clipboard(text)
        keys("ctrl+v")


def window_class(helper, title):
    """The Windows class of the program's top-level window titled `title`."""
    return run(WINE, helper, "class", title, check_exit=False)


def copy_while_held(window, helper, hold, gap, bound):
    """Clicks Copy Results To Clipboard while `helper` holds the clipboard (see its
    source); returns the text of the box the copy showed within `bound` seconds (None when
    none appeared) and what the clipboard held once the holder let go. The box is read
    after that, as its text is copied through the clipboard."""
    process = subprocess.Popen([WINE, helper, "hold", HELD_TEXT, str(hold), str(gap), "6000"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    process.stdout.readline()  # "held"
    click(window, COPY)
    shown = wait_for(message_box, bound)
    try:
        held = process.communicate(timeout=60)[0].decode("utf-8")
    except subprocess.TimeoutExpired:
        process.kill()
        held = None
    return (dismissed_box_text() if shown else None), held


def drive_program(exe, work, screenshot, helper):
    process, window = start(exe)
    if not check(f"the window \"Numorra\" appears within {START_BOUND} s", window is not None):
        process.kill()
        return
    for point, _, text in FIELDS:
        type_into(window, point, text)
    click(window, DASHES)
    click(window, START)
    box = dismissed_box_text()
    check("Start Generating shows \"Done.\", dismissed with Enter", box and "Done." in box, repr(box))

    saved = work / "picks"
    click(window, SAVE)
    dialog = wait_for(lambda: windows_named("Save"), BOX_BOUND)
    if check("Save Results As Text File opens the save dialog", bool(dialog)):
        kind = window_class(helper, "Save")
        check("the save dialog is Windows' own", kind == "#32770", repr(kind))
        focus(dialog[0])
        type_text(windows_path(saved))
        keys("Return")
        box = dismissed_box_text()
        check("the save ends with \"Done.\"", box and "Done." in box, repr(box))
    written = saved.read_bytes() if saved.exists() else None
    check("the file is saved under the name typed, without an extension", written is not None,
          str(sorted(p.name for p in work.iterdir())))
    check("the file holds the Linux program's bytes in Windows-1252 with CR LF",
          written is not None and written == LINUX_FILE.decode("utf-8").encode("cp1252"),
          repr(written))

    set_clipboard("")
    click(window, COPY)
    copied = wait_for(clipboard, BOX_BOUND)
    box = dismissed_box_text()
    check("Copy Results To Clipboard says so", box and "copied to the clipboard" in box, repr(box))
    # Wine hands text to X applications with LF line ends.
    check("the X clipboard holds the picks", copied == CLIPBOARD.replace("\r\n", "\n"),
          repr(copied))

    # Held throughout: the copy is refused and says nothing. Held 5 ms at a time with
    # 2 ms between, as a program that keeps looking at the clipboard holds it: the copy
    # gets through, and says so. Under Wine that copy has taken over 5 s, so its box is
    # waited for as long as any other.
    box, held = copy_while_held(window, helper, hold=8000, gap=0, bound=SECOND_BOX_BOUND)
    check("a copy while another program holds the clipboard claims nothing",
          box is None and held == HELD_TEXT, repr((box, held)))
    box, held = copy_while_held(window, helper, hold=5, gap=2, bound=BOX_BOUND)
    check("a copy gets through when the holder lets go within its attempts, and says so",
          bool(box) and "copied to the clipboard" in box and held == CLIPBOARD,
          repr((box, held)))

    run("import", "-window", window, "-crop", f"{CLIENT_SIZE[0]}x{CLIENT_SIZE[1]}+0+0",
        "-strip", str(screenshot), check_exit=False)
    check("the screenshot is written", screenshot.exists())
    check("closing the window ends the program", close(process, window))

    stored = registry(SETTINGS_KEY) or {}
    check("the registry holds the fields as typed and the option as clicked",
          all(stored.get(name) == f'"{text}"' for _, name, text in FIELDS)
          and stored.get("Check5") == '"1"', repr(stored))
    process, window = start(exe)
    if not check("the program starts again", window is not None):
        process.kill()
        return
    shown = [copied_text(window, point) for point, _, _ in FIELDS]
    check("the fields come back from the registry", shown == [t for _, _, t in FIELDS],
          repr(shown))

    click(window, START, repeat=2)  # 60 ms apart, a double-click
    first = dismissed_box_text()
    second = dismissed_box_text(SECOND_BOX_BOUND) if first else None
    check("a double-click on Start Generating runs one command (one \"Done.\")",
          first and "Done." in first and second is None, repr((first, second)))
    close(process, window)


def save_from_shortcut(shortcut, program_files):
    """Starts the program from its Start menu shortcut, as Explorer would, and saves under a
    bare name, which lands in the folder the save dialog opened in."""
    subprocess.run([WINE, "start", "/unix", str(shortcut)], stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=60)
    window = wait_for(main_window, START_BOUND)
    if not check("the program starts from its Start menu shortcut", window is not None):
        return
    focus(window)
    click(window, SAVE)
    dialog = wait_for(lambda: windows_named("Save"), BOX_BOUND)
    if dialog:
        focus(dialog[0])
        type_text("from-the-shortcut")
        keys("Return")
        dismissed_box_text()
    # Windows' dialog opens in the folder the program last saved in (the unpacked ZIP's
    # program saved beside the prefix), else where the program started.
    found = list((PREFIX / "drive_c").rglob("from-the-shortcut")) + list(
        PREFIX.parent.glob("from-the-shortcut"))
    check("the save dialog of the program started from the shortcut opens in the folder last "
          "saved in or the user's folder, not the install folder",
          len(found) == 1 and (found[0].parent == PREFIX.parent
                               or found[0].parent.parent == PREFIX / "drive_c/users"),
          repr(found))
    focus(window)
    keys("alt+F4")
    wait_for(lambda: not main_window(), BOX_BOUND)


def grey_image(path):
    """(width, height, bytes of grey levels) of an image file."""
    size = run("identify", "-format", "%w %h", str(path), check_exit=False).split()
    data = subprocess.run(["convert", str(path), "-colorspace", "Gray", "-depth", "8", "gray:-"],
                          capture_output=True, timeout=60).stdout
    return (int(size[0]), int(size[1]), data) if len(size) == 2 else (0, 0, b"")


def place(chain, dpi):
    """A control's rectangle in pixels at `dpi`, from its place in twips within its frames."""
    def pixels(twips):
        return twips * dpi // 1440
    return (sum(pixels(step[0]) for step in chain), sum(pixels(step[1]) for step in chain),
            pixels(chain[-1][2]), pixels(chain[-1][3]))


def frame_whole(image, rect, margin=3):
    """Whether the lines around the dark pixels near `rect` are whole: each edge of their
    bounding box at least 85 % dark (a button's rounded corners take the rest)."""
    width, height, data = image
    left, top, w, h = rect
    dark = {(x, y) for y in range(max(top - margin, 0), min(top + h + margin, height))
            for x in range(max(left - margin, 0), min(left + w + margin, width))
            if data[y * width + x] < DARK}
    if not dark:
        return False
    x0, x1 = min(x for x, _ in dark), max(x for x, _ in dark)
    y0, y1 = min(y for _, y in dark), max(y for _, y in dark)
    rows = [sum((x, y) in dark for x in range(x0, x1 + 1)) / (x1 - x0 + 1) for y in (y0, y1)]
    columns = [sum((x, y) in dark for y in range(y0, y1 + 1)) / (y1 - y0 + 1) for x in (x0, x1)]
    return min(rows + columns) >= 0.85


def ink(image, rect):
    """How dark a region is on average, 0 (white) to 1: bold text is darker than regular."""
    width, _, data = image
    left, top, w, h = rect
    return sum(255 - data[y * width + x] for y in range(top, top + h)
               for x in range(left, left + w)) / (w * h * 255)


def square_width(image, rect):
    """The width of the leftmost dark shape in `rect` (columns with a dark pixel, up to the
    first without): a check box's square, whose outline is left of its caption."""
    width, _, data = image
    left, top, w, h = rect
    inked = (any(data[y * width + x] < DARK for y in range(top, top + h))
             for x in range(left, left + w))
    return sum(1 for _ in itertools.takewhile(bool, itertools.dropwhile(operator.not_, inked)))


def set_dots_per_inch(dpi):
    """Sets the display scaling as Windows' dots per inch, read by programs as they start."""
    run(WINE, "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t",
        "REG_DWORD", "/d", str(dpi), "/f", check_exit=False)


def look_at_scalings(exe, folder):
    """Starts the program at each display scaling (Windows' dots per inch in the registry)
    and takes its picture; one check per scaling that the frames of the number fields and
    the "?" buttons are whole, then one that the captions are of one weight throughout and
    one that a check box's square grows with them."""
    folder.mkdir(exist_ok=True)
    inks, squares = {}, {}
    for percent, dpi in SCALINGS.items():
        set_dots_per_inch(dpi)
        process, window = start(exe)
        shot = folder / f"main-{percent}.png"
        if window:
            width, height = (round(size * dpi / 96) for size in CLIENT_SIZE)
            run("import", "-window", window, "-crop", f"{width}x{height}+0+0", "-strip",
                str(shot), check_exit=False)
            close(process, window)
        else:
            process.kill()
        image = grey_image(shot) if shot.exists() else (0, 0, b"")
        broken = [i for i, chain in enumerate(FRAMED)
                  if not image[0] or not frame_whole(image, place(chain, dpi))]
        check(f"at {percent} % the frames of the number fields and \"?\" buttons are whole",
              not broken, f"broken: {broken} in {shot}")
        if image[0]:
            inks[percent] = ink(image, place(CAPTION, dpi))
            squares[percent] = square_width(image, place(OPTION, dpi))
    set_dots_per_inch(96)
    # Regular text was about a fifth lighter than bold.
    check("the captions are as bold at every scaling",
          len(inks) == len(SCALINGS) and min(inks.values()) >= 0.9 * max(inks.values()),
          repr({percent: round(value, 3) for percent, value in inks.items()}))
    check("a check box's square is twice as wide at 200 % as at 100 %",
          squares.get(100, 0) > 0 and 1.8 <= squares.get(200, 0) / squares[100] <= 2.2,
          repr(squares))


def drive_installer(installer):
    program_files = PREFIX / "drive_c/Program Files/Numorra"
    start_menu = PREFIX / "drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Numorra"
    run(WINE, installer, "/S", check_exit=False)
    run("/usr/lib/wine/wineserver", "-w", check_exit=False)
    check("the installer puts the program in Program Files", (program_files / "numorra.exe").exists())
    check("the installed folder has the licences and notices",
          *missing_licences(program_files, RUNTIME_LICENCES + NOTICES))
    shortcuts = sorted(p.name for p in start_menu.glob("*")) if start_menu.exists() else []
    check("the Start menu has the program's shortcut and no other", shortcuts == ["Numorra.lnk"],
          repr(shortcuts))
    link = (start_menu / "Numorra.lnk").read_bytes() if shortcuts else b""
    check("the shortcut starts the program in the user's folder",
          b"%USERPROFILE%" in link or "%USERPROFILE%".encode("utf-16-le") in link)
    entry = registry(UNINSTALL_KEY) or {}
    check("the uninstall entry names the program, its size and folder, in the 64-bit registry",
          entry.get("DisplayName") == '"Numorra"'
          and entry.get("EstimatedSize", "dword:00000000") != "dword:00000000"
          and entry.get("InstallLocation") == '"C:\\\\Program Files\\\\Numorra"', repr(entry))
    save_from_shortcut(start_menu / "Numorra.lnk", program_files)
    process, window = start(windows_path(program_files / "numorra.exe"))
    check("the installed program shows its window", window is not None)
    if window:
        close(process, window)
    uninstaller = program_files / "Uninstall.exe"
    run(WINE, windows_path(uninstaller), "/S", check_exit=False)
    run("/usr/lib/wine/wineserver", "-w", check_exit=False)
    check("the uninstaller removes the program folder", not program_files.exists(),
          str(list(program_files.rglob("*"))) if program_files.exists() else "")
    check("the uninstaller removes the Start menu folder", not start_menu.exists())
    check("the uninstaller removes its registry keys",
          all(registry(key) is None for key in (UNINSTALL_KEY, VENDOR_KEY, VENDOR_KEY_32)))


def missing_licences(folder, names):
    """Whether the licences folder holds every named file, and which it lacks."""
    missing = [name for name in names if not (folder / "licenses" / name).is_file()]
    return not missing, "missing " + ", ".join(missing)


def main():
    zip_file, screenshot = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]).resolve()
    work = PREFIX.parent
    with zipfile.ZipFile(zip_file) as archive:
        archive.extractall(work)
    exe = next(work.glob("*/numorra.exe"))
    check("the ZIP has the licences of Qt and of the run-time libraries",
          *missing_licences(exe.parent, RUNTIME_LICENCES))
    check("the ZIP has the notices of the code built into Qt and Numorra's own licence",
          *missing_licences(exe.parent, NOTICES))
    check("the program's version resource names its copyright",
          "LegalCopyright".encode("utf-16-le") in exe.read_bytes())
    drive_program(windows_path(exe), work, screenshot, sys.argv[3])
    look_at_scalings(windows_path(exe), work / "scaling")
    if len(sys.argv) > 4:
        drive_installer(sys.argv[4])
    failed = results.count(False)
    print(f"windows-drive: {len(results) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
