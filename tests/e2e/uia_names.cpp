// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// A UI Automation client, as Narrator is one: prints the name of every
// element under the top-level window with the given title, a line each in
// UTF-8. Exits with 1 when there is no such window or no UI Automation.
//     uia_names.exe TITLE
#include <windows.h>
#include <uiautomation.h>
#include <cstdio>
#include <string>

static std::string utf8(const wchar_t *text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2)
        return 2;
    HWND window = FindWindowW(nullptr, argv[1]);
    if (!window || FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)))
        return 1;
    IUIAutomation *automation = nullptr;
    IUIAutomationElement *top = nullptr;
    IUIAutomationCondition *all = nullptr;
    IUIAutomationElementArray *found = nullptr;
    if (FAILED(CoCreateInstance(__uuidof(CUIAutomation), nullptr, CLSCTX_INPROC_SERVER, __uuidof(IUIAutomation),
                                reinterpret_cast<void **>(&automation)))
        || FAILED(automation->ElementFromHandle(window, &top))
        || FAILED(automation->CreateTrueCondition(&all))
        || FAILED(top->FindAll(TreeScope_Descendants, all, &found)) || !found) {
        std::fputs("UI Automation does not answer\n", stderr);
        return 1;
    }
    int count = 0;
    found->get_Length(&count);
    for (int i = 0; i < count; ++i) {
        IUIAutomationElement *element = nullptr;
        BSTR name = nullptr;
        if (SUCCEEDED(found->GetElement(i, &element)) && SUCCEEDED(element->get_CurrentName(&name)) && name) {
            std::printf("%s\n", utf8(name).c_str());
            SysFreeString(name);
        }
        if (element)
            element->Release();
    }
    found->Release();
    all->Release();
    top->Release();
    automation->Release();
    CoUninitialize();
    return 0;
}
