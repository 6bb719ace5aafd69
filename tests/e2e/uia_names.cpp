// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// A UI Automation client, as Narrator is one: prints the name of every
// element under the top-level window with the given title, a line each in
// UTF-8. Exits with 1 when there is no such window or no UI Automation.
//     uia_names.exe TITLE
#include <windows.h>
#include <uiautomation.h>
#include <wrl/client.h>
#include <cstdio>
#include <string>

using Microsoft::WRL::ComPtr;

static std::string utf8(const wchar_t *text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

int wmain(int argc, wchar_t **argv)
{
    HWND window = argc == 2 ? FindWindowW(nullptr, argv[1]) : nullptr;
    if (!window || FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)))
        return 1;
    ComPtr<IUIAutomation> automation;
    ComPtr<IUIAutomationElement> top;
    ComPtr<IUIAutomationCondition> all;
    ComPtr<IUIAutomationElementArray> found;
    if (FAILED(CoCreateInstance(__uuidof(CUIAutomation), nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&automation)))
        || FAILED(automation->ElementFromHandle(window, &top)) || FAILED(automation->CreateTrueCondition(&all))
        || FAILED(top->FindAll(TreeScope_Descendants, all.Get(), &found)) || !found) {
        std::fputs("UI Automation does not answer\n", stderr);
        return 1;
    }
    int count = 0;
    found->get_Length(&count);
    for (int i = 0; i < count; ++i) {
        ComPtr<IUIAutomationElement> element;
        BSTR name = nullptr;
        if (SUCCEEDED(found->GetElement(i, &element)) && SUCCEEDED(element->get_CurrentName(&name)) && name) {
            std::printf("%s\n", utf8(name).c_str());
            SysFreeString(name);
        }
    }
    return 0;
}
