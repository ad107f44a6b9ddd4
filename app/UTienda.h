// The start-up store notice: on Windows 10 build 14393 or later, when the
// computer is online, the program's page in the Microsoft Store is pointed
// out in a message and then opened.
#pragma once

#include <windows.h>

#include <string>

#include "app/Servicios.h"

namespace app {

// Where Windows keeps its version values.
inline constexpr const wchar_t* kClaveVersion = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

// True when the version values under `root`\`path` show Windows 10 build
// 14393 or later. The key is opened for reading only; any other shape of
// the registry (no key, no value, a value that is not text) gives false.
bool IsStoreWindows(HKEY root = HKEY_LOCAL_MACHINE, const wchar_t* path = kClaveVersion);

// True when a connection is reported and it is not in offline mode.
bool IsOnline(Conexion& conexion);

// True when the program runs under Wine.
bool IsWine();

// Asks the shell to open `URL` in the browser, maximised; under Wine through
// its "winebrowser" launcher. The answer is not examined.
void OpenWebPage(Shell& shell, const std::wstring& URL);

// The start-up step: the notice, in English or Spanish, then the store page.
// The version key can be pointed elsewhere for tests.
void ShowStoreNotice(Servicios& servicios, HKEY root = HKEY_LOCAL_MACHINE,
                     const wchar_t* path = kClaveVersion);

}  // namespace app
