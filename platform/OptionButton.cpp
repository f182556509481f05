#include "OptionButton.h"

OptionButton::OptionButton(const QString& name, const QString& caption, QWidget* frame)
    : QRadioButton(caption, frame)
{
    setObjectName(name);
}

void OptionButton::select()
{
    setChecked(true);
    Q_EMIT clicked(true);
}
