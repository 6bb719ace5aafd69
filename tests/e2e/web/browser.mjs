// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// Debian's own browsers, driven through puppeteer-core (Chromium through its
// DevTools protocol, Firefox ESR through WebDriver BiDi) and WebKitGTK through
// W3C WebDriver (webdriver.mjs); nothing is downloaded. Shared by the browser test and the benchmark.
import puppeteer from 'puppeteer-core';
import { launchWebKit } from './webdriver.mjs';

// Chromium draws WebGL with SwiftShader here, and asks no server of Google's.
const chromiumArgs = ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
    '--disable-background-networking', '--disable-component-update', '--disable-sync', '--disable-quic',
    '--no-first-run', '--disable-features=Translate,MediaRouter'];

export async function launch(name, downloads) {
    if (name === 'webkit')
        return launchWebKit(downloads);
    if (name === 'firefox') {
        // Firefox has WebGL only with a display (Xvfb), not headless
        return puppeteer.launch({
            browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: !process.env.DISPLAY,
            extraPrefsFirefox: {
                'webgl.force-enabled': true,
                'browser.download.dir': downloads, 'browser.download.folderList': 2,
                'browser.download.useDownloadDir': true, 'browser.download.always_ask_before_handling_new_types': false,
                'pdfjs.disabled': true,
            },
        });
    }
    return puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true, args: chromiumArgs });
}

// A new page whose downloads land in a folder (Chromium; Firefox takes its
// preferences above).
export async function openPage(browser, name, downloads, viewport) {
    const page = await browser.newPage();
    if (name === 'chromium' && downloads) {
        const session = await page.createCDPSession();
        await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
    }
    if (viewport)
        await page.setViewport(viewport);
    return page;
}

// Resolves when the page has painted the board: the game tells the page it
// runs, and the splash has gone.
export async function boardShown(page, timeout = 60000) {
    await page.waitForFunction(() => window.gitterspor && window.gitterspor.running, { timeout, polling: 50 });
}
