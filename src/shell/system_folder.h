#pragma once
// Well-known folders of the user's system, each computed when it is read. The
// export window points its folder list at Desktop or Personal. On this system
// the Windows-only folders answer with their nearest equivalent, or an empty
// text where there is none.
#include <QString>

class clsSystemFolder {
public:
    QString Windows() const;
    QString System() const;
    QString Temp() const;  // with its trailing separator
    QString Desktop() const;
    QString Programs() const;
    QString Personal() const;
    QString Favorites() const;
    QString Startup() const;
    QString Recent() const;
    QString SendTo() const;
    QString Fonts() const;
    QString StartMenu() const;
    QString Device() const;
    QString CommonFiles() const;
    QString Config() const;
    QString Media() const;
    QString ProgramFiles() const;
    QString OldWindows() const;
};
