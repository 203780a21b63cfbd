#!/usr/bin/env python3
"""The whole unattended chain with the real parts: Debian's node exporter with
its textfile collector on a folder of this test's own, a real Prometheus
scraping it every second (loading the shipped alert rules), both on 127.0.0.1
with ports and data folders of their own under WORK_DIR and stopped at the
end whatever happens; then `Tidemark --run-once --metrics` measures the local
pages through a real headless Chromium, and Prometheus' /api/v1/query must
answer each service's download figure of that run.

Usage: prometheus_chain.py TIDEMARK SITE_SERVER SITES_ROOT RULES WORK_DIR
"""
import json
import os
import re
import shutil
import socket
import subprocess
import sys
import time
import urllib.parse
import urllib.request

STARTUP_SECONDS = 60
SCRAPE_SECONDS = 90  # measured: about 8 s on a quiet machine; a loaded one may need far more


def fail(message):
    print("FAIL: " + message, flush=True)
    sys.exit(1)


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def get(url, timeout=5):
    with urllib.request.urlopen(url, timeout=timeout) as answer:
        return answer.read().decode("utf-8")


def wait_for(what, seconds, check, processes):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for name, process in processes:
            if process.poll() is not None:
                fail(f"{name} ended with {process.returncode} while waiting for {what}")
        try:
            result = check()
            if result:
                return result
        except (OSError, ValueError):
            pass
        time.sleep(0.2)
    fail(f"no {what} within {seconds} s")


class Processes:
    """Every process this test starts, stopped by its own id when the test ends."""

    def __init__(self):
        self.started = []

    def start(self, name, command, **options):
        log = open(options.pop("log"), "wb")
        process = subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT, **options)
        self.started.append((name, process, log))
        return process

    def stop_all(self):
        for _, process, _ in self.started:
            if process.poll() is None:
                process.terminate()
        for _, process, log in self.started:
            try:
                process.wait(timeout=20)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
            log.close()


def service_downloads(line):
    """Each service's download in bytes per second from the line --run-once printed."""
    figures = {}
    for service, label in (("fast", "FAST"), ("usen", "USEN"), ("speed", "SPEED")):
        match = re.search(r"\| " + label + r" ([0-9.]+)Mbps", line)
        if not match:
            fail(f"no {label} download in the printed line: {line!r}")
        figures[service] = float(match.group(1)) * 1e6 / 8
    return figures


def main():
    program, site_server, sites_root, rules, work = sys.argv[1:6]
    shutil.rmtree(work, ignore_errors=True)
    folders = {name: os.path.join(work, name) for name in ("textfile", "prometheus-data", "home", "runtime", "logs")}
    for folder in folders.values():
        os.makedirs(folder, mode=0o700)
    os.makedirs(os.path.join(folders["home"], "Documents"))
    logs = folders["logs"]
    processes = Processes()
    try:
        exporter_port, prometheus_port = free_port(), free_port()
        exporter = processes.start("node exporter", [
            "prometheus-node-exporter", f"--web.listen-address=127.0.0.1:{exporter_port}",
            "--collector.disable-defaults", "--collector.textfile",
            f"--collector.textfile.directory={folders['textfile']}"], log=os.path.join(logs, "node-exporter.log"))
        config = os.path.join(work, "prometheus.yml")
        with open(config, "w") as out:
            out.write("global:\n  scrape_interval: 1s\n  evaluation_interval: 1s\n"
                      f"rule_files:\n  - {rules}\n"
                      "scrape_configs:\n  - job_name: node\n    static_configs:\n"
                      f"      - targets: ['127.0.0.1:{exporter_port}']\n")
        prometheus = processes.start("prometheus", [
            "prometheus", f"--config.file={config}", f"--storage.tsdb.path={folders['prometheus-data']}",
            f"--web.listen-address=127.0.0.1:{prometheus_port}"], log=os.path.join(logs, "prometheus.log"))
        # The pages' server ends when its input closes: a pipe this test holds.
        server = processes.start("site server", [site_server, "--root", sites_root, "--port", "0",
                                                 "--measure-ms", "1500"],
                                 stdin=subprocess.PIPE, log=os.path.join(logs, "site-server.log"))
        running = [("node exporter", exporter), ("prometheus", prometheus), ("site server", server)]

        def server_port():
            with open(os.path.join(logs, "site-server.log")) as log:
                match = re.search(r"^port (\d+)$", log.read(), re.M)
                return match and match.group(1)

        site_port = wait_for("site server port", STARTUP_SECONDS, server_port, running)
        wait_for("node exporter", STARTUP_SECONDS, lambda: get(f"http://127.0.0.1:{exporter_port}/metrics"), running)
        prometheus_url = f"http://127.0.0.1:{prometheus_port}"
        wait_for("ready Prometheus", STARTUP_SECONDS, lambda: "Ready" in get(prometheus_url + "/-/ready"), running)

        environment = {key: value for key, value in os.environ.items() if key not in ("DISPLAY", "WAYLAND_DISPLAY")}
        home = folders["home"]
        environment.update(HOME=home, XDG_RUNTIME_DIR=folders["runtime"], XDG_CONFIG_HOME=os.path.join(home, "config"),
                           XDG_CACHE_HOME=os.path.join(home, "cache"), XDG_STATE_HOME=os.path.join(home, "state"),
                           TIDEMARK_LOCAL_SITES=f"http://127.0.0.1:{site_port}/")
        run = subprocess.run([program, "--run-once", "--metrics", folders["textfile"]], env=environment,
                             capture_output=True, text=True, timeout=600)
        print("Tidemark --run-once:", run.stdout.strip(), flush=True)
        if run.returncode != 0:
            fail(f"--run-once ended with {run.returncode}: {run.stdout} {run.stderr}")
        expected = service_downloads(run.stdout)

        written = os.path.join(folders["textfile"], "tidemark.prom")
        with open(written, "rb") as metrics:
            check = subprocess.run(["promtool", "check", "metrics"], stdin=metrics, capture_output=True, text=True)
        if check.returncode != 0:
            fail("promtool check metrics: " + check.stdout + check.stderr)
        leftovers = [name for name in os.listdir(folders["textfile"]) if name != "tidemark.prom"]
        if leftovers:
            fail(f"the metrics folder holds more than the file: {leftovers}")

        def answered():
            query = urllib.parse.quote("tidemark_download_bytes_per_second")
            answer = json.loads(get(f"{prometheus_url}/api/v1/query?query={query}"))
            found = {sample["metric"].get("service"): float(sample["value"][1])
                     for sample in answer["data"]["result"]}
            return found if set(found) == set(expected) else None

        started = time.monotonic()
        found = wait_for("answer from /api/v1/query", SCRAPE_SECONDS, answered, running)
        for service, figure in expected.items():
            if abs(found[service] - figure) > 1e-6 * figure:
                fail(f"Prometheus answers {found[service]} for {service}, the run measured {figure}")
        print(f"prometheus_chain: {found} answered {time.monotonic() - started:.1f} s after the run", flush=True)
    finally:
        processes.stop_all()


if __name__ == "__main__":
    main()
