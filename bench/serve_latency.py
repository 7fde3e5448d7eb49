#!/usr/bin/python3
"""radarctl serve, measured: from the station's datagram to a client's socket.

This script plays the radar. It opens a command port that the network library
connects to, then sends echo datagrams to UDP port 10024 at the radar's rate:
6,600 lines a second, 11 lines a datagram, 512 samples a line, sweep numbers
advancing by one each line. It runs `radarctl serve --station` against that
port and reads the WebSocket with 1, 4 and 16 clients, without compression
and (--deflate) with permessage-deflate, as browsers ask for it.

Latency is measured per frame: the time the frame's first bytes reach a
client's socket, minus the time the datagram carrying the frame's first line
was sent. That line has waited the longest of the frame's lines. The server's
CPU use over each run comes from /proc.

  bench/serve_latency.py --radarctl build/bin/radarctl [--seconds 10] [--json out.json]
"""
import argparse
import base64
import json
import os
import selectors
import socket
import struct
import subprocess
import sys
import threading
import time
import zlib

LINES_PER_SECOND = 6600
LINES_PER_DATAGRAM = 11
SAMPLES = 512
SWEEPS = 8192


def datagram(first_sweep, with_changes):
    """A datagram of LINES_PER_DATAGRAM lines. Only the first line of a
    revolution carries changes: every 16th sample at level 3."""
    lines = b""
    for i in range(LINES_PER_DATAGRAM):
        sweep = (first_sweep + i) % SWEEPS
        if with_changes and i == 0:
            mask = bytes([1, 0] * (SAMPLES // 16))      # samples 0, 16, 32, ...
            marked = SAMPLES // 16
            levels = bytes([0x33] * (marked // 2)) + bytes(2 * ((marked + 3) // 4) - marked // 2)
            lines += struct.pack("<HH", sweep, 0x8000) + mask + levels
        else:
            lines += struct.pack("<HH", sweep, 0)
    body = bytes([LINES_PER_DATAGRAM, 1]) + struct.pack("<H", SAMPLES | 9 << 10) + lines
    if len(body) % 2:
        body += b"\0"
    return bytes(8) + struct.pack("<H", len(body) // 2) + body


class Radar:
    """The command port, which stays silent, and the echo sender."""

    def __init__(self):
        self.listener = socket.create_server(("127.0.0.1", 0))
        self.port = self.listener.getsockname()[1]
        self.sent_at = [0.0] * SWEEPS  # when the datagram holding each sweep left
        self.running = True
        self.connections = []
        threading.Thread(target=self._accept, daemon=True).start()

    def _accept(self):
        while self.running:
            try:
                c, _ = self.listener.accept()
                self.connections.append(c)
            except OSError:
                return

    def send_echo(self, seconds):
        out = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        period = LINES_PER_DATAGRAM / LINES_PER_SECOND
        sweep = 0
        start = time.monotonic()
        n = 0
        while time.monotonic() - start < seconds:
            due = start + n * period
            wait = due - time.monotonic()
            if wait > 0:
                time.sleep(wait)
            now = time.monotonic()
            for i in range(LINES_PER_DATAGRAM):
                self.sent_at[(sweep + i) % SWEEPS] = now
            out.sendto(datagram(sweep, sweep < LINES_PER_DATAGRAM), ("127.0.0.1", 10024))
            sweep = (sweep + LINES_PER_DATAGRAM) % SWEEPS
            n += 1
        out.close()

    def stop(self):
        self.running = False
        self.listener.close()
        for c in self.connections:
            c.close()


class Client:
    """A WebSocket client that reads frame headers and the first line of each
    binary frame, and skips the rest."""

    def __init__(self, port, deflate, source="127.0.0.1"):
        # The server allows each client address a bounded number of
        # connections: clients of their own come from addresses of their own.
        self.sock = socket.create_connection(("127.0.0.1", port), source_address=(source, 0))
        offer = "Sec-WebSocket-Extensions: permessage-deflate\r\n" if deflate else ""
        key = base64.b64encode(os.urandom(16)).decode()
        self.sock.sendall((f"GET /ws HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\nUpgrade: websocket\r\n"
                           f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
                           f"Sec-WebSocket-Version: 13\r\n{offer}\r\n").encode())
        reply = b""
        while b"\r\n\r\n" not in reply:
            reply += self.sock.recv(4096)
        assert reply.startswith(b"HTTP/1.1 101"), reply[:80]
        assert (b"permessage-deflate" in reply) == deflate
        self.inflate = zlib.decompressobj(-15) if deflate else None
        self.buffer = bytearray(reply.split(b"\r\n\r\n", 1)[1])
        self.sock.setblocking(False)
        self.frame_started = None  # when the first bytes of the frame in hand came
        self.latencies = []
        self.lines = 0
        self.recording = False

    def take(self, now, sent_at):
        if self.frame_started is None and self.buffer:
            self.frame_started = now
        while len(self.buffer) >= 2:
            opcode, length = self.buffer[0] & 0x0F, self.buffer[1] & 0x7F
            head = 2
            if length == 126:
                if len(self.buffer) < 4:
                    return
                length, head = struct.unpack_from(">H", self.buffer, 2)[0], 4
            elif length == 127:
                if len(self.buffer) < 10:
                    return
                length, head = struct.unpack_from(">Q", self.buffer, 2)[0], 10
            if len(self.buffer) < head + length:
                return
            payload = bytes(self.buffer[head:head + length])
            if self.buffer[0] & 0x40:  # compressed, the window kept from frame to frame
                payload = self.inflate.decompress(payload + b"\0\0\xff\xff")
            if opcode == 2 and self.recording:
                count, sweep = struct.unpack_from("<HH", payload, 0)
                self.lines += count
                self.latencies.append(self.frame_started - sent_at[sweep])
            del self.buffer[:head + length]
            self.frame_started = now if self.buffer else None


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def percentile(values, p):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(p / 100 * len(ordered)))]


def run(radarctl, clients, seconds, deflate):
    radar = Radar()
    server = subprocess.Popen([radarctl, "serve", "--station", "BENCH", "--host", "127.0.0.1",
                               "--port", str(radar.port), "--listen", "127.0.0.1:0"],
                              stdout=subprocess.PIPE, text=True)
    try:
        port = None
        while port is None:
            line = server.stdout.readline()
            if not line:
                raise RuntimeError("the server ended before it listened")
            if "listening on" in line:
                port = int(line.rsplit(":", 1)[1].strip(" /\n"))
        threading.Thread(target=lambda: server.stdout.read(), daemon=True).start()
        readers = [Client(port, deflate, f"127.0.1.{1 + i}") for i in range(clients)]
        selector = selectors.DefaultSelector()
        for r in readers:
            selector.register(r.sock, selectors.EVENT_READ, r)
        warm_up = 2.0
        sender = threading.Thread(target=radar.send_echo, args=(seconds + warm_up + 1,))
        sender.start()
        start = time.monotonic()
        cpu_start = None
        chunk = bytearray(1 << 20)
        while time.monotonic() - start < seconds + warm_up:
            if cpu_start is None and time.monotonic() - start >= warm_up:
                cpu_start, wall_start = cpu_seconds(server.pid), time.monotonic()
                for r in readers:
                    r.recording = True
            for key, _ in selector.select(timeout=0.1):
                r = key.data
                n = r.sock.recv_into(chunk)
                now = time.monotonic()
                r.buffer += chunk[:n]
                r.take(now, radar.sent_at)
        cpu = (cpu_seconds(server.pid) - cpu_start) / (time.monotonic() - wall_start)
        sender.join()
        latencies = [x for r in readers for x in r.latencies]
        lines = sum(r.lines for r in readers) / clients / seconds
        for r in readers:
            r.sock.close()
        return {"clients": clients, "deflate": deflate, "lines_per_second_per_client": round(lines),
                "p50_ms": round(percentile(latencies, 50) * 1000, 1),
                "p99_ms": round(percentile(latencies, 99) * 1000, 1),
                "server_cpu_of_one_core": round(cpu, 3)}
    finally:
        server.terminate()
        server.wait(timeout=10)
        radar.stop()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--radarctl", default="build/bin/radarctl")
    parser.add_argument("--seconds", type=float, default=10)
    parser.add_argument("--clients", default="1,4,16")
    parser.add_argument("--deflate", action="store_true", help="clients ask for permessage-deflate")
    parser.add_argument("--json")
    args = parser.parse_args()
    results = [run(args.radarctl, int(n), args.seconds, args.deflate) for n in args.clients.split(",")]
    print(f"{'clients':>8} {'deflate':>8} {'lines/s each':>13} {'p50 ms':>7} {'p99 ms':>7} {'server CPU':>11}")
    for r in results:
        print(f"{r['clients']:>8} {str(r['deflate']):>8} {r['lines_per_second_per_client']:>13} {r['p50_ms']:>7} "
              f"{r['p99_ms']:>7} {r['server_cpu_of_one_core']:>11.1%}")
    if args.json:
        with open(args.json, "w") as f:
            json.dump(results, f, indent=2)


if __name__ == "__main__":
    sys.exit(main())
