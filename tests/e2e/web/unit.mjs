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
    // the command may begin with emscripten's emulator, Node.js
    const at = test.command.findIndex(part => part.endsWith('.js'));
    const args = test.command.slice(at + 1);
    const query = new URLSearchParams({ test: test.command[at].split('/').pop().replace(/\.js$/, '') });
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
    // a test ends with its totals; the program stays loaded in the page
    const ended = () => lines.some(line => /^(Totals:|QFATAL)/.test(line));
    for (const until = Date.now() + 300000; !ended() && Date.now() < until;)
        await new Promise(resolve => setTimeout(resolve, 100));
    if (!ended())
        lines.push('timed out');
    const passed = lines.some(line => /^Totals: .* 0 failed/.test(line)) && !lines.some(line => line.startsWith('QFATAL'));
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
