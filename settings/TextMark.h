// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Marks a text of the program for translation in code that does not use Qt. lupdate finds the
// literal by the macro's name, and each front end looks the text up in its translation when it
// shows it. Spelled exactly as Qt spells the same macros, so that either definition may come
// first.

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
#ifndef QT_TRANSLATE_NOOP3
#define QT_TRANSLATE_NOOP3(scope, x, comment) {x, comment}
#endif
