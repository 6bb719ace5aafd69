// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// The game's side of the page in a browser: every call goes to the object
// page.js keeps as window.gitterspor, through emscripten::val as Qt's own
// wasm platform does. A page without it (a test's own page) is told nothing.
#include "Page.h"

#include <emscripten/val.h>

namespace Page {

namespace {

emscripten::val page()
{
    return emscripten::val::global("gitterspor");
}

bool hasPage()
{
    const emscripten::val p = page();
    return !p.isUndefined() && !p.isNull();
}

} // namespace

void ended()
{
    if (hasPage())
        page().call<void>("ended");
}

void setTaskUnderway(bool underway)
{
    if (hasPage())
        page().set("inTask", underway);
}

void announce(const QString &text)
{
    if (hasPage() && !text.isEmpty())
        page().call<void>("announce", text.toStdString());
}

bool handOver(const QByteArray &bytes, const QString &fileName, const QString &mimeType)
{
    if (!hasPage())
        return false;
    using emscripten::val;
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    // a copy: the page keeps it after the game's memory has moved on
    const val copy = val::global("Uint8Array").new_(emscripten::typed_memory_view(bytes.size(), data)).call<val>("slice");
    page().call<void>("handOver", copy, fileName.toStdString(), mimeType.toStdString());
    return true;
}

} // namespace Page
