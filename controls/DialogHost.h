// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>
#include <functional>

// A Wayland client cannot place its windows, and a compositor may put a dialog
// anywhere (weston picks a random spot, even under the full-screen main
// window). There a modal dialog runs inside a host: a full-screen window of its
// own, modal and owned by the dialog's owner, on the main window's screen,
// showing the picture of the owner's window as it was, with the dialog
// centred on it under a strip with its title. (See-through would not do: a
// compositor may put black behind a full-screen window.)
// Elsewhere the window manager places the dialog as a window of its own.

// True on Wayland; tests switch it on for the offscreen platform.
bool DialogsRunInHost();
void SetDialogsRunInHost(bool inHost);

// Runs the dialog's modal loop (runLoop, the dialog's own exec) in a host when
// dialogs run in one, else runLoop alone; answers its result. The dialog is a
// window of its own again afterwards.
int ExecDialog(QDialog& dialog, const std::function<int()>& runLoop);

// The height of the title strip over a hosted dialog.
constexpr int HostTitleHeight = 22;
