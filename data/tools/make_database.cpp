// Builds the organizer's database file from the schema text.
//   make_database [--replace] SCHEMA.sql OUT.lsb
// Without --replace an existing OUT is left alone: it holds the user's rows. The file is built
// beside OUT and renamed into place, so an interrupted build never leaves half a database.
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    bool replace = false;
    int first = 1;
    if (argc > 1 && std::string(argv[1]) == "--replace") {
        replace = true;
        first = 2;
    }
    if (argc - first != 2) {
        std::cerr << "usage: make_database [--replace] SCHEMA.sql OUT.lsb\n";
        return 2;
    }
    const fs::path schemaPath = argv[first];
    const fs::path target = argv[first + 1];
    if (!replace && fs::exists(target))
        return 0;

    std::ifstream in(schemaPath);
    if (!in) {
        std::cerr << "cannot read " << schemaPath << "\n";
        return 1;
    }
    std::stringstream schema;
    schema << in.rdbuf();

    fs::create_directories(target.parent_path());
    const fs::path partial = target.string() + ".partial";
    fs::remove(partial);
    sqlite3* db = nullptr;
    if (sqlite3_open(partial.c_str(), &db) != SQLITE_OK) {
        std::cerr << "cannot create " << partial << ": " << sqlite3_errmsg(db) << "\n";
        return 1;
    }
    char* error = nullptr;
    const std::string script = "BEGIN;\n" + schema.str() + "\nCOMMIT;";
    if (sqlite3_exec(db, script.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::cerr << "schema failed: " << (error ? error : "?") << "\n";
        sqlite3_free(error);
        sqlite3_close(db);
        fs::remove(partial);
        return 1;
    }
    sqlite3_close(db);
    fs::rename(partial, target);
    return 0;
}
