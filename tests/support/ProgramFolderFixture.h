#pragma once

#include <QString>
#include <QTemporaryDir>

#include <optional>

// A temporary program folder: a fresh copy of the pristine database, the shipped data folders
// on request, the program folder pointed at it, a set clock and screen. Everything is put back
// when the object goes.
class ProgramFolderFixture {
public:
    ProgramFolderFixture();
    ~ProgramFolderFixture();
    ProgramFolderFixture(const ProgramFolderFixture&) = delete;
    ProgramFolderFixture& operator=(const ProgramFolderFixture&) = delete;

    QString path() const { return dir_.path(); }
    QString filePath(const QString& relative) const { return dir_.filePath(relative); }
    QString databasePath() const { return filePath(QStringLiteral("Ls.lsb")); }

    // Copies one of the shipped folders (Languages, Skins, Images, Help) into the folder.
    void copyShipped(const QString& folder) const;
    void writeFile(const QString& relative, const QByteArray& content) const;

private:
    QTemporaryDir dir_;
};

// Copies a directory tree; used for program folders and their data folders.
void copyTree(const QString& from, const QString& to);
