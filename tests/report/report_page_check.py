#!/usr/bin/env python3
"""The report as a user gets it: `Tidemark --report` on three weeks of rows
(failures, damaged lines, a run log with reasons) writes one page, which must
parse as XML, hold no script and fetch nothing, and which a real headless
Chromium renders without errors into a screenshot in the build's test output.

Usage: report_page_check.py TIDEMARK OUTPUT_DIR [CHROMIUM]
"""
import os
import random
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

XHTML = "{http://www.w3.org/1999/xhtml}"
SVG = "{http://www.w3.org/2000/svg}"
HEADER = (" , , ,FAST,USEN,USEN,USEN,USEN ,SPEED,SPEED,SPEED\r\n"
          " ,Time,Note,DL Speed,DL Speed,UL speed,PING,Jitter,DL Speed,UL speed,PING\r\n")


def sample_rows():
    rng = random.Random(7)
    rows = [HEADER]
    for slot in range(21 * 48):
        day, half = divmod(slot, 48)
        hour, minute = half // 2, half % 2 * 30
        stamp = f"2026/03/{day + 1:02d} {hour}:{minute:02d}:04"
        evening = 0.4 if 19 <= hour <= 23 else 1.0
        if slot % 53 == 0:
            rows.append(f" ,{stamp},Test timed out.,{180 * evening:.0f}Mbps,Error,Error,Error,Error,Error,Error,Error\r\n")
        elif slot % 71 == 0:
            rows.append(f" ,{stamp},An error occurred in the test.,Error,Error,Error,Error,Error,Error,Error,Error\r\n")
        else:
            f = lambda base, spread: base * evening + spread * rng.random()
            rows.append(f" ,{stamp},,{f(180, 40):.0f}Mbps,\"{f(1100, 200):,.2f}Mbps\",{60 + 20 * rng.random():.2f}Mbps,"
                        f"{10 + 8 * rng.random():.1f}ms,{1 + 3 * rng.random():.1f}ms,{f(175, 35):.2f}Mbps,"
                        f"{58 + 25 * rng.random():.2f}Mbps,{9 + 10 * rng.random():.0f}ms\r\n")
        if slot in (100, 700):
            rows.append(f" ,{stamp},,93Mbps,12,5Mbps\r\n")
    return "".join(rows)


def sample_log(csv):
    return ("2026-03-02 02:30:00 START FAST USEN SPEED into sample.csv\n"
            f"2026-03-02 02:30:00 FILE {csv}\n"
            "2026-03-02 02:30:31 FAIL USEN: the page's title did not show in time; page shown: \"404 Not Found\"\n"
            "2026-03-02 02:30:32 END Test timed out !! | note: Test timed out.\n"
            "2026-03-02 11:30:00 START FAST USEN SPEED into sample.csv\n"
            f"2026-03-02 11:30:00 FILE {csv}\n"
            "2026-03-02 11:30:02 FAIL FAST: error 0x800705B4: DevTools did not take Accessibility.getFullAXTree in time\n"
            "2026-03-02 11:30:03 END An error occurred in the test !! | note: An error occurred in the test.\n")


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def check_page(path):
    with open(path, encoding="utf-8") as page:
        text = page.read()
    try:
        root = ET.fromstring(text)  # well-formed XML, or this raises
    except ET.ParseError as error:
        fail(f"the page is not well-formed: {error}")
    if root.tag != XHTML + "html":
        fail(f"the root is {root.tag}")
    elements = list(root.iter())
    if any(e.tag.endswith("script") for e in elements):
        fail("the page holds a script")
    for e in elements:
        for name, value in e.attrib.items():
            if name.lower().startswith("on"):
                fail(f"an event handler attribute {name}")
            if name in ("href", "src") or name.endswith("}href"):
                fail(f"a reference to {value}")
    charts = [e for e in elements if e.tag == SVG + "svg"]
    if len(charts) != 5:
        fail(f"{len(charts)} charts where 5 are expected (three services, ping and jitter, time of day)")
    for needed in ("DevTools did not take Accessibility.getFullAXTree in time", "2 lines could not be read",
                   "1008 runs from 2026-03-01 00:00 to 2026-03-21 23:30"):
        if needed not in text:
            fail(f"the page does not say: {needed}")
    size = os.path.getsize(path)
    print(f"page: {size} bytes, {len(elements)} elements, {len(charts)} charts, well-formed XML, no script")
    return len(charts)


def comma_locale(environment, work):
    """German settings, where the decimal separator is a comma; made with localedef when the machine has none."""
    environment = dict(environment, LC_ALL="de_DE.UTF-8", LANG="de_DE.UTF-8")
    have = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.split()
    if "de_DE.utf8" not in have:
        place = os.path.join(work, "locales")
        os.makedirs(place)
        subprocess.run(["localedef", "-i", "de_DE", "-f", "UTF-8", os.path.join(place, "de_DE.UTF-8")], check=True,
                       timeout=120)
        environment["LOCPATH"] = place
    probe = subprocess.run(["python3", "-c", "import locale; locale.setlocale(locale.LC_ALL, ''); "
                            "print(locale.localeconv()['decimal_point'])"], capture_output=True, text=True,
                           env=environment)
    if probe.stdout.strip() != ",":
        fail(f"the German locale does not write a decimal comma: {probe.stdout!r} {probe.stderr!r}")
    return environment


def check_machine_numbers(path):
    """Under a comma-decimal locale the page's numbers are still written for machines."""
    with open(path, encoding="utf-8") as page:
        text = page.read()
    root = ET.fromstring(text)
    checked = 0
    for e in root.iter():
        for name in ("x", "y", "x1", "x2", "y1", "y2", "cx", "cy", "width", "height"):
            if name in e.attrib:
                float(e.attrib[name])  # raises on "230,0"
                checked += 1
        if "points" in e.attrib:
            for pair in e.attrib["points"].split():
                x, y = pair.split(",")
                float(x), float(y)
                checked += 1
    cells = re.findall(r"<td>(\d+[.,]\d+%?)</td>", text)
    if not cells or any("," in cell for cell in cells):
        fail(f"table figures follow the locale: {cells[:5]}")
    print(f"comma-decimal locale: {checked} coordinates and {len(cells)} table figures written with a point")


def render(chromium, page, screenshot, charts):
    base = [chromium, "--headless=new", "--disable-gpu", "--hide-scrollbars", "--no-first-run",
            "--enable-logging=stderr", "--v=0", "--window-size=1000,3000"]
    if os.geteuid() == 0:
        base.append("--no-sandbox")
    url = "file://" + os.path.abspath(page)
    with tempfile.TemporaryDirectory() as profile:
        common = base + [f"--user-data-dir={profile}"]
        dom = subprocess.run(common + ["--dump-dom", url], capture_output=True, text=True, timeout=120)
        shot = subprocess.run(common + [f"--screenshot={screenshot}", url], capture_output=True, text=True,
                              timeout=120)
    for run in (dom, shot):
        if run.returncode != 0:
            fail(f"Chromium ended with {run.returncode}: {run.stderr[-2000:]}")
        errors = [line for line in run.stderr.splitlines()
                  if "Uncaught" in line or ("CONSOLE" in line and "error" in line.lower())]
        if errors:
            fail("Chromium reported script errors: " + "\n".join(errors))
    rendered = len(re.findall(r"<svg\b", dom.stdout))
    if rendered != charts:
        fail(f"Chromium's document holds {rendered} charts, the page {charts}")
    if not os.path.exists(screenshot) or os.path.getsize(screenshot) < 20000:
        fail("no screenshot, or an empty one")
    print(f"rendered by Chromium without errors: {screenshot}")


def main():
    tidemark, output = sys.argv[1], sys.argv[2]
    chromium = sys.argv[3] if len(sys.argv) > 3 else "/usr/bin/chromium"
    os.makedirs(output, exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        csv = os.path.join(work, "sample.csv")
        with open(csv, "w", encoding="utf-8", newline="") as file:
            file.write(sample_rows())
        state = os.path.join(work, "state")
        os.makedirs(os.path.join(state, "tidemark"))
        with open(os.path.join(state, "tidemark", "tidemark.log"), "w", encoding="utf-8") as log:
            log.write(sample_log(csv))
        page = os.path.join(output, "report.html")
        environment = dict(os.environ, XDG_STATE_HOME=state)
        environment.pop("DISPLAY", None)
        made = subprocess.run([tidemark, "--report", csv, "--output", page, "--below", "100"], capture_output=True,
                              text=True, env=environment, timeout=60)
        if made.returncode != 0:
            fail(f"Tidemark --report ended with {made.returncode}: {made.stderr}")
        print(made.stdout.strip())
        comma_page = os.path.join(output, "report-de.html")
        made = subprocess.run([tidemark, "--report", csv, "--output", comma_page, "--below", "100"],
                              capture_output=True, text=True, env=comma_locale(environment, work), timeout=60)
        if made.returncode != 0:
            fail(f"Tidemark --report under a comma-decimal locale ended with {made.returncode}: {made.stderr}")
    check_machine_numbers(comma_page)
    charts = check_page(page)
    render(chromium, page, os.path.join(output, "report.png"), charts)


if __name__ == "__main__":
    main()
