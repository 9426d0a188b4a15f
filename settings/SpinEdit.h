#pragma once

#include <QSpinBox>

// A spin edit as the settings use it: typing applies the typed number at once, even outside
// the limits; setting a value and leaving the box clamp it to the limits. Only digits, a sign
// and the decimal separator can be typed; a text that is no whole number reads as the lower
// limit.
class SpinEdit : public QSpinBox {
    Q_OBJECT
public:
    SpinEdit(int low, int high, QWidget* parent = nullptr);

    // The number in the box now, not yet clamped.
    int typedValue() const;
    void setClampedValue(int value);

    QValidator::State validate(QString& input, int& pos) const override;
    void stepBy(int steps) override;

signals:
    // Every change of the text, typed or set, a lone sign included.
    void changed();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    int low_;
    int high_;
};
