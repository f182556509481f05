#include "KeyboardAccess.h"

#include "Brontel.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {
// Outside a dialog a push button answers only Space. Auto-default would make it answer Enter
// too, but also redraw it as the default button whenever it has the focus, which the design's
// buttons never look like; so Enter is turned into a click here instead.
class EnterClicks final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) {
            return false;
        }
        auto* button = qobject_cast<QPushButton*>(receiver);
        if (button == nullptr || !button->isEnabled()) {
            return false;
        }
        button->click();
        return true;
    }
};
} // namespace

void enableKeyboardAccess(Brontel& window)
{
    auto* enter = new EnterClicks(&window);
    for (QPushButton* button : {window.cmdStart, window.cmdKonec}) {
        button->installEventFilter(enter);
    }
}
