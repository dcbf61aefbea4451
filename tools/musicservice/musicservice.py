#!/usr/bin/env python3
"""A local stand-in for the QQ Zone music list service, on 127.0.0.1 only.

GET /fcg-bin/fcgi_agent_zhenghe.fcg?UIN=<number>&TYPE=16&... answers the user's music list;
GET /songs/<name>.wav serves a short generated song;
GET /last-request answers the target of the last music list request (percent-escapes
decoded, UTF-8), so tests can check what the program sent.
Usage: musicservice.py [--port 18080] [--port-file PATH]
(--port 0 takes any free port; --port-file receives the port once the service listens.)
"""

import argparse
import http.server
import os
import socketserver
import sys
import threading
import time
import urllib.parse

import catalogue
import tones

MUSIC_LIST_PATH = "/fcg-bin/fcgi_agent_zhenghe.fcg"


class State:
    """What the handlers share: the last request and the songs made so far."""

    def __init__(self):
        self.lock = threading.Lock()
        self.last_request = ""
        self.songs = {}

    def record(self, target):
        with self.lock:
            self.last_request = target

    def song(self, name):
        with self.lock:
            if name not in self.songs:
                self.songs[name] = tones.render_wav(name)
            return self.songs[name]


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"
    server_version = "QuavletMusicService/1.0"

    def parse_request(self):
        # A number typed with blanks reaches us with raw spaces in the request line; take
        # everything between the method and the version as the target.
        line = self.raw_requestline.decode("iso-8859-1").rstrip("\r\n")
        words = line.split(" ")
        if len(words) > 3 and words[-1].startswith("HTTP/"):
            target = " ".join(words[1:-1]).replace(" ", "%20")
            self.raw_requestline = ("%s %s %s\r\n" % (words[0], target, words[-1])).encode(
                "iso-8859-1")
        return super().parse_request()

    def do_GET(self):
        split = urllib.parse.urlsplit(self.path)
        if split.path == MUSIC_LIST_PATH:
            self.music_list(split.query)
        elif split.path.startswith("/songs/") and split.path.endswith(".wav"):
            self.send_body(200, "audio/wav", self.server.state.song(split.path[7:-4]))
        elif split.path == "/last-request":
            self.send_body(200, "text/plain; charset=utf-8",
                           self.server.state.last_request.encode("utf-8"))
        else:
            self.send_body(404, "text/plain", b"not found")

    def music_list(self, query):
        self.server.state.record(urllib.parse.unquote(self.path, errors="replace"))
        uin = ""
        for pair in query.split("&"):
            key, _, value = pair.partition("=")
            if key == "UIN":
                uin = urllib.parse.unquote(value, errors="replace").strip()
        host = self.headers.get("Host") or "127.0.0.1:%d" % self.server.server_address[1]
        reply = catalogue.reply_for(uin, "http://" + host)
        if reply.delay:
            time.sleep(reply.delay)
        if reply.trickle:
            self.trickle(reply)
            return
        if reply.cut_at is None:
            self.send_body(reply.status, reply.content_type, reply.body)
            return
        self.send_response(reply.status)
        self.send_header("Content-Type", reply.content_type)
        self.send_header("Content-Length", str(len(reply.body)))
        self.end_headers()
        self.wfile.write(reply.body[:reply.cut_at])
        self.wfile.flush()
        self.close_connection = True

    def trickle(self, reply):
        """The whole reply announced, then sent one byte at a time until the client goes."""
        self.send_response(reply.status)
        self.send_header("Content-Type", reply.content_type)
        self.send_header("Content-Length", str(len(reply.body)))
        self.end_headers()
        self.close_connection = True
        for position in range(len(reply.body)):
            try:
                self.wfile.write(reply.body[position:position + 1])
                self.wfile.flush()
            except OSError:
                return
            time.sleep(reply.trickle)

    def send_body(self, status, content_type, body):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, format, *args):
        sys.stderr.write("%s\n" % (format % args))


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--port", type=int, default=18080)
    parser.add_argument("--port-file")
    arguments = parser.parse_args()
    server = Server(("127.0.0.1", arguments.port), Handler)
    server.state = State()
    port = server.server_address[1]
    if arguments.port_file:
        # Written whole, then renamed: a reader never sees half a number.
        with open(arguments.port_file + ".new", "w") as out:
            out.write("%d\n" % port)
        os.replace(arguments.port_file + ".new", arguments.port_file)
    print("Music list service on http://127.0.0.1:%d" % port, flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
