// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The picture's context menu (right click, or the Menu key): copy, save the picture, save the
// curves as CSV, print; the teaching overlay on or off; the help and the program's facts; the
// interface's language; the window's size. Its actions are also the window's own, so their keys
// (Ctrl+C, Ctrl+S, Ctrl+E, Ctrl+P, F1, F11, Ctrl+plus, Ctrl+minus, Ctrl+0) work without the menu.
// They act on the last run, finished or stopped; before any run the curves cannot be saved and
// the picture is the empty scene.

#include "Language.h"

#include "ScenePicture.h"

#include <QObject>

#include <optional>

class Brontel;
class ExploreSwitch;
class LessonActions;
class OverlaySwitch;
class PictureClipboard;
class QAction;
class QMenu;
class QPrinter;
class WindowSizeKeys;

class SceneMenu final : public QObject
{
    Q_OBJECT
public:
    // Owned by window; offers the clipboard's copy and the window's size actions too.
    SceneMenu(Brontel& window, PictureClipboard& clipboard, WindowSizeKeys& sizeKeys);

    // The menu as it would open now.
    QMenu* menu();

    QAction* savePictureAction() const { return m_savePicture; }
    QAction* saveCurvesAction() const { return m_saveCurves; }
    // Checkable: the teaching overlay over the picture.
    QAction* overlayAction() const { return m_overlay; }
    // Opens the explore window (F3), remembered between starts.
    ExploreSwitch* exploreSwitch() const { return m_explore; }
    // Keep a run, compare the kept runs, the prediction, the worksheet.
    LessonActions* lesson() const { return m_lesson; }
    QAction* helpAction() const { return m_help; }
    QAction* languageAction(Language language) const;

    // What "O programu" says: name, version, licence, home page.
    static QString aboutText();

    // Prints the scene on printer, set up as its dialog left it; a PDF file is written whole or
    // not at all. Returns why it failed, if it did.
    std::optional<QString> printOn(QPrinter& printer) const;
    // The scene window exports: its last run, with the teaching overlay when that is on.
    static ScenePicture sceneOf(const Brontel& window);

    // The sizes a PNG of scene can be saved at, each with the pixels it will have: the file's
    // size does not follow the window's, so the choice says it outright.
    struct PictureSize
    {
        int scale;
        QString text;
    };
    static QList<PictureSize> pictureSizes(const ScenePicture& scene);

    // Where a save dialog opens, with fileName suggested: the folder of the last file saved,
    // else the user's documents folder if there is one, else the home folder.
    QString suggestedPath(const QString& fileName) const;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    void savePicture();
    void saveCurves();
    void print();
    void showHelp();
    void showAbout();
    // Switches the interface at once and remembers the choice for the next start.
    void chooseLanguage(Language language);
    void refresh();
    void retranslate();
    // Shows why a file could not be written.
    void reportFailure(const QString& message);

    Brontel& m_window;
    PictureClipboard& m_clipboard;
    QString m_lastFolder; // of the last file saved in this session
    QMenu* m_menu = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_savePicture = nullptr;
    QAction* m_saveCurves = nullptr;
    QAction* m_print = nullptr;
    QAction* m_overlay = nullptr;
    OverlaySwitch* m_overlaySwitch = nullptr;
    ExploreSwitch* m_explore = nullptr;
    LessonActions* m_lesson = nullptr;
    QAction* m_help = nullptr;
    QAction* m_about = nullptr;
    QMenu* m_languageMenu = nullptr;
    QAction* m_czech = nullptr;
    QAction* m_english = nullptr;
};
