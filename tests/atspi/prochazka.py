#!/usr/bin/env python3
"""Walks the accessibility tree of the Talvo windows through AT-SPI.

Runs on a private session bus of its own (dbus-run-session): the accessibility bus and its
registry come up through D-Bus activation there, Qt's AT-SPI bridge is forced on, and the
program runs on an Xvfb display of its own (Qt's offscreen platform has no AT-SPI bridge).
Every window of the two cipher menus is opened through its menu item's AT-SPI action, the
semaphore window encrypts its sample text, and the whole tree is walked:
  - every object with the FOCUSABLE state has a non-empty name,
  - the cells of the grille (table cells under the object named "Mřížka") have descriptions,
  - the semaphore pictures ("Obrázek N") have descriptions starting "Semafor: ",
  - the semaphore test's picture ("Obrázek otázky") is described by its flags ("Vlajky míří "),
  - no focusable object is named by Morse code as punctuation (".-"): it reads "tečka čárka".
Every failure is printed with its window and the role/name path of the object; the exit code
is 1 on a failure, 77 (a skip) only when no session bus can be started at all.

Usage: prochazka.py PROGRAM
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

PRESKOCIT = 77
ZNACKA = "TALVO_ATSPI_SOUKROMA_SBERNICE"
OBRAZEK_SEMAFORU = re.compile(r"Obrázek \d+")

# The menu items that open a window: the captions from the bar's menu down to the item, without "&".
POLOZKY = [
    ("Šifrování", "Morseovka"),
    ("Šifrování", "Mřížka"),
    ("Šifrování", "Šifrovací kolečko"),
    ("Šifrování", "Šnek"),
    ("Šifrování", "Semafor"),
    ("Šifrování", "Příprava hry pro hlídky"),
    ("Šifrování", "Semafor – čtení"),
    ("Cvičení šifrování", "Morseovka 1"),
    ("Cvičení šifrování", "Morseovka – trénink"),
    ("Cvičení šifrování", "Morseovka – vysílání klíčem"),
    ("Cvičení šifrování", "Semafor – test"),
    ("Přehled šifer", "Vložit/editovat popis", "Nová"),
    ("Přehled šifer", "Morseovka"),
]
# A name made of Morse code's signs alone, which a screen reader reads as punctuation.
ZNAKY_MORSEOVKY = re.compile(r"[.\-/ ]*[.\-][.\-/ ]*")


def spust_na_soukrome_sbernici():
    """Re-runs this script under dbus-run-session; a bus that cannot start is a skip."""
    dbus = shutil.which("dbus-run-session")
    if not dbus:
        print("SKIP: dbus-run-session is not installed, no private session bus can start")
        return PRESKOCIT
    with tempfile.TemporaryDirectory(prefix="talvo-atspi-") as slozka:
        znacka = os.path.join(slozka, "sbernice-bezi")
        prostredi = dict(os.environ, **{ZNACKA: znacka})
        vysledek = subprocess.run([dbus, "--", sys.executable, os.path.abspath(__file__)] + sys.argv[1:],
                                  env=prostredi)
        if not os.path.exists(znacka):
            print(f"SKIP: dbus-run-session could not start a session bus (exit code {vysledek.returncode})")
            return PRESKOCIT
        return vysledek.returncode


def bez_mnemoniky(text):
    return (text or "").replace("&&", "\0").replace("&", "").replace("\0", "&")


def deti(objekt):
    try:
        pocet = objekt.childCount
    except Exception:
        return []
    vysledek = []
    for i in range(pocet):
        try:
            dite = objekt.getChildAtIndex(i)
        except Exception:
            dite = None
        if dite is not None:
            vysledek.append(dite)
    return vysledek


def popis_objektu(objekt):
    try:
        return f"{objekt.getRoleName()} \"{objekt.name}\""
    except Exception as e:
        return f"<gone: {e}>"


def najdi(koren, podminka, hloubka=40):
    """The first object below koren (breadth first) that podminka accepts."""
    fronta = [(koren, 0)]
    while fronta:
        objekt, h = fronta.pop(0)
        try:
            if podminka(objekt):
                return objekt
        except Exception:
            pass
        if h < hloubka:
            fronta.extend((d, h + 1) for d in deti(objekt))
    return None


def stiskni(objekt):
    """Runs the object's first action (press, toggle, click); False when it has none."""
    try:
        akce = objekt.queryAction()
    except Exception:
        return False
    if akce.nActions < 1:
        return False
    return bool(akce.doAction(0))


def cekej(podminka, limit=10.0):
    konec = time.monotonic() + limit
    while time.monotonic() < konec:
        try:
            vysledek = podminka()
        except Exception:
            vysledek = None
        if vysledek:
            return vysledek
        time.sleep(0.2)
    return None


def spust_xvfb():
    """Starts Xvfb on a free display; returns (process, display) or (None, None)."""
    xvfb = shutil.which("Xvfb")
    if not xvfb:
        return None, None
    cteni, zapis = os.pipe()
    proces = subprocess.Popen([xvfb, "-displayfd", str(zapis), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                              pass_fds=(zapis,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(zapis)
    cislo = b""
    konec = time.monotonic() + 15
    while time.monotonic() < konec and not cislo.endswith(b"\n"):
        kus = os.read(cteni, 16)
        if not kus:
            break
        cislo += kus
    os.close(cteni)
    if not cislo.strip():
        proces.kill()
        return None, None
    return proces, ":" + cislo.decode().strip()


def podrobnosti(objekt):
    """What else the object tells: its attributes and the start of its text, to find it by."""
    casti = []
    try:
        atributy = [a for a in objekt.getAttributes() if not a.startswith("toolkit")]
        if atributy:
            casti.append(", ".join(atributy))
    except Exception:
        pass
    try:
        text = objekt.queryText()
        obsah = text.getText(0, min(text.characterCount, 40))
        if obsah:
            casti.append(f"text \"{obsah}\"")
    except Exception:
        pass
    return f" ({'; '.join(casti)})" if casti else ""


class Prochazka:
    def __init__(self):
        self.chyby = []
        self.okna = []
        self.zamerenych = 0
        self.otazek = 0

    def chyba(self, okno, cesta, text):
        self.chyby.append(f"{okno}: {' / '.join(cesta)}: {text}")

    def projdi(self, objekt, okno, cesta, pod_mrizkou, hloubka=0, role_rodice=None):
        try:
            role = objekt.getRole()
            jmeno = objekt.name or ""
            popis = objekt.description or ""
            stav = objekt.getState()
        except Exception:
            return
        import pyatspi

        cesta = cesta + [popis_objektu(objekt)]
        # The sub-window frames of the work area name the window the objects below belong to.
        if role in (pyatspi.ROLE_FRAME, pyatspi.ROLE_INTERNAL_FRAME) and jmeno:
            okno = jmeno
            # The sub-windows are frames in the work area, the main window's layered pane.
            if role_rodice == pyatspi.ROLE_LAYERED_PANE:
                self.okna.append(jmeno)
        if stav.contains(pyatspi.STATE_FOCUSABLE):
            self.zamerenych += 1
        if stav.contains(pyatspi.STATE_FOCUSABLE) and not jmeno.strip():
            self.chyba(okno, cesta, "focusable object without a name" + podrobnosti(objekt))
        if stav.contains(pyatspi.STATE_FOCUSABLE) and ZNAKY_MORSEOVKY.fullmatch(jmeno):
            self.chyba(okno, cesta, "named by Morse signs, which are read as punctuation")
        if jmeno == "Obrázek otázky":
            self.otazek += 1
            if not popis.startswith("Vlajky míří "):
                self.chyba(okno, cesta, f"the quiz picture's description does not say where the flags point: \"{popis}\"")
        if pod_mrizkou and role == pyatspi.ROLE_TABLE_CELL and not popis.strip():
            self.chyba(okno, cesta, "grille cell without a description")
        if role in (pyatspi.ROLE_LABEL, pyatspi.ROLE_IMAGE) and OBRAZEK_SEMAFORU.fullmatch(jmeno) and not popis.startswith("Semafor: "):
            self.chyba(okno, cesta, f"semaphore picture whose description does not start \"Semafor: \": \"{popis}\"")
        pod_mrizkou = pod_mrizkou or jmeno == "Mřížka"
        if hloubka < 60:
            for dite in deti(objekt):
                self.projdi(dite, okno, cesta, pod_mrizkou, hloubka + 1, role)


def spocitej(koren, podminka):
    pocet = 0
    fronta = [koren]
    while fronta:
        objekt = fronta.pop()
        try:
            if podminka(objekt):
                pocet += 1
        except Exception:
            pass
        fronta.extend(deti(objekt))
    return pocet


def hlavni(program):
    try:
        import gi

        gi.require_version("Atspi", "2.0")
        import pyatspi
    except Exception as e:
        print(f"FAIL: pyatspi cannot be imported ({e}); scripts/install-deps installs python3-pyatspi")
        return 1

    domov = tempfile.mkdtemp(prefix="talvo-atspi-domov-")
    # The descriptions the build prepares beside the program, for the overview to open one.
    uloziste = os.path.join(os.path.dirname(program), "talvoPrehled")
    if os.path.isdir(uloziste):
        shutil.copytree(uloziste, os.path.join(domov, "talvoPrehled"))
    xvfb, displej = spust_xvfb()
    if not xvfb:
        print("FAIL: Xvfb could not start")
        return 1
    prostredi = dict(os.environ, DISPLAY=displej, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                     QT_ACCESSIBILITY="1", HOME=domov, XDG_CONFIG_HOME=os.path.join(domov, ".config"),
                     XDG_DATA_HOME=os.path.join(domov, ".local", "share"))
    prostredi.pop("WAYLAND_DISPLAY", None)
    talvo = subprocess.Popen([program], env=prostredi, cwd=domov)
    try:
        return prochazej(pyatspi, talvo)
    finally:
        talvo.terminate()
        try:
            talvo.wait(10)
        except subprocess.TimeoutExpired:
            talvo.kill()
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(domov, ignore_errors=True)


def prochazej(pyatspi, talvo):
    def aplikace():
        if talvo.poll() is not None:
            raise SystemExit(f"FAIL: the program ended with exit code {talvo.returncode} before its tree was walked")
        plocha = pyatspi.Registry.getDesktop(0)
        for app in deti(plocha):
            if app.name == "Talvo" or app.get_process_id() == talvo.pid:
                if deti(app):
                    return app
        return None

    app = cekej(aplikace, 30)
    if not app:
        print("FAIL: the program did not appear on the accessibility bus within 30 s")
        return 1

    chyby_otevirani = []
    for cesta in POLOZKY:
        # Qt shows a menu as a menu item with its popup menu below it; the item that opens the window
        # is the one without children.
        uroven, hloubka = app, 3
        for i, titulek in enumerate(cesta):
            posledni = i == len(cesta) - 1
            uroven = najdi(uroven, lambda o: o.getRole() in (pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM,
                                                              pyatspi.ROLE_CHECK_MENU_ITEM)
                           and bez_mnemoniky(o.name) == titulek and (o.childCount == 0) == posledni, hloubka)
            hloubka = 2
            if not uroven:
                break
        if not uroven or not stiskni(uroven):
            chyby_otevirani.append(f"menu item \"{' / '.join(cesta)}\" not found or not pressable")
            continue
        time.sleep(0.3)

    # Every window is in the tree before the walk: a window still opening would be missed.
    def pocet_oken():
        oblast = najdi(app, lambda o: o.getRole() == pyatspi.ROLE_LAYERED_PANE, 3)
        return oblast is not None and sum(
            1 for o in deti(oblast) if o.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_INTERNAL_FRAME)) >= len(POLOZKY)

    cekej(pocet_oken, 20)

    # The semaphore window encrypts its sample text, so its pictures are in the tree.
    semafor = cekej(lambda: najdi(app, lambda o: o.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_INTERNAL_FRAME)
                                  and bez_mnemoniky(o.name) == "Semafor"))
    obrazku = 0
    if not semafor:
        chyby_otevirani.append("the semaphore window did not open")
    else:
        tlacitko = najdi(semafor, lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON
                         and bez_mnemoniky(o.name) == "Zašifruj")
        if not tlacitko or not stiskni(tlacitko):
            chyby_otevirani.append("the button \"Zašifruj\" of the semaphore window not found or not pressable")
        else:
            obrazku = cekej(lambda: spocitej(semafor, lambda o: o.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_IMAGE)
                                             and OBRAZEK_SEMAFORU.fullmatch(o.name))) or 0
            if not obrazku:
                chyby_otevirani.append("no semaphore pictures \"Obrázek N\" after \"Zašifruj\"")

    mrizka = najdi(app, lambda o: o.name == "Mřížka" and o.getRole() not in (
        pyatspi.ROLE_FRAME, pyatspi.ROLE_INTERNAL_FRAME, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM))
    bunek = spocitej(mrizka, lambda o: o.getRole() == pyatspi.ROLE_TABLE_CELL) if mrizka else 0
    if not bunek:
        chyby_otevirani.append("the grille \"Mřížka\" with its table cells not found")

    # The sub-windows of the work area are frames inside the main window's frame.
    prochazka = Prochazka()
    prochazka.projdi(app, "Talvo", [], False)
    oken = len(prochazka.okna)
    if not prochazka.zamerenych:
        chyby_otevirani.append("no focusable object in the whole tree")
    if not prochazka.otazek:
        chyby_otevirani.append("the semaphore test's picture \"Obrázek otázky\" not found")
    if oken != len(POLOZKY):
        chyby_otevirani.append(f"{oken} windows open instead of {len(POLOZKY)}: {', '.join(prochazka.okna)}")
    for text in chyby_otevirani + prochazka.chyby:
        print("FAIL:", text)
    print(f"atspi-walk: {oken} windows, {prochazka.zamerenych} focusable objects, {bunek} grille cells, {obrazku} semaphore pictures, "
          f"{len(chyby_otevirani) + len(prochazka.chyby)} failures")
    return 1 if chyby_otevirani or prochazka.chyby else 0


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    if ZNACKA not in os.environ:
        return spust_na_soukrome_sbernici()
    with open(os.environ[ZNACKA], "w"):
        pass
    return hlavni(os.path.abspath(sys.argv[1]))


if __name__ == "__main__":
    sys.exit(main())
