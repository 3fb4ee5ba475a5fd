#!/usr/bin/env python3
"""Remakes the browser profiles the browser cleaner's tests run on.

Runs Debian's chromium and firefox-esr headless against the small site in site/, served on
127.0.0.1 only, and keeps the profiles they wrote: one real session each with history, cookies,
local storage, IndexedDB, a form entry typed into a field, a download, a bookmark (Firefox) and
open tabs with back history. Chromium is driven over its DevTools protocol, Firefox over
Marionette; both are the browsers themselves doing the work, nothing is written into their
databases by hand. Caches that any visit makes again (HTTP cache, code cache, GPU and shader
caches) are dropped afterwards so the committed data stays small; the tests make such folders
themselves where they need them.

    tests/browserprofiles/make-profiles.py [OUTDIR]

OUTDIR defaults to tests/browserprofiles/data. The result is chromium/ (a user-data folder with
Local State and the profile Default/) and firefox/ (one profile folder). Needs no network
besides the loopback interface.
"""

import base64
import contextlib
import functools
import http.server
import json
import os
import shutil
import socket
import socketserver
import struct
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request

HERE = os.path.dirname(os.path.abspath(__file__))
SITE = os.path.join(HERE, 'site')


# --- the local site -------------------------------------------------------------------------

class SiteHandler(http.server.SimpleHTTPRequestHandler):
    def end_headers(self):
        if self.path.split('?')[0].endswith('.html') or self.path == '/':
            self.send_header('Set-Cookie', 'server_cookie=from-server; Max-Age=31536000; Path=/')
        if self.path.startswith('/file.bin'):
            self.send_header('Content-Disposition', 'attachment; filename="fixture-download.bin"')
        self.send_header('Cache-Control', 'max-age=3600')
        super().end_headers()

    def do_GET(self):
        if self.path.startswith('/file.bin'):
            body = b'downloaded bytes\n' * 64
            self.send_response(200)
            self.send_header('Content-Type', 'application/octet-stream')
            self.send_header('Content-Length', str(len(body)))
            self.end_headers()
            self.wfile.write(body)
            return
        super().do_GET()

    def log_message(self, *args):
        pass


def serve_site():
    handler = functools.partial(SiteHandler, directory=SITE)
    server = socketserver.ThreadingTCPServer(('127.0.0.1', 0), handler)
    server.daemon_threads = True
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, 'http://127.0.0.1:%d' % server.server_address[1]


def free_port():
    with socket.socket() as s:
        s.bind(('127.0.0.1', 0))
        return s.getsockname()[1]


def log(*words):
    print(*words, file=sys.stderr, flush=True)


def wait_for(what, check, seconds=60):
    deadline = time.time() + seconds
    while time.time() < deadline:
        result = check()
        if result:
            return result
        time.sleep(0.2)
    raise RuntimeError('timed out waiting for ' + what)


# --- Chromium over the DevTools protocol ----------------------------------------------------

class WebSocket:
    """Just enough of a websocket client for the DevTools protocol: text frames, masked sends."""

    def __init__(self, url):
        assert url.startswith('ws://')
        hostport, path = url[5:].split('/', 1)
        host, port = hostport.split(':')
        self.sock = socket.create_connection((host, int(port)))
        key = base64.b64encode(os.urandom(16)).decode()
        self.sock.sendall(('GET /%s HTTP/1.1\r\nHost: %s\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n'
                           'Sec-WebSocket-Key: %s\r\nSec-WebSocket-Version: 13\r\n\r\n'
                           % (path, hostport, key)).encode())
        response = b''
        while b'\r\n\r\n' not in response:
            response += self.sock.recv(1)
        if b' 101 ' not in response.split(b'\r\n')[0]:
            raise RuntimeError('websocket refused: %r' % response)

    def _read(self, n):
        data = b''
        while len(data) < n:
            chunk = self.sock.recv(n - len(data))
            if not chunk:
                raise EOFError
            data += chunk
        return data

    def send(self, text):
        payload = text.encode()
        header = bytes([0x81])
        if len(payload) < 126:
            header += bytes([0x80 | len(payload)])
        elif len(payload) < 65536:
            header += bytes([0x80 | 126]) + struct.pack('>H', len(payload))
        else:
            header += bytes([0x80 | 127]) + struct.pack('>Q', len(payload))
        mask = os.urandom(4)
        self.sock.sendall(header + mask + bytes(b ^ mask[i % 4] for i, b in enumerate(payload)))

    def receive(self):
        message = b''
        while True:
            first, second = self._read(2)
            length = second & 0x7f
            if length == 126:
                length = struct.unpack('>H', self._read(2))[0]
            elif length == 127:
                length = struct.unpack('>Q', self._read(8))[0]
            data = self._read(length)
            if first & 0x0f == 0x8:
                raise EOFError
            message += data
            if first & 0x80:
                return message.decode()


class DevTools:
    def __init__(self, url):
        self.ws = WebSocket(url)
        self.next_id = 0

    def call(self, method, session=None, **params):
        self.next_id += 1
        message = {'id': self.next_id, 'method': method, 'params': params}
        if session:
            message['sessionId'] = session
        self.ws.send(json.dumps(message))
        while True:
            reply = json.loads(self.ws.receive())
            if reply.get('id') == self.next_id:
                if 'error' in reply:
                    raise RuntimeError('%s: %s' % (method, reply['error']))
                return reply.get('result', {})

    def evaluate(self, session, expression):
        result = self.call('Runtime.evaluate', session, expression=expression, awaitPromise=True,
                           returnByValue=True)
        return result.get('result', {}).get('value')


def chromium_command(user_data, port, extra=()):
    return ['chromium', '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--no-default-browser-check', '--disable-background-networking', '--disable-component-update',
            '--disable-sync', '--disable-features=MediaRouter,OptimizationHints',
            '--user-data-dir=' + user_data, '--remote-debugging-port=%d' % port,
            '--remote-allow-origins=*', *extra]


@contextlib.contextmanager
def running_chromium(user_data, extra=()):
    port = free_port()
    process = subprocess.Popen(chromium_command(user_data, port, extra), stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        def browser_url():
            try:
                with urllib.request.urlopen('http://127.0.0.1:%d/json/version' % port, timeout=2) as r:
                    return json.load(r)['webSocketDebuggerUrl']
            except OSError:
                return None
        tools = DevTools(wait_for('chromium', browser_url))
        yield tools
        with contextlib.suppress(Exception):
            tools.call('Browser.close')
        process.wait(60)
    finally:
        if process.poll() is None:
            process.terminate()
            process.wait(30)


def open_tab(tools, url):
    target = tools.call('Target.createTarget', url='about:blank')['targetId']
    session = tools.call('Target.attachToTarget', targetId=target, flatten=True)['sessionId']
    tools.call('Page.enable', session)
    tools.call('Runtime.enable', session)
    navigate(tools, session, url)
    return session


def navigate(tools, session, url):
    tools.call('Page.navigate', session, url=url)
    wait_for(url, lambda: tools.evaluate(session, 'document.readyState') == 'complete'
             and tools.evaluate(session, 'location.href').startswith(url.split('#')[0]))


def make_chromium(outdir, base):
    user_data = os.path.join(outdir, 'chromium')
    downloads = tempfile.mkdtemp(prefix='fixture-downloads-')
    with running_chromium(user_data) as tools:
        tools.call('Browser.setDownloadBehavior', behavior='allow', downloadPath=downloads)
        session = open_tab(tools, base + '/index.html')
        wait_for('storage', lambda: tools.evaluate(session, 'document.title') == 'stored')
        # A form entry typed into the fields and submitted.
        navigate(tools, session, base + '/form.html')
        for field, text in (('q', 'fixture search words'), ('city', 'Springfield')):
            tools.evaluate(session, "document.getElementById('%s').focus()" % field)
            tools.call('Input.insertText', session, text=text)
        tools.evaluate(session, "document.getElementById('go').click()")
        wait_for('submit', lambda: 'page2.html' in (tools.evaluate(session, 'location.href') or ''))
        for page in ('page3.html', 'page4.html'):
            navigate(tools, session, base + '/' + page)
        # A download, kept in the History database and the download database.
        tools.evaluate(session, "location.href = '/file.bin'")
        wait_for('download', lambda: os.path.exists(os.path.join(downloads, 'fixture-download.bin')))
        # More tabs, each with back history, for the session files.
        for first in ('page2.html', 'page3.html'):
            other = open_tab(tools, base + '/' + first)
            navigate(tools, other, base + '/page4.html')
        time.sleep(3)  # the session service writes on a timer
    shutil.rmtree(downloads)


# --- Firefox over Marionette ----------------------------------------------------------------

FIREFOX_PREFS = {
    'app.update.enabled': False, 'app.update.auto': False, 'app.normandy.enabled': False,
    'app.shield.optoutstudies.enabled': False, 'browser.safebrowsing.malware.enabled': False,
    'browser.safebrowsing.phishing.enabled': False, 'browser.safebrowsing.downloads.enabled': False,
    'browser.safebrowsing.blockedURIs.enabled': False, 'browser.safebrowsing.provider.mozilla.updateURL': '',
    'network.captive-portal-service.enabled': False, 'network.connectivity-service.enabled': False,
    'datareporting.healthreport.uploadEnabled': False, 'datareporting.policy.dataSubmissionEnabled': False,
    'toolkit.telemetry.enabled': False, 'toolkit.telemetry.unified': False, 'toolkit.telemetry.archive.enabled': False,
    'browser.ping-centre.telemetry': False, 'extensions.update.enabled': False, 'extensions.getAddons.cache.enabled': False,
    'extensions.blocklist.enabled': False, 'browser.search.update': False, 'browser.newtabpage.activity-stream.feeds.topsites': False,
    'browser.newtabpage.activity-stream.feeds.section.topstories': False, 'browser.region.network.url': '',
    'browser.region.update.enabled': False, 'network.dns.disablePrefetch': True, 'network.prefetch-next': False,
    'media.gmp-manager.url': '', 'media.gmp-gmpopenh264.enabled': False, 'browser.shell.checkDefaultBrowser': False,
    'browser.startup.homepage_override.mstone': 'ignore', 'browser.aboutwelcome.enabled': False,
    'services.settings.server': 'http://127.0.0.1:9/', 'remote.prefs.recommended': True,
    'browser.download.useDownloadDir': True, 'browser.download.folderList': 2,
    'browser.download.always_ask_before_handling_new_types': False, 'browser.download.start_downloads_in_tmp_dir': False,
    'browser.sessionstore.interval': 1000, 'browser.places.interactions.enabled': True,
    'signon.rememberSignons': False, 'places.database.growthIncrementKiB': 0, 'dom.security.https_first': False, 'network.proxy.type': 0,
}


class Marionette:
    def __init__(self, port):
        self.sock = wait_for('marionette', lambda: self._connect(port))
        self.buffer = b''
        self._read()  # the greeting
        self.next_id = 0

    @staticmethod
    def _connect(port):
        try:
            return socket.create_connection(('127.0.0.1', port))
        except OSError:
            return None

    def _read(self):
        while b':' not in self.buffer:
            self.buffer += self.sock.recv(4096)
        length, rest = self.buffer.split(b':', 1)
        while len(rest) < int(length):
            rest += self.sock.recv(65536)
        self.buffer = rest[int(length):]
        return json.loads(rest[:int(length)])

    def call(self, name, **params):
        log('marionette', name)
        self.next_id += 1
        data = json.dumps([0, self.next_id, name, params]).encode()
        self.sock.sendall(str(len(data)).encode() + b':' + data)
        while True:
            reply = self._read()
            if reply[0] == 1 and reply[1] == self.next_id:
                if reply[2]:
                    raise RuntimeError('%s: %s' % (name, reply[2]))
                return reply[3]


def make_firefox(outdir, base):
    profile = os.path.join(outdir, 'firefox')
    downloads = tempfile.mkdtemp(prefix='fixture-downloads-')
    os.makedirs(profile, exist_ok=True)
    port = free_port()
    prefs = dict(FIREFOX_PREFS, **{'marionette.port': port, 'browser.download.dir': downloads})
    with open(os.path.join(profile, 'user.js'), 'w') as f:
        for key, value in prefs.items():
            f.write('user_pref(%s, %s);\n' % (json.dumps(key), json.dumps(value)))
    process = subprocess.Popen(['firefox-esr', '--headless', '--marionette', '-remote-allow-system-access', '--no-remote', '--profile', profile],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        m = Marionette(port)
        m.call('WebDriver:NewSession', capabilities={})
        log('firefox session started')
        m.call('WebDriver:Navigate', url=base + '/index.html')
        wait_for('storage', lambda: m.call('WebDriver:GetTitle')['value'] == 'stored')
        # A form entry typed into the fields and submitted.
        m.call('WebDriver:Navigate', url=base + '/form.html')
        for field, text in (('q', 'fixture search words'), ('city', 'Springfield')):
            element = m.call('WebDriver:FindElement', using='css selector', value='#' + field)['value']
            element_id = list(element.values())[0]
            m.call('WebDriver:ElementSendKeys', id=element_id, text=text)
        go = list(m.call('WebDriver:FindElement', using='css selector', value='#go')['value'].values())[0]
        m.call('WebDriver:ElementClick', id=go)
        wait_for('submit', lambda: 'page2.html' in m.call('WebDriver:GetCurrentURL')['value'])
        for page in ('page3.html', 'page4.html', 'index.html'):
            m.call('WebDriver:Navigate', url=base + '/' + page)
            time.sleep(1)
        # A download: Firefox keeps it as annotations of the page in places.sqlite.
        m.call('WebDriver:ExecuteScript', script="location.href = '/file.bin'; return true;", args=[])
        wait_for('download', lambda: os.path.exists(os.path.join(downloads, 'fixture-download.bin')))
        # Bookmarks made through Firefox's own bookmark service: two visited pages (one reached from
        # the form, so its page-interaction row names a referrer that is not bookmarked) and one never
        # visited.
        m.call('Marionette:SetContext', value='chrome')
        m.call('WebDriver:ExecuteAsyncScript', args=[base], script='''
            const [base, resolve] = arguments;
            (async () => {
              await PlacesUtils.bookmarks.insert({ parentGuid: PlacesUtils.bookmarks.toolbarGuid,
                  url: base + '/page3.html', title: 'Bookmarked page 3' });
              await PlacesUtils.bookmarks.insert({ parentGuid: PlacesUtils.bookmarks.toolbarGuid,
                  url: base + '/page2.html?q=fixture+search+words&city=Springfield', title: 'Search result' });
              await PlacesUtils.bookmarks.insert({ parentGuid: PlacesUtils.bookmarks.menuGuid,
                  url: 'http://127.0.0.1:9/never-visited', title: 'Bookmark never visited' });
              resolve(true);
            })().catch(e => resolve(String(e)));''')
        m.call('Marionette:SetContext', value='content')
        # Another tab with back history for the session store.
        m.call('WebDriver:NewWindow', type='tab')
        handles = m.call('WebDriver:GetWindowHandles')
        m.call('WebDriver:SwitchToWindow', handle=handles[-1])
        for page in ('page2.html', 'page4.html'):
            m.call('WebDriver:Navigate', url=base + '/' + page)
        time.sleep(3)  # the session store and page interactions are written on timers
        with contextlib.suppress(Exception):
            m.call('Marionette:Quit', flags=['eAttemptQuit'])
        process.wait(60)
    finally:
        if process.poll() is None:
            process.terminate()
            process.wait(30)
        shutil.rmtree(downloads)


# --- keeping it small -----------------------------------------------------------------------

# What any visit makes again; the tests create such folders themselves where they need them.
REGENERATED = {
    'chromium': ['Default/Cache', 'Default/Code Cache', 'Default/GPUCache', 'Default/DawnGraphiteCache',
                 'Default/DawnWebGPUCache', 'GrShaderCache', 'GraphiteDawnCache', 'ShaderCache',
                 'component_crx_cache', 'extensions_crx_cache', 'Default/Extension State',
                 'Default/optimization_guide_hint_cache_store', 'segmentation_platform', 'Crashpad'],
    'firefox': ['cache2', 'startupCache', 'shader-cache', 'crashes', 'minidumps', 'saved-telemetry-pings',
                'datareporting', 'security_state', 'safebrowsing', 'settings', 'gmp-gmpopenh264',
                'storage/permanent/chrome', 'user.js'],
}


def drop_regenerated(outdir):
    for browser, names in REGENERATED.items():
        for name in names:
            path = os.path.join(outdir, browser, name)
            if os.path.isdir(path) and not os.path.islink(path):
                shutil.rmtree(path)
            elif os.path.lexists(path):
                os.remove(path)
    # Lock files of a browser that has quit, and the sockets Chromium leaves behind.
    for root, dirs, files in os.walk(outdir):
        for name in files + dirs:
            path = os.path.join(root, name)
            if os.path.islink(path) or name in ('lock', '.parentlock'):
                os.remove(path)


def main():
    outdir = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, 'data'))
    if os.path.exists(outdir):
        shutil.rmtree(outdir)
    os.makedirs(outdir)
    server, base = serve_site()
    try:
        make_chromium(outdir, base)
        make_firefox(outdir, base)
    finally:
        server.shutdown()
    drop_regenerated(outdir)
    with open(os.path.join(outdir, 'SITE'), 'w') as f:
        f.write(base + '\n')
    print('profiles written to', outdir)


if __name__ == '__main__':
    main()
