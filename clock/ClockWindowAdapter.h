#pragma once

#include "settings/ClockWindow.h"

class TfrmClock;

// The clock window as the settings dialog acts on it.
class ClockWindowAdapter : public ClockWindow {
public:
    explicit ClockWindowAdapter(TfrmClock& clock) : clock_(clock) {}

    quint8 viewMode() const override;
    void setViewMode(quint8 mode) override;
    void switchView(quint8 mode) override;
    void clearAnalogPicture() override;
    void shapeAsAnalogClock() override;
    void showTrayIcon(bool shown) override;
    void setClockVisible(bool visible) override;
    QPoint position() const override;
    void moveTo(const QPoint& position) override;
    void setWidth(int width) override;
    void setHeight(int height) override;
    void setVertSpace(int space) override;
    void setHorisSpace(int space) override;
    void setTimeFont(const QFont& font, TColor color) override;
    QSize timeTextSize() const override;
    void setBackgroundColor(TColor color) override;
    void tick() override;

private:
    TfrmClock& clock_;
};
