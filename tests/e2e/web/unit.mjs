// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// The unit and widget tests, cross-built, each in a page of Debian's
// Chromium on the browser's own Qt platform, with the arguments and the
// environment ctest gives them (but the platform).
//     node unit.mjs BUILD-DIR URL
import { execFileSync } from 'node:child_process';
import { launch } from './browser.mjs';

const [build, url] = process.argv.slice(2);
const listing = JSON.parse(execFileSync('ctest', ['--test-dir', build, '-N', '-L', 'unit', '--show-only=json-v1'],
    { encoding: 'utf8' }));
const browser = await launch('chromium');
let failed = 0;
for (const test of listing.tests) {
    const [program, ...args] = test.command;
    const query = new URLSearchParams({ test: program.split('/').pop().replace(/\.js$/, '') });
    args.forEach(arg => query.append('arg', arg));
    const environment = (test.properties.find(p => p.name === 'ENVIRONMENT') || { value: [] }).value;
    environment.filter(pair => !pair.startsWith('QT_QPA_PLATFORM=')).forEach(pair => query.append('env', pair));
    const page = await browser.newPage();
    await page.setViewport({ width: 1280, height: 1024 });
    const lines = [];
    page.on('console', message => lines.push(message.text()));
    page.on('pageerror', error => lines.push('QFATAL: ' + error.message));
    const started = Date.now();
    await page.goto(`${url}/run.html?${query}`);
    let passed = false;
    try {
        await page.waitForFunction(() => window.testExit !== undefined, { timeout: 300000, polling: 200 });
        const totals = lines.find(line => line.startsWith('Totals:')) || '';
        passed = / 0 failed/.test(totals) && await page.evaluate(() => window.testExit) === 0;
    } catch {
        lines.push('timed out');
    }
    await page.close();
    console.log(`${passed ? 'PASS' : 'FAIL'}: ${test.name} (${((Date.now() - started) / 1000).toFixed(1)} s)`);
    if (!passed) {
        failed++;
        console.log(lines.filter(line => /^(FAIL|QFATAL|   Loc|   Actual|   Expected|Totals|timed)/.test(line)).join('\n'));
    }
}
await browser.close();
console.log(failed ? `unit tests in Chromium: ${failed} failed` : 'unit tests in Chromium: all passed');
process.exit(failed ? 1 : 0);
