// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's size: the design placed at the factor that fits, the size keys, full screen,
// and the move to a screen of another pixel density.

#include "Brontel.h"

#include "DesignScale.h"
#include "OptionButton.h"
#include "PictureLayer.h"
#include "TextFit.h"

#include <QScreen>
#include <QWindow>

QPointF Brontel::toWidgetPixels(QPointF twips) const
{
    return toWindowPixels(twips, m_placement);
}

void Brontel::toggleFullScreen()
{
    if (!isFullScreen()) {
        showFullScreenEverywhere();
        return;
    }
    // Through the window's state, keeping maximised if it was: a window manager then restores
    // the place it kept; without one the window takes its own place back itself.
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    if (!isMaximized() && m_normalGeometry.isValid()) {
        setGeometry(m_normalGeometry);
    }
}

QRect Brontel::normalPlace() const
{
    if (isFullScreen() && m_normalGeometry.isValid()) {
        return m_normalGeometry;
    }
    return isFullScreen() || isMaximized() ? normalGeometry() : geometry();
}

void Brontel::showFullScreenEverywhere()
{
    if (!isFullScreen()) {
        m_normalGeometry = isMaximized() ? normalGeometry() : geometry();
    } else if (!m_normalGeometry.isValid()) {
        m_normalGeometry = normalGeometry(); // full screen as restored at start
    }
    setWindowState(windowState() | Qt::WindowFullScreen);
    show();
    // Without a window manager (a kiosk, a bare projector session) nobody resizes a window that
    // asks for full screen; it takes the screen itself. Set on the window system's window: the
    // widget's own setGeometry would end its full-screen state, and leaving it would be lost.
    if (QWindow* window = windowHandle(); window != nullptr && window->screen() != nullptr) {
        window->setGeometry(window->screen()->geometry());
    }
}

void Brontel::stepSize(int direction)
{
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    // The largest step whose window, frame included, fits the screen's free area.
    const QSize frame = frameGeometry().size() - geometry().size();
    const double largest = designscale::fittingFactor(screen->availableGeometry().size() - frame);
    const double target = direction > 0 ? designscale::nextStep(factor(), largest)
                                        : designscale::previousStep(factor());
    if ((direction > 0 && target > factor()) || (direction < 0 && target < factor())) {
        showAtFactor(target);
    }
}

void Brontel::resetSize()
{
    // On a screen smaller than the design, as large as fits: the title bar stays on it.
    double factor = 1;
    if (const QScreen* screen = this->screen()) {
        const QSize frame = frameGeometry().size() - geometry().size();
        factor = std::min(factor,
                          designscale::fittingFactor(screen->availableGeometry().size() - frame));
    }
    showAtFactor(factor);
}

void Brontel::showAtFactor(double factor)
{
    if (isFullScreen()) {
        toggleFullScreen();
    } else if (isMaximized()) {
        showNormal();
    }
    resize(designscale::scaledSize(factor));
    // Keep the whole frame on the screen it is on.
    if (const QScreen* screen = this->screen()) {
        const QRect free = screen->availableGeometry();
        const QSize frameExtra = frameGeometry().size() - geometry().size();
        const QSize outer = designscale::scaledSize(factor) + frameExtra;
        QPoint corner = frameGeometry().topLeft();
        corner.setX(std::clamp(corner.x(), free.left(),
                               std::max(free.left(), free.right() + 1 - outer.width())));
        corner.setY(std::clamp(corner.y(), free.top(),
                               std::max(free.top(), free.bottom() + 1 - outer.height())));
        if (corner != frameGeometry().topLeft()) {
            move(corner);
        }
    }
    placeDesign();
}

void Brontel::placeDesign()
{
    const double factor = designscale::fittingFactor(size());
    const DesignPlacement placement{factor, designscale::centredOrigin(size(), factor)};
    const qreal ratio = devicePixelRatio();
    if (placement.factor == m_placement.factor && placement.origin == m_placement.origin &&
        ratio == m_pixelRatio) {
        return;
    }
    const bool refit = placement.factor != m_placement.factor;
    m_placement = placement;
    m_pixelRatio = ratio;
    setDesignPlacement(this, m_placement);
    if (refit) {
        // The option circles grow with the captions; first, as a caption fits beside its circle.
        for (OptionButton* option : findChildren<OptionButton*>()) {
            option->setScale(factor);
        }
        for (QWidget* control : findChildren<QWidget*>()) {
            if (control->testAttribute(Qt::WA_SetFont)) {
                fitFont(control, factor);
            }
        }
    }
    m_pictureLayer->setPlacement(m_placement, ratio);
    update();
}

void Brontel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeDesign();
}

void Brontel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The window exists only now; from here on a move to another screen re-renders the picture
    // at that screen's density.
    if (!m_watchingScreen && windowHandle() != nullptr) {
        m_watchingScreen = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { placeDesign(); });
    }
    placeDesign();
}
