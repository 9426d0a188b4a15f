-- The organizer's database file Ls.lsb. The build makes it from this text when it is missing;
-- the program itself only opens it.

CREATE TABLE ToDo (
    TDID        INTEGER PRIMARY KEY AUTOINCREMENT,  -- never reused: reminder windows hold keys
    MesType     INTEGER NOT NULL DEFAULT 0,
    FirstDT     REAL,
    -- Rows inserted without a due time (new holidays) are picked up by the next scan, which
    -- moves them to their first announcement; day 0 is never later than the insertion.
    ShowDT      REAL NOT NULL DEFAULT 0,
    Title       TEXT,
    Comment     TEXT,
    PeriodInt   INTEGER NOT NULL DEFAULT 0,
    PeriodType  INTEGER NOT NULL DEFAULT 0,
    ElapseInt   INTEGER NOT NULL DEFAULT 0,
    ElapseType  INTEGER NOT NULL DEFAULT 0
);

-- The scans select by due time and ask for the earliest future one.
CREATE INDEX ToDo_ShowDT ON ToDo (ShowDT);

CREATE TABLE AddressBook (
    ABID        INTEGER PRIMARY KEY AUTOINCREMENT,
    LastName    TEXT,
    FirstName   TEXT,
    Photo       TEXT,
    Birthday    REAL,
    HomePhone   TEXT,
    JobPhone    TEXT,
    MobilePhone TEXT,
    Address     TEXT,
    Mail        TEXT,
    ICQ         TEXT,
    Web_site    TEXT,
    Comment     TEXT,
    [Group]     INTEGER NOT NULL DEFAULT 4
);

CREATE TABLE TimePeriods (
    TPID        INTEGER PRIMARY KEY,
    Descript    TEXT NOT NULL
);

INSERT INTO TimePeriods (TPID, Descript) VALUES
    (1, 'minutes'),
    (2, 'hours'),
    (3, 'days'),
    (4, 'weeks'),
    (5, 'months'),
    (6, 'years');

-- The 48 half-hours of a day as whole seconds over 86400, inserted in ascending order.
CREATE TABLE Halfhours (
    Time        REAL NOT NULL
);

WITH RECURSIVE slot(seconds) AS (
    SELECT 0
    UNION ALL
    SELECT seconds + 1800 FROM slot WHERE seconds < 84600
)
INSERT INTO Halfhours (Time) SELECT seconds / 86400.0 FROM slot ORDER BY seconds;
