#pragma once

#include "platform/Database.h"
#include "platform/Query.h"

#include <QObject>

// "Nothing is due in the future": 4 June 2079 00:00.
inline constexpr double NoNextShowDT = 65535.0;

// The data module: the one connection to Ls.lsb, the address book's prepared statements and
// the reminder engine's state.
class TDataModule1 : public QObject {
    Q_OBJECT
public:
    explicit TDataModule1(QObject* parent = nullptr);
    ~TDataModule1() override;

    Database connVO;
    Query qrContactList;
    Query qrInsContact;
    Query qrPerson;
    Query qrUpdContact;
    double NextShowDT = NoNextShowDT;

private:
    void DataModuleCreate();
};

// The program-wide instance; set while one exists.
extern TDataModule1* DataModule1;
