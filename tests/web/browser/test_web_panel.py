#!/usr/bin/env python3
"""The web panel in headless Chromium against the real program driving the
radio simulator: what reaches the radio, what rig control then reads from the
program, what the page shows. Exits 77 (skipped) without Chromium or Selenium.
"""
import argparse
import base64
import hashlib
import http.server
import os
import queue
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time
import unittest

SKIP = 77
# Only keeps a broken build from hanging the run; never a measurement.
LIMIT = 20

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.by import By
    from selenium.webdriver.support.ui import Select, WebDriverWait
except ImportError:
    webdriver = None

PASSWORD = "a long test password"
BIN_DIR = None


def find_browser():
    return shutil.which("chromium") or shutil.which("chromium-browser"), shutil.which("chromedriver")


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def password_hash(password, iterations=1000):
    salt = os.urandom(16)
    key = hashlib.pbkdf2_hmac("sha256", password.encode(), salt, iterations, dklen=32)
    return "$".join(["pbkdf2-sha256", str(iterations), base64.b64encode(salt).decode(),
                     base64.b64encode(key).decode()])


class Lines:

    def __init__(self, process):
        self.queue = queue.Queue()
        threading.Thread(target=self._read, args=(process,), daemon=True).start()

    def _read(self, process):
        for line in process.stdout:
            self.queue.put(line.rstrip("\n"))

    def expect(self, pattern):
        seen = []
        # The radio's keep-alive lines never stop: the limit is on the whole wait.
        deadline = time.monotonic() + LIMIT
        while True:
            try:
                line = self.queue.get(timeout=max(0, deadline - time.monotonic()))
            except queue.Empty:
                raise AssertionError(f"{pattern!r} never came; saw {seen[-20:]}") from None
            match = re.search(pattern, line)
            if match:
                return match
            seen.append(line)

    def drain(self):
        while not self.queue.empty():
            self.queue.get_nowait()


class Station:
    """The simulator and the program on it, in a data directory of their own."""

    def __init__(self, password=None):
        self.dir = tempfile.TemporaryDirectory()
        link = os.path.join(self.dir.name, "radio")
        self.sim = subprocess.Popen([os.path.join(BIN_DIR, "tq5820-sim"), "--link", link,
                                     "--log-received"],
                                    stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        self.radio = Lines(self.sim)
        self.radio.expect(r"^/dev/")
        files = {"PortSetup.txt": "3\r\n9600,O,7,1\r\ncomNone\r\n0\r\n",
                 "SerialPorts.txt": f"3 {link}\n"}
        if password:
            files["WebPanelPassword.txt"] = password_hash(password) + "\r\n"
        for name, text in files.items():
            with open(os.path.join(self.dir.name, name), "w", newline="") as file:
                file.write(text)
        self.port = free_port()
        self.rigctl_port = free_port()
        environment = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        self.program = subprocess.Popen(
            [os.path.join(BIN_DIR, "tq5820"), "--data-dir", self.dir.name,
             f"--web={self.port}", f"--rigctld={self.rigctl_port}"],
            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, env=environment)
        self.output = Lines(self.program)
        self.access = self.output.expect(r"Web panel: (\S+)").group(1)
        self.output.expect(r"Main loop running: REMOTE")
        self.base = f"http://127.0.0.1:{self.port}"

    def heard(self, pattern):
        return self.radio.expect(r"^rx .*" + pattern)

    def rigctl(self, command):
        with socket.create_connection(("127.0.0.1", self.rigctl_port), timeout=LIMIT) as link:
            link.sendall((command + "\n").encode())
            return link.recv(4096).decode()

    def stop(self):
        for process in (self.program, self.sim):
            process.terminate()
            process.wait(timeout=LIMIT)
            process.stdout.close()
        self.dir.cleanup()


def new_browser():
    browser, driver = find_browser()
    options = webdriver.ChromeOptions()
    options.binary_location = browser
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=390,1400"):
        options.add_argument(argument)
    return webdriver.Chrome(service=Service(driver), options=options)


class WebPanelInBrowser(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.host = Station(PASSWORD)
        cls.browser = new_browser()
        cls.wait = WebDriverWait(cls.browser, LIMIT)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.host.stop()

    def setUp(self):
        self.host.radio.drain()  # only what this test makes the radio hear

    def log_in(self):
        self.browser.get(self.host.base + "/login")
        if "/login" in self.browser.current_url:  # else still logged in, sent on to the panel
            self.browser.find_element(By.ID, "password").send_keys(PASSWORD)
            self.browser.find_element(By.ID, "login").click()
        # The panel is ready once the program's first message has filled its boxes.
        self.wait.until(lambda b: b.find_element(By.ID, "connection").text == "Connected"
                        and Select(b.find_element(By.ID, "cmbMode")).options)

    def digits(self, read_out):
        return "".join(d.text for d in self.browser.find_elements(By.CSS_SELECTOR, f"#{read_out} button"))

    def wait_for_digits(self, read_out, value):
        self.wait.until(lambda b: self.digits(read_out) == value)

    def test_1_a_wrong_password_is_refused(self):
        self.browser.delete_all_cookies()
        self.browser.get(self.host.base + "/")  # sent on to the login page
        self.browser.find_element(By.ID, "password").send_keys("not the password")
        self.browser.find_element(By.ID, "login").click()
        self.wait.until(lambda b: "Wrong password." in b.page_source)
        self.assertIsNone(self.browser.get_cookie("tq5820_session"))

    def test_2_a_step_on_a_digit_tunes_the_radio_and_the_panel_shows_it(self):
        self.log_in()
        self.wait_for_digits("vfoA", "1420000")
        cookie = self.browser.get_cookie("tq5820_session")
        self.assertTrue(cookie["httpOnly"])
        self.assertEqual(cookie["sameSite"], "Strict")
        # The log holds the whole browser session; only policy complaints count.
        complaints = [entry["message"] for entry in self.browser.get_log("browser")
                      if "Content Security Policy" in entry["message"] or "Refused to" in entry["message"]]
        self.assertEqual(complaints, [], "the page runs under its content security policy")
        digit = self.browser.find_elements(By.CSS_SELECTOR, "#vfoA button")[4]
        # A tap on the upper half steps up once.
        ActionChains(self.browser).move_to_element_with_offset(digit, 0, -digit.size["height"] // 4) \
            .click_and_hold().release().perform()
        self.host.heard(r"F1420100")
        self.wait_for_digits("vfoA", "1420100")
        # The program itself (the window's model) holds it: another route reads it.
        self.assertEqual(self.host.rigctl("f"), "14201000\n")

    def test_4_a_mode_change_reaches_the_radio(self):
        self.log_in()
        Select(self.browser.find_element(By.ID, "cmbMode")).select_by_visible_text("LSB")
        self.host.heard(r"M2")
        self.wait.until(lambda b: self.host.rigctl("m").startswith("LSB\n"))
        self.assertEqual(Select(self.browser.find_element(By.ID, "cmbMode"))
                         .first_selected_option.text, "LSB")

    def test_6_ptt_transmits_while_held_and_a_closed_tab_lets_go(self):
        self.log_in()
        ptt = self.browser.find_element(By.ID, "cmdPTT")
        ActionChains(self.browser).click_and_hold(ptt).perform()
        self.host.heard(r"K")
        self.wait.until(lambda b: b.find_element(By.ID, "lblXMTRCV").text == "Transmit")
        ActionChains(self.browser).release(ptt).perform()
        self.host.heard(r"U")
        self.wait.until(lambda b: b.find_element(By.ID, "lblXMTRCV").text == "Receive")
        # Closing the tab that holds PTT lets go of it.
        first = self.browser.current_window_handle
        self.browser.switch_to.new_window("tab")
        self.log_in()
        ActionChains(self.browser).click_and_hold(self.browser.find_element(By.ID, "cmdPTT")).perform()
        self.host.heard(r"K")
        self.browser.close()
        self.browser.switch_to.window(first)
        self.host.heard(r"U")

    def test_8_neither_an_oversized_message_nor_a_page_from_another_origin_gets_in(self):
        self.log_in()
        code = self.browser.execute_async_script(
            "const done = arguments[0], s = new WebSocket(location.origin.replace('http', 'ws') + '/ws');"
            "s.onopen = () => s.send('x'.repeat(5000)); s.onclose = e => done(e.code);")
        self.assertEqual(code, 1009, "too big")
        page = (f'<script>const s = new WebSocket("ws://127.0.0.1:{self.host.port}/ws");'
                's.onopen = () => document.title = "opened";'
                's.onerror = () => document.title = "refused";</script>').encode()

        class Foreign(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                self.send_response(200)
                self.send_header("Content-Type", "text/html")
                self.end_headers()
                self.wfile.write(page)

            def log_message(self, *args):
                pass

        # Threads: a connection the browser opens ahead and leaves idle must not
        # hold up the one that asks for the page.
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Foreign)
        threading.Thread(target=server.serve_forever, daemon=True).start()
        try:
            self.browser.get(f"http://127.0.0.1:{server.server_port}/")
            self.wait.until(lambda b: b.title in ("opened", "refused"))
            self.assertEqual(self.browser.title, "refused")
        finally:
            server.shutdown()
            server.server_close()


class WebPanelAccessToken(unittest.TestCase):
    def test_the_printed_address_logs_in_once_and_a_band_button_opens_its_list(self):
        host = Station()
        browser = new_browser()
        try:
            browser.get(host.access.replace("?token=", "?token=x"))
            self.assertIn("used already", browser.page_source)
            self.assertIsNone(browser.get_cookie("tq5820_session"))
            browser.get(host.access)
            WebDriverWait(browser, LIMIT).until(
                lambda b: b.find_element(By.ID, "connection").text == "Connected")
            self.assertNotIn("token", browser.current_url)
            # A band button opens its list window on the program's screen,
            # which takes the panel out of the operator's hands meanwhile.
            browser.find_element(By.ID, "cmd40M").click()
            WebDriverWait(browser, LIMIT).until(
                lambda b: b.find_element(By.ID, "panel").get_attribute("disabled") is not None)
            browser.delete_all_cookies()
            browser.get(host.access)
            self.assertIn("used already", browser.page_source)
        finally:
            browser.quit()
            host.stop()


def main():
    global BIN_DIR
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True, help="where tq5820 and tq5820-sim are")
    arguments, rest = parser.parse_known_args()
    BIN_DIR = arguments.bin
    browser, driver = find_browser()
    if webdriver is None or not browser or not driver:
        print("SKIP: the browser tests need chromium, chromium-driver and python3-selenium")
        return SKIP
    program = unittest.main(argv=[sys.argv[0], *rest], exit=False, verbosity=2)
    return 0 if program.result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
