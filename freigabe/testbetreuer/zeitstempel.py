"""A timestamp authority for tests (RFC 3161 over HTTP), on 127.0.0.1 alone.

Answers each POSTed timestamp query with `openssl ts -reply`, signed by the key and certificate
of the test maintainer's timestamp authority. Writes the port it listens on, once it listens, to
PORT_FILE. Runs until it is ended by a signal.

Usage: python3 zeitstempel.py CONFIG PORT_FILE
       (CONFIG: the openssl configuration with its [tsa] section, which names key and certificate)
"""

import http.server
import os
import subprocess
import sys
import tempfile

ANFRAGE_TYP = "application/timestamp-query"
ANTWORT_TYP = "application/timestamp-reply"
HOECHSTE_ANFRAGE = 64 * 1024


class Zeitstempelstelle(http.server.BaseHTTPRequestHandler):
    """One timestamp query a request: the query in the body, the reply in the answer."""

    konfiguration = ""

    def do_POST(self):
        laenge = int(self.headers.get("Content-Length", "0"))
        if self.headers.get("Content-Type") != ANFRAGE_TYP or not 0 < laenge <= HOECHSTE_ANFRAGE:
            self.send_error(400, "Eine Zeitstempelanfrage (RFC 3161) erwartet")
            return
        antwort = self.zeitstempel(self.rfile.read(laenge))
        if antwort is None:
            self.send_error(500, "openssl ts -reply ist fehlgeschlagen")
            return
        self.send_response(200)
        self.send_header("Content-Type", ANTWORT_TYP)
        self.send_header("Content-Length", str(len(antwort)))
        self.end_headers()
        self.wfile.write(antwort)

    def zeitstempel(self, anfrage):
        """The reply to the query ANFRAGE, or None when openssl refused it."""
        with tempfile.TemporaryDirectory() as ordner:
            frage = os.path.join(ordner, "anfrage.tsq")
            with open(frage, "wb") as datei:
                datei.write(anfrage)
            lauf = subprocess.run(
                ["openssl", "ts", "-reply", "-config", self.konfiguration, "-queryfile", frage],
                capture_output=True, check=False)
        if lauf.returncode != 0:
            sys.stderr.write(lauf.stderr.decode(errors="replace"))
            return None
        return lauf.stdout

    def log_message(self, format, *args):  # pylint: disable=redefined-builtin
        sys.stderr.write("Zeitstempel: " + format % args + "\n")


def main():
    konfiguration, portdatei = sys.argv[1:3]
    Zeitstempelstelle.konfiguration = os.path.abspath(konfiguration)
    server = http.server.HTTPServer(("127.0.0.1", 0), Zeitstempelstelle)
    with open(portdatei + ".neu", "w", encoding="ascii") as datei:
        datei.write(f"{server.server_port}\n")
    os.replace(portdatei + ".neu", portdatei)
    server.serve_forever()


if __name__ == "__main__":
    main()
