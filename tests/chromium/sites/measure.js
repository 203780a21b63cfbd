// Real transfers against the server the page came from, timed with
// performance.now(). Each function stops at its signal's abort (rejecting
// with an AbortError), so that a page can end a measurement at once.
'use strict';

const tidemarkMeasure = (() => {
  const kDownloadChunk = 8 << 20;  // one request's bytes; the loop asks again until time is up
  const kUploadChunk = 2 << 20;
  const kProgressEveryMs = 100;
  const kPingGapMs = 10;           // pings spaced out, as a real test sends them
  const kMinPings = 5;

  const mbps = (bytes, ms) => (ms > 0 ? (bytes * 8) / (ms * 1000) : 0);
  const pause = ms => new Promise(resolve => setTimeout(resolve, ms));

  function checked(signal) {
    if (signal?.aborted) throw new DOMException('measurement ended', 'AbortError');
  }

  // Calls `report` with the rate so far, at most every kProgressEveryMs.
  function progress(report, start) {
    let last = start;
    return bytes => {
      const now = performance.now();
      if (report && now - last >= kProgressEveryMs) {
        last = now;
        report(mbps(bytes, now - start));
      }
    };
  }

  async function download(durationMs, report, signal) {
    const start = performance.now();
    const deadline = start + durationMs;
    const reportProgress = progress(report, start);
    let bytes = 0;
    while (performance.now() < deadline) {
      checked(signal);
      const response = await fetch(`/download?bytes=${kDownloadChunk}`, {cache: 'no-store', signal});
      const reader = response.body.getReader();
      for (;;) {
        const {done, value} = await reader.read();
        if (done) break;
        bytes += value.byteLength;
        reportProgress(bytes);
        if (performance.now() >= deadline) {
          await reader.cancel();
          break;
        }
      }
    }
    return {mbps: mbps(bytes, performance.now() - start), bytes};
  }

  async function upload(durationMs, report, signal) {
    const body = new Uint8Array(kUploadChunk);
    crypto.getRandomValues(body.subarray(0, 65536));
    const start = performance.now();
    const deadline = start + durationMs;
    const reportProgress = progress(report, start);
    let bytes = 0;
    while (performance.now() < deadline) {
      checked(signal);
      const response = await fetch('/upload', {method: 'POST', body, cache: 'no-store', signal});
      bytes += (await response.json()).bytes;
      reportProgress(bytes);
    }
    return {mbps: mbps(bytes, performance.now() - start), bytes};
  }

  // Ping: the mean round trip; jitter: the mean change between successive ones.
  async function latency(durationMs, signal) {
    const deadline = performance.now() + durationMs;
    const trips = [];
    while (trips.length < kMinPings || performance.now() < deadline) {
      checked(signal);
      const sent = performance.now();
      const response = await fetch('/ping', {cache: 'no-store', signal});
      await response.arrayBuffer();
      trips.push(performance.now() - sent);
      await pause(kPingGapMs);
    }
    const mean = values => values.reduce((sum, value) => sum + value, 0) / values.length;
    const changes = trips.slice(1).map((trip, i) => Math.abs(trip - trips[i]));
    return {pingMs: mean(trips), jitterMs: mean(changes), trips};
  }

  // Marks the moment the page shows its result, with the figures unrounded,
  // for benchmarks: the time a reader took to see it, and what was measured.
  function resultShown(figures) {
    performance.mark('tidemark:result-shown', {detail: figures});
  }

  // The dialog the server was told this site's page raises (--dialog SITE=KIND@WHEN), as pages in
  // the wild do: on load at once, or a moment into a measurement. A beforeunload one is set up here
  // and asks when the page is left.
  function ask(site, when) {
    const [kind, moment] = (tidemarkConfig.dialogs?.[site] ?? '').split('@');
    if (moment !== when) return;
    const text = `${site} asks ${kind} (${when})`;
    const raise = () => {
      if (kind === 'alert') alert(text);
      if (kind === 'confirm') confirm(text);
      if (kind === 'prompt') prompt(text, '');
    };
    if (kind === 'beforeunload') {
      addEventListener('beforeunload', event => { event.preventDefault(); event.returnValue = text; });
    } else if (when === 'measure') {
      setTimeout(raise, tidemarkConfig.measureMs / 4);
    } else {
      raise();
    }
  }

  return {download, upload, latency, mbps, resultShown, ask};
})();
