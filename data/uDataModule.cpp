#include "data/uDataModule.h"

#include "platform/ProgramFolder.h"

TDataModule1* DataModule1 = nullptr;

namespace {

// Birthday is a date-time, Comment a long text, Group an integer, every other column a text.
void declareContactParameters(Query& query)
{
    for (const char* name : {"LastName", "FirstName", "Photo", "HomePhone", "JobPhone", "MobilePhone", "Address",
                             "Mail", "ICQ", "Web_site"})
        query.param(QString::fromLatin1(name)).setType(ParamType::Text);
    query.param(QStringLiteral("Birthday")).setType(ParamType::DateTime);
    query.param(QStringLiteral("Comment")).setType(ParamType::LongText);
    query.param(QStringLiteral("Group")).setType(ParamType::Integer);
}

}  // namespace

TDataModule1::TDataModule1(QObject* parent)
    : QObject(parent),
      qrContactList(connVO),
      qrInsContact(connVO),
      qrPerson(connVO),
      qrUpdContact(connVO),
      // Until the language module is there the captions are the keys themselves.
      CaptionLookup([](const QString& key) { return key; })
{
    qrContactList.add(QStringLiteral("SELECT TRIM(FirstName || '  ' || LastName) AS ContactName, ABID"));
    qrContactList.add(QStringLiteral("FROM AddressBook"));
    qrContactList.add(QStringLiteral("WHERE AddressBook.[Group] in (:Group1, :Group2, :Group3, :Group4)"));
    qrContactList.add(QStringLiteral("ORDER BY 1 "));
    for (const char* name : {"Group1", "Group2", "Group3", "Group4"})
        qrContactList.param(QString::fromLatin1(name)).setType(ParamType::Integer).setValue(0);

    qrInsContact.add(QStringLiteral("INSERT INTO AddressBook (LastName, FirstName, Photo, Birthday, HomePhone, "
                                    "JobPhone, MobilePhone, Address, Mail, ICQ, Web_site, Comment, [Group])"));
    qrInsContact.add(QStringLiteral("VALUES (:LastName, :FirstName, :Photo, :Birthday, :HomePhone, :JobPhone, "
                                    ":MobilePhone, :Address, :Mail, :ICQ, :Web_site, :Comment, :Group)"));
    declareContactParameters(qrInsContact);

    qrPerson.add(QStringLiteral("SELECT AddressBook.*"));
    qrPerson.add(QStringLiteral("FROM AddressBook"));
    qrPerson.add(QStringLiteral("WHERE AddressBook.ABID=:PersonID"));
    qrPerson.param(QStringLiteral("PersonID")).setType(ParamType::Integer);

    qrUpdContact.add(QStringLiteral("UPDATE AddressBook"));
    qrUpdContact.add(QStringLiteral(
        "SET LastName = :LastName, FirstName = :FirstName, Photo = :Photo, Birthday = :Birthday, "
        "HomePhone = :HomePhone, JobPhone = :JobPhone, MobilePhone = :MobilePhone, Address = :Address, "
        "Mail = :Mail, ICQ = :ICQ, Web_site = :Web_site, Comment = :Comment, [Group] = :Group"));
    qrUpdContact.add(QStringLiteral("WHERE ABID = :PersonID"));
    declareContactParameters(qrUpdContact);
    qrUpdContact.param(QStringLiteral("PersonID")).setType(ParamType::Integer);

    DataModuleCreate();
    DataModule1 = this;
}

TDataModule1::~TDataModule1()
{
    if (DataModule1 == this)
        DataModule1 = nullptr;
}

void TDataModule1::DataModuleCreate()
{
    NextShowDT = NoNextShowDT;
    connVO.close();
    // Not opened here: the first statement opens it.
    connVO.setPath(ProgramFolder::filePath(QStringLiteral("Ls.lsb")));
}
