// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Holds back the user's input while a run keeps the window busy: clicks and keys made meanwhile
// are neither lost nor acted on at once, but handed on, in order, once the hold is released.
// Everything else (repaints, the window system's own messages) goes on.

#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class QEvent;

class InputHold final : public QObject
{
    Q_OBJECT
public:
    // Starts holding input for the whole application.
    InputHold();
    // Stops holding and posts the held input back to its receivers, in the order it came.
    ~InputHold() override;
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

    std::size_t heldCount() const { return m_held.size(); }

    static bool isUserInput(const QEvent* event);

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    struct Held
    {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    std::vector<Held> m_held;
};
