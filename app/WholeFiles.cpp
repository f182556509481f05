// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WholeFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <memory>

namespace {
QString failure(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("WholeFiles", "Soubor „%1“ se nepodařilo uložit: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}
} // namespace

std::optional<QString> writeWhole(const std::vector<FileToWrite>& files)
{
    std::vector<std::unique_ptr<QSaveFile>> pending;
    for (const FileToWrite& file : files) {
        auto saving = std::make_unique<QSaveFile>(file.path);
        if (!saving->open(QIODevice::WriteOnly) || saving->write(file.bytes) != file.bytes.size()) {
            const QString message = failure(file.path, saving->errorString());
            saving->cancelWriting();
            for (const auto& other : pending) {
                other->cancelWriting();
            }
            return message;
        }
        pending.push_back(std::move(saving));
    }
    // Only now do the real files change; a rename that still fails names its file.
    for (std::size_t i = 0; i < pending.size(); ++i) {
        if (!pending[i]->commit()) {
            const QString message = failure(files[i].path, pending[i]->errorString());
            for (std::size_t j = i + 1; j < pending.size(); ++j) {
                pending[j]->cancelWriting();
            }
            return message;
        }
    }
    return std::nullopt;
}
