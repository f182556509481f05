// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Holds back the user's input while a run keeps the window busy: clicks and keys made meanwhile
// are neither lost nor acted on at once, but handed on, in order, once the hold is released.
// Everything else (repaints, the window system's own messages) goes on.
//
// Input is held as it reaches a widget, after the window has picked that widget: a press, its
// moves and its release go to the control that was under the pointer at the press, with
// positions in that control's own coordinates, whatever the pointer did afterwards. Mouse and
// wheel events are copied by value, since Qt reuses a pointer event's point for the next one.
// Keys and input-method text go, when handed on, where the focus was when they were typed, as
// the user saw it; after a held click, to wherever that click put the focus, so text typed
// after a held click on a field lands in that field.

#include <QEvent>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class InputHold final : public QObject
{
    Q_OBJECT
public:
    // What becomes of one piece of input, asked while holding and again when handing it on.
    enum class Verdict
    {
        Hold,    // delivered once the hold is released
        Deliver, // acts at once
        Drop     // never acts
    };
    using Rule = std::function<Verdict(QObject* receiver, const QEvent* event)>;

    // Starts holding input for the whole application. The held input is handed on through the
    // event loop of context, and not at all if context is gone by then.
    explicit InputHold(QObject* context = nullptr, Rule rule = {});
    // Stops holding and posts the held input back, in the order it came.
    ~InputHold() override;
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

    std::size_t heldCount() const { return m_held->size(); }
    // Whether keys or input-method text are among the held input.
    bool holdsTyping() const;
    // Forgets what has been held: the program is ending.
    void discard() { m_held->clear(); }

    static bool isUserInput(const QEvent* event);

    // One piece of held input.
    struct Held
    {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    QPointer<QObject> m_context;
    Rule m_rule;
    std::shared_ptr<std::vector<Held>> m_held;
};
