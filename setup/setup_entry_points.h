// The device installer's calls into a package's setup library: their result codes and
// signatures, shared by the library and the installer that loads it.
#pragma once

#include <windows.h>

enum codeINSTALL_INIT { codeINSTALL_INIT_CONTINUE = 0, codeINSTALL_INIT_CANCEL };
enum codeINSTALL_EXIT { codeINSTALL_EXIT_DONE = 0, codeINSTALL_EXIT_UNINSTALL };
enum codeUNINSTALL_INIT { codeUNINSTALL_INIT_CONTINUE = 0, codeUNINSTALL_INIT_CANCEL };
enum codeUNINSTALL_EXIT { codeUNINSTALL_EXIT_DONE = 0 };

using InstallInitCall = codeINSTALL_INIT (*)(HWND parent, BOOL firstCall, BOOL previouslyInstalled,
                                             LPCWSTR installFolder);
using InstallExitCall = codeINSTALL_EXIT (*)(HWND parent, LPCWSTR installFolder, WORD failedFolders,
                                             WORD failedFiles, WORD failedRegistryKeys,
                                             WORD failedRegistryValues, WORD failedShortcuts);
using UninstallInitCall = codeUNINSTALL_INIT (*)(HWND parent, LPCWSTR installFolder);
using UninstallExitCall = codeUNINSTALL_EXIT (*)(HWND parent);
