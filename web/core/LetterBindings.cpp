// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The letters of the page's saved pictures through embind: the page loads the glyph atlas once,
// hands over a saved picture's pixels and gets them back lettered as the desktop letters its own.

#include "ExportLetters.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

namespace {
// The pixels as the bytes of an ImageData's data, a view of the core's memory, not a copy: valid
// until the core next grows its memory, so the page copies in or out at once.
emscripten::val pixelView(ExportLetters& letters)
{
    const std::size_t bytes = std::size_t(letters.width()) * std::size_t(letters.height()) * 4;
    std::uint32_t* pixels = letters.pixels(letters.width(), letters.height());
    if (pixels == nullptr) {
        return emscripten::val::null();
    }
    const emscripten::val view(
        emscripten::typed_memory_view(bytes, reinterpret_cast<std::uint8_t*>(pixels)));
    return emscripten::val::global("Uint8ClampedArray")
        .new_(view["buffer"], view["byteOffset"], view["length"]);
}
} // namespace

EMSCRIPTEN_BINDINGS(brontel_letters)
{
    emscripten::class_<ExportLetters>("ExportLetters")
        .constructor<>()
        .function("load", emscripten::optional_override(
                              [](ExportLetters& letters, const emscripten::val& bytes) {
                                  const std::vector<std::uint8_t> atlas =
                                      emscripten::convertJSArrayToNumberVector<std::uint8_t>(bytes);
                                  return letters.load(atlas);
                              }))
        .function("loaded", &ExportLetters::loaded)
        // Pixels of width x height for a saved picture, or null when there can be none.
        .function("pixels",
                  emscripten::optional_override([](ExportLetters& letters, int width, int height) {
                      if (letters.pixels(width, height) == nullptr) {
                          return emscripten::val::null();
                      }
                      return pixelView(letters);
                  }))
        // The same pixels again, after the core may have grown its memory.
        .function("view", &pixelView)
        // What the atlas did not hold: the captions' names and whether the settings line.
        .function("letter", emscripten::optional_override(
                                [](ExportLetters& letters, const PageCore& core, int times,
                                   const std::string& captionLines, const std::string& line) {
                                    const LettersLeft left = letters.letter(
                                        core, times, PageCore::captionLines(captionLines), line);
                                    emscripten::val out = emscripten::val::object();
                                    emscripten::val captions = emscripten::val::array();
                                    for (const Control c : left.captions) {
                                        captions.call<void>("push", std::string(nameOf(c)));
                                    }
                                    out.set("captions", captions);
                                    out.set("settingsLine", left.settingsLine);
                                    return out;
                                }));
}
