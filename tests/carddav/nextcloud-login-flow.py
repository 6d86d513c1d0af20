#!/usr/bin/python3
"""A server that answers as Nextcloud's Login Flow v2 documents it, in front of a Radicale.

POST /index.php/login/v2        -> 200 {"poll": {"token", "endpoint"}, "login"}
GET  <login>                    -> the browser's visit: the user logs in and grants the access
POST <endpoint> with token=...  -> 404 until then, once 200 {"server", "loginName", "appPassword"}, 404 after
Anything else is passed on to Radicale, which accepts the app password handed out: it is added to Radicale's
htpasswd file (which Radicale reads at each login) at the moment it is handed out.

    nextcloud-login-flow.py PORT CERT KEY PUBLIC_URL RADICALE_URL CA HTPASSWD USER LOG
"""
import http.client
import http.server
import json
import secrets
import ssl
import sys
import threading
import urllib.parse

port, cert, key, public, radicale, ca, htpasswd, user, log = sys.argv[1:10]
flows = {}  # token -> {"id", "granted", "done"}
lock = threading.Lock()


def note(line):
    with open(log, "a") as f:
        f.write(line + "\n")


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        note("%s %s" % (self.command, self.path))

    def reply(self, status, body=b"", kind="application/json"):
        self.send_response(status)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def body(self):
        return self.rfile.read(int(self.headers.get("Content-Length") or 0))

    def do_POST(self):
        if self.path == "/index.php/login/v2":
            self.body()
            token, flow = secrets.token_urlsafe(32), secrets.token_urlsafe(8)
            with lock:
                flows[token] = {"id": flow, "granted": False, "done": False}
            answer = {"poll": {"token": token, "endpoint": public + "/login/v2/poll"},
                      "login": public + "/login/v2/flow/" + flow}
            return self.reply(200, json.dumps(answer).encode())
        if self.path == "/login/v2/poll":
            form = urllib.parse.parse_qs(self.body().decode())
            token = (form.get("token") or [""])[0]
            with lock:
                flow = flows.get(token)
                if not flow or not flow["granted"] or flow["done"]:
                    return self.reply(404, b"[]")
                flow["done"] = True
                password = "app-" + secrets.token_hex(12)
                with open(htpasswd, "a") as f:
                    f.write("%s:%s\n" % (user, password))
            note("handed out an app password")
            answer = {"server": public, "loginName": user, "appPassword": password}
            return self.reply(200, json.dumps(answer).encode())
        return self.proxy()

    def do_GET(self):
        if self.path.startswith("/login/v2/flow/"):
            flow = self.path.rsplit("/", 1)[1]
            with lock:
                for entry in flows.values():
                    if entry["id"] == flow:
                        entry["granted"] = True
            note("the browser granted the access")
            return self.reply(200, b"<p>Access granted.</p>", "text/html")
        return self.proxy()

    def proxy(self):
        target = urllib.parse.urlsplit(radicale)
        context = ssl.create_default_context(cafile=ca)
        connection = http.client.HTTPSConnection(target.hostname, target.port, context=context, timeout=30)
        headers = {k: v for k, v in self.headers.items() if k.lower() not in ("host", "connection")}
        headers["Host"] = self.headers.get("Host", "")
        connection.request(self.command, self.path, body=self.body() or None, headers=headers)
        answer = connection.getresponse()
        data = answer.read()
        self.send_response(answer.status)
        for name, value in answer.getheaders():
            if name.lower() not in ("content-length", "connection", "transfer-encoding", "server", "date"):
                self.send_header(name, value)
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)
        connection.close()

    do_PROPFIND = do_REPORT = do_OPTIONS = proxy


server = http.server.ThreadingHTTPServer(("127.0.0.1", int(port)), Handler)
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(cert, key)
server.socket = context.wrap_socket(server.socket, server_side=True)
server.serve_forever()
