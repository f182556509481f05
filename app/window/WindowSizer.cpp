// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowSizer.h"

#include "DesignScale.h"
#include "OptionButton.h"
#include "PictureLayer.h"
#include "PictureSurface.h"
#include "TextFit.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

WindowSizer::WindowSizer(QWidget& window, PictureLayer& picture)
    : m_window(window), m_picture(picture),
      m_pixelRatio(picture.picture().image().devicePixelRatio())
{}

QPointF WindowSizer::toWidgetPixels(QPointF twips) const
{
    return toWindowPixels(twips, m_placement);
}

void WindowSizer::toggleFullScreen()
{
    if (!m_window.isFullScreen()) {
        showFullScreenEverywhere();
        return;
    }
    // Through the window's state, keeping maximised if it was: a window manager then restores
    // the place it kept; without one the window takes its own place back itself.
    m_window.setWindowState(m_window.windowState() & ~Qt::WindowFullScreen);
    if (!m_window.isMaximized() && m_normalGeometry.isValid()) {
        m_window.setGeometry(m_normalGeometry);
    }
}

QRect WindowSizer::normalPlace() const
{
    if (m_window.isFullScreen() && m_normalGeometry.isValid()) {
        return m_normalGeometry;
    }
    return m_window.isFullScreen() || m_window.isMaximized() ? m_window.normalGeometry()
                                                             : m_window.geometry();
}

void WindowSizer::showFullScreenEverywhere()
{
    if (!m_window.isFullScreen()) {
        m_normalGeometry = m_window.isMaximized() ? m_window.normalGeometry() : m_window.geometry();
    } else if (!m_normalGeometry.isValid()) {
        m_normalGeometry = m_window.normalGeometry(); // full screen as restored at start
    }
    m_window.setWindowState(m_window.windowState() | Qt::WindowFullScreen);
    m_window.show();
    // Without a window manager (a kiosk, a bare projector session) nobody resizes a window that
    // asks for full screen; it takes the screen itself. Set on the window system's window: the
    // widget's own setGeometry would end its full-screen state, and leaving it would be lost.
    if (QWindow* window = m_window.windowHandle();
        window != nullptr && window->screen() != nullptr) {
        window->setGeometry(window->screen()->geometry());
    }
}

void WindowSizer::stepSize(int direction)
{
    const QScreen* screen = m_window.screen();
    if (screen == nullptr) {
        return;
    }
    // The largest step whose window, frame included, fits the screen's free area.
    const QSize frame = m_window.frameGeometry().size() - m_window.geometry().size();
    const double largest = designscale::fittingFactor(screen->availableGeometry().size() - frame);
    const double target = direction > 0 ? designscale::nextStep(factor(), largest)
                                        : designscale::previousStep(factor());
    if ((direction > 0 && target > factor()) || (direction < 0 && target < factor())) {
        showAtFactor(target);
    }
}

void WindowSizer::resetSize()
{
    // On a screen smaller than the design, as large as fits: the title bar stays on it.
    double factor = 1;
    if (const QScreen* screen = m_window.screen()) {
        const QSize frame = m_window.frameGeometry().size() - m_window.geometry().size();
        factor = std::min(factor,
                          designscale::fittingFactor(screen->availableGeometry().size() - frame));
    }
    showAtFactor(factor);
}

void WindowSizer::showAtFactor(double factor)
{
    if (m_window.isFullScreen()) {
        toggleFullScreen();
    } else if (m_window.isMaximized()) {
        m_window.showNormal();
    }
    m_window.resize(designscale::scaledSize(factor));
    // Keep the whole frame on the screen it is on.
    if (const QScreen* screen = m_window.screen()) {
        const QRect free = screen->availableGeometry();
        const QSize frameExtra = m_window.frameGeometry().size() - m_window.geometry().size();
        const QSize outer = designscale::scaledSize(factor) + frameExtra;
        QPoint corner = m_window.frameGeometry().topLeft();
        corner.setX(std::clamp(corner.x(), free.left(),
                               std::max(free.left(), free.right() + 1 - outer.width())));
        corner.setY(std::clamp(corner.y(), free.top(),
                               std::max(free.top(), free.bottom() + 1 - outer.height())));
        if (corner != m_window.frameGeometry().topLeft()) {
            m_window.move(corner);
        }
    }
    placeDesign();
}

void WindowSizer::placeDesign()
{
    const double factor = designscale::fittingFactor(m_window.size());
    const DesignPlacement placement{factor, designscale::centredOrigin(m_window.size(), factor)};
    const qreal ratio = m_window.devicePixelRatio();
    if (placement.factor == m_placement.factor && placement.origin == m_placement.origin &&
        ratio == m_pixelRatio) {
        return;
    }
    const bool refit = placement.factor != m_placement.factor;
    m_placement = placement;
    m_pixelRatio = ratio;
    setDesignPlacement(&m_window, m_placement);
    if (refit) {
        // The option circles grow with the captions; first, as a caption fits beside its circle.
        for (OptionButton* option : m_window.findChildren<OptionButton*>()) {
            option->setScale(factor);
        }
        for (QWidget* control : m_window.findChildren<QWidget*>()) {
            if (control->testAttribute(Qt::WA_SetFont)) {
                fitFont(control, factor);
            }
        }
    }
    m_picture.setPlacement(m_placement, ratio);
    m_window.update();
}

void WindowSizer::windowShown()
{
    // The window exists only now; from here on a move to another screen re-renders the picture
    // at that screen's density.
    if (!m_watchingScreen && m_window.windowHandle() != nullptr) {
        m_watchingScreen = true;
        QObject::connect(m_window.windowHandle(), &QWindow::screenChanged, &m_window,
                         [this] { placeDesign(); });
    }
    placeDesign();
}
