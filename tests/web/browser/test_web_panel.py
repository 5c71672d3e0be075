#!/usr/bin/env python3
"""The web panel in a real browser (headless Chromium through Selenium)
against tq5820-web-host, the panel model with a stand-in program behind it.

Each test drives the page as an operator would and checks what the program
would send the radio ("WIRE ..." lines of the host) and what the model and
the page then show. Exits 77 (skipped) where Chromium, its driver or
Selenium is missing.
"""
import argparse
import http.server
import queue
import re
import shutil
import socket
import subprocess
import sys
import threading
import unittest
import urllib.error
import urllib.request

SKIP = 77
# Only keeps a broken build from hanging the run; never a measurement.
LIMIT = 15

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.by import By
    from selenium.webdriver.support.ui import Select, WebDriverWait
except ImportError:
    webdriver = None

PASSWORD = "a long test password"
HOST_BINARY = None


def find_browser():
    browser = shutil.which("chromium") or shutil.which("chromium-browser")
    driver = shutil.which("chromedriver")
    return browser, driver


class Host:
    """tq5820-web-host in the background, its output lines in a queue."""

    def __init__(self, *args):
        self.process = subprocess.Popen([HOST_BINARY, "--port", "0", *args],
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()
        first = self.lines.get(timeout=LIMIT)
        match = re.search(r"(http://127\.0\.0\.1:(\d+)/\S*)", first)
        if not match:
            raise RuntimeError("host did not start: " + first)
        self.access = match.group(1)
        self.port = int(match.group(2))
        self.base = f"http://127.0.0.1:{self.port}"

    def _read(self):
        for line in self.process.stdout:
            self.lines.put(line.rstrip("\n"))

    def expect(self, wanted):
        """Blocks until the host prints the line; fails on a line that does
        not come. Returns the lines seen before it."""
        seen = []
        while True:
            try:
                line = self.lines.get(timeout=LIMIT)
            except queue.Empty:
                raise AssertionError(f"{wanted!r} never came; saw {seen}") from None
            if line == wanted:
                return seen
            seen.append(line)

    def expect_all(self, *wanted):
        """Blocks until the host has printed every line, in any order."""
        missing = set(wanted)
        seen = []
        while missing:
            try:
                line = self.lines.get(timeout=LIMIT)
            except queue.Empty:
                raise AssertionError(f"{sorted(missing)} never came; saw {seen}") from None
            missing.discard(line)
            seen.append(line)

    def drain(self):
        while not self.lines.empty():
            self.lines.get_nowait()

    def stop(self):
        self.process.terminate()
        self.process.wait(timeout=LIMIT)
        self.process.stdout.close()


def new_browser():
    browser, driver = find_browser()
    options = webdriver.ChromeOptions()
    options.binary_location = browser
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=390,1400"):
        options.add_argument(argument)
    return webdriver.Chrome(service=Service(driver), options=options)


def raw_handshake(port, origin, cookie=None):
    """A WebSocket handshake by hand; returns the server's status line."""
    with socket.create_connection(("127.0.0.1", port), timeout=LIMIT) as connection:
        request = (f"GET /ws HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\nUpgrade: websocket\r\n"
                   "Connection: Upgrade\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
                   f"Sec-WebSocket-Version: 13\r\nOrigin: {origin}\r\n")
        if cookie:
            request += f"Cookie: {cookie}\r\n"
        connection.sendall((request + "\r\n").encode())
        return connection.recv(4096).decode(errors="replace").split("\r\n")[0]


class WebPanelInBrowser(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.host = Host("--password", PASSWORD)
        cls.browser = new_browser()
        cls.wait = WebDriverWait(cls.browser, LIMIT)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.host.stop()

    def setUp(self):
        self.host.drain()

    def log_in(self):
        self.browser.get(self.host.base + "/login")
        if "/login" not in self.browser.current_url:
            return  # still logged in
        self.browser.find_element(By.ID, "password").send_keys(PASSWORD)
        self.browser.find_element(By.ID, "login").click()
        self.wait.until(lambda b: b.find_element(By.ID, "connection").text == "Connected")

    def digits(self, read_out):
        return "".join(d.text for d in self.browser.find_elements(By.CSS_SELECTOR, f"#{read_out} button"))

    def wait_for_digits(self, read_out, value):
        self.wait.until(lambda b: self.digits(read_out) == value)

    def test_1_a_wrong_password_is_refused(self):
        self.browser.delete_all_cookies()
        self.browser.get(self.host.base + "/")
        self.assertIn("/login", self.browser.current_url)
        self.browser.find_element(By.ID, "password").send_keys("not the password")
        self.browser.find_element(By.ID, "login").click()
        self.wait.until(lambda b: "Wrong password." in b.page_source)
        self.assertIsNone(self.browser.get_cookie("tq5820_session"))

    def test_2_after_logging_in_the_frequency_shows(self):
        self.log_in()
        self.wait_for_digits("vfoA", "1420000")
        cookie = self.browser.get_cookie("tq5820_session")
        self.assertTrue(cookie["httpOnly"])
        self.assertEqual(cookie["sameSite"], "Strict")
        # The log holds the whole browser session; only policy complaints count.
        complaints = [entry["message"] for entry in self.browser.get_log("browser")
                      if "Content Security Policy" in entry["message"] or "Refused to" in entry["message"]]
        self.assertEqual(complaints, [], "the page runs under its content security policy")

    def test_3_stepping_a_digit_tunes_the_radio_and_the_panel_shows_it(self):
        self.log_in()
        self.wait_for_digits("vfoA", "1420000")
        digit = self.browser.find_elements(By.CSS_SELECTOR, "#vfoA button")[4]
        upper_half = -digit.size["height"] // 4
        ActionChains(self.browser).move_to_element_with_offset(digit, 0, upper_half) \
            .click_and_hold().release().perform()
        self.host.expect_all("WIRE F1420100", "MODEL vfoA 1420100")
        self.wait_for_digits("vfoA", "1420100")
        lower_half = digit.size["height"] // 4
        ActionChains(self.browser).move_to_element_with_offset(digit, 0, lower_half) \
            .click_and_hold().release().perform()
        self.host.expect("WIRE F1420000")

    def test_4_a_mode_change_reaches_the_radio(self):
        self.log_in()
        Select(self.browser.find_element(By.ID, "cmbMode")).select_by_visible_text("LSB")
        self.host.expect_all("WIRE M2", "MODEL mode LSB")
        self.assertEqual(Select(self.browser.find_element(By.ID, "cmbMode"))
                         .first_selected_option.text, "LSB")

    def test_5_a_band_button_raises_its_request(self):
        self.log_in()
        self.wait.until(lambda b: b.find_element(By.ID, "cmd40M").text == "40")
        self.browser.find_element(By.ID, "cmd40M").click()
        self.host.expect("CLICK cmd40M")
        self.wait.until(lambda b: b.find_element(By.ID, "lblInfo").text == "Band list 40")

    def test_6_ptt_transmits_while_held(self):
        self.log_in()
        ptt = self.browser.find_element(By.ID, "cmdPTT")
        ActionChains(self.browser).click_and_hold(ptt).perform()
        self.host.expect("WIRE K")
        self.wait.until(lambda b: b.find_element(By.ID, "lblXMTRCV").text == "Transmit")
        ActionChains(self.browser).release(ptt).perform()
        self.host.expect("WIRE U")
        self.wait.until(lambda b: b.find_element(By.ID, "lblXMTRCV").text == "Receive")

    def test_7_closing_the_tab_while_holding_ptt_releases_it(self):
        self.log_in()
        first = self.browser.current_window_handle
        self.browser.switch_to.new_window("tab")
        self.log_in()
        ActionChains(self.browser).click_and_hold(self.browser.find_element(By.ID, "cmdPTT")).perform()
        self.host.expect("WIRE K")
        self.browser.close()
        self.browser.switch_to.window(first)
        self.host.expect("WIRE U")

    def test_8_a_second_page_sees_a_change_made_in_the_first(self):
        self.log_in()
        first = self.browser.current_window_handle
        self.browser.switch_to.new_window("tab")
        self.log_in()
        second = self.browser.current_window_handle
        self.browser.switch_to.window(first)
        Select(self.browser.find_element(By.ID, "cmbAGC")).select_by_visible_text("FAST")
        self.host.expect("MODEL agc FAST")
        self.browser.switch_to.window(second)
        self.wait.until(lambda b: Select(b.find_element(By.ID, "cmbAGC")).first_selected_option.text == "FAST")
        self.browser.close()
        self.browser.switch_to.window(first)

    def test_9_nothing_without_a_session(self):
        base = self.host.base
        for path in ("/", "/assets/panel.js", "/assets/panel.css"):
            with self.assertRaises(urllib.error.HTTPError, msg=path) as refused:
                urllib.request.build_opener(NoRedirect).open(base + path, timeout=LIMIT)
            self.assertIn(refused.exception.code, (303, 401), path)
            self.assertNotIn(b"vfoA", refused.exception.read(), path)
        self.assertEqual(raw_handshake(self.host.port, base), "HTTP/1.1 403 Forbidden")
        self.log_in()
        cookie = "tq5820_session=" + self.browser.get_cookie("tq5820_session")["value"]
        self.assertEqual(raw_handshake(self.host.port, base, cookie), "HTTP/1.1 101 Switching Protocols")
        self.assertEqual(raw_handshake(self.host.port, "http://evil.example", cookie), "HTTP/1.1 403 Forbidden")

    def test_10_a_page_from_another_origin_cannot_open_the_websocket(self):
        self.log_in()
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

        server = http.server.HTTPServer(("127.0.0.1", 0), Foreign)
        threading.Thread(target=server.serve_forever, daemon=True).start()
        try:
            self.browser.get(f"http://127.0.0.1:{server.server_port}/")
            self.wait.until(lambda b: b.title in ("opened", "refused"))
            self.assertEqual(self.browser.title, "refused")
        finally:
            server.shutdown()
            server.server_close()


class WebPanelAccessToken(unittest.TestCase):
    def test_the_printed_address_logs_in_once(self):
        host = Host()
        browser = new_browser()
        try:
            self.assertIn("?token=", host.access)
            browser.get(host.access)
            WebDriverWait(browser, LIMIT).until(
                lambda b: b.find_element(By.ID, "connection").text == "Connected")
            self.assertNotIn("token", browser.current_url)
            browser.delete_all_cookies()
            browser.get(host.access)
            self.assertIn("used already", browser.page_source)
        finally:
            browser.quit()
            host.stop()


class NoRedirect(urllib.request.HTTPRedirectHandler):
    def redirect_request(self, *args, **kwargs):
        return None


def main():
    global HOST_BINARY
    parser = argparse.ArgumentParser()
    parser.add_argument("--host", required=True, help="path of tq5820-web-host")
    arguments, rest = parser.parse_known_args()
    HOST_BINARY = arguments.host
    browser, driver = find_browser()
    if webdriver is None or not browser or not driver:
        print("SKIP: the browser tests need chromium, chromium-driver and python3-selenium")
        return SKIP
    program = unittest.main(argv=[sys.argv[0], *rest], exit=False, verbosity=2)
    return 0 if program.result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
