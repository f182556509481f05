// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Qt looks for a Flatpak's marker file in the user's runtime folder while it starts the
// application, and where XDG_RUNTIME_DIR is unset (cron, su, ssh, a container) it warns
// "QStandardPaths: XDG_RUNTIME_DIR not set" on every start, or, where the folder may be written
// by others, that its permissions are wrong. The program never uses that folder, so neither
// warning says anything to its user: they are dropped, and every other message passes.

// Call before the application object is made.
void dropRuntimeFolderNotice();
