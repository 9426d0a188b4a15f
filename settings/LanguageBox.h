#pragma once

#include <QComboBox>

// An editable combo box that says when its list is about to drop down, so the list can be
// filled fresh each time.
class LanguageBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    void showPopup() override
    {
        emit aboutToDropDown();
        QComboBox::showPopup();
    }

signals:
    void aboutToDropDown();
};
