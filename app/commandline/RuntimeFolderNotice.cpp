// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RuntimeFolderNotice.h"

#include <QString>
#include <QtGlobal>

namespace {
QtMessageHandler& previousHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

void passAllButTheNotice(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg &&
        (text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")) ||
         text.startsWith(
             QLatin1String("QStandardPaths: wrong permissions on runtime directory")))) {
        return;
    }
    if (const QtMessageHandler previous = previousHandler()) {
        previous(type, context, text);
    }
}
} // namespace

void dropRuntimeFolderNotice()
{
    previousHandler() = qInstallMessageHandler(passAllButTheNotice);
}
