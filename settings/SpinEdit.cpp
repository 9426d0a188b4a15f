#include "settings/SpinEdit.h"

#include <QLineEdit>
#include <QLocale>

#include <algorithm>

namespace {

// Wide enough for anything typed into a box of a few digits.
constexpr int TypingRange = 99999;

}  // namespace

SpinEdit::SpinEdit(int low, int high, QWidget* parent)
    : QSpinBox(parent), low_(low), high_(high)
{
    setRange(-TypingRange, TypingRange);
    setValue(low);
    connect(lineEdit(), &QLineEdit::textChanged, this, &SpinEdit::changed);
}

int SpinEdit::typedValue() const
{
    bool ok = false;
    const int value = cleanText().toInt(&ok);
    return ok ? value : low_;
}

// QSpinBox updates its text with the editor's signals blocked, so the change is told here.
void SpinEdit::setClampedValue(int value)
{
    const QString before = text();
    setValue(std::clamp(value, low_, high_));
    if (text() != before)
        emit changed();
}

QValidator::State SpinEdit::validate(QString& input, int&) const
{
    const QChar decimal = locale().decimalPoint().front();
    const bool typable = std::all_of(input.begin(), input.end(), [&](QChar c) {
        return (c >= u'0' && c <= u'9') || c == u'-' || c == u'+' || c == decimal;
    });
    if (!typable)
        return QValidator::Invalid;
    bool ok = false;
    const int value = input.toInt(&ok);
    return ok && value >= -TypingRange && value <= TypingRange ? QValidator::Acceptable : QValidator::Intermediate;
}

void SpinEdit::stepBy(int steps)
{
    setClampedValue(typedValue() + steps);
}

void SpinEdit::focusOutEvent(QFocusEvent* event)
{
    QSpinBox::focusOutEvent(event);
    setClampedValue(typedValue());
}
