"""What the real-client tests share: a free port on 127.0.0.1 and waiting for tallyhold-web."""
import socket
import time

SKIPPED = 77


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def wait_for(port, seconds=10):
    deadline = time.time() + seconds
    while time.time() < deadline:
        try:
            socket.create_connection(("127.0.0.1", port), timeout=1).close()
            return
        except OSError:
            time.sleep(0.1)
    raise SystemExit("tallyhold-web did not start listening")
