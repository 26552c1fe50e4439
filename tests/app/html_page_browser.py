#!/usr/bin/env python3
"""The web page of reelminder --export-html, in a real browser.

Makes an archive through the program's own CSV import, writes the page with --export-html and opens it
in headless Chromium at a phone's width: typing filters the films and the count follows, a title that
is a script shows as text and never runs, the console stays free of errors, and nothing scrolls
sideways.

Run as: html_page_browser.py <reelminder>
"""
import csv
import os
import subprocess
import sys
import tempfile

from selenium import webdriver
from selenium.common.exceptions import NoAlertPresentException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

WIDTH = 360
SCRIPT_TITLE = "<script>alert(1)</script>"
HEADER = ["Cassette", "Cassette length", "Counter range", "Title", "Year", "Country", "Length", "Director",
          "Actors", "Genre", "Story", "Long-play", "Black/white", "Seen", "Deletable"]
FILMS = [
    ["Krimis", "240", "", "Der dritte Mann", "1949", "Großbritannien", "104", "Carol Reed",
     "Joseph Cotten\r\nOrson Welles", "Thriller", "", "0", "1", "1", "0"],
    ["Krimis", "240", "", SCRIPT_TITLE, "1984", "", "90", "<b>Nobody</b>", "", "Test", "", "1", "0", "0", "0"],
    ["Krimis", "240", "", "M", "1931", "Deutschland", "117", "Fritz Lang", "Peter Lorre", "Thriller", "",
     "0", "1", "0", "0"],
    # A name without a blank to break at must not widen the page.
    ["Sammelkassette_ohne_Leerzeichen_mit_langem_Namen", "180", "", "Metropolis", "1927",
     "Deutschland", "153", "Fritz Lang", "Brigitte Helm", "Science-Fiction", "", "0", "1", "0", "0"],
] + [
    # More films than the page puts on it at once: the rest come as one scrolls, or prints.
    [f"Serie {(n - 1) // 10 + 1}", "600", "", f"Folge {n}", "2001", "", "45", "", "", "Serie", "", "0", "0", "0",
     "0"] for n in range(1, 151)
]
FILM_COUNT = len(FILMS)
TAPE_COUNT = len({film[0] for film in FILMS})

failures = []
passes = []


def check(condition, what):
    print(("ok:     " if condition else "FAILED: ") + what)
    (passes if condition else failures).append(what)


def run(program, env, *arguments, status=0):
    result = subprocess.run([program, *arguments], env=env, capture_output=True, text=True, timeout=120)
    if result.returncode != status:
        sys.exit(f"{' '.join(arguments)} ended with {result.returncode}: {result.stderr}")


def write_page(program, folder):
    env = {key: value for key, value in os.environ.items()
           if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    for name in ("HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"):
        env[name] = os.path.join(folder, name.lower())
        os.makedirs(env[name], mode=0o700)
    films = os.path.join(folder, "films.csv")
    with open(films, "w", newline="", encoding="utf-8") as file:
        writer = csv.writer(file, lineterminator="\r\n")
        writer.writerow(HEADER)
        writer.writerows(FILMS)
    archive = os.path.join(folder, "test.RMA")
    run(program, env, "--language", "en", "--archive", archive, "--import-csv", films)
    # The page never takes the archive's place.
    with open(archive, "rb") as file:
        kept = file.read()
    run(program, env, "--archive", archive, "--export-html", archive, status=1)
    with open(archive, "rb") as file:
        check(file.read() == kept, "the archive is refused as the page's file")
    page = os.path.join(folder, "page.html")
    run(program, env, "--language", "de", "--archive", archive, "--export-html", page)
    return page


def browser():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     f"--window-size={WIDTH},800"):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": WIDTH, "height": 800, "deviceScaleFactor": 1, "mobile": True})
    return driver


def shown(driver):
    """The films and tapes on the page, and the count the page says it shows."""
    return (len(driver.find_elements(By.CSS_SELECTOR, ".film")),
            len(driver.find_elements(By.CSS_SELECTOR, ".tape")),
            driver.find_element(By.ID, "count").get_attribute("data-shown"),
            driver.find_element(By.ID, "count").text)


def main():
    with tempfile.TemporaryDirectory() as folder:
        page = write_page(sys.argv[1], folder)
        driver = browser()
        try:
            driver.get("file://" + page)
            check(driver.find_element(By.TAG_NAME, "html").get_attribute("lang") == "de", "the page is German")
            check(shown(driver)[2] == str(FILM_COUNT), f"the count is of every film: {shown(driver)}")
            check(shown(driver)[0] < FILM_COUNT, f"the page starts with part of the films: {shown(driver)}")
            driver.execute_cdp_cmd("Page.printToPDF", {})
            check(shown(driver)[:2] == (FILM_COUNT, TAPE_COUNT), f"printed, every film and tape: {shown(driver)}")
            check(driver.execute_script("return document.documentElement.scrollWidth") <= WIDTH,
                  f"nothing scrolls sideways at {WIDTH} px")

            search = driver.find_element(By.ID, "search")
            label = driver.find_element(By.CSS_SELECTOR, "label[for=search]")
            check(label.text != "", "the search field has a label")
            for typed, films, tapes in (("DRITTE", 1, 1), ("welles", 1, 1), ("fritz lang", 2, 2),
                                        ("1931", 1, 1), ("science", 1, 1), ("alert", 1, 1), ("xyz", 0, 0),
                                        ("folge 14", 12, 4), ("serie 2001 folge 7", 24, 15)):
                search.send_keys(Keys.CONTROL, "a")
                search.send_keys(Keys.DELETE)
                search.send_keys(typed)
                films_shown, tapes_shown, count, text = shown(driver)
                check((films_shown, tapes_shown) == (films, tapes), f"'{typed}' shows {films_shown} film(s) "
                      f"on {tapes_shown} tape(s), expected {films} on {tapes}")
                check(count == str(films) and str(films) in text, f"'{typed}': the count says {text!r}")

            search.send_keys(Keys.CONTROL, "a")
            search.send_keys("alert")
            titles = [e.text for e in driver.find_elements(By.CSS_SELECTOR, ".film .title")]
            check(len(titles) == 1 and titles[0].startswith(SCRIPT_TITLE), f"the script shows as text: {titles}")
            directors = driver.find_element(By.CSS_SELECTOR, ".film .details").text
            check("<b>Nobody</b>" in directors, f"markup shows as text: {directors!r}")
            try:
                alert = driver.switch_to.alert.text
            except NoAlertPresentException:
                alert = None
            check(alert is None, "no script of the catalogue ran")

            driver.get("file://" + page)
            films = 0
            while films < FILM_COUNT and films != shown(driver)[0]:
                films = shown(driver)[0]
                driver.execute_script("window.scrollTo(0, document.body.scrollHeight)")
                WebDriverWait(driver, 5).until(lambda d: shown(d)[0] > films or films == FILM_COUNT)
            check(shown(driver)[:3] == (FILM_COUNT, TAPE_COUNT, str(FILM_COUNT)),
                  f"scrolled down, every film and tape: {shown(driver)}")
            check(driver.execute_script("return document.documentElement.scrollWidth") <= WIDTH,
                  f"nothing scrolls sideways at {WIDTH} px after filtering")
            errors = [entry for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
            check(not errors, f"no errors on the console: {errors}")
        finally:
            driver.quit()
    print(f"{len(passes)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
