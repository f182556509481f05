#include "KeyboardAccess.h"

#include "Brontel.h"

#include <QPushButton>

void enableKeyboardAccess(Brontel& window)
{
    // Outside a dialog a push button answers only Space; auto-default makes Enter press the
    // focused button too. Neither is the default button, so Enter elsewhere does nothing.
    for (QPushButton* button : {window.cmdStart, window.cmdKonec}) {
        button->setAutoDefault(true);
    }
}
